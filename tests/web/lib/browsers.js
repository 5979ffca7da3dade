'use strict';
// Chromium and Firefox ESR from Debian, driven by puppeteer-core: Chromium
// through the DevTools protocol, Firefox through WebDriver BiDi. One
// process per browser for the whole run; each check opens a page.

const path = require('node:path');

const NODE_MODULES = path.join(__dirname, '..', 'node_modules');
let puppeteer;
try {
  puppeteer = require(path.join(NODE_MODULES, 'puppeteer-core'));
} catch {
  throw new Error(`puppeteer-core is missing in ${NODE_MODULES}: run scripts/setup`);
}

const BROWSERS = {
  chromium: {
    browser: 'chrome',
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-dev-shm-usage',
      '--force-color-profile=srgb',
      '--hide-scrollbars',
      '--mute-audio',
      '--disable-features=Translate,MediaRouter',
    ],
  },
  firefox: {
    browser: 'firefox',
    executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
    args: [],
    extraPrefsFirefox: {
      // Scroll bars over the page would cover the bar's pixels.
      'layout.testing.overlay-scrollbars.always-visible': false,
      'ui.useOverlayScrollbars': 1,
      'media.autoplay.default': 0,
    },
  },
};

async function launch(name) {
  const { browser, executablePath, args, extraPrefsFirefox } = BROWSERS[name];
  return puppeteer.launch({
    browser,
    executablePath,
    args,
    extraPrefsFirefox,
    headless: true,
    protocolTimeout: 120000,
  });
}

// Every browser the run is asked for: WENDLE_BROWSERS="chromium firefox".
function chosen() {
  const names = (process.env.WENDLE_BROWSERS || 'chromium firefox').split(/[\s,]+/).filter(Boolean);
  for (const name of names) {
    if (!BROWSERS[name]) throw new Error(`unknown browser ${name}`);
  }
  return names;
}

module.exports = { launch, chosen };
