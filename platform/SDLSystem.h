#pragma once

// The name of the game's menu entry, org.morvex.Morvex.desktop, without its
// ending: the application id desktops match a window to its entry by.
inline constexpr const char* DESKTOP_ID = "org.morvex.Morvex";

// Brings SDL (audio and video) and SDL_ttf up and leaves their shut-down to
// exit handlers, so they stay up until the process ends, also while an error
// box is shown after the game object is gone.
class CSDLSystem {
public:
  CSDLSystem();
};
