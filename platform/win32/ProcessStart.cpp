#include "platform/ProcessStart.h"

#include <windows.h>

#include <cstdlib>

void prepareProcess() {
  // A program for the desktop gets no console of its own; started from one,
  // it joins it, so that Ctrl+C there or closing it stops the game as on
  // Linux. Started from Explorer there is none, and nothing changes.
  AttachConsole(ATTACH_PARENT_PROCESS);
}

void setEnvironmentDefault(const char* name, const char* value) {
  if (std::getenv(name) == nullptr) {
    _putenv_s(name, value);
  }
}
