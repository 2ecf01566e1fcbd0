#include "platform/DisplayErrorTrap.h"

// Every Win32 call a window makes answers for itself, through its result,
// which SDL turns into its error text; nothing arrives later to be kept. The
// same holds for WebGL and the page in the browser, which uses this file too.

void CDisplayErrorTrap::watchDisplay() {}

CDisplayErrorTrap::CDisplayErrorTrap() : outer(nullptr) {}

CDisplayErrorTrap::~CDisplayErrorTrap() = default;

void CDisplayErrorTrap::keep(const std::string& error) {
  if (caught.empty()) {
    caught = error;
  }
}

void CDisplayErrorTrap::check(const std::string&) const {}
