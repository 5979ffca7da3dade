'use strict';
// Test sites: a document's HTML block (from wendle-cli html) in a minimal
// page with the script line, velkbutton.js and the document's pictures and
// sounds beside it, as a user publishes them; and wendle-cli's own
// drawing of the same document.

const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');

const PLAYER = path.resolve(__dirname, '../../../player/velkbutton.js');
const player = require(PLAYER);

const programDir = () => process.env.WENDLE_PROGRAM_DIR;
const cli = () => process.env.WENDLE_CLI || path.join(programDir(), 'wendle-cli');

function run(args) {
  return execFileSync(cli(), args, {
    env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' },
    stdio: ['ignore', 'pipe', 'pipe'],
  });
}

// The lines of the HTML block, as the bytes the document holds (8-bit).
function appletBlock(document) {
  return run(['html', document])
    .toString('latin1')
    .split('\n')
    .filter((line) => line !== '');
}

// The test page of Test in Browser with the script line after "    </p>".
function pageText(blockLines, extraBody = []) {
  return [
    '<html>',
    '  <body bgcolor="#000000" text="#FFFFFF" link="#8AB4F8" vlink="#C58AF9" alink="#FFD54F">',
    '    <p align="center">',
    ...blockLines.map((line) => `      ${line}`),
    '    </p>',
    '    <script src="velkbutton.js"></script>',
    ...extraBody,
    '  </body>',
    '</html>',
    '',
  ].join('\r\n');
}

// The parameters of the first applet tag of a block.
function appletOf(blockLines) {
  const params = new Map();
  let width = 0;
  let height = 0;
  for (const line of blockLines) {
    const tag = /<APPLET [^>]*WIDTH=(\d+) HEIGHT=(\d+)/i.exec(line);
    if (tag) [width, height] = [tag[1], tag[2]];
    const param = /<PARAM NAME="([^"]*)"\s+VALUE="([^"]*)">/i.exec(line);
    if (param) params.set(param[1].toUpperCase(), param[2]);
  }
  return player.readApplet(width, height, params);
}

// Every picture and sound file the applet names.
function namedFiles(applet) {
  const names = new Set([applet.imageName]);
  for (const button of applet.buttons) {
    for (const face of button.states) names.add(face.imageName).add(face.soundName);
  }
  names.delete('');
  return [...names];
}

// Where a named file lies: a path the document keeps for it, beside the
// document, or in the program's own picture and sound folders.
function findFile(name, document) {
  const documentDir = path.dirname(document);
  const kept = fs
    .readFileSync(document, 'latin1')
    .split(/\r?\n/)
    .filter((line) => line.endsWith(`/${name}`) || line.endsWith(`\\${name}`))
    .map((line) => path.resolve(documentDir, line.replace(/\\/g, '/')));
  const candidates = [
    ...kept,
    path.join(documentDir, name),
    path.join(programDir(), 'Button Images', name),
    path.join(programDir(), 'Sounds', name),
  ];
  return candidates.find((file) => fs.existsSync(file) && fs.statSync(file).isFile());
}

// Writes the site of a document into dir; returns its block and applet.
function buildSite(document, dir, { edit = (lines) => lines, extraBody, extraFiles = {} } = {}) {
  fs.mkdirSync(dir, { recursive: true });
  const block = edit(appletBlock(document));
  fs.writeFileSync(path.join(dir, 'index.html'), Buffer.from(pageText(block, extraBody), 'latin1'));
  fs.copyFileSync(PLAYER, path.join(dir, 'velkbutton.js'));
  const applet = appletOf(block);
  const missing = [];
  for (const name of namedFiles(applet)) {
    const file = findFile(name, document);
    if (file) fs.copyFileSync(file, path.join(dir, name));
    else missing.push(name);
  }
  for (const [name, bytes] of Object.entries(extraFiles)) {
    fs.writeFileSync(path.join(dir, name), bytes);
  }
  return { block, applet, missing, page: path.join(dir, 'index.html') };
}

// wendle-cli's drawing of the document in a state, as PNG bytes.
function renderReference(document, state, out) {
  run(['render', document, out, '--state', String(state)]);
  return fs.readFileSync(out);
}

// The start-up document and every template lying in the program folder.
function documents(workDir) {
  const startup = path.join(workDir, 'Start-up.wdf');
  run(['new', startup]);
  const templates = fs
    .readdirSync(programDir())
    .filter((name) => name.endsWith('.wdf'))
    .sort()
    .map((name) => path.join(programDir(), name));
  return [startup, ...templates];
}

module.exports = {
  appletBlock,
  pageText,
  appletOf,
  buildSite,
  renderReference,
  documents,
  run,
};
