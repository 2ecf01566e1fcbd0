#pragma once

#include <signal.h>

// Ends the process with status 1 on SIGINT or SIGTERM while the game starts:
// SDL's own handlers only queue a quit event, which nothing reads until the
// loop runs, so a start-up that waits (on a display, a driver, a file) could
// not be stopped. The handlers in force before come back with end() or at
// destruction.
class CStartupSignals {
public:
  CStartupSignals();
  ~CStartupSignals();
  CStartupSignals(const CStartupSignals&) = delete;
  CStartupSignals& operator=(const CStartupSignals&) = delete;

  // Start-up is over: the handlers before take over again.
  void end();

private:
  struct sigaction savedInterrupt;
  struct sigaction savedTerminate;
  bool ended = false;
};
