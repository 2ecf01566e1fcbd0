// Runs one program built for the browser in a page of headless Chromium and
// hands back what it wrote and its exit status, as a test's emulator:
//   node run-program.mjs PROGRAM.js [ARGUMENTS...]
// The page has the canvas the programs draw on; its files are the
// program's folder, served on 127.0.0.1.
import fs from 'node:fs';
import path from 'node:path';
import { launch } from './browsers.mjs';
import { serve } from './serve.mjs';

const [program, ...args] = process.argv.slice(2);
if (!fs.existsSync(program)) {
  process.stderr.write(`run-program: no program ${program}\n`);
  process.exit(2);
}
const page = `<!doctype html><html><body style="margin:0">
<canvas id="canvas" width="384" height="384"></canvas>
<script>
var Module = {
  arguments: ${JSON.stringify(args)},
  canvas: document.getElementById('canvas'),
  lines: [],
  print: (text) => { Module.lines.push('out ' + text); console.log(Module.lines.length + ' out ' + text); },
  printErr: (text) => { Module.lines.push('err ' + text); console.log(Module.lines.length + ' err ' + text); },
  onExit: (status) => { window.morvexStatus = status; },
  // The tests read back what a pass presented, after SDL has given the
  // browser the frame: the drawing buffer must not be cleared then.
  preRun: [() => {
    if (typeof EGL !== 'undefined') EGL.contextAttributes.preserveDrawingBuffer = true;
  }],
  onAbort: (reason) => { Module.printErr('aborted: ' + reason); window.morvexStatus = 134; },
};
window.addEventListener('error', (event) => {
  Module.printErr('error in the page: ' + event.message);
  window.morvexStatus = 1;
});
</script>
<script src="${path.basename(program)}"></script>
</body></html>`;

const { url, server } = await serve(path.dirname(path.resolve(program)), { extra: { '/run.html': page } });
let browser;
let status = 1;
// Lines as the console brings them, and at the end any it has not brought yet.
let written = 0;
function write(line) {
  (line.startsWith('out ') ? process.stdout : process.stderr).write(line.slice(4) + '\n');
  written += 1;
}
try {
  browser = await launch('chromium', {
    onConsole: (text) => {
      const match = /^(\d+) ((?:out|err) [^]*)$/.exec(text);
      if (match && Number(match[1]) === written + 1) {
        write(match[2]);
      } else if (!match) {
        // The browser's own words (a WebGL error, an exception in the page).
        process.stderr.write(`browser: ${text}\n`);
      }
    },
  });
  await browser.open(`${url}run.html`);
  // No bound of its own: the test's time limit ends a program that hangs.
  for (;;) {
    const ended = await browser.evaluate('window.morvexStatus');
    if (ended !== undefined && ended !== null) {
      status = ended;
      const lines = await browser.evaluate('Module.lines');
      lines.slice(written).forEach(write);
      break;
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
} catch (error) {
  process.stderr.write(`run-program: ${error.message}\n`);
} finally {
  if (browser) {
    await browser.close();
  }
  server.close();
}
process.exit(status);
