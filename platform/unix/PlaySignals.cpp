#include "platform/PlaySignals.h"

#include <signal.h>

#include <csignal>
#include <cstring>

namespace {

// A signal handler is handed no object to work on, and a sig_atomic_t is all
// it may safely write; so this one flag lives at file scope.
volatile std::sig_atomic_t stopSignalled = 0;

void requestStop(int) { stopSignalled = 1; }

}  // namespace

struct CPlaySignals::CSaved {
  struct sigaction interrupt;
  struct sigaction terminate;
};

CPlaySignals::CPlaySignals() : saved(std::make_unique<CSaved>()) {
  stopSignalled = 0;
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_handler = requestStop;
  sigemptyset(&action.sa_mask);
  // SDL_Delay and the event pump carry on after the signal; the loop looks at
  // the flag after each pass.
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, &saved->interrupt);
  sigaction(SIGTERM, &action, &saved->terminate);
}

CPlaySignals::~CPlaySignals() {
  sigaction(SIGINT, &saved->interrupt, nullptr);
  sigaction(SIGTERM, &saved->terminate, nullptr);
}

bool CPlaySignals::stopRequested() const { return stopSignalled != 0; }
