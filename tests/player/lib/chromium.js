'use strict';
// Drives Debian's headless Chromium through the DevTools protocol over a
// pipe (--remote-debugging-pipe): no WebSocket, no npm package, nothing to
// download. One browser, one page at a time.

const { spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

const FLAGS = [
  '--headless',
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
  '--disable-dev-shm-usage',
  '--disable-features=Translate,MediaRouter',
  '--force-color-profile=srgb',
  '--hide-scrollbars',
  '--mute-audio',
  '--remote-debugging-pipe',
];

class Browser {
  constructor(child, profile) {
    this.child = child;
    this.profile = profile;
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = new Set();
    this.buffer = '';
    this.exited = new Promise((resolve) => child.once('exit', resolve));
    child.stdio[4].on('data', (chunk) => this.receive(chunk));
    child.stdio[3].on('error', () => {});
  }

  static async launch() {
    const executable = process.env.CHROMIUM || '/usr/bin/chromium';
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'wendle-chromium-'));
    const child = spawn(executable, [...FLAGS, `--user-data-dir=${profile}`, 'about:blank'], {
      stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'],
    });
    let errors = '';
    child.stderr.on('data', (chunk) => {
      errors = (errors + chunk).slice(-4000);
    });
    child.once('error', (error) => {
      errors += String(error);
    });
    const browser = new Browser(child, profile);
    try {
      await browser.send('Browser.getVersion');
    } catch (error) {
      await browser.close();
      throw new Error(`${executable} did not start: ${error.message}\n${errors}`);
    }
    return browser;
  }

  receive(chunk) {
    this.buffer += chunk.toString('utf8');
    let end;
    while ((end = this.buffer.indexOf('\0')) >= 0) {
      const message = JSON.parse(this.buffer.slice(0, end));
      this.buffer = this.buffer.slice(end + 1);
      if (message.id && this.pending.has(message.id)) {
        const { resolve, reject, method } = this.pending.get(message.id);
        this.pending.delete(message.id);
        if (message.error) reject(new Error(`${method}: ${message.error.message}`));
        else resolve(message.result);
      } else if (message.method) {
        for (const listener of [...this.listeners]) listener(message);
      }
    }
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.nextId++;
    const message = { id, method, params };
    if (sessionId) message.sessionId = sessionId;
    return new Promise((resolve, reject) => {
      if (this.child.exitCode !== null) {
        reject(new Error(`${method}: the browser has gone`));
        return;
      }
      this.pending.set(id, { resolve, reject, method });
      this.child.stdio[3].write(JSON.stringify(message) + '\0');
      this.exited.then(() => {
        if (this.pending.delete(id)) reject(new Error(`${method}: the browser has gone`));
      });
    });
  }

  // Resolves with the first event of that name (and session) that passes test.
  waitFor(method, sessionId, test = () => true, timeoutMs = 15000) {
    return new Promise((resolve, reject) => {
      const listener = (message) => {
        if (message.method !== method || message.sessionId !== sessionId) return;
        if (!test(message.params)) return;
        this.listeners.delete(listener);
        clearTimeout(timer);
        resolve(message.params);
      };
      const timer = setTimeout(() => {
        this.listeners.delete(listener);
        reject(new Error(`no ${method} within ${timeoutMs} ms`));
      }, timeoutMs);
      this.listeners.add(listener);
    });
  }

  async newPage({ width = 800, height = 600, deviceScaleFactor = 1 } = {}) {
    const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
    const page = new Page(this, targetId, sessionId);
    await page.send('Page.enable');
    await page.send('Runtime.enable');
    await page.send('Emulation.setDeviceMetricsOverride', {
      width,
      height,
      deviceScaleFactor,
      mobile: false,
    });
    return page;
  }

  async close() {
    if (this.child.exitCode === null) {
      this.send('Browser.close').catch(() => {});
      const killer = setTimeout(() => this.child.kill('SIGKILL'), 5000);
      await this.exited;
      clearTimeout(killer);
    }
    fs.rmSync(this.profile, { recursive: true, force: true });
  }
}

class Page {
  constructor(browser, targetId, sessionId) {
    this.browser = browser;
    this.targetId = targetId;
    this.sessionId = sessionId;
  }

  send(method, params = {}) {
    return this.browser.send(method, params, this.sessionId);
  }

  waitFor(method, test, timeoutMs) {
    return this.browser.waitFor(method, this.sessionId, test, timeoutMs);
  }

  // Runs a script before any of the page's own on every load.
  addInitScript(source) {
    return this.send('Page.addScriptToEvaluateOnNewDocument', { source });
  }

  async goto(url) {
    const loaded = this.waitFor('Page.loadEventFired');
    const result = await this.send('Page.navigate', { url });
    if (result.errorText) throw new Error(`${url}: ${result.errorText}`);
    await loaded;
  }

  // The value of an expression (awaited when it is a promise).
  async evaluate(expression) {
    const { result, exceptionDetails } = await this.send('Runtime.evaluate', {
      expression,
      returnByValue: true,
      awaitPromise: true,
    });
    if (exceptionDetails) {
      const text = exceptionDetails.exception?.description || exceptionDetails.text;
      throw new Error(`evaluate failed: ${text}`);
    }
    return result.value;
  }

  // A PNG of the page area given in CSS pixels.
  async screenshot(clip) {
    const { data } = await this.send('Page.captureScreenshot', {
      format: 'png',
      clip: { ...clip, scale: 1 },
    });
    return Buffer.from(data, 'base64');
  }

  mouse(type, x, y, extra = {}) {
    const buttons = type === 'mousePressed' ? { button: 'left', buttons: 1, clickCount: 1 } : {};
    const release = type === 'mouseReleased' ? { button: 'left', buttons: 0, clickCount: 1 } : {};
    return this.send('Input.dispatchMouseEvent', { type, x, y, ...buttons, ...release, ...extra });
  }

  async key(key, { code = key, keyCode = 0, text } = {}) {
    const base = { key, code, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode };
    await this.send('Input.dispatchKeyEvent', {
      type: text ? 'keyDown' : 'rawKeyDown',
      text,
      ...base,
    });
    await this.send('Input.dispatchKeyEvent', { type: 'keyUp', ...base });
  }

  keyDown(key, { code = key, keyCode = 0, text } = {}) {
    const base = { key, code, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode };
    return this.send('Input.dispatchKeyEvent', {
      type: text ? 'keyDown' : 'rawKeyDown',
      text,
      ...base,
    });
  }

  keyUp(key, { code = key, keyCode = 0 } = {}) {
    const base = { key, code, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode };
    return this.send('Input.dispatchKeyEvent', { type: 'keyUp', ...base });
  }

  close() {
    return this.browser.send('Target.closeTarget', { targetId: this.targetId });
  }
}

// Keys the tests press, with the codes Chromium expects.
const KEYS = {
  Tab: { code: 'Tab', keyCode: 9 },
  Enter: { code: 'Enter', keyCode: 13, text: '\r' },
  Space: { code: 'Space', keyCode: 32, text: ' ' },
};

module.exports = { Browser, KEYS };
