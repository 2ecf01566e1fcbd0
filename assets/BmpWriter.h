#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// An 8-bit-per-channel colour used when composing pictures.
struct Rgb {
  std::uint8_t r;
  std::uint8_t g;
  std::uint8_t b;
};

inline bool operator==(const Rgb& a, const Rgb& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
inline bool operator!=(const Rgb& a, const Rgb& b) { return !(a == b); }

// Writes uncompressed Windows bitmaps (BITMAPINFOHEADER, bottom row first) of
// 1, 8, 16 (5-5-5), 24 or 32 bits per pixel. Palettised depths take their
// palette from the colours the picture uses, in order of first use.
class CBmpWriter {
public:
  using Picture = std::function<Rgb(int x, int y)>;

  static std::vector<std::uint8_t> encode(int width, int height, int bitsPerPixel, const Picture& picture) {
    std::vector<Rgb> palette;
    if (bitsPerPixel <= 8) {
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          indexOf(palette, picture(x, y), 1 << bitsPerPixel);
        }
      }
    }
    const std::uint32_t rowBytes = ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
    const std::uint32_t paletteBytes = bitsPerPixel <= 8 ? (1u << bitsPerPixel) * 4 : 0;
    const std::uint32_t pixelOffset = 14 + 40 + paletteBytes;
    const std::uint32_t fileSize = pixelOffset + rowBytes * static_cast<std::uint32_t>(height);

    std::vector<std::uint8_t> out;
    out.reserve(fileSize);
    out.push_back('B');
    out.push_back('M');
    put(out, fileSize, 4);
    put(out, 0, 4);
    put(out, pixelOffset, 4);
    put(out, 40, 4);
    put(out, static_cast<std::uint32_t>(width), 4);
    put(out, static_cast<std::uint32_t>(height), 4);
    put(out, 1, 2);
    put(out, static_cast<std::uint32_t>(bitsPerPixel), 2);
    put(out, 0, 4);  // BI_RGB: no compression
    put(out, rowBytes * static_cast<std::uint32_t>(height), 4);
    put(out, 2835, 4);  // 72 dots per inch, in dots per metre
    put(out, 2835, 4);
    put(out, bitsPerPixel <= 8 ? (1u << bitsPerPixel) : 0, 4);
    put(out, 0, 4);
    for (std::uint32_t i = 0; i < paletteBytes / 4; ++i) {
      const Rgb c = i < palette.size() ? palette[i] : Rgb{0, 0, 0};
      out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    for (int y = height - 1; y >= 0; --y) {
      std::vector<std::uint8_t> row(rowBytes, 0);
      for (int x = 0; x < width; ++x) {
        const Rgb c = picture(x, y);
        const auto at = static_cast<std::size_t>(x);
        switch (bitsPerPixel) {
          case 1:
            row[x / 8] |= static_cast<std::uint8_t>(indexOf(palette, c, 2) << (7 - x % 8));
            break;
          case 8:
            row[x] = static_cast<std::uint8_t>(indexOf(palette, c, 256));
            break;
          case 16: {
            const unsigned v = (c.r >> 3) << 10 | (c.g >> 3) << 5 | (c.b >> 3);
            row[2 * at] = static_cast<std::uint8_t>(v);
            row[2 * at + 1] = static_cast<std::uint8_t>(v >> 8);
            break;
          }
          case 24:
            row[3 * at] = c.b;
            row[3 * at + 1] = c.g;
            row[3 * at + 2] = c.r;
            break;
          case 32:
            row[4 * at] = c.b;
            row[4 * at + 1] = c.g;
            row[4 * at + 2] = c.r;
            row[4 * at + 3] = 0;
            break;
          default:
            throw std::invalid_argument("unsupported bit depth");
        }
      }
      out.insert(out.end(), row.begin(), row.end());
    }
    return out;
  }

  static void write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
      throw std::runtime_error("cannot write " + path);
    }
  }

private:
  static void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
      out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
  }

  static unsigned indexOf(std::vector<Rgb>& palette, const Rgb& c, unsigned limit) {
    for (unsigned i = 0; i < palette.size(); ++i) {
      if (palette[i] == c) {
        return i;
      }
    }
    if (palette.size() >= limit) {
      throw std::invalid_argument("too many colours for the bit depth");
    }
    palette.push_back(c);
    return static_cast<unsigned>(palette.size() - 1);
  }
};
