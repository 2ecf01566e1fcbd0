// The page's side of the game, run before the program starts: it fetches the
// data files from the page's own folder into the program's working folder,
// shows the canvas at one device pixel a pixel, shows the notice and tells the
// page how the game ended. The game's keys are kept from the browser (no
// scrolling, no help) by SDL 2 itself, which takes every key it reports.
var Module = typeof Module !== 'undefined' ? Module : {};
(function () {
  'use strict';
  // Read from the working folder as on the desktop; a player may replace any.
  var DATA_FILES = ['food.bmp', 'snake.bmp', 'verdana.ttf'];
  var page = document.documentElement;
  var canvas = document.getElementById('canvas');
  var progress = document.getElementById('progress');
  var dialog = document.getElementById('notice');

  Module.canvas = canvas;

  // The program sets the canvas's size in device pixels, a whole multiple of
  // the board's (platform/emscripten/DesktopScale.cpp); shown at that size
  // divided by the ratio, every device pixel is one of the canvas's own and
  // nothing is stretched.
  function fitCanvas() {
    var ratio = window.devicePixelRatio || 1;
    canvas.style.width = canvas.width / ratio + 'px';
    canvas.style.height = canvas.height / ratio + 'px';
  }
  new MutationObserver(fitCanvas).observe(canvas, { attributes: true, attributeFilter: ['width', 'height'] });
  fitCanvas();

  var mostPending = 0;
  Module.monitorRunDependencies = function (left) {
    mostPending = Math.max(mostPending, left);
    progress.max = mostPending;
    progress.value = mostPending - left;
    progress.hidden = left === 0;
  };

  Module.preRun = [].concat(Module.preRun || [], function () {
    DATA_FILES.forEach(function (name) {
      var dependency = 'data file ' + name;
      addRunDependency(dependency);
      fetch(name)
        .then(function (response) {
          // A file that is not there stays missing: the game says so itself.
          return response.ok ? response.arrayBuffer() : null;
        })
        .catch(function () { return null; })
        .then(function (bytes) {
          if (bytes !== null) {
            FS.writeFile(name, new Uint8Array(bytes));
          }
          removeRunDependency(dependency);
        });
    });
  });

  canvas.addEventListener('pointerdown', function () { canvas.focus(); });

  // The notice: modal, dismissed by OK, a click on it, Return, Escape or Space.
  Module.morvexNotice = {
    show: function (title, text) {
      document.getElementById('notice-title').textContent = title;
      document.getElementById('notice-text').textContent = text;
      dialog.showModal();
      document.getElementById('notice-ok').focus();
    },
    isOpen: function () { return dialog.open; }
  };
  // Ahead of the game's own key handling, which would swallow these.
  dialog.addEventListener('keydown', function (event) {
    if (event.key === 'Enter' || event.key === 'Escape' || event.key === ' ') {
      event.preventDefault();
      event.stopPropagation();
      dialog.close();
    }
  });

  function ended(status, words) {
    page.dataset.exitStatus = String(status);
    document.getElementById('ending').textContent = words;
    document.getElementById('ended').hidden = false;
  }
  Module.onExit = function (status) {
    ended(status, status === 0 ? 'The game has ended.' : 'The game could not go on.');
  };
  Module.onAbort = function () { ended(1, 'The game stopped on an error in the page.'); };
  document.getElementById('again').addEventListener('click', function () { location.reload(); });
})();
