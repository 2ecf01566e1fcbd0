// The page as a player opens it, in one engine:
//   node web_process.mjs chromium|firefox|webkit BUILD_DIR
// BUILD_DIR holds index.html, the program and the three data files. Every
// wait polls with a bound scaled by MORVEX_TIME_FACTOR.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { launch, poll, sleep, TIME_FACTOR } from '../web/browsers.mjs';
import { serve } from '../web/serve.mjs';

const [engine, built] = process.argv.slice(2);
const PAGE_FILES = ['index.html', 'morvex.ico', 'morvex.js', 'morvex.wasm', 'food.bmp', 'snake.bmp', 'verdana.ttf'];
// The snake runs right along row 5 (pixels 80 to 95) until it is steered.
const SNAKE_ROW = { top: 80, bottom: 96 };

function fail(message) {
  throw new Error(`${engine}: ${message}`);
}

// A copy of the page's folder with `replace` mapping a file to its bytes
// (null: left out).
function folder(replace = {}) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'morvex-page-'));
  for (const name of PAGE_FILES) {
    const bytes = name in replace ? replace[name] : fs.readFileSync(path.join(built, name));
    if (bytes !== null) {
      fs.writeFileSync(path.join(dir, name), bytes);
    }
  }
  return dir;
}

// The canvas's pixels as the page shows them, in device pixels: a crop of the
// page's screenshot, which every engine takes alike.
async function canvasShot(browser) {
  const box = await browser.evaluate(`(() => {
    const r = document.getElementById('canvas').getBoundingClientRect();
    return { x: r.x, y: r.y, ratio: window.devicePixelRatio };
  })()`);
  const shot = await browser.screenshot();
  // Chromium's and Firefox's shots are in device pixels; WebKit's may be in
  // CSS pixels at any ratio: the shot's own size says which.
  const viewport = await browser.evaluate('window.innerWidth');
  const scale = shot.width / viewport;
  const side = Math.round(384 * scale);
  const left = Math.round(box.x * scale);
  const top = Math.round(box.y * scale);
  const pixels = Buffer.alloc(side * side * 4);
  for (let y = 0; y < side; ++y) {
    shot.data.copy(pixels, y * side * 4, ((top + y) * shot.width + left) * 4, ((top + y) * shot.width + left + side) * 4);
  }
  return { side, pixels };
}

function at(picture, x, y) {
  const i = (y * picture.side + x) * 4;
  return [picture.pixels[i], picture.pixels[i + 1], picture.pixels[i + 2]];
}

// Pixels that differ between two pictures of one size, leaving out the rows
// between `skip.top` and `skip.bottom` (in game pixels).
function differing(a, b, skip = { top: 0, bottom: 0 }) {
  const scale = a.side / 384;
  let count = 0;
  for (let y = 0; y < a.side; ++y) {
    if (y >= skip.top * scale && y < skip.bottom * scale) {
      continue;
    }
    for (let x = 0; x < a.side; ++x) {
      const i = (y * a.side + x) * 4;
      if (a.pixels[i] !== b.pixels[i] || a.pixels[i + 1] !== b.pixels[i + 1] || a.pixels[i + 2] !== b.pixels[i + 2]) {
        count += 1;
      }
    }
  }
  return count;
}

// The picture changes within a few seconds, outside the rows to skip.
async function moves(browser, what, skip) {
  const before = await canvasShot(browser);
  await poll(what, 10, async () => (differing(before, await canvasShot(browser), skip) > 0 ? true : undefined));
}

// The picture comes to rest and then stays the same for a second.
async function still(browser, what) {
  const gap = 300 * TIME_FACTOR;
  const settled = await poll(what, 10, async () => {
    const a = await canvasShot(browser);
    await sleep(gap);
    return differing(a, await canvasShot(browser)) === 0 ? a : undefined;
  });
  for (let i = 0; i < 3; ++i) {
    await sleep(gap);
    if (differing(settled, await canvasShot(browser)) !== 0) {
      fail(`${what}: the picture moved again`);
    }
  }
  return settled;
}

async function exitStatus(browser) {
  return poll('the game to end', 10, async () => {
    const status = await browser.evaluate('document.documentElement.dataset.exitStatus');
    return status === undefined || status === null ? undefined : status;
  });
}

async function opened(browser, dir) {
  const { url, server } = await serve(dir);
  await browser.open(url);
  return { url, server };
}

// Title, size, keys, the pause and the help, Escape, and no request but the
// page's own files; at a device pixel ratio of 2 where the engine gives one,
// the same picture in sharp 2 x 2 squares.
async function plays(deviceScale) {
  const browser = await launch(engine, { deviceScale });
  const dir = folder();
  try {
    const { url, server } = await opened(browser, dir);
    await poll('the first frame', 20, async () =>
      (await browser.evaluate('document.getElementById("progress").hidden')) ? true : undefined);
    const title = await browser.evaluate('document.title');
    if (title !== 'Morvex') fail(`the page's title is '${title}'`);
    const size = await browser.evaluate(`(() => {
      const c = document.getElementById('canvas'), r = c.getBoundingClientRect();
      return [c.width, c.height, r.width, r.height].join(' ');
    })()`);
    const expected = `${384 * deviceScale} ${384 * deviceScale} 384 384`;
    if (size !== expected) fail(`canvas and its box: ${size}, expected ${expected}`);
    // Every key the game reads is kept from the browser, so nothing scrolls
    // and no help opens; recorded after the page has seen each one.
    await browser.evaluate(`(() => {
      window.keptFromBrowser = {};
      window.addEventListener('keydown', (e) => { window.keptFromBrowser[e.key] = e.defaultPrevented; });
    })()`);
    await moves(browser, 'the snake to move');
    const playing = await canvasShot(browser);

    await browser.press('Pause');
    await still(browser, 'Pause to freeze the picture');
    await browser.press('Pause');
    await moves(browser, 'the game to go on after Pause');

    await browser.press('F1');
    const help = await still(browser, 'F1 to freeze the picture');
    // The help box, 0x606060 at half opacity over the black board, at its
    // bottom right corner, where no text reaches.
    const board = at(playing, 370 * deviceScale, 140 * deviceScale);
    const shaded = at(help, 370 * deviceScale, 140 * deviceScale);
    if (board.join() !== '0,0,0' || shaded.join() !== '48,48,48') {
      fail(`at (370, 140) the board is ${board} and with help ${shaded}, expected 0,0,0 and 48,48,48`);
    }
    await browser.press('F1');
    await moves(browser, 'the game to go on after F1');

    await browser.press('ArrowDown');
    await moves(browser, 'the snake to turn down, off its row', SNAKE_ROW);
    await browser.press('ArrowLeft');
    await browser.press('ArrowUp');
    await browser.press('Space');
    const kept = await browser.evaluate('JSON.stringify(window.keptFromBrowser)');
    for (const key of ['ArrowDown', 'ArrowLeft', 'ArrowUp', ' ', 'F1', 'Pause']) {
      if (JSON.parse(kept)[key] !== true) fail(`the key '${key}' reached the browser: ${kept}`);
    }

    await browser.press('Escape');
    const status = await exitStatus(browser);
    if (status !== '0') fail(`Escape ended the game with status ${status}`);
    const again = await browser.evaluate('!document.getElementById("ended").hidden');
    if (!again) fail('the page does not offer to play again');
    const foreign = await browser.evaluate(`JSON.stringify(performance.getEntriesByType('resource')
      .map((e) => e.name).filter((name) => !name.startsWith(${JSON.stringify(url)})))`);
    if (foreign !== '[]') fail(`requests beyond the page's own files: ${foreign}`);
    const stored = await browser.evaluate('localStorage.length + sessionStorage.length');
    if (stored !== 0) fail(`the page stored ${stored} items`);
    server.close();
    console.log(`${engine} at ${deviceScale * 100} %: ${size}, steered, paused, helped, ended 0`);
    return playing;
  } finally {
    await browser.close();
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

// A missing or damaged file: the dialog with its reason; Return gives 1.
async function notice(replace, expected) {
  const browser = await launch(engine);
  const dir = folder(replace);
  try {
    const { server } = await opened(browser, dir);
    await poll('the notice', 20, async () =>
      (await browser.evaluate('document.getElementById("notice").open')) ? true : undefined);
    const shown = await browser.evaluate(
      'document.getElementById("notice-title").textContent + " | " + document.getElementById("notice-text").textContent');
    if (shown !== expected) fail(`the notice says '${shown}', expected '${expected}'`);
    if (await browser.evaluate('document.documentElement.dataset.exitStatus !== undefined')) {
      fail('the game ended before the notice was dismissed');
    }
    await browser.press('Enter');
    const status = await exitStatus(browser);
    if (status !== '1') fail(`after the notice the status is ${status}`);
    server.close();
    console.log(`${engine}: ${shown}; Return, status 1`);
  } finally {
    await browser.close();
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

const ordinary = await plays(1);
{
  const doubled = await plays(2);
  // Each game pixel a sharp 2 x 2 square, and every second pixel the ordinary
  // picture, but for the snake's row, which moves between the shots.
  const half = { side: 384, pixels: Buffer.alloc(384 * 384 * 4) };
  let blurred = 0;
  for (let y = 0; y < 384; ++y) {
    for (let x = 0; x < 384; ++x) {
      const corner = at(doubled, 2 * x, 2 * y).join();
      for (const [dx, dy] of [[1, 0], [0, 1], [1, 1]]) {
        if (at(doubled, 2 * x + dx, 2 * y + dy).join() !== corner) blurred += 1;
      }
      doubled.pixels.copy(half.pixels, (y * 384 + x) * 4, (2 * y * 768 + 2 * x) * 4, (2 * y * 768 + 2 * x) * 4 + 4);
    }
  }
  if (blurred !== 0) fail(`at 200 % ${blurred} device pixels differ from their square's corner`);
  const changed = differing(ordinary, half, SNAKE_ROW);
  if (changed !== 0) fail(`at 200 % the picture halved differs from the one at 100 % in ${changed} pixels`);
}
await notice({ 'food.bmp': null }, 'Exception caught | SDL_LoadBitmap: Couldn\'t open food.bmp');
await notice({ 'verdana.ttf': Buffer.from('not a font at all, only words') },
  'Exception caught | TTF_OpenFont: Couldn\'t load font file');
