'use strict';
// Exported folders (wendle-cli web) and what a page shows of them.

const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { readPng } = require('../../player/lib/png');
const site = require('../../player/lib/site');

function exportBar(document, dir) {
  site.run(['web', document, dir]);
  return pathToFileURL(path.join(dir, 'index.html')).href;
}

function reference(document, state, dir) {
  const file = path.join(dir, `wendle-cli-state-${state}.png`);
  return readPng(site.renderReference(document, state, file));
}

// Runs in the page: the bar's place and each button's box (CSS pixels,
// relative to the bar), its stacking layer, and the text box's.
function describeBar() {
  const nav = document.querySelector('nav.wendle-bar');
  const n = nav.getBoundingClientRect();
  const box = (el) => {
    const r = el.getBoundingClientRect();
    return {
      left: r.left - n.left,
      top: r.top - n.top,
      right: r.right - n.left,
      bottom: r.bottom - n.top,
    };
  };
  const textBox = nav.querySelector('.wendle-bar__box');
  return {
    clip: { x: n.left + scrollX, y: n.top + scrollY, width: n.width, height: n.height },
    buttons: [...nav.querySelectorAll('.wendle-bar__button')].map((el) => ({
      ...box(el),
      shown: getComputedStyle(el).display !== 'none',
      layer: Number(getComputedStyle(el).zIndex) || 0,
      tag: el.tagName.toLowerCase(),
    })),
    textBox: textBox && getComputedStyle(textBox).display !== 'none' ? box(textBox) : null,
  };
}

async function shoot(page, clip) {
  return readPng(Buffer.from(await page.screenshot({ clip, type: 'png' })));
}

module.exports = { exportBar, reference, describeBar, shoot, documents: site.documents };
