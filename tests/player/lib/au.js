'use strict';
// Sun audio (.au) files for the tests: a 24-byte big-endian header
// (".snd", data offset, data size, encoding, sample rate, channels) and the
// samples as they are.

function auFile({ encoding, sampleRate, channels = 1, data, declaredSize = data.length }) {
  const header = Buffer.alloc(24);
  header.write('.snd', 0, 'latin1');
  header.writeUInt32BE(24, 4);
  header.writeUInt32BE(declaredSize >>> 0, 8);
  header.writeUInt32BE(encoding, 12);
  header.writeUInt32BE(sampleRate, 16);
  header.writeUInt32BE(channels, 20);
  return Buffer.concat([header, Buffer.from(data)]);
}

const ENCODING = { muLaw: 1, linear8: 2, linear16: 3, linear24: 4, linear32: 5, aLaw: 27 };

module.exports = { auFile, ENCODING };
