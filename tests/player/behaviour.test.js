'use strict';
// The bar behaves as a button bar: hints, status texts, text-box messages,
// sounds, links opened in their targets by pointer and keyboard, and
// buttons reachable with Tab and named by their captions. The page is the
// start-up document's block with links, texts and sounds set in its
// parameter text, served over HTTP as a site would be.

const assert = require('node:assert');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { test, before, after } = require('node:test');

const { Browser, KEYS } = require('./lib/chromium');
const site = require('./lib/site');
const bar = require('./lib/bar');
const { serve } = require('./lib/server');
const { auFile, ENCODING } = require('./lib/au');
const { FIELD, setButtonFields, setParam, setAppletSize } = require('./lib/params');
const { compare, crop, moved } = require('./lib/compare');
const { readPng } = require('./lib/png');

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'wendle-player-behaviour-'));
const startup = path.join(work, 'Start-up.wdf');
const siteDir = path.join(work, 'site');

// Mu-law at 8000 Hz for the press, 16-bit linear at 11025 Hz for the hover.
const PRESS_SOUND = { rate: 8000, bytes: [0x00, 0x80, 0xff, 0x7f, ...Array(796).fill(0xff)] };
const HOVER_SOUND = { rate: 11025, samples: 441 };

const TEXT_BOX = { left: 5, top: 130, width: 95, height: 25 };
const LOADING = { text: 'Wait please', background: 0x203040, colour: 0xffff00 };
// A 1 x 1 GIF whose one pixel is transparent: it changes nothing drawn.
const CLEAR_GIF = Buffer.from('R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7', 'base64');

function editBlock(lines) {
  let block = setAppletSize(lines, 105, 160);
  block = setParam(
    block,
    'GENERAL',
    `4|5|000000|clear.gif|1|0|0|1000|${LOADING.text}|203040|FFFF00|000000`,
  );
  block = setParam(
    block,
    'TEXT BOX',
    [TEXT_BOX.left, TEXT_BOX.top, TEXT_BOX.width, TEXT_BOX.height, 2, 12, 0, 'FFFFFF', 1, '0000FF']
      .concat(['000000', 1])
      .join('|'),
  );
  block = setButtonFields(block, 0, [
    [FIELD.hint, 'Go to the target'],
    [FIELD.link, 'target.html'],
    [FIELD.frame, 'result'],
    [FIELD.status(2), 'Opens the target below'],
    [FIELD.sound(2), 'hover.au'],
    [FIELD.sound(3), 'press.au'],
    [FIELD.message, 'Target page'],
  ]);
  block = setButtonFields(block, 1, [
    [FIELD.link, 'other.html'],
    [FIELD.frame, '_blank'],
  ]);
  block.splice(block.length - 1, 0, '<a href="plain.html">Our pages</a>');
  block = setButtonFields(block, 2, [
    [FIELD.link, 'third.html'],
    [FIELD.frame, '_self'],
  ]);
  return block;
}

function hoverSound() {
  const data = Buffer.alloc(HOVER_SOUND.samples * 2);
  for (let i = 0; i < HOVER_SOUND.samples; i++) {
    data.writeInt16BE(Math.round(8000 * Math.sin(i / 4)), i * 2);
  }
  return auFile({ encoding: ENCODING.linear16, sampleRate: HOVER_SOUND.rate, data });
}

// Every buffer the page starts and every media element it plays.
const RECORD_SOUNDS = `
  window.played = [];
  const start = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function (...args) {
    const b = this.buffer;
    window.played.push({ sampleRate: b.sampleRate, length: b.length,
      first: Array.from(b.getChannelData(0).slice(0, 4)) });
    return start.apply(this, args);
  };
  const play = HTMLMediaElement.prototype.play;
  HTMLMediaElement.prototype.play = function () {
    window.played.push({ media: this.src });
    return play.call(this);
  };`;

let browser;
let server;
let references;
const held = new Map();

before(async () => {
  site.run(['new', startup]);
  site.buildSite(startup, siteDir, {
    edit: editBlock,
    extraBody: ['    <iframe name="result" src="about:blank"></iframe>'],
    extraFiles: {
      'press.au': auFile({
        encoding: ENCODING.muLaw,
        sampleRate: PRESS_SOUND.rate,
        data: PRESS_SOUND.bytes,
      }),
      'hover.au': hoverSound(),
      'clear.gif': CLEAR_GIF,
      'target.html': '<html><body>target</body></html>',
      'other.html': '<html><body>other</body></html>',
      'third.html': '<html><body>third</body></html>',
    },
  });
  references = [1, 2, 3].map((state) => {
    const file = path.join(work, `state-${state}.png`);
    site.renderReference(startup, state, file);
    return bar.readPngFile(file);
  });
  server = await serve(siteDir, held);
  browser = await Browser.launch();
});

after(async () => {
  await browser?.close();
  await server?.close();
  fs.rmSync(work, { recursive: true, force: true });
});

async function openPage() {
  const page = await browser.newPage();
  await page.addInitScript(RECORD_SOUNDS);
  await page.goto(server.url('index.html'));
  return { page, view: await bar.describe(page) };
}

async function until(page, expression, what) {
  for (let i = 0; i < 100; i++) {
    const value = await page.evaluate(expression);
    if (value) return value;
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  throw new Error(`waited in vain for ${what}`);
}

const played = (page) => page.evaluate('window.played');

// What the page shows beside the drawing, for button n's element.
const SHOWN = `(() => {
  const bar = velkbutton.bars[0];
  const tip = bar.element.querySelector('[role=tooltip]');
  const style = getComputedStyle(tip);
  const live = bar.element.querySelector('[aria-live]');
  return {
    focused: document.activeElement?.getAttribute('aria-label') ?? null,
    tip: tip.hidden ? null : { text: tip.textContent, size: style.fontSize,
      family: style.fontFamily, colour: style.color, background: style.backgroundColor,
      border: style.borderTopColor },
    status: live.textContent, politeness: live.getAttribute('aria-live'),
  };
})()`;

// The text box's inside, and how many of its pixels carry the text colour.
async function textBoxInk(page, view) {
  const shot = await bar.shoot(page, view);
  const inside = crop(shot, {
    left: TEXT_BOX.left + 1,
    top: TEXT_BOX.top + 1,
    right: TEXT_BOX.left + TEXT_BOX.width - 1,
    bottom: TEXT_BOX.top + TEXT_BOX.height - 1,
  });
  return inside.pixels.filter((p) => p === 0xffffff).length;
}

// Button n's face against wendle-cli's face of that state, captions left out.
async function checkFace(page, n, state) {
  const view = await bar.describe(page);
  const b = view.buttons[n];
  const r = { left: b.left, top: b.top, right: b.left + b.width, bottom: b.top + b.height };
  const shot = crop(await bar.shoot(page, view), r);
  const expected = crop(references[state - 1], r);
  const result = compare(shot, expected, moved(view.captionBoxes, -r.left, -r.top));
  assert.strictEqual(result.differing, 0, `button ${n} in state ${state}: ${result.first}`);
}

test('the bar replaces the applet tag; without scripts the alternative HTML shows', async () => {
  const ALTERNATIVE = `(() => {
    const link = [...document.links].find((a) => a.textContent === 'Our pages');
    return {
      applets: document.getElementsByTagName('applet').length,
      canvases: document.getElementsByTagName('canvas').length,
      alternative: link ? link.getBoundingClientRect().width > 0 : null,
    };
  })()`;
  const page = await browser.newPage();
  await page.goto(server.url('index.html'));
  await page.evaluate('velkbutton.ready');
  assert.deepStrictEqual(await page.evaluate(ALTERNATIVE), {
    applets: 0,
    canvases: 1,
    alternative: null,
  });
  await page.send('Emulation.setScriptExecutionDisabled', { value: true });
  await page.goto(server.url('index.html'));
  assert.deepStrictEqual(await page.evaluate(ALTERNATIVE), {
    applets: 1,
    canvases: 0,
    alternative: true,
  });
  await page.close();
});

test('the loading message shows in its colours until the pictures are in', async () => {
  let release;
  held.set('/clear.gif', new Promise((resolve) => (release = resolve)));
  const page = await browser.newPage();
  await page.send('Page.navigate', { url: server.url('index.html') });
  const clip = await until(
    page,
    `window.velkbutton?.bars.length && (() => {
    const r = velkbutton.bars[0].canvas.getBoundingClientRect();
    return { x: r.left + scrollX, y: r.top + scrollY, width: r.width, height: r.height };
  })()`,
    'the bar',
  );
  const loading = readPng(await page.screenshot(clip));
  const colours = new Set(loading.pixels);
  assert.ok(
    colours.has(LOADING.background) && colours.has(LOADING.colour),
    'the loading background with text in the loading colour',
  );
  assert.strictEqual(await page.evaluate('velkbutton.bars[0].buttons.length'), 0, 'no buttons yet');
  release();
  held.delete('/clear.gif');
  const view = await bar.describe(page);
  const drawn = new Set((await bar.shoot(page, view)).pixels);
  assert.ok(!drawn.has(LOADING.background) && !drawn.has(LOADING.colour), 'then the bar');
  assert.strictEqual(view.buttons.length, 4);
  await page.close();
});

test('under the pointer: hint, status, message; no hover sound before a gesture', async () => {
  const { page, view } = await openPage();
  const [x, y] = view.buttons[0].point;
  assert.strictEqual(await textBoxInk(page, view), 0, 'the text box is empty at rest');

  await page.mouse('mouseMoved', x, y);
  const shown = await page.evaluate(SHOWN);
  assert.deepStrictEqual(shown.tip, {
    text: 'Go to the target',
    size: '11px',
    family: 'Arial, "Liberation Sans", Arimo, sans-serif',
    colour: 'rgb(0, 0, 0)',
    background: 'rgb(255, 255, 128)',
    border: 'rgb(0, 0, 0)',
  });
  assert.strictEqual(
    shown.status,
    'Target page. Opens the target below',
    'the message, then the status',
  );
  assert.strictEqual(shown.politeness, 'polite');
  assert.ok((await textBoxInk(page, view)) > 0, 'the message shows in the text box');
  await checkFace(page, 0, 2);
  assert.deepStrictEqual(await played(page), [], 'no sound before the page had a gesture');

  await page.mouse('mouseMoved', 1, 599);
  assert.strictEqual(await textBoxInk(page, view), 0, 'the message goes with the pointer');
  assert.strictEqual((await page.evaluate(SHOWN)).tip, null);
  await page.close();
});

test('a click plays its sound and opens the link in its frame; then hover sounds play', async () => {
  const { page, view } = await openPage();
  const [x, y] = view.buttons[0].point;
  await page.mouse('mouseMoved', x, y);
  await page.mouse('mousePressed', x, y);
  await checkFace(page, 0, 3);
  const [press] = await until(page, 'window.played.length && window.played', 'the press sound');
  assert.deepStrictEqual(press, {
    sampleRate: PRESS_SOUND.rate,
    length: PRESS_SOUND.bytes.length,
    first: [-32124 / 32768, 32124 / 32768, 0, 0],
  });
  await page.mouse('mouseReleased', x, y);
  await until(
    page,
    `document.querySelector('iframe').contentWindow.location.pathname === '/target.html'`,
    'target.html in the frame "result"',
  );
  assert.match(await page.evaluate('location.pathname'), /\/index\.html$/);

  await page.mouse('mouseMoved', 1, 599);
  await page.mouse('mouseMoved', x, y);
  const sounds = await until(page, 'window.played.length > 1 && window.played', 'the hover sound');
  assert.deepStrictEqual(
    { sampleRate: sounds[1].sampleRate, length: sounds[1].length },
    { sampleRate: HOVER_SOUND.rate, length: HOVER_SOUND.samples },
  );
  await page.close();
});

test('Tab reaches the buttons in bar order, named by captions, in "On MouseOver"', async () => {
  const { page } = await openPage();
  await page.send('Accessibility.enable');
  const { nodes } = await page.send('Accessibility.getFullAXTree');
  const named = nodes
    .filter((node) => !node.ignored && ['link', 'button'].includes(node.role?.value))
    .map((node) => `${node.role.value} ${node.name?.value}`);
  assert.deepStrictEqual(named, [
    'link Button 1',
    'link Button 2',
    'link Button 3',
    'button Button 4',
  ]);

  for (const [n, name] of ['Button 1', 'Button 2', 'Button 3', 'Button 4'].entries()) {
    await page.key('Tab', KEYS.Tab);
    const shown = await page.evaluate(SHOWN);
    assert.strictEqual(shown.focused, name);
    await checkFace(page, n, 2);
    if (n === 0) {
      assert.strictEqual(shown.tip?.text, 'Go to the target', 'the hint shows on focus');
      assert.strictEqual(shown.status, 'Target page. Opens the target below');
    }
  }
  await page.close();
});

test('Enter and Space open links in their targets: a new window, the page itself', async () => {
  const { page } = await openPage();
  await page.key('Tab', KEYS.Tab);
  await page.key('Tab', KEYS.Tab);
  await page.key('Enter', KEYS.Enter);
  await until(page, 'true', 'nothing'); // let the window open
  for (let i = 0; ; i++) {
    const { targetInfos } = await browser.send('Target.getTargets');
    const window = targetInfos.find((t) => t.type === 'page' && t.url.endsWith('/other.html'));
    if (window) break;
    assert.ok(i < 100, 'other.html opens in a new window');
    await new Promise((resolve) => setTimeout(resolve, 50));
  }

  await page.key('Tab', KEYS.Tab);
  await page.keyDown(' ', KEYS.Space);
  await checkFace(page, 2, 3);
  const loaded = page.waitFor('Page.loadEventFired');
  await page.keyUp(' ', KEYS.Space);
  await loaded;
  assert.strictEqual(await page.evaluate('location.pathname'), '/third.html');
  await page.close();
});
