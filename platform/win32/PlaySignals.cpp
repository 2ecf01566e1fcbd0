#include "platform/PlaySignals.h"

#include <windows.h>

#include <atomic>

namespace {

// Windows calls the handler on a thread of its own, with no object to work
// on; so this one flag lives at file scope.
std::atomic<bool> stopSignalled{false};

BOOL WINAPI requestStop(DWORD event) {
  stopSignalled = true;
  if (event == CTRL_CLOSE_EVENT) {
    // Windows ends the process as soon as this returns; wait instead for the
    // loop to end the game, which ends the process with status 0 within a
    // pass. Windows allows five seconds before it ends it anyway.
    Sleep(5000);
  }
  return TRUE;
}

}  // namespace

// Nothing to keep: console handlers form a list, and taking ours out of it
// leaves the earlier ones in force.
struct CPlaySignals::CSaved {};

CPlaySignals::CPlaySignals() {
  stopSignalled = false;
  SetConsoleCtrlHandler(requestStop, TRUE);
}

CPlaySignals::~CPlaySignals() { SetConsoleCtrlHandler(requestStop, FALSE); }

bool CPlaySignals::stopRequested() const { return stopSignalled; }
