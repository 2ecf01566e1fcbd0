#include "platform/DisplayErrorTrap.h"

// WebGL and the page answer every call of SDL's through its result, which SDL
// turns into its error text; nothing arrives later to be kept.
void CDisplayErrorTrap::watchDisplay() {}

CDisplayErrorTrap::CDisplayErrorTrap() : outer(nullptr) {}

CDisplayErrorTrap::~CDisplayErrorTrap() = default;

void CDisplayErrorTrap::keep(const std::string& error) {
  if (caught.empty()) {
    caught = error;
  }
}

void CDisplayErrorTrap::check(const std::string&) const {}
