#pragma once

#include "platform/StartupSignals.h"

// The name of the game's menu entry, org.morvex.Morvex.desktop, without its
// ending: the application id desktops match a window to its entry by.
inline constexpr const char* DESKTOP_ID = "org.morvex.Morvex";

// Brings SDL (audio and video) and SDL_ttf up and leaves their shut-down to
// exit handlers, so they stay up until the process ends, also while an error
// box is shown after the game object is gone. SIGINT and SIGTERM end the
// process with status 1 from before the first library call until
// startupOver().
class CSDLSystem {
public:
  CSDLSystem();

  // Whether the game may play on SDL's video driver `driver` when the player's
  // SDL_VIDEODRIVER is `asked` (null where unset). SDL 1.2 on top of SDL 2
  // quietly falls back to an invisible driver when there is no display; the
  // game would then run unseen and never end. Only a player who names such a
  // driver gets it.
  static bool admitsDriver(const char* driver, const char* asked);

  // Start-up is over: the signals' earlier handlers take over again.
  void startupOver() { startupSignals.end(); }

private:
  // A member, so it is in place before the constructor's body calls SDL:
  // SDL installs its own handlers only where none is set, and those merely
  // queue a quit event that nothing reads while a library call waits.
  CStartupSignals startupSignals;
};
