#include "platform/DesktopScale.h"

#include <emscripten/html5.h>

#include <cmath>

// The browser says its scale as device pixels a CSS pixel. The page shows the
// canvas at the game's size in device pixels divided by that ratio (page.js),
// so a whole factor fills its box exactly and each game pixel stays square.
// The screen sets no limit: the page scrolls.
CDesktopScale CDesktopScale::ofDesktop() {
  const double ratio = emscripten_get_device_pixel_ratio();
  return {ratio >= 1 ? static_cast<int>(std::floor(ratio)) : 1, 0, 0};
}
