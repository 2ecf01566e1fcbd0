#pragma once

#include <SDL_endian.h>

#include <cstdint>

// Channel masks of a 32-bit SDL surface whose pixels lie in memory as the
// bytes red, green, blue, alpha, which is what OpenGL's GL_RGBA upload and
// SDL's icons read. SDL compares masks with pixels read as native integers,
// so the same memory order takes other masks on a big-endian machine.
struct CRgbaMasks {
  std::uint32_t red;
  std::uint32_t green;
  std::uint32_t blue;
  std::uint32_t alpha;
};

#if SDL_BYTEORDER == SDL_BIG_ENDIAN
constexpr CRgbaMasks RGBA_BYTES{0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF};
#else
constexpr CRgbaMasks RGBA_BYTES{0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};
#endif
