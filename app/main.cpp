#include "app/Entry.h"
#include "game/Game.h"
#include "platform/MessageBox.h"

// Command-line arguments are ignored: the game has no options.
int main(int, char**) {
  return runAndReport(
      [] {
        CGame game;
        game.run();
      },
      showMessageBox);
}
