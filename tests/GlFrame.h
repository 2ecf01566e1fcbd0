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
  CGlFrame(int width, int height) : width(width), height(height), pixels(static_cast<std::size_t>(width) * height * 4) {
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  }

  Rgb at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(height - 1 - y) * width + x) * 4;
    return {pixels[i], pixels[i + 1], pixels[i + 2]};
  }

  bool operator==(const CGlFrame& o) const { return pixels == o.pixels; }

  const int width;
  const int height;

private:
  std::vector<std::uint8_t> pixels;
};
