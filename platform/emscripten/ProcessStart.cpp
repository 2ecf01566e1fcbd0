#include "platform/ProcessStart.h"

#include <cstdlib>

// The page has readied everything before the program starts (page.js).
void prepareProcess() {}

void setEnvironmentDefault(const char* name, const char* value) { setenv(name, value, 0); }
