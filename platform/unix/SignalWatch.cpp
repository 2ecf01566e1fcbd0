#include "platform/unix/SignalWatch.h"

#include <sys/signalfd.h>
#include <unistd.h>

CSignalWatch::CSignalWatch() {
  sigset_t stopping;
  sigemptyset(&stopping);
  sigaddset(&stopping, SIGINT);
  sigaddset(&stopping, SIGTERM);
  // Blocked signals wait for the descriptor instead of reaching the handlers
  // SDL installed, which only queue an event nobody reads any more.
  pthread_sigmask(SIG_BLOCK, &stopping, &savedMask);
  descriptor = signalfd(-1, &stopping, SFD_NONBLOCK | SFD_CLOEXEC);
}

CSignalWatch::~CSignalWatch() {
  if (descriptor >= 0) {
    close(descriptor);
  }
  pthread_sigmask(SIG_SETMASK, &savedMask, nullptr);
}

bool CSignalWatch::arrived() const {
  signalfd_siginfo info;
  return descriptor >= 0 && read(descriptor, &info, sizeof info) == static_cast<ssize_t>(sizeof info);
}
