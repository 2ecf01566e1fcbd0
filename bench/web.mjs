// The browser build's figures: what a player downloads (each file as it is,
// and as a web host compresses it with gzip), the time from navigation to the
// first frame the game draws, in Chromium and Firefox, over five loads each.
//   node bench/web.mjs FOLDER      (the package's folder, or build-web/site)
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { launch, poll } from '../tests/web/browsers.mjs';
import { serve } from '../tests/web/serve.mjs';

const folder = process.argv[2];
const LOADS = 5;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

// Files the page fetches when it starts, the licences and README left aside.
const fetched = ['index.html', 'morvex.js', 'morvex.wasm', 'food.bmp', 'snake.bmp', 'verdana.ttf', 'morvex.ico'];
let raw = 0;
let packed = 0;
console.log('file            bytes   gzip -9');
for (const name of fetched) {
  const bytes = fs.readFileSync(path.join(folder, name));
  const gzipped = zlib.gzipSync(bytes, { level: 9 }).length;
  raw += bytes.length;
  packed += gzipped;
  console.log(`${name.padEnd(12)} ${String(bytes.length).padStart(8)} ${String(gzipped).padStart(9)}`);
}
console.log(`${'in all'.padEnd(12)} ${String(raw).padStart(8)} ${String(packed).padStart(9)}`);
console.log();

// The first draw call on the game's WebGL context marks the first frame.
const MARK_FIRST_DRAW = `(() => {
  const getContext = HTMLCanvasElement.prototype.getContext;
  HTMLCanvasElement.prototype.getContext = function (...args) {
    const gl = getContext.apply(this, args);
    if (gl && !gl.morvexMarked && typeof gl.drawArrays === 'function') {
      gl.morvexMarked = true;
      for (const call of ['drawArrays', 'drawElements']) {
        const draw = gl[call];
        gl[call] = function (...drawArgs) {
          if (window.morvexFirstDraw === undefined) window.morvexFirstDraw = performance.now();
          return draw.apply(this, drawArgs);
        };
      }
    }
    return gl;
  };
})()`;

const { url, server } = await serve(folder);
for (const engine of ['chromium', 'firefox']) {
  const times = [];
  for (let i = 0; i < LOADS; ++i) {
    const browser = await launch(engine);
    try {
      await browser.page.evaluateOnNewDocument(MARK_FIRST_DRAW);
      await browser.open(url);
      times.push(await poll('the first frame', 30, async () => (await browser.evaluate('window.morvexFirstDraw')) ?? undefined));
    } finally {
      await browser.close();
    }
  }
  console.log(`${engine}: first frame ${median(times).toFixed(0)} ms after navigation (median of ${LOADS}; ` +
    `${Math.min(...times).toFixed(0)} to ${Math.max(...times).toFixed(0)} ms)`);
}
server.close();
