#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "render/BitmapGuard.h"

namespace {

// The first 26 bytes of a bitmap file with a 40-byte info header claiming
// width x height pixels, little-endian as the format is on every machine.
std::string header(std::int32_t width, std::int32_t height) {
  std::string bytes(26, '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  bytes[14] = 40;
  for (int i = 0; i < 4; ++i) {
    bytes[18 + i] = static_cast<char>(static_cast<std::uint32_t>(width) >> (8 * i));
    bytes[22 + i] = static_cast<char>(static_cast<std::uint32_t>(height) >> (8 * i));
  }
  return bytes;
}

}  // namespace

TEST(Refusals, BitmapsAreRefusedBeforeLoadingUnlessOneTo4096PixelsASide) {
  const std::string limits = " pixels; bitmaps may be 1 to 4096 pixels a side";
  const struct {
    std::int32_t width, height;
    std::string refusal;
  } cases[] = {
      {4096, 4096, ""},
      {1, 1, ""},
      {16, -16, ""},  // stored top row first
      {4097, 16, "Refusing food.bmp: its header claims 4097 x 16" + limits},
      {16, 4097, "Refusing food.bmp: its header claims 16 x 4097" + limits},
      {16, -4097, "Refusing food.bmp: its header claims 16 x 4097" + limits},
      {0, 16, "Refusing food.bmp: its header claims 0 x 16" + limits},
      {16, 0, "Refusing food.bmp: its header claims 16 x 0" + limits},
      {-16, 16, "Refusing food.bmp: its header claims -16 x 16" + limits},
  };
  for (const auto& c : cases) {
    const std::string bytes = header(c.width, c.height);
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    EXPECT_EQ(bitmapRefusal(stream, "food.bmp"), c.refusal) << c.width << " x " << c.height;
    EXPECT_EQ(SDL_RWtell(stream), 0) << "the stream is left at its start";
    SDL_RWclose(stream);
  }
}
