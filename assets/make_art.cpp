// Draws the game's two 16 x 16 cell images, pixel by pixel, and writes them
// as 24-bit bitmaps, with the desktop icons made from them (PNG, 32, 48, 64
// and 128 pixels square, under icons/hicolor/) and the Windows program's icon
// (morvex.ico, 16 to 256 pixels): make_art [folder]. Magenta (255, 0, 255) is where the board shows
// through; in the icons it is transparent.
#include <array>
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/BmpWriter.h"
#include "assets/PngWriter.h"
#include "game/IconLayout.h"

namespace {

constexpr int SIDE = 16;  // pixels, one board cell
constexpr Rgb KEY{255, 0, 255};

// The value rounded to a double. On x87 (i386) intermediate results carry
// more precision than a double, and shades that land near .5 would then round
// the other way; rounding each step keeps the art the same on every machine.
double rounded(double v) {
  const volatile double r = v;
  return r;
}

Rgb shade(Rgb c, double f) {
  auto ch = [f](int v) {
    return static_cast<std::uint8_t>(std::lround(std::fmin(255.0, std::fmax(0.0, rounded(v * f)))));
  };
  return {ch(c.r), ch(c.g), ch(c.b)};
}

// Whether the pixel's centre lies further than `radius` from a centre, both
// given in half pixels; whole numbers, so every machine decides alike.
bool beyond(int twiceDx, int twiceDy, double radius) {
  return twiceDx * twiceDx + twiceDy * twiceDy > 4 * radius * radius;
}

// A red apple with a stem and a leaf, lit from the top left.
Rgb food(int x, int y) {
  // The apple's centre is (7.5, 9.0) and each pixel is taken half a pixel to
  // the left of its centre: twice the offsets are whole numbers.
  const int twiceDx = 2 * x - 15;
  const int twiceDy = 2 * y - 17;
  if (x == 8 && y >= 1 && y <= 3) {
    return {110, 70, 30};  // stem
  }
  if ((y == 2 && x >= 9 && x <= 11) || (y == 1 && x >= 10 && x <= 12)) {
    return {60, 170, 60};  // leaf
  }
  if (beyond(twiceDx, twiceDy, 6.3)) {
    return KEY;
  }
  if (beyond(twiceDx, twiceDy, 5.4)) {
    return {120, 10, 20};  // rim
  }
  if (!beyond(2 * (x - 5), 2 * (y - 6), 1.3)) {
    return {255, 190, 190};  // highlight
  }
  const Rgb body{210, 30, 40};
  return shade(body, rounded(1.15 - rounded(0.05 * ((x - 4) + (y - 6))) / 2.0));
}

// A green scaled body segment with rounded corners.
Rgb snake(int x, int y) {
  const int ex = std::min(x, SIDE - 1 - x);
  const int ey = std::min(y, SIDE - 1 - y);
  if (ex + ey < 2) {
    return KEY;  // rounded corner
  }
  if (ex == 0 || ey == 0 || ex + ey == 2) {
    return {20, 90, 30};  // outline
  }
  const bool scale = ((x + y) % 4 == 0) || ((x - y + SIDE) % 4 == 0);
  Rgb c = scale ? Rgb{110, 210, 100} : Rgb{55, 165, 65};
  if (ex == 1 || ey == 1) {
    c = shade(c, x + y < SIDE ? 1.2 : 0.75);  // light from the top left
  }
  return c;
}

// The game's icon, `side` pixels square, as a PNG.
std::vector<std::uint8_t> icon(int side) {
  const std::vector<std::uint8_t> rgba = layOutIcon(side, SIDE, [](bool isFood, int x, int y) {
    const Rgb c = isFood ? food(x, y) : snake(x, y);
    if (c == KEY) {
      return std::array<std::uint8_t, 4>{0, 0, 0, 0};
    }
    return std::array<std::uint8_t, 4>{c.r, c.g, c.b, 255};
  });
  return CPngWriter::encode(side, side, rgba);
}

// A Windows icon holding one PNG a size, as Windows since Vista reads them:
// a six-byte header, sixteen bytes on each image, then the images, every
// number little-endian.
std::vector<std::uint8_t> windowsIcon(const std::vector<int>& sides) {
  std::vector<std::uint8_t> out;
  auto put16 = [&out](unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  auto put32 = [&put16](std::size_t v) {
    put16(static_cast<unsigned>(v & 0xFFFF));
    put16(static_cast<unsigned>(v >> 16));
  };
  std::vector<std::vector<std::uint8_t>> images;
  images.reserve(sides.size());
  for (int side : sides) {
    images.push_back(icon(side));
  }
  put16(0);  // reserved
  put16(1);  // an icon, not a cursor
  put16(static_cast<unsigned>(sides.size()));
  std::size_t offset = 6 + 16 * sides.size();
  for (std::size_t i = 0; i < sides.size(); ++i) {
    const auto side = static_cast<std::uint8_t>(sides[i] % 256);  // 0 stands for 256
    out.insert(out.end(), {side, side, 0, 0});                    // no palette
    put16(1);                                                     // colour planes
    put16(32);                                                    // bits a pixel
    put32(images[i].size());
    put32(offset);
    offset += images[i].size();
  }
  for (const auto& image : images) {
    out.insert(out.end(), image.begin(), image.end());
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : ".";
  try {
    CBmpWriter::write(folder + "/food.bmp", CBmpWriter::encode(SIDE, SIDE, 24, food));
    CBmpWriter::write(folder + "/snake.bmp", CBmpWriter::encode(SIDE, SIDE, 24, snake));
    // The sizes a desktop's icon theme looks for, in pixels, laid out as the
    // theme's folders so they install as they are.
    for (int side : {32, 48, 64, 128}) {
      const std::string size = std::to_string(side);
      std::string apps = folder;
      apps.append("/icons/hicolor/").append(size).append("x").append(size).append("/apps");
      std::filesystem::create_directories(apps);
      CBmpWriter::write(apps + "/morvex.png", icon(side));
    }
    CBmpWriter::write(folder + "/morvex.ico", windowsIcon({16, 24, 32, 48, 64, 128, 256}));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_art: %s\n", e.what());
    return 1;
  }
  return 0;
}
