#include <exception>

#include "app/MessageBox.h"
#include "game/Game.h"

// The only place that catches: every failure ends here, in a message box.
int main(int, char**) {
  try {
    CGame game;
    game.run();
  } catch (const std::exception& e) {
    showMessageBox("Exception caught", e.what());
    return 1;
  } catch (...) {
    showMessageBox("Exception caught", "Unknown exception");
    return 1;
  }
  return 0;
}
