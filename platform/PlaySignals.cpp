#include "platform/PlaySignals.h"

#include <csignal>
#include <cstring>

namespace {

// A signal handler is handed no object to work on, and a sig_atomic_t is all
// it may safely write; so this one flag lives at file scope.
volatile std::sig_atomic_t stopSignalled = 0;

void requestStop(int) { stopSignalled = 1; }

}  // namespace

CPlaySignals::CPlaySignals() {
  stopSignalled = 0;
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_handler = requestStop;
  sigemptyset(&action.sa_mask);
  // SDL_Delay and the event pump carry on after the signal; the loop looks at
  // the flag after each pass.
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, &savedInterrupt);
  sigaction(SIGTERM, &action, &savedTerminate);
}

CPlaySignals::~CPlaySignals() {
  sigaction(SIGINT, &savedInterrupt, nullptr);
  sigaction(SIGTERM, &savedTerminate, nullptr);
}

bool CPlaySignals::stopRequested() const { return stopSignalled != 0; }
