#include "platform/MessageBox.h"

#include <emscripten.h>

namespace {

// How often the program looks whether the player has dismissed the notice,
// in milliseconds; the page runs meanwhile.
constexpr unsigned POLL_MS = 50;

// Hands the notice to the page (page.js); the page keeps it up until the
// player dismisses it.
EM_JS(void, showPageNotice, (const char* title, const char* text),
      { Module.morvexNotice.show(UTF8ToString(title), UTF8ToString(text)); });

}  // namespace

// The page's own dialog (page.js), modal over the game; the program waits,
// yielding to the browser, until the player dismisses it.
void showMessageBox(const std::string& title, const std::string& text) {
  showPageNotice(title.c_str(), text.c_str());
  while (emscripten_run_script_int("Module.morvexNotice.isOpen() ? 1 : 0") != 0) {
    emscripten_sleep(POLL_MS);
  }
}
