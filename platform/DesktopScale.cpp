#include "platform/DesktopScale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Dots an inch at which desktops draw at 100 %, on X11 and Windows alike.
constexpr double BASE_DPI = 96;

}  // namespace

CDesktopScale::CDesktopScale(int wholeFactor, int width, int height)
    : factor(std::max(1, wholeFactor)), screenWidth(std::max(0, width)), screenHeight(std::max(0, height)) {}

int CDesktopScale::factorOfDpi(const char* dpi) {
  char* end = nullptr;
  const double value = std::strtod(dpi, &end);
  return end == dpi ? 1 : factorOfDotsPerInch(value);
}

int CDesktopScale::factorOfDotsPerInch(double value) {
  if (!std::isfinite(value) || value < BASE_DPI) {
    return 1;
  }
  // A resource of absurd size must not ask for an absurd window.
  return static_cast<int>(std::min(value / BASE_DPI, 64.0));
}

int CDesktopScale::factorOfOutput(int width, int height, int logicalWidth, int logicalHeight, int wholeScale) {
  // A fractional scale (150 %) is announced as the next whole one (2); the
  // output's size in the desktop's units tells the true one. A turned output
  // swaps both sizes alike, so the larger sides are compared.
  const int device = std::max(width, height);
  const int logical = std::max(logicalWidth, logicalHeight);
  if (device > 0 && logical > 0) {
    return std::max(1, device / logical);
  }
  return std::max(1, wholeScale);
}

bool CDesktopScale::outputScaleIsWhole(int width, int height, int logicalWidth, int logicalHeight) {
  const int logical = std::max(logicalWidth, logicalHeight);
  return logical <= 0 || std::max(width, height) % logical == 0;
}

int CDesktopScale::multipleFor(int side) const {
  int multiple = factor;
  while (multiple > 1 &&
         ((screenWidth > 0 && multiple * side > screenWidth) || (screenHeight > 0 && multiple * side > screenHeight))) {
    --multiple;
  }
  return multiple;
}
