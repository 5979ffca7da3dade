'use strict';
// Broken input never leaves a page without navigation, and never in
// silence. Each row edits the start-up document's block; the bar is then
// either drawn (the applet tag gone) or not (the applet tag and its
// alternative HTML stay); either way exactly one message says what was
// wrong, naming the parameter or file and its value, and nothing throws.

const assert = require('node:assert');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { test, before, after } = require('node:test');

const { Browser } = require('./lib/chromium');
const site = require('./lib/site');
const { serve } = require('./lib/server');
const { FIELD, setButtonFields, setParam } = require('./lib/params');

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'wendle-player-broken-'));
const startup = path.join(work, 'Start-up.wdf');
const FALLBACK = '<a href="plain.html">Our pages</a>';

const tagSize = (size) => (lines) =>
  lines.map((line) => line.replace(/ WIDTH=\d+ HEIGHT=\d+>$/, `${size}>`));
const without = (name) => (lines) => lines.filter((l) => !l.startsWith(`<PARAM NAME="${name}"`));
const general = (edit) => (lines) =>
  lines.map((line) => {
    const m = /^<PARAM NAME="GENERAL" VALUE="([^"]*)">$/.exec(line);
    if (!m) return line;
    const fields = m[1].split('|');
    edit(fields);
    return `<PARAM NAME="GENERAL" VALUE="${fields.join('|')}">`;
  });
const cutShort = (n) => (lines) =>
  lines.map((line) => (line.startsWith(`<PARAM NAME="${n}" `) ? line.slice(0, 60) + '">' : line));
const picture = (name) => general((f) => (f[3] = name));

// [what, edit of the block, drawn buttons (null: not drawn), kind, message]
const CASES = [
  ['WIDTH missing', tagSize(' HEIGHT=131'), null, 'error', /WIDTH is missing/],
  ['HEIGHT missing', tagSize(' WIDTH=105'), null, 'error', /HEIGHT is missing/],
  ['WIDTH not a number', tagSize(' WIDTH=abc HEIGHT=131'), null, 'error', /WIDTH is "abc"/],
  ['HEIGHT negative', tagSize(' WIDTH=105 HEIGHT=-5'), null, 'error', /HEIGHT is "-5"/],
  ['WIDTH a percentage', tagSize(' WIDTH="100%" HEIGHT=131'), null, 'error', /WIDTH is "100%"/],
  ['WIDTH too large', tagSize(' WIDTH=100000 HEIGHT=131'), null, 'error', /WIDTH is "100000"/],
  ['no GENERAL', without('GENERAL'), null, 'error', /GENERAL is missing/],
  [
    'BORDER garbage',
    (l) => setParam(l, 'BORDER', 'thick|red'),
    null,
    'error',
    /BORDER is "thick\|red"/,
  ],
  ['a button cut short', cutShort(1), 3, 'warn', /"1" is cut short/],
  [
    'a button with garbage',
    (l) => setButtonFields(l, 2, [[0, 'wide']]),
    3,
    'warn',
    /"2" has a field/,
  ],
  [
    'a gap in the numbering',
    without('1'),
    3,
    'warn',
    /"1" is missing; the buttons after it are read/,
  ],
  [
    'a picture that is not there',
    picture('missing.gif'),
    4,
    'warn',
    /"missing\.gif" could not be loaded/,
  ],
  [
    'a picture that never arrives',
    picture('slow.gif'),
    4,
    'warn',
    /"slow\.gif" has not arrived after 3 s/,
  ],
];

// A 1 x 1 GIF whose one pixel is transparent.
const CLEAR_GIF = Buffer.from('R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7', 'base64');
const held = new Map();
let browser;
let server;

before(async () => {
  site.run(['new', startup]);
  for (const [n, [, edit]] of CASES.entries()) {
    site.buildSite(startup, path.join(work, `case-${n}`), {
      edit: (lines) => {
        const block = edit(lines);
        block.splice(block.length - 1, 0, FALLBACK);
        return block;
      },
      extraFiles: { 'slow.gif': CLEAR_GIF },
    });
  }
  server = await serve(work, held);
  browser = await Browser.launch();
});

after(async () => {
  await browser?.close();
  await server?.close();
  fs.rmSync(work, { recursive: true, force: true });
});

const OUTCOME = `velkbutton.ready.then((bars) => ({
  drawn: bars.length ? bars[0].buttons.length : null,
  applets: document.getElementsByTagName('applet').length,
  fallback: [...document.links].some((a) => a.textContent === 'Our pages' &&
    a.getBoundingClientRect().width > 0),
}))`;

for (const [n, [what, , buttons, kind, message]] of CASES.entries()) {
  test(`${what}: ${buttons === null ? 'the alternative HTML stays' : 'the bar is drawn'}, with one ${kind}`, async () => {
    let release = () => {};
    held.set(`/case-${n}/slow.gif`, new Promise((resolve) => (release = resolve)));
    const page = await browser.newPage();
    const messages = [];
    const thrown = [];
    const listener = ({ method, params, sessionId }) => {
      if (sessionId !== page.sessionId) return;
      if (method === 'Runtime.consoleAPICalled') {
        messages.push({ kind: params.type, text: params.args.map((a) => a.value).join(' ') });
      }
      if (method === 'Runtime.exceptionThrown') thrown.push(params.exceptionDetails.text);
    };
    browser.listeners.add(listener);
    try {
      await page.send('Page.navigate', { url: server.url(`case-${n}/index.html`) });
      // (The page's load event waits for the picture that never comes.)
      for (let i = 0; i < 200 && !(await page.evaluate('!!window.velkbutton')); i++) {
        await new Promise((resolve) => setTimeout(resolve, 25));
      }
      const outcome = await page.evaluate(OUTCOME);
      assert.deepStrictEqual(outcome, {
        drawn: buttons,
        applets: buttons === null ? 1 : 0,
        fallback: buttons === null,
      });
      const ours = messages.filter((m) => m.text.startsWith('velkbutton.js:'));
      assert.strictEqual(ours.length, 1, JSON.stringify(ours));
      assert.strictEqual(ours[0].kind, kind === 'warn' ? 'warning' : 'error');
      assert.match(ours[0].text, message);
      assert.deepStrictEqual(thrown, []);
    } finally {
      release();
      held.delete(`/case-${n}/slow.gif`);
      browser.listeners.delete(listener);
      await page.close();
    }
  });
}
