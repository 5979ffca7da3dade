'use strict';
// .au sound files decoded by velkbutton.js itself (browsers do not read
// them): mu-law, A-law, linear PCM of 8 to 32 bits, mono and stereo.

const assert = require('node:assert');
const { test } = require('node:test');

const vb = require('../../player/velkbutton.js');
const { auFile, ENCODING } = require('./lib/au');

const decoded = (file) => {
  const result = vb.decodeAu(new Uint8Array(file));
  return (
    result && { sampleRate: result.sampleRate, samples: result.samples.map((c) => Array.from(c)) }
  );
};

test('sample encodings decode to the range -1 to 1', () => {
  const cases = [
    // [encoding, bytes, samples]
    [
      ENCODING.muLaw,
      [0x00, 0x80, 0xff, 0x7f, 0x8f],
      [-32124, 32124, 0, 0, 16764].map((v) => v / 32768),
    ],
    [ENCODING.aLaw, [0xd5, 0x55, 0xaa, 0x2a], [8, -8, 32256, -32256].map((v) => v / 32768)],
    [ENCODING.linear8, [0x00, 0x7f, 0x80, 0xc0], [0, 127 / 128, -1, -0.5]],
    [ENCODING.linear16, [0x7f, 0xff, 0x80, 0x00, 0x40, 0x00], [32767 / 32768, -1, 0.5]],
    [ENCODING.linear24, [0x80, 0x00, 0x00, 0x40, 0x00, 0x00], [-1, 0.5]],
    [ENCODING.linear32, [0xc0, 0, 0, 0], [-0.5]],
  ];
  for (const [encoding, data, samples] of cases) {
    const file = auFile({ encoding, sampleRate: 8000, data });
    assert.deepStrictEqual(
      decoded(file),
      { sampleRate: 8000, samples: [samples] },
      `encoding ${encoding}`,
    );
  }
});

test('stereo frames are split into channels; a size of ~0 means to the end', () => {
  const data = [0x00, 0x01, 0x00, 0x02, 0xff, 0xff, 0x00, 0x04];
  const file = auFile({
    encoding: ENCODING.linear16,
    sampleRate: 22050,
    channels: 2,
    data,
    declaredSize: 0xffffffff,
  });
  assert.deepStrictEqual(decoded(file), {
    sampleRate: 22050,
    samples: [
      [1 / 32768, -1 / 32768],
      [2 / 32768, 4 / 32768],
    ],
  });
});

test('a declared size beyond the file is cut to the samples present', () => {
  const file = auFile({
    encoding: ENCODING.linear8,
    sampleRate: 8000,
    data: [0x40, 0x40, 0x40],
    declaredSize: 1000,
  });
  assert.deepStrictEqual(decoded(file).samples, [[0.5, 0.5, 0.5]]);
});

test('what is not a sound of a known encoding is refused', () => {
  const refused = [
    Buffer.from('RIFF....WAVEfmt '),
    auFile({ encoding: 23, sampleRate: 8000, data: [1, 2] }),
    auFile({ encoding: ENCODING.muLaw, sampleRate: 0, data: [1, 2] }),
    Buffer.alloc(10),
  ];
  for (const file of refused) assert.strictEqual(decoded(file), null);
});
