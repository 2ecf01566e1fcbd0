#pragma once

#include <signal.h>

// Turns SIGINT and SIGTERM into a request to stop playing while it lives, so
// the game ends as after Escape, with status 0. SDL's own handlers cannot be
// relied on for this: SDL 3 (under SDL 1.2 and 2 compatibility) installs none
// where the signal was ignored when the program started, as it is for a
// program started in the background by a script.
class CPlaySignals {
public:
  CPlaySignals();
  ~CPlaySignals();
  CPlaySignals(const CPlaySignals&) = delete;
  CPlaySignals& operator=(const CPlaySignals&) = delete;

  // True once SIGINT or SIGTERM has come since construction.
  bool stopRequested() const;

private:
  struct sigaction savedInterrupt;
  struct sigaction savedTerminate;
};
