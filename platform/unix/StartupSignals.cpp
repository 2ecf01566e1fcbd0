#include "platform/StartupSignals.h"

#include <signal.h>
#include <unistd.h>

#include <cstring>

namespace {

void stopStarting(int) {
  static const char line[] = "Morvex: stopped while starting\n";
  [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, line, sizeof line - 1);
  // Not exit(): nothing is up yet that exit handlers could shut down safely.
  _exit(1);
}

}  // namespace

struct CStartupSignals::CSaved {
  struct sigaction interrupt;
  struct sigaction terminate;
};

CStartupSignals::CStartupSignals() : saved(std::make_unique<CSaved>()) {
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_handler = stopStarting;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &saved->interrupt);
  sigaction(SIGTERM, &action, &saved->terminate);
}

CStartupSignals::~CStartupSignals() { end(); }

void CStartupSignals::end() {
  if (!saved) {
    return;
  }
  sigaction(SIGINT, &saved->interrupt, nullptr);
  sigaction(SIGTERM, &saved->terminate, nullptr);
  saved.reset();
}
