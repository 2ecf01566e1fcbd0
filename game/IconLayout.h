#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The game's icon, for the window and the desktop's menu alike: two cells by
// two, the snake turning a corner towards the food in the top-right cell,
// `side` pixels square, each pixel the nearest one of the cells' art
// (cellSide pixels a side). pixelOf(isFood, x, y) gives a pixel of a cell as
// red, green, blue and alpha bytes.
template <typename PixelOf>
std::vector<std::uint8_t> layOutIcon(int side, int cellSide, const PixelOf& pixelOf) {
  std::vector<std::uint8_t> rgba;
  rgba.reserve(static_cast<std::size_t>(side) * static_cast<std::size_t>(side) * 4);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const int artX = x * 2 * cellSide / side;  // pixel of the two-by-two art
      const int artY = y * 2 * cellSide / side;
      const bool isFood = artX >= cellSide && artY < cellSide;
      const std::array<std::uint8_t, 4> p = pixelOf(isFood, artX % cellSide, artY % cellSide);
      rgba.insert(rgba.end(), p.begin(), p.end());
    }
  }
  return rgba;
}
