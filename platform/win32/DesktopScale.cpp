#include "platform/DesktopScale.h"

#include <windows.h>

// Windows says its scale as dots an inch of the screen, 96 at 100 %. The
// game declares itself aware of that in its manifest, so both the dots and
// the screen's size come in device pixels; without it Windows would say 96
// and enlarge the window itself, blurred.
CDesktopScale CDesktopScale::ofDesktop() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) {
    return {};
  }
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return {factorOfDotsPerInch(dpi), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}
