'use strict';
// The exported bar (wendle-cli web) in real browsers, for the start-up
// document and every template beside the program:
// - with scripts off, the bar at rest is wendle-cli render's picture, pixel
//   for pixel, captions included; a button under the pointer shows its
//   "On MouseOver" face and a pressed one its "On Click" face, and nothing
//   else changes; at one and two device pixels per CSS pixel;
// - at 1.5 device pixels per CSS pixel, with the bar on an odd CSS pixel,
//   every pixel of the bar is a colour of the picture: nothing is blended;
// - at 320 and 375 CSS pixels wide the page does not scroll sideways and
//   every button lies inside the viewport;
// - axe-core finds no violation in the exported page.
// WENDLE_BROWSERS names the browsers (default: chromium firefox).

const assert = require('node:assert');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { test, before, after } = require('node:test');

const browsers = require('./lib/browsers');
const exported = require('./lib/exported');
const site = require('../player/lib/site');
const { pathToFileURL } = require('node:url');
const { composite, compare, crop, inside } = require('../player/lib/compare');
const { writePng } = require('../player/lib/png');

const AXE = path.join(__dirname, 'node_modules', 'axe-core', 'axe.min.js');
const WIDE = { width: 1200, height: 700 };
const AWAY = [WIDE.width - 2, WIDE.height - 2];

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'wendle-web-'));
const documents = exported.documents(work);
const sites = new Map();
for (const document of documents) {
  const name = path.basename(document, '.wdf');
  const dir = path.join(work, name);
  const url = exported.exportBar(document, dir);
  // The same page as a browser without scripts sees it.
  const page = fs.readFileSync(path.join(dir, 'index.html'), 'utf8');
  const withoutScript = page.replace(/<script [^>]*><\/script>\n/g, '');
  assert.notStrictEqual(withoutScript, page, 'the page loads the script');
  fs.writeFileSync(path.join(dir, 'without-script.html'), withoutScript);
  const references = [1, 2, 3].map((state) => exported.reference(document, state, dir));
  sites.set(name, {
    dir,
    url,
    withoutScript: url.replace(/index\.html$/, 'without-script.html'),
    references,
  });
}

after(() => {
  if (!process.exitCode) fs.rmSync(work, { recursive: true, force: true });
});

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

// The part of button n that shows: its box less the boxes in front of it.
function visiblePart(view, n) {
  const own = view.buttons[n];
  const front = view.buttons.filter((b, m) => m !== n && b.shown && b.layer > own.layer);
  if (view.textBox) front.push(view.textBox);
  return (x, y) => inside(own, x, y) && !front.some((r) => inside(r, x, y));
}

// The centre of the visible part, or else its first pixel.
function pointerPlace(own, region) {
  const centre = [Math.floor((own.left + own.right) / 2), Math.floor((own.top + own.bottom) / 2)];
  if (region(...centre)) return centre;
  for (let y = own.top; y < own.bottom; y++) {
    for (let x = own.left; x < own.right; x++) if (region(x, y)) return [x, y];
  }
  return null;
}

function check(label, actual, expected, dir) {
  const result = compare(actual, expected, []);
  if (result.differing) {
    fs.writeFileSync(
      path.join(dir, `${label.replace(/[^\w]+/g, '-')}-differences.png`),
      writePng(result.picture),
    );
    process.exitCode = 1;
  }
  assert.strictEqual(result.differing, 0, `${label}: ${result.first.join('; ')} (in ${dir})`);
}

// The applet-tag player on the test page of Test in Browser: the page
// itself is the old kind (no language, no title), but nothing axe-core
// finds may come from the bar.
const playerSites = documents.slice(0, 2).map((document) => {
  const dir = path.join(work, `player ${path.basename(document, '.wdf')}`);
  const { page } = site.buildSite(document, dir);
  return { name: path.basename(document, '.wdf'), url: pathToFileURL(page).href };
});

for (const browserName of browsers.chosen()) {
  let browser;
  before(async () => {
    browser = await browsers.launch(browserName);
  });
  after(async () => {
    await browser?.close();
  });

  async function openPage({ width, height, deviceScaleFactor = 1 }, url) {
    const page = await browser.newPage();
    await page.setViewport({ width, height, deviceScaleFactor });
    await page.goto(url);
    return page;
  }

  for (const [name, site] of sites) {
    test(`${browserName}: ${name}: the bar is wendle-cli render's picture at rest, under the pointer and pressed`, async () => {
      const [rest, over, pressed] = site.references;
      for (const ratio of [1, 2]) {
        const page = await openPage({ ...WIDE, deviceScaleFactor: ratio }, site.withoutScript);
        try {
          await page.mouse.move(...AWAY);
          const view = await page.evaluate(exported.describeBar);
          assert.deepStrictEqual([view.clip.width, view.clip.height], [rest.width, rest.height]);
          const label = `${browserName} ${name} at ${ratio}x`;
          check(
            `${label} at rest`,
            await exported.shoot(page, view.clip),
            enlarged(rest, ratio),
            site.dir,
          );
          for (const [n, own] of view.buttons.entries()) {
            if (!own.shown) continue;
            const region = visiblePart(view, n);
            const place = pointerPlace(own, region);
            if (!place) continue;
            const [x, y] = [view.clip.x + place[0] + 0.5, view.clip.y + place[1] + 0.5];
            await page.mouse.move(x, y);
            check(
              `${label} button ${n} under the pointer`,
              await exported.shoot(page, view.clip),
              enlarged(composite(rest, over, region), ratio),
              site.dir,
            );
            await page.mouse.down();
            check(
              `${label} button ${n} pressed`,
              await exported.shoot(page, view.clip),
              enlarged(composite(rest, pressed, region), ratio),
              site.dir,
            );
            // Let go away from the button: no click, no navigation. Firefox
            // takes that for dragging the link and keeps it pressed, so the
            // page starts afresh.
            await page.mouse.move(...AWAY);
            await page.mouse.up();
            assert.strictEqual(
              page.url(),
              site.withoutScript,
              `${label}: pressing button ${n} went away`,
            );
            await page.goto(site.withoutScript);
          }
        } finally {
          await page.close();
        }
      }
    });
  }

  for (const [name, site] of sites) {
    test(`${browserName}: ${name}: at 1.5 device pixels per CSS pixel on an odd CSS pixel nothing is blended`, async () => {
      const [rest, over] = site.references;
      const page = await openPage({ ...WIDE, deviceScaleFactor: 1.5 }, site.url);
      try {
        await page.addStyleTag({ content: 'body{padding-left:17px!important}' });
        await page.mouse.move(...AWAY);
        const view = await page.evaluate(exported.describeBar);
        const left = await page.evaluate(
          () => document.querySelector('nav.wendle-bar').getBoundingClientRect().left,
        );
        assert.strictEqual(left % 2, 1, 'the bar starts on an odd CSS pixel');
        const allowed = new Set([...rest.pixels, ...over.pixels, 0xffffff]);
        const shots = [['at rest', await exported.shoot(page, view.clip)]];
        const first = view.buttons.findIndex((b) => b.shown);
        if (first >= 0) {
          const own = view.buttons[first];
          const place = pointerPlace(own, visiblePart(view, first));
          if (place) {
            await page.mouse.move(view.clip.x + place[0] + 0.5, view.clip.y + place[1] + 0.5);
            shots.push(['button under the pointer', await exported.shoot(page, view.clip)]);
          }
        }
        // Only the device pixels wholly inside the bar.
        const whole = {
          left: 0,
          top: 0,
          right: Math.floor(rest.width * 1.5),
          bottom: Math.floor(rest.height * 1.5),
        };
        for (const [what, shot] of shots) {
          const foreign = [...crop(shot, whole).pixels].filter((p) => !allowed.has(p));
          assert.deepStrictEqual(
            foreign.slice(0, 5).map((p) => '#' + p.toString(16).padStart(6, '0')),
            [],
            `${browserName} ${name} ${what}: ${foreign.length} blended pixels`,
          );
        }
      } finally {
        await page.close();
      }
    });
  }

  for (const [name, site] of sites) {
    test(`${browserName}: ${name}: on a phone the page does not scroll sideways and every button is in view`, async () => {
      for (const width of [320, 375]) {
        const page = await openPage({ width, height: 700 }, site.url);
        try {
          const layout = await page.evaluate(() => ({
            scrollWidth: document.documentElement.scrollWidth,
            viewport: document.documentElement.clientWidth,
            outside: [...document.querySelectorAll('nav.wendle-bar .wendle-bar__button')]
              .map((el) => el.getBoundingClientRect())
              .filter(
                (r) =>
                  r.width > 0 && (r.left < 0 || r.right > document.documentElement.clientWidth),
              )
              .map((r) => `${r.left}..${r.right}`),
          }));
          assert.ok(
            layout.scrollWidth <= layout.viewport,
            `${name} at ${width}px: scrolls sideways (${layout.scrollWidth}px)`,
          );
          assert.deepStrictEqual(
            layout.outside,
            [],
            `${name} at ${width}px: buttons outside the viewport`,
          );
        } finally {
          await page.close();
        }
      }
    });
  }

  for (const [name, site] of sites) {
    test(`${browserName}: ${name}: axe-core finds no violation in the exported page`, async () => {
      const page = await openPage(WIDE, site.url);
      try {
        await page.addScriptTag({ content: fs.readFileSync(AXE, 'utf8') });
        const violations = await page.evaluate(async () => {
          const result = await window.axe.run(document);
          return result.violations.map(
            (v) => `${v.id}: ${v.help} (${v.nodes.map((n) => n.target.join(' ')).join(', ')})`,
          );
        });
        assert.deepStrictEqual(violations, [], `${browserName} ${name}`);
      } finally {
        await page.close();
      }
    });
  }

  for (const { name, url } of playerSites) {
    test(`${browserName}: ${name}: axe-core finds no violation in the player's bar`, async () => {
      const page = await browser.newPage();
      try {
        await page.goto(url);
        await page.evaluate(() => window.velkbutton.ready);
        await page.addScriptTag({ content: fs.readFileSync(AXE, 'utf8') });
        const violations = await page.evaluate(async () => {
          const result = await window.axe.run(document);
          const inBar = (n) =>
            n.target.some((t) => document.querySelector(t)?.closest('.velkbutton'));
          return result.violations.flatMap((v) =>
            v.nodes.filter(inBar).map((n) => `${v.id}: ${v.help} (${n.target.join(' ')})`),
          );
        });
        assert.deepStrictEqual(violations, [], `${browserName} ${name}`);
      } finally {
        await page.close();
      }
    });
  }
}
