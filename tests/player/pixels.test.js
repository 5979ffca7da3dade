'use strict';
// The bar in the browser is the preview, pixel for pixel: for the start-up
// document and every template beside the program, the canvas at rest, with
// each button under the pointer and with each button pressed is compared
// with wendle-cli render of the same document in state 1, 2 and 3. Only the
// caption text is left out (the browser's and Qt's rasterisers differ): the
// ink boxes of the lines the script lays out, one pixel wider all round,
// and where the preview writes its label "Text Box" in a shown text box
// (the page leaves the text box empty until a button has a message for it).

const assert = require('node:assert');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { test, before, after } = require('node:test');

const { Browser } = require('./lib/chromium');
const site = require('./lib/site');
const bar = require('./lib/bar');
const { composite, compare, inside } = require('./lib/compare');
const { writePng } = require('./lib/png');

const VIEWPORT = { width: 1600, height: 1200 };
const AWAY = [1, VIEWPORT.height - 1];

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'wendle-player-pixels-'));
const documents = site.documents(work);
let browser;
let page;

before(async () => {
  browser = await Browser.launch();
  page = await browser.newPage(VIEWPORT);
});

after(async () => {
  await browser?.close();
  if (!process.exitCode) fs.rmSync(work, { recursive: true, force: true });
});

// The part of button n that shows: its rectangle less those of the buttons
// in front of it (the ones before it in the bar).
function visiblePart(buttons, n) {
  const rect = (b) => ({
    left: b.left,
    top: b.top,
    right: b.left + b.width,
    bottom: b.top + b.height,
  });
  const own = rect(buttons[n]);
  const front = buttons.slice(0, n).map(rect);
  return (x, y) => inside(own, x, y) && !front.some((r) => inside(r, x, y));
}

function check(name, actual, expected, view, dir) {
  const result = compare(actual, expected, [...view.captionBoxes, ...view.textBoxLabel]);
  console.log(
    `${name}: ${result.differing} differing pixels outside caption boxes ` +
      `(${result.masked} of ${actual.width * actual.height} pixels in caption boxes)`,
  );
  if (result.differing) {
    const file = path.join(dir, `${name.replace(/[^\w]+/g, '-')}-differences.png`);
    fs.writeFileSync(file, writePng(result.picture));
    process.exitCode = 1;
  }
  assert.strictEqual(
    result.differing,
    0,
    `${name}: ${result.first.join('; ')} (pictures in ${dir})`,
  );
}

for (const document of documents) {
  const name = path.basename(document, '.wdf');
  test(`${name}: the bar in the browser draws as wendle-cli render`, async () => {
    const dir = path.join(work, name);
    const built = site.buildSite(document, dir);
    assert.deepStrictEqual(built.missing, [], 'every named file is found');
    const references = [1, 2, 3].map((state) =>
      bar.readPngFile(writeReference(document, state, dir)),
    );

    await page.mouse('mouseMoved', ...AWAY);
    let view = await bar.open(page, built.page);
    assert.deepStrictEqual(view.canvas, { width: built.applet.width, height: built.applet.height });
    check(`${name} at rest`, await bar.shoot(page, view), references[0], view, dir);

    for (const [n, button] of view.buttons.entries()) {
      if (!button.point) continue; // wholly hidden behind others or outside
      const [x, y] = button.point;
      const region = visiblePart(view.buttons, n);
      await page.mouse('mouseMoved', x, y);
      view = { ...(await bar.describe(page)), textBoxLabel: view.textBoxLabel };
      const hover = composite(references[0], references[1], region);
      check(`${name} button ${n} under the pointer`, await bar.shoot(page, view), hover, view, dir);

      await page.mouse('mousePressed', x, y);
      view = { ...(await bar.describe(page)), textBoxLabel: view.textBoxLabel };
      const pressed = composite(references[0], references[2], region);
      check(`${name} button ${n} pressed`, await bar.shoot(page, view), pressed, view, dir);

      // Leaving while pressed lets go without a click.
      await page.mouse('mouseMoved', ...AWAY, { buttons: 1 });
      await page.mouse('mouseReleased', ...AWAY);
    }
  });
}

// Every pixel of a picture as a square of factor x factor pixels.
function enlarged(picture, factor) {
  const width = picture.width * factor;
  const pixels = new Uint32Array(width * picture.height * factor);
  for (let i = 0; i < pixels.length; i++) {
    const x = Math.floor((i % width) / factor);
    const y = Math.floor(Math.floor(i / width) / factor);
    pixels[i] = picture.pixels[y * picture.width + x];
  }
  return { width, height: picture.height * factor, pixels };
}

test('at two device pixels per pixel each pixel is drawn as a 2 x 2 square', async () => {
  const document = documents[documents.length - 1];
  const dir = path.join(work, 'two device pixels');
  const built = site.buildSite(document, dir);
  const reference = bar.readPngFile(writeReference(document, 1, dir));
  const dense = await browser.newPage({ ...VIEWPORT, deviceScaleFactor: 2 });
  await dense.mouse('mouseMoved', ...AWAY);
  const view = await bar.open(dense, built.page);
  assert.deepStrictEqual(view.canvas, {
    width: 2 * built.applet.width,
    height: 2 * built.applet.height,
  });
  const double = (r) => ({
    left: 2 * r.left,
    top: 2 * r.top,
    right: 2 * r.right,
    bottom: 2 * r.bottom,
  });
  const doubled = {
    captionBoxes: view.captionBoxes.map(double),
    textBoxLabel: view.textBoxLabel.map(double),
  };
  const name = `${path.basename(document, '.wdf')} at two device pixels per pixel`;
  check(name, await bar.shoot(dense, view), enlarged(reference, 2), doubled, dir);
  await dense.close();
});

function writeReference(document, state, dir) {
  const file = path.join(dir, `wendle-cli-state-${state}.png`);
  site.renderReference(document, state, file);
  return file;
}
