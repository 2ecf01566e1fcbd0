#pragma once

#include <cstdint>
#include <string>

struct SDL_Surface;

// The game's OpenGL window in a pixel projection: origin top-left, y down,
// one unit per pixel. Colours are 32-bit ARGB.
class CWindow {
public:
  CWindow(int width, int height, const std::string& caption);
  ~CWindow();
  CWindow(const CWindow&) = delete;
  CWindow& operator=(const CWindow&) = delete;

  // Covers pixels x..x+w-1, y..y+h-1, blended with whatever blend function is in force.
  void fillRect(int x, int y, int w, int h, std::uint32_t colour);
  // Fills the whole window; a quad, not glClear.
  void clear(std::uint32_t colour);
  // Presents the finished frame.
  void flip();

private:
  SDL_Surface* screen;
};
