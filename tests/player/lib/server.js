'use strict';
// A static file server on the loopback address, for pages that fetch their
// files as a real site does (a page opened from disk may not fetch).

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');

const TYPES = {
  '.html': 'text/html; charset=windows-1252',
  '.js': 'text/javascript',
  '.gif': 'image/gif',
  '.jpg': 'image/jpeg',
  '.au': 'audio/basic',
  '.wav': 'audio/wav',
};

// held: file names (as requested, "/name") whose answer waits until the
// promise given for them settles.
async function serve(root, held = new Map()) {
  const server = http.createServer(async (request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    await held.get(name);
    const file = path.join(root, path.normalize(name));
    if (!file.startsWith(root) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    const type = TYPES[path.extname(file)] || 'application/octet-stream';
    response.writeHead(200, { 'content-type': type }).end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: (name) => `http://127.0.0.1:${server.address().port}/${encodeURI(name)}`,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}

module.exports = { serve };
