#include <cstdlib>

#include "app/Entry.h"
#include "game/Game.h"
#include "platform/MessageBox.h"
#include "platform/ProcessStart.h"

// SDL 1.2 renames main on Windows to hand the start to its SDLmain library,
// which would send standard output and error into files beside the game; the
// game writes no files, so main stays its own.
#undef main

// Command-line arguments are ignored: the game has no options. The status
// leaves through exit(), which is what returning from main means anyway: in
// the browser the program has yielded to the page while it slept, and only
// exit() still hands the status to the page then.
int main(int, char**) {
  prepareProcess();
  std::exit(runAndReport(
      [] {
        CGame game;
        game.run();
      },
      showMessageBox));
}
