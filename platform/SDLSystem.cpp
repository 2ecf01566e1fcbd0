#include "platform/SDLSystem.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdlib>
#include <cstring>

#include "platform/DisplayErrorTrap.h"
#include "platform/ProcessStart.h"
#include "platform/SDLError.h"
#include "platform/SDLTTFError.h"

namespace {

bool invisibleDriverNotAskedFor() {
  char name[32] = "";
  if (SDL_VideoDriverName(name, sizeof name) == nullptr) {
    return false;
  }
  return !CSDLSystem::admitsDriver(name, std::getenv("SDL_VIDEODRIVER"));
}

}  // namespace

bool CSDLSystem::admitsDriver(const char* driver, const char* asked) {
  if (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0) {
    return true;
  }
  // SDL 2 chooses a driver by its name in any letter case, so "OffScreen"
  // may bring the invisible one up; it was asked for all the same.
  return asked != nullptr && SDL_strcasecmp(asked, driver) == 0;
}

CSDLSystem::CSDLSystem() {
  // Wayland docks find the menu entry whose name is the window's application
  // id, which SDL would otherwise take from the executable's name. SDL 3
  // reads SDL_APP_ID (and gives it to X11 as the window's class, beside the
  // instance name "morvex" that the entry's StartupWMClass matches), SDL 2
  // SDL_VIDEO_WAYLAND_WMCLASS. A player's own setting stands.
  setEnvironmentDefault("SDL_APP_ID", DESKTOP_ID);
  setEnvironmentDefault("SDL_VIDEO_WAYLAND_WMCLASS", DESKTOP_ID);
  // Where SDL 1.2 on top of SDL 2 enlarges the picture into a larger buffer
  // (on Wayland at 200 %, see CDesktopScale::ofDesktop), each game pixel
  // stays a sharp square. It reads this once, here; everywhere else it copies
  // the picture one to one, where the method makes no difference.
  setEnvironmentDefault("SDL12COMPAT_SCALE_METHOD", "nearest");
  // Audio is brought up too, although the game makes no sound: a machine that
  // cannot provide it fails here (docs/compatibility.md, "Audio brought up
  // though silent").
  if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
    throw CSDLError("SDL_Init");
  }
  if (invisibleDriverNotAskedFor()) {
    SDL_Quit();
    SDL_SetError("No available video device");
    throw CSDLError("SDL_Init");
  }
  std::atexit(SDL_Quit);
  CDisplayErrorTrap::watchDisplay();
  if (TTF_Init() < 0) {
    throw CSDLTTFError("TTF_Init");
  }
  std::atexit(TTF_Quit);
}
