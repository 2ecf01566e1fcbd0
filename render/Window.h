#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/DesktopScale.h"

struct SDL_Surface;

// What one attempt asks of the OpenGL framebuffer besides 8 bits of red,
// green and blue and double buffering: bits of depth and of alpha.
struct CFramebufferRequest {
  int depthBits;
  int alphaBits;
  bool operator==(const CFramebufferRequest& other) const {
    return depthBits == other.depthBits && alphaBits == other.alphaBits;
  }
};

// Sets SDL's OpenGL attributes for the request and then the video mode;
// null where the driver has no such framebuffer.
using VideoModeSetter = std::function<SDL_Surface*(int width, int height, const CFramebufferRequest& request)>;
SDL_Surface* setVideoMode(int width, int height, const CFramebufferRequest& request);

// The game's OpenGL window in a pixel projection: origin top-left, y down,
// one unit per game pixel. On a scaled desktop the window is a whole multiple
// larger on screen and every game pixel an exact square of device pixels;
// everything drawn still speaks in game pixels. Colours are 32-bit ARGB.
class CWindow {
public:
  // width x height game pixels, enlarged as `desktop` asks. Asks for a 32-bit
  // depth buffer and alpha first, as the game always has (docs/compatibility.md),
  // and settles for less: nothing reads depth or the window's alpha back, and
  // many drivers (Mesa's llvmpipe since 25) offer at most 24 bits of depth.
  // Throws only when no framebuffer at all can be had.
  CWindow(int width, int height, const std::string& caption, const VideoModeSetter& setMode = setVideoMode,
          const CDesktopScale& desktop = CDesktopScale::ofDesktop());
  ~CWindow();
  CWindow(const CWindow&) = delete;
  CWindow& operator=(const CWindow&) = delete;

  // Covers pixels x..x+w-1, y..y+h-1, blended with whatever blend function is in force.
  void fillRect(int x, int y, int w, int h, std::uint32_t colour);
  // Fills the whole window; a quad, not glClear.
  void clear(std::uint32_t colour);
  // Presents the finished frame.
  void flip();
  // Gives the window the icon that task bars and window switchers show:
  // side x side pixels, four bytes each, red, green, blue, alpha, row by row.
  void setIcon(int side, const std::vector<std::uint8_t>& rgba);

  // Device pixels a game pixel takes on each side: 1 at 100 %, 2 at 200 %.
  int scale() const { return pixelsPerUnit; }

private:
  SDL_Surface* screen;
  int width;   // game pixels
  int height;  // game pixels
  int pixelsPerUnit;
};
