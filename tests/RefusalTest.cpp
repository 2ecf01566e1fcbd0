#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "render/BitmapGuard.h"

namespace {

// The first 26 bytes of a bitmap file claiming width x height pixels,
// little-endian as the format is on every machine: a 40-byte info header, or
// with `core` the 12-byte one of OS/2 with 16-bit sides.
std::string header(std::int32_t width, std::int32_t height, bool core = false) {
  std::string bytes(26, '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  bytes[14] = core ? 12 : 40;
  const int sideBytes = core ? 2 : 4;
  for (int i = 0; i < sideBytes; ++i) {
    bytes[18 + i] = static_cast<char>(static_cast<std::uint32_t>(width) >> (8 * i));
    bytes[18 + sideBytes + i] = static_cast<char>(static_cast<std::uint32_t>(height) >> (8 * i));
  }
  return bytes;
}

}  // namespace

TEST(Refusals, BitmapsAreRefusedBeforeLoadingUnlessOneTo4096PixelsASide) {
  const std::string limits = " pixels; bitmaps may be 1 to 4096 pixels a side";
  const std::string cutShort = "Refusing food.bmp: it ends inside its header, after ";
  const struct {
    std::string bytes;
    std::string refusal;
  } cases[] = {
      {header(4096, 4096), ""},
      {header(1, 1), ""},
      {header(16, -16), ""},  // stored top row first
      {header(4096, 4096, true), ""},
      {header(4097, 16), "Refusing food.bmp: its header claims 4097 x 16" + limits},
      {header(16, 4097), "Refusing food.bmp: its header claims 16 x 4097" + limits},
      {header(16, -4097), "Refusing food.bmp: its header claims 16 x 4097" + limits},
      {header(0, 16), "Refusing food.bmp: its header claims 0 x 16" + limits},
      {header(16, 0), "Refusing food.bmp: its header claims 16 x 0" + limits},
      {header(-16, 16), "Refusing food.bmp: its header claims -16 x 16" + limits},
      {header(65535, 65535, true), "Refusing food.bmp: its header claims 65535 x 65535" + limits},
      // Cut short: SDL would take the missing sides as 65535 and ask for 4 GB.
      {header(16, 16).substr(0, 25), cutShort + "25 bytes"},
      {"BM", cutShort + "2 bytes"},
      // Not a bitmap at all: SDL says so in its own words.
      {"B", ""},
      {"GIF89a", ""},
  };
  for (const auto& c : cases) {
    SDL_RWops* stream = SDL_RWFromConstMem(c.bytes.data(), static_cast<int>(c.bytes.size()));
    EXPECT_EQ(bitmapRefusal(stream, "food.bmp"), c.refusal) << ::testing::PrintToString(c.bytes);
    EXPECT_EQ(SDL_RWtell(stream), 0) << "the stream is left at its start";
    SDL_RWclose(stream);
  }
}
