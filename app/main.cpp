#include <csignal>

#include "app/Entry.h"
#include "game/Game.h"
#include "platform/MessageBox.h"

// Command-line arguments are ignored: the game has no options.
int main(int, char**) {
  // A report into a closed pipe must fail quietly, not end the process by
  // SIGPIPE before it can return its status.
  std::signal(SIGPIPE, SIG_IGN);
  return runAndReport(
      [] {
        CGame game;
        game.run();
      },
      showMessageBox);
}
