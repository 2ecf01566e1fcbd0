#include "app/Entry.h"

#include <exception>

namespace {
const char* const TITLE = "Exception caught";
}

int runAndReport(const std::function<void()>& play,
                 const std::function<void(const std::string&, const std::string&)>& report) {
  // Whatever `play` built is destroyed by the time a handler runs, so the
  // box appears over no half-torn-down game.
  try {
    play();
  } catch (const std::exception& e) {
    report(TITLE, e.what());
    return 1;
  } catch (...) {
    report(TITLE, "Unknown exception");
    return 1;
  }
  return 0;
}
