'use strict';
// What the tests ask the page about its first button bar.

const fs = require('node:fs');
const { pathToFileURL } = require('node:url');
const { readPng } = require('./png');

// Runs in the page: the canvas's place, the caption boxes of the faces now
// shown, and for every button a point (page pixels) where the pointer
// reaches its element, if any.
const DESCRIBE = `velkbutton.ready.then((bars) => {
  const bar = bars[0];
  const c = bar.canvas.getBoundingClientRect();
  const pointFor = (el) => {
    const r = el.getBoundingClientRect();
    const centre = [r.left + r.width / 2, r.top + r.height / 2];
    if (document.elementFromPoint(...centre) === el) return centre;
    for (let y = Math.ceil(r.top); y < r.bottom; y++) {
      for (let x = Math.ceil(r.left); x < r.right; x++) {
        if (document.elementFromPoint(x, y) === el) return [x, y];
      }
    }
    return null;
  };
  return {
    clip: { x: c.left + scrollX, y: c.top + scrollY, width: c.width, height: c.height },
    canvas: { width: bar.canvas.width, height: bar.canvas.height },
    captionBoxes: bar.captionBoxes(),
    buttons: bar.buttons.map((item) => ({
      left: item.button.left, top: item.button.top,
      width: item.button.width, height: item.button.height,
      point: pointFor(item.element),
    })),
  };
})`;

// The hint shows over the page, bar included; the drawing alone is compared.
const HIDE_TOOLTIPS = `document.head.append(Object.assign(document.createElement('style'),
  { textContent: '.velkbutton [role=tooltip] { visibility: hidden !important; }' }))`;

// Where the editor's label "Text Box" lies in the preview's text box: the
// script lays it out as it would a message in the text box.
const TEXT_BOX_LABEL = `velkbutton.ready.then((bars) => {
  const bar = bars[0];
  const key = (r) => JSON.stringify(r);
  const before = new Set(bar.captionBoxes().map(key));
  bar.setMessage('Text Box');
  const label = bar.captionBoxes().filter((r) => !before.has(key(r)));
  bar.setMessage(null);
  return label;
})`;

async function open(page, file) {
  await page.goto(pathToFileURL(file).href);
  await page.evaluate(HIDE_TOOLTIPS);
  const view = await page.evaluate(DESCRIBE);
  view.textBoxLabel = await page.evaluate(TEXT_BOX_LABEL);
  return view;
}

async function describe(page) {
  return page.evaluate(DESCRIBE);
}

async function shoot(page, view) {
  return readPng(await page.screenshot(view.clip));
}

const readPngFile = (file) => readPng(fs.readFileSync(file));

module.exports = { open, describe, shoot, readPngFile };
