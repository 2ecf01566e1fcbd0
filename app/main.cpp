#include "app/Entry.h"
#include "game/Game.h"
#include "platform/MessageBox.h"
#include "platform/ProcessStart.h"

// SDL 1.2 renames main on Windows to hand the start to its SDLmain library,
// which would send standard output and error into files beside the game; the
// game writes no files, so main stays its own.
#undef main

// Command-line arguments are ignored: the game has no options.
int main(int, char**) {
  prepareProcess();
  return runAndReport(
      [] {
        CGame game;
        game.run();
      },
      showMessageBox);
}
