#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "assets/BmpWriter.h"

inline std::ostream& operator<<(std::ostream& os, const Rgb& c) {
  return os << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}

// The back buffer read back with glReadPixels, addressed in window pixels
// (origin top-left, y down).
class CGlFrame {
public:
  CGlFrame(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h * 4) {
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  }

  Rgb at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(height - 1 - y) * width + x) * 4;
    return {pixels[i], pixels[i + 1], pixels[i + 2]};
  }

  // What the player sees: red, green and blue. The window's alpha channel is
  // never shown, so it is not compared.
  bool operator==(const CGlFrame& o) const {
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
      if (pixels[i] != o.pixels[i] || pixels[i + 1] != o.pixels[i + 1] || pixels[i + 2] != o.pixels[i + 2]) {
        return false;
      }
    }
    return true;
  }

  const int width;
  const int height;

private:
  std::vector<std::uint8_t> pixels;
};
