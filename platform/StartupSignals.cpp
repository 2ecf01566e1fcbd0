#include "platform/StartupSignals.h"

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

CStartupSignals::CStartupSignals() {
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_handler = stopStarting;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &savedInterrupt);
  sigaction(SIGTERM, &action, &savedTerminate);
}

CStartupSignals::~CStartupSignals() { end(); }

void CStartupSignals::end() {
  if (ended) {
    return;
  }
  ended = true;
  sigaction(SIGINT, &savedInterrupt, nullptr);
  sigaction(SIGTERM, &savedTerminate, nullptr);
}
