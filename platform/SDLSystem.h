#pragma once

// Brings SDL (audio and video) and SDL_ttf up and leaves their shut-down to
// exit handlers, so they stay up until the process ends, also while an error
// box is shown after the game object is gone.
class CSDLSystem {
public:
  CSDLSystem();
};
