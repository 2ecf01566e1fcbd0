#pragma once

#include <signal.h>

// Catches SIGINT and SIGTERM as readable events on a file descriptor while it
// lives, so a loop that waits for something else can wait for them too.
class CSignalWatch {
public:
  CSignalWatch();
  ~CSignalWatch();
  CSignalWatch(const CSignalWatch&) = delete;
  CSignalWatch& operator=(const CSignalWatch&) = delete;

  // Readable once a signal has come; -1 if none could be set up.
  int fd() const { return descriptor; }
  // True once SIGINT or SIGTERM has come; takes it, so it is not seen again.
  bool arrived() const;

private:
  int descriptor = -1;
  sigset_t savedMask;
};
