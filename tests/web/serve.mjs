// Serves one folder on 127.0.0.1 as any static web host would, for the
// tests and for `scripts/play web`. Run as a program it serves the folder it
// is given and says where.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

// Browsers compile WebAssembly as it arrives only when it says what it is.
const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.wasm': 'application/wasm', '.bmp': 'image/bmp', '.ttf': 'font/ttf', '.txt': 'text/plain; charset=utf-8',
  '.png': 'image/png',
};

// Resolves to { url, server, requests }: `requests` lists every path asked for.
// `extra` maps a path to a page made on the fly.
export function serve(folder, { port = 0, extra = {} } = {}) {
  const root = path.resolve(folder);
  const requests = [];
  const server = http.createServer((request, response) => {
    const route = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    requests.push(route);
    if (extra[route] !== undefined) {
      response.writeHead(200, { 'Content-Type': TYPES['.html'], 'Cache-Control': 'no-store' });
      response.end(extra[route]);
      return;
    }
    const file = path.join(root, route.endsWith('/') ? route + 'index.html' : route);
    if (!file.startsWith(root + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404, { 'Content-Type': TYPES['.txt'] });
      response.end('not found\n');
      return;
    }
    const type = TYPES[path.extname(file)] || 'application/octet-stream';
    response.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-store' });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => {
    server.listen(port, '127.0.0.1', () => {
      resolve({ url: `http://127.0.0.1:${server.address().port}/`, server, requests });
    });
  });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [folder, port] = process.argv.slice(2);
  const { url } = await serve(folder, { port: Number(port || 8000) });
  console.log(`Morvex is served at ${url} (Ctrl+C to stop)`);
}
