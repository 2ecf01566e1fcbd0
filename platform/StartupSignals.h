#pragma once

#include <memory>

// Ends the process with status 1 on a request to stop from outside (SIGINT or
// SIGTERM; on Windows Ctrl+C, Ctrl+Break or closing the console) while the
// game starts: SDL's own handlers only queue a quit event, which nothing reads
// until the loop runs, so a start-up that waits (on a display, a driver, a
// file) could not be stopped. The handlers in force before come back with
// end() or at destruction.
class CStartupSignals {
public:
  CStartupSignals();
  ~CStartupSignals();
  CStartupSignals(const CStartupSignals&) = delete;
  CStartupSignals& operator=(const CStartupSignals&) = delete;

  // Start-up is over: the handlers before take over again.
  void end();

private:
  struct CSaved;
  std::unique_ptr<CSaved> saved;
};
