// One way to drive each of the three engines browsers are built on: Chromium
// (Blink) and Firefox (Gecko) through puppeteer-core, WebKitGTK (the engine of
// Safari) through its own WebDriver. Each gives the same few calls: open a
// page, evaluate an expression, press a key, take a screenshot.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { PNG } from 'pngjs';

// Every bound scales with MORVEX_TIME_FACTOR, as the other tests' do.
export const TIME_FACTOR = Number(process.env.MORVEX_TIME_FACTOR || 1);

// Without these Chromium reaches for Google's hosts, which a closed network
// refuses; SwiftShader gives it WebGL without a GPU.
const CHROMIUM_ARGS = [
  '--no-sandbox', '--no-first-run', '--disable-background-networking', '--disable-component-update',
  '--disable-sync', '--disable-quic', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
];

// The names of keys as each driver takes them.
const WEBDRIVER_KEYS = {
  ArrowUp: '\uE013', ArrowDown: '\uE015', ArrowLeft: '\uE012', ArrowRight: '\uE014',
  Escape: '\uE00C', Enter: '\uE007', Space: '\uE00D', F1: '\uE031', Pause: '\uE00B',
};

function freePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer();
    server.once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

export function sleep(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

// Polls `probe` until it gives something other than undefined, for at most
// `seconds` (scaled); throws with `what` when it never does.
export async function poll(what, seconds, probe) {
  const end = Date.now() + seconds * 1000 * TIME_FACTOR;
  for (;;) {
    const value = await probe();
    if (value !== undefined) {
      return value;
    }
    if (Date.now() > end) {
      throw new Error(`gave up waiting for ${what} after ${seconds * TIME_FACTOR} s`);
    }
    await sleep(50);
  }
}

class PuppeteerBrowser {
  constructor(name, browser, page, profile) {
    this.name = name;
    this.browser = browser;
    this.page = page;
    this.profile = profile;
  }

  static async launch(name, { deviceScale = 1, onConsole } = {}) {
    const options = name === 'chromium'
      ? { browser: 'chrome', executablePath: '/usr/bin/chromium', args: CHROMIUM_ARGS }
      : { browser: 'firefox', executablePath: '/usr/bin/firefox' };
    // A profile of its own each time, removed at close: nothing carries over.
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), `morvex-${name}-`));
    const browser = await puppeteer.launch({
      ...options,
      headless: true,
      userDataDir: profile,
      protocolTimeout: 120000 * TIME_FACTOR,
    });
    const page = (await browser.pages())[0] || (await browser.newPage());
    await page.setViewport({ width: 640, height: 640, deviceScaleFactor: deviceScale });
    if (onConsole) {
      page.on('console', (message) => onConsole(message.text()));
      page.on('pageerror', (error) => onConsole(String(error)));
    }
    return new PuppeteerBrowser(name, browser, page, profile);
  }

  async open(url) {
    await this.page.goto(url);
  }

  async evaluate(expression) {
    return this.page.evaluate(expression);
  }

  async press(key) {
    await this.page.keyboard.press(key === 'Space' ? ' ' : key);
  }

  async screenshot() {
    return PNG.sync.read(Buffer.from(await this.page.screenshot({ type: 'png' })));
  }

  async close() {
    try {
      await this.browser.close();
    } finally {
      fs.rmSync(this.profile, { recursive: true, force: true });
    }
  }
}

// WebKitGTK's MiniBrowser under plain WebDriver, spoken over HTTP.
class WebKitBrowser {
  constructor(driver, base, session) {
    this.name = 'webkit';
    this.driver = driver;
    this.base = base;
    this.session = session;
  }

  static miniBrowser() {
    const lib = '/usr/lib';
    for (const dir of fs.readdirSync(lib)) {
      const candidate = path.join(lib, dir, 'webkit2gtk-4.1', 'MiniBrowser');
      if (fs.existsSync(candidate)) {
        return candidate;
      }
    }
    throw new Error('MiniBrowser of WebKitGTK 4.1 not found under /usr/lib');
  }

  // GTK's own scale is the device pixel ratio WebKitGTK gives its pages.
  static async launch({ deviceScale = 1 } = {}) {
    const port = await freePort();
    const driver = spawn('WebKitWebDriver', [`--port=${port}`], {
      stdio: 'ignore',
      env: { ...process.env, GDK_SCALE: String(deviceScale) },
    });
    const base = `http://127.0.0.1:${port}`;
    await poll('WebKitWebDriver', 20, async () => {
      try {
        return (await fetch(`${base}/status`)).ok ? true : undefined;
      } catch {
        return undefined;
      }
    });
    const created = await WebKitBrowser.call(base, 'POST', '/session', {
      capabilities: {
        alwaysMatch: {
          'webkitgtk:browserOptions': { binary: WebKitBrowser.miniBrowser(), args: ['--automation'] },
        },
      },
    });
    const browser = new WebKitBrowser(driver, base, created.sessionId);
    await browser.command('POST', '/window/rect', { width: 640, height: 700 });
    return browser;
  }

  static async call(base, method, route, body) {
    const response = await fetch(base + route, {
      method,
      headers: { 'Content-Type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const answer = await response.json();
    if (!response.ok) {
      throw new Error(`WebDriver ${route}: ${JSON.stringify(answer.value)}`);
    }
    return answer.value;
  }

  command(method, route, body) {
    return WebKitBrowser.call(this.base, method, `/session/${this.session}${route}`, body);
  }

  async open(url) {
    await this.command('POST', '/url', { url });
  }

  async evaluate(expression) {
    return this.command('POST', '/execute/sync', { script: `return (${expression});`, args: [] });
  }

  async press(key) {
    const value = WEBDRIVER_KEYS[key];
    await this.command('POST', '/actions', {
      actions: [{ type: 'key', id: 'keyboard', actions: [{ type: 'keyDown', value }, { type: 'keyUp', value }] }],
    });
    await this.command('DELETE', '/actions');
  }

  // The page's screenshot: WebKit's own screenshot of one element is wrong
  // for a canvas, so callers crop this one.
  async screenshot() {
    return PNG.sync.read(Buffer.from(await this.command('GET', '/screenshot'), 'base64'));
  }

  async close() {
    try {
      await this.command('DELETE', '');
    } finally {
      this.driver.kill();
    }
  }
}

export const ENGINES = ['chromium', 'firefox', 'webkit'];

export function launch(name, options = {}) {
  return name === 'webkit' ? WebKitBrowser.launch(options) : PuppeteerBrowser.launch(name, options);
}
