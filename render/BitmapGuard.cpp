#include "render/BitmapGuard.h"

#include <SDL.h>

#include <cstdint>
#include <cstdlib>

namespace {

// Offsets in a Windows bitmap file, in bytes.
constexpr int INFO_HEADER = 14;                // after "BM", file size, reserved, pixel offset
constexpr std::int64_t CORE_HEADER_SIZE = 12;  // OS/2 header with 16-bit sides

std::int64_t little(const unsigned char* p, int bytes, bool isSigned) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) {
    v = (v << 8) | p[i];
  }
  if (isSigned && bytes == 4) {
    return static_cast<std::int32_t>(v);
  }
  return v;
}

}  // namespace

std::string bitmapRefusal(SDL_RWops* stream, const std::string& name) {
  unsigned char header[26] = {};
  const int got = SDL_RWread(stream, header, 1, sizeof header);
  SDL_RWseek(stream, 0, RW_SEEK_SET);
  if (got < 2 || header[0] != 'B' || header[1] != 'M') {
    return "";
  }
  // A bitmap cut short in its header is no picture, and its sides cannot be
  // checked: SDL 2's loader takes the missing bytes for zeros and goes on, and
  // for 25 bytes whose header claimed 65535 x 65535 it asked for 4 GB.
  if (got < static_cast<int>(sizeof header)) {
    return "Refusing " + name + ": it ends inside its header, after " + std::to_string(got) + " bytes";
  }
  const unsigned char* info = header + INFO_HEADER;
  std::int64_t width = 0;
  std::int64_t height = 0;
  if (little(info, 4, false) == CORE_HEADER_SIZE) {
    width = little(info + 4, 2, false);
    height = little(info + 6, 2, false);
  } else {
    width = little(info + 4, 4, true);
    height = std::llabs(little(info + 8, 4, true));  // negative: stored top row first
  }
  if (width <= 0 || height == 0 || width > MAX_BITMAP_SIDE || height > MAX_BITMAP_SIDE) {
    return "Refusing " + name + ": its header claims " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels; bitmaps may be 1 to " + std::to_string(MAX_BITMAP_SIDE) + " pixels a side";
  }
  return "";
}
