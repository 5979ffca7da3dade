'use strict';
// Pixel comparison of a browser screenshot with wendle-cli's drawing.

const inside = (r, x, y) => x >= r.left && x < r.right && y >= r.top && y < r.bottom;

// rest with the region (a test per pixel) taken from other.
function composite(rest, other, inRegion) {
  const pixels = Uint32Array.from(rest.pixels);
  for (let y = 0; y < rest.height; y++) {
    for (let x = 0; x < rest.width; x++) {
      if (inRegion(x, y)) pixels[y * rest.width + x] = other.pixels[y * rest.width + x];
    }
  }
  return { width: rest.width, height: rest.height, pixels };
}

// Counts the pixels that differ outside the masked rectangles, and the
// masked ones. A picture of the differences marks them red on grey, the
// masked pixels dark.
function compare(actual, expected, masks) {
  if (actual.width !== expected.width || actual.height !== expected.height) {
    throw new Error(
      `sizes differ: ${actual.width}x${actual.height} against ${expected.width}x${expected.height}`,
    );
  }
  let differing = 0;
  let masked = 0;
  const first = [];
  const picture = new Uint32Array(actual.pixels.length);
  for (let y = 0; y < actual.height; y++) {
    for (let x = 0; x < actual.width; x++) {
      const i = y * actual.width + x;
      const same = actual.pixels[i] === expected.pixels[i];
      if (masks.some((r) => inside(r, x, y))) {
        masked++;
        picture[i] = 0x202020;
      } else if (!same) {
        differing++;
        if (first.length < 5) {
          first.push(`(${x},${y}) ${hex(actual.pixels[i])} instead of ${hex(expected.pixels[i])}`);
        }
        picture[i] = 0xff0000;
      } else {
        picture[i] = 0x808080;
      }
    }
  }
  return {
    differing,
    masked,
    first,
    picture: { width: actual.width, height: actual.height, pixels: picture },
  };
}

const hex = (p) => '#' + p.toString(16).padStart(6, '0');

module.exports = { composite, compare, inside };

// The part r of a picture.
function crop(picture, r) {
  const width = r.right - r.left;
  const height = r.bottom - r.top;
  const pixels = new Uint32Array(width * height);
  for (let y = 0; y < height; y++) {
    for (let x = 0; x < width; x++) {
      pixels[y * width + x] = picture.pixels[(y + r.top) * picture.width + x + r.left];
    }
  }
  return { width, height, pixels };
}

// Rectangles moved by (dx, dy).
const moved = (rects, dx, dy) =>
  rects.map((r) => ({
    left: r.left + dx,
    top: r.top + dy,
    right: r.right + dx,
    bottom: r.bottom + dy,
  }));

module.exports.crop = crop;
module.exports.moved = moved;
