#pragma once

#include <SDL.h>

#include <memory>

// Owns an SDL surface and frees it on every path out, errors included.
class CSurface {
public:
  explicit CSurface(SDL_Surface* owned) : surface(owned, SDL_FreeSurface) {}

  SDL_Surface* get() const { return surface.get(); }
  SDL_Surface* operator->() const { return surface.get(); }
  explicit operator bool() const { return surface != nullptr; }

private:
  std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surface;
};
