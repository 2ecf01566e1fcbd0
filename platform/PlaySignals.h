#pragma once

#include <memory>

// Turns a request to stop from outside into a request to stop playing while it
// lives, so the game ends as after Escape, with status 0: SIGINT and SIGTERM
// on Linux, Ctrl+C, Ctrl+Break or closing the console the game was started
// from on Windows. SDL's own handlers cannot be relied on for this: SDL 3
// (under SDL 1.2 and 2 compatibility) installs none where the signal was
// ignored when the program started, as it is for a program started in the
// background by a script.
class CPlaySignals {
public:
  CPlaySignals();
  ~CPlaySignals();
  CPlaySignals(const CPlaySignals&) = delete;
  CPlaySignals& operator=(const CPlaySignals&) = delete;

  // True once a request to stop has come since construction.
  bool stopRequested() const;

private:
  // The handlers in force before, which come back at destruction.
  struct CSaved;
  std::unique_ptr<CSaved> saved;
};
