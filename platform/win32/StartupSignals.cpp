#include "platform/StartupSignals.h"

#include <windows.h>

#include <cstdlib>

namespace {

BOOL WINAPI stopStarting(DWORD) {
  static const char line[] = "Morvex: stopped while starting\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), line, sizeof line - 1, &written, nullptr);
  // Not exit(): nothing is up yet that exit handlers could shut down safely.
  _exit(1);
}

}  // namespace

// Nothing to keep: console handlers form a list, and taking ours out of it
// leaves the earlier ones in force.
struct CStartupSignals::CSaved {};

CStartupSignals::CStartupSignals() : saved(std::make_unique<CSaved>()) { SetConsoleCtrlHandler(stopStarting, TRUE); }

CStartupSignals::~CStartupSignals() { end(); }

void CStartupSignals::end() {
  if (!saved) {
    return;
  }
  SetConsoleCtrlHandler(stopStarting, FALSE);
  saved.reset();
}
