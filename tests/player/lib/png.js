'use strict';
// Just enough PNG for comparing pictures: 8-bit greyscale, RGB, RGBA and
// palette (with or without alpha), not interlaced, read into 0xRRGGBB pixels; and
// RGB written back for pictures of the differences.

const zlib = require('node:zlib');

const SIGNATURE = Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]);

function paeth(a, b, c) {
  const p = a + b - c;
  const pa = Math.abs(p - a);
  const pb = Math.abs(p - b);
  const pc = Math.abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

function unfilter(data, width, height, bpp) {
  const stride = width * bpp;
  const out = Buffer.alloc(stride * height);
  for (let y = 0; y < height; y++) {
    const type = data[y * (stride + 1)];
    const line = data.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    const row = out.subarray(y * stride, (y + 1) * stride);
    const up = y > 0 ? out.subarray((y - 1) * stride, y * stride) : Buffer.alloc(stride);
    for (let i = 0; i < stride; i++) {
      const a = i >= bpp ? row[i - bpp] : 0;
      const b = up[i];
      const c = i >= bpp ? up[i - bpp] : 0;
      const predictor = [0, a, b, (a + b) >> 1, paeth(a, b, c)][type];
      if (predictor === undefined) throw new Error(`PNG filter ${type} unknown`);
      row[i] = (line[i] + predictor) & 255;
    }
  }
  return out;
}

// { width, height, pixels: Uint32Array of 0xRRGGBB }
function readPng(bytes) {
  if (!bytes.subarray(0, 8).equals(SIGNATURE)) throw new Error('not a PNG');
  let pos = 8;
  let header = null;
  const idat = [];
  let palette = null;
  while (pos < bytes.length) {
    const length = bytes.readUInt32BE(pos);
    const type = bytes.toString('latin1', pos + 4, pos + 8);
    const body = bytes.subarray(pos + 8, pos + 8 + length);
    if (type === 'IHDR') {
      header = {
        width: body.readUInt32BE(0),
        height: body.readUInt32BE(4),
        depth: body[8],
        colourType: body[9],
        interlace: body[12],
      };
    }
    if (type === 'PLTE') palette = body;
    if (type === 'IDAT') idat.push(body);
    pos += 12 + length;
  }
  const channels = { 0: 1, 2: 3, 3: 1, 4: 2, 6: 4 }[header?.colourType];
  const indexed = header?.colourType === 3;
  if (!header || header.depth !== 8 || !channels || header.interlace || (indexed && !palette)) {
    throw new Error('PNG kind not supported');
  }
  const { width, height } = header;
  const raw = unfilter(zlib.inflateSync(Buffer.concat(idat)), width, height, channels);
  const pixels = new Uint32Array(width * height);
  for (let i = 0; i < pixels.length; i++) {
    const p = i * channels;
    if (indexed) {
      const q = raw[p] * 3;
      if (q + 2 >= palette.length) throw new Error('PNG palette index out of range');
      pixels[i] = (palette[q] << 16) | (palette[q + 1] << 8) | palette[q + 2];
    } else {
      pixels[i] = channels < 3 ? raw[p] * 0x010101 : (raw[p] << 16) | (raw[p + 1] << 8) | raw[p + 2];
    }
  }
  return { width, height, pixels };
}

function crc32(buffer) {
  let crc = ~0;
  for (const byte of buffer) {
    crc ^= byte;
    for (let k = 0; k < 8; k++) crc = crc & 1 ? (crc >>> 1) ^ 0xedb88320 : crc >>> 1;
  }
  return ~crc >>> 0;
}

function chunk(type, body) {
  const head = Buffer.alloc(8);
  head.writeUInt32BE(body.length, 0);
  head.write(type, 4, 'latin1');
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), body])), 0);
  return Buffer.concat([head, body, crc]);
}

function writePng({ width, height, pixels }) {
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header[8] = 8;
  header[9] = 2;
  const raw = Buffer.alloc((width * 3 + 1) * height);
  for (let y = 0; y < height; y++) {
    for (let x = 0; x < width; x++) {
      const p = pixels[y * width + x];
      const o = y * (width * 3 + 1) + 1 + x * 3;
      raw[o] = p >> 16;
      raw[o + 1] = (p >> 8) & 255;
      raw[o + 2] = p & 255;
    }
  }
  return Buffer.concat([
    SIGNATURE,
    chunk('IHDR', header),
    chunk('IDAT', zlib.deflateSync(raw)),
    chunk('IEND', Buffer.alloc(0)),
  ]);
}

module.exports = { readPng, writePng };
