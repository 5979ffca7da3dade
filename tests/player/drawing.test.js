'use strict';
// The arithmetic and geometry of velkbutton.js on their own, without a
// browser: the same rules and figures the preview's drawing is held to.
// Colours here are 0xRRGGBB, as the parameter text writes them.

const assert = require('node:assert');
const { test } = require('node:test');

const vb = require('../../player/velkbutton.js');

// A surface that remembers every pixel, for the geometry of the drawing.
class Grid {
  constructor(width, height) {
    this.area = { left: 0, top: 0, right: width, bottom: height };
    this.width = width;
    this.pixels = new Array(width * height).fill(null);
  }
  fill(l, t, r, b, c) {
    for (let y = Math.max(t, 0); y < Math.min(b, this.area.bottom); y++) {
      for (let x = Math.max(l, 0); x < Math.min(r, this.area.right); x++) {
        this.pixels[y * this.width + x] = c;
      }
    }
  }
  at(x, y) {
    return this.pixels[y * this.width + x];
  }
}

const NAVY = 0x000080;

test('colour steps clamp each channel', () => {
  const cases = [
    [NAVY, 70, 0x4646c6],
    [NAVY, -70, 0x00003a],
    [0xffffff, 70, 0xffffff],
    [0x000000, -70, 0x000000],
    [0x123456, 300, 0xffffff],
    [0x123456, -300, 0x000000],
    [0x123456, 0, 0x123456],
  ];
  for (const [colour, delta, expected] of cases) {
    assert.strictEqual(vb.getColor(colour, delta), expected, `${colour.toString(16)} ${delta}`);
  }
});

test('gradient columns round the extended-precision product, ties to even', () => {
  // [start, end, inset, width, column, expected colour]
  const cases = [
    [0x000000, NAVY, 2, 95, 2, 0x000003], // the default face: 128 / 91 per column
    [0x000000, NAVY, 2, 95, 92, 0x000081],
    [0x000000, 0x010000, 0, 2, 1, 0x000000], // 0.5 gives 0
    [0x000000, 0x010000, 0, 2, 3, 0x020000], // 1.5 gives 2
    [0x000000, 0x010000, 0, 2, 5, 0x020000], // 2.5 gives 2
    [0x640000, 0x630000, 0, 2, 1, 0x640000], // -0.5 gives 0
    // 9 x (1 / 6) is 1.5 in double precision but below it in extended: 1.
    [0x000000, 0x010000, 4, 14, 9, 0x010000],
    // 3 x (5 / 6) is 2.5 in double precision but above it in extended: 3.
    [0x000000, 0x050000, 3, 12, 3, 0x030000],
    [0x10f020, 0x10f020, 3, 50, 20, 0x10f020], // equal channels stay put
    [0x000000, 0xffffff, 3, 10, 9, 0xffffff], // beyond the end colour, clamped
  ];
  for (const [start, end, inset, width, x, expected] of cases) {
    const colour = vb.gradientColours(start, end, inset, width)(x);
    assert.strictEqual(colour, expected, `column ${x} of ${width} with inset ${inset}`);
  }
});

test('gradient paints columns inset..width-inset-1, rows inset..height-inset-1', () => {
  const grid = new Grid(95, 30);
  vb.fadeBackground(grid, 0x000000, NAVY, 2, 95, 30);
  assert.strictEqual(grid.at(2, 2), 0x000003);
  assert.strictEqual(grid.at(92, 27), 0x000081);
  for (const [x, y] of [
    [1, 10],
    [93, 10],
    [10, 1],
    [10, 28],
  ]) {
    assert.strictEqual(grid.at(x, y), null, `(${x}, ${y}) untouched`);
  }
  const narrow = new Grid(4, 10);
  vb.fadeBackground(narrow, 0x000000, NAVY, 2, 4, 10);
  assert.ok(
    narrow.pixels.every((p) => p === null),
    'no columns, nothing drawn',
  );
});

test('Frame of width 1 on 10 x 10: band, light outer and dark inner edges', () => {
  const grid = new Grid(10, 10);
  const look = { style: 1, raised: true, width: 1, shading: 0, colour: NAVY };
  vb.drawBorder(grid, 10, 10, look);
  const [light, dark] = [vb.getColor(NAVY, 70), vb.getColor(NAVY, -70)];
  const expected = (x, y) => {
    if (y === 9 || (x === 9 && y >= 1)) return dark;
    if (y === 0 || x === 0) return light;
    if ((y === 8 && x >= 2) || (x === 8 && y >= 1)) return light;
    if ((y === 1 && x >= 2 && x <= 7) || (x === 1 && y >= 1 && y <= 7)) return dark;
    if (x === 1 || y === 1 || x === 8 || y === 8) return NAVY;
    return null;
  };
  for (let y = 0; y < 10; y++) {
    for (let x = 0; x < 10; x++) assert.strictEqual(grid.at(x, y), expected(x, y), `(${x}, ${y})`);
  }
});

test('Bevel and Bump rings: top-left corner light, the other three dark', () => {
  const cases = [
    // [look, ring, top and left, bottom and right]
    [{ style: 2, raised: true, width: 2, shading: 0 }, 1, 0x4646c6, 0x00003a],
    [{ style: 2, raised: false, width: 2, shading: 0 }, 0, 0x00003a, 0x4646c6],
    [{ style: 3, raised: false, width: 2, shading: 24 }, 0, 0x000050, 0x3030b0],
    [{ style: 3, raised: false, width: 2, shading: 24 }, 1, 0x000068, 0x181898],
    [{ style: 3, raised: true, width: 3, shading: 0 }, 2, NAVY, NAVY],
  ];
  for (const [look, i, first, second] of cases) {
    const grid = new Grid(20, 12);
    vb.drawBorder(grid, 20, 12, { ...look, colour: NAVY });
    const name = JSON.stringify(look);
    assert.strictEqual(grid.at(i, i), first, `${name} ring ${i} top-left`);
    assert.strictEqual(grid.at(10, i), first, `${name} ring ${i} top`);
    assert.strictEqual(grid.at(i, 6), first, `${name} ring ${i} left`);
    assert.strictEqual(grid.at(19 - i, i), second, `${name} ring ${i} top-right`);
    assert.strictEqual(grid.at(i, 11 - i), second, `${name} ring ${i} bottom-left`);
    assert.strictEqual(grid.at(10, 11 - i), second, `${name} ring ${i} bottom`);
    assert.strictEqual(grid.at(19 - i, 6), second, `${name} ring ${i} right`);
    assert.strictEqual(grid.at(look.width, 6), null, `${name} inside untouched`);
  }
});

test('no border for width 0 or a style outside Frame, Bevel and Bump', () => {
  for (const look of [
    { style: 1, width: 0 },
    { style: 4, width: 3 },
    { style: 0, width: 3 },
  ]) {
    const grid = new Grid(10, 10);
    vb.drawBorder(grid, 10, 10, { raised: true, shading: 0, colour: NAVY, ...look });
    assert.ok(
      grid.pixels.every((p) => p === null),
      JSON.stringify(look),
    );
  }
});

test('pictures are placed by their style, divisions truncating', () => {
  const picture = { width: 40, height: 20 };
  const placed = (style, w, h, extra = {}) => {
    const spots = [];
    const surface = {
      area: { left: 0, top: 0, right: w, bottom: h },
      picture: (p, x, y) => spots.push([x, y]),
      stretched: (p, l, t, r, b) => spots.push(['stretched', l, t, r, b]),
    };
    const { x = 0, y = 0, border = 0 } = extra;
    vb.placeImage(surface, picture, w, h, style, x, y, border);
    return spots;
  };
  assert.deepStrictEqual(placed(0, 95, 30, { x: -7, y: 3 }), [[-7, 3]]);
  assert.deepStrictEqual(placed(1, 95, 30), [[27, 5]]);
  assert.deepStrictEqual(placed(1, 17, 30), [[-11, 5]]);
  assert.deepStrictEqual(placed(2, 95, 30, { border: 3 }), [[3, 5]]);
  assert.deepStrictEqual(placed(3, 95, 30, { border: 3 }), [[52, 5]]);
  assert.deepStrictEqual(placed(4, 95, 30), [
    [0, 0],
    [40, 0],
    [80, 0],
    [0, 20],
    [40, 20],
    [80, 20],
  ]);
  assert.deepStrictEqual(placed(5, 95, 30), [['stretched', 0, 0, 95, 30]]);
  assert.deepStrictEqual(placed(6, 95, 30), []);
});

test('a stretched picture takes the pixel under each target pixel centre', () => {
  const columns = (size, span) =>
    Array.from({ length: span }, (_, t) => vb.sourcePixel(t, size, span));
  assert.deepStrictEqual(columns(2, 6), [0, 0, 0, 1, 1, 1]);
  assert.deepStrictEqual(columns(2, 3), [0, 1, 1]);
  assert.deepStrictEqual(columns(6, 3), [1, 3, 5]);
});

test('button parameters: 102 fields, texts, captions, flags', () => {
  const state = (caption, extra = {}) => {
    const f = [
      '2',
      '3',
      '1',
      '24',
      '000000',
      '000080',
      ' ',
      '2',
      '0',
      '0',
      caption,
      '2',
      '14',
      '0',
      '2',
      '0',
      '0',
      '0',
      'FFFFFF',
      'FFFF00',
      ' ',
      ' ',
      '1',
      '000080',
      '0',
      '0',
      '0',
      '0',
      '0',
    ];
    for (const [i, v] of Object.entries(extra)) f[i] = v;
    return f;
  };
  const head = [
    '95',
    '30',
    '5',
    '5',
    'Hint',
    '2',
    '12',
    '0',
    'FFFF80',
    '000000',
    '000000',
    'shop.html',
    '_top',
    '0',
  ];
  const fields = [
    ...head,
    ...state('Our ~ Shop ~ '),
    ...state('Button 1 ~ ', { 2: '0', 17: '1', 23: '000000', 24: '1', 25: 'FF0000' }),
    ...state('Top ~  ~ ', { 20: 'Status', 21: 'click.au' }),
    ' ',
  ];
  const params = new Map([['0', fields.join('|') + '|']]);
  const [button] = vb.readApplet('105', '131', params).buttons;
  assert.strictEqual(fields.length, 102);
  assert.deepStrictEqual(
    { ...button, states: undefined },
    {
      ordinal: 0,
      width: 95,
      height: 30,
      left: 5,
      top: 5,
      hint: {
        text: 'Hint',
        font: 2,
        size: 12,
        style: 0,
        bkColor: 0xffff80,
        borderColor: 0,
        textColor: 0,
      },
      link: 'shop.html',
      frame: '_top',
      states: undefined,
      message: '',
    },
  );
  const [first, second, third] = button.states;
  assert.deepStrictEqual(first.caption, ['Our', 'Shop']);
  assert.deepStrictEqual(third.caption, ['Top', '']);
  assert.deepStrictEqual(
    [first.raised, first.fade, first.highlight, first.fontShadow, first.imageName],
    [false, true, null, false, ''],
  );
  assert.deepStrictEqual(
    [second.raised, second.fade, second.transparentBk, second.highlight, second.fontShadow],
    [true, false, true, 0xff0000, true],
  );
  assert.deepStrictEqual([third.status, third.soundName], ['Status', 'click.au']);
});

test('applet parameters: GENERAL, BORDER and TEXT BOX', () => {
  const params = new Map([
    ['GENERAL', '0|5|102030| |1|0|0|1000|Loading...|000000|FFFFFF|405060'],
    ['BORDER', '4|C0C0C0|1|0|28'],
    ['TEXT BOX', '-1|125|1|1|0|12|0|FFFFFF|1|0000FF|000000|1'],
  ]);
  const applet = vb.readApplet('105', '150', params);
  assert.deepStrictEqual(
    { ...applet, textBox: undefined, border: undefined },
    {
      width: 105,
      height: 150,
      bkColor: 0x102030,
      fade: true,
      fadeColor: 0x405060,
      imageName: '',
      imageStyle: 1,
      imageX: 0,
      imageY: 0,
      loadText: 'Loading...',
      loadBkColor: 0,
      loadFontColor: 0xffffff,
      buttons: [],
      textBox: undefined,
      border: undefined,
      error: null,
      warnings: [],
    },
  );
  assert.deepStrictEqual(applet.border, {
    width: 4,
    colour: 0xc0c0c0,
    style: 1,
    raised: true,
    shading: 28,
  });
  assert.deepStrictEqual(
    [applet.textBox.left, applet.textBox.top, applet.textBox.width, applet.textBox.height],
    [-1, 125, 1, 1],
  );
});
