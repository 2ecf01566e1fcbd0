#include "platform/ProcessStart.h"

#include <csignal>
#include <cstdlib>

void prepareProcess() { std::signal(SIGPIPE, SIG_IGN); }

void setEnvironmentDefault(const char* name, const char* value) { setenv(name, value, 0); }
