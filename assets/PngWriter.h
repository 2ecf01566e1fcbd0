#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Encodes 8-bit RGBA pictures as PNG, uncompressed (stored deflate blocks):
// small icons need no compression library.
class CPngWriter {
public:
  // rgba holds width * height pixels, four bytes each, top row first.
  static std::vector<std::uint8_t> encode(int width, int height, const std::vector<std::uint8_t>& rgba) {
    std::vector<std::uint8_t> raw;  // each row led by filter type 0
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y) {
      raw.push_back(0);
      raw.insert(raw.end(), rgba.begin() + static_cast<std::ptrdiff_t>(y * rowBytes),
                 rgba.begin() + static_cast<std::ptrdiff_t>((y + 1) * rowBytes));
    }

    std::vector<std::uint8_t> zlib = {0x78, 0x01};
    constexpr std::size_t MAX_STORED = 65535;  // bytes in one stored block
    for (std::size_t at = 0; at < raw.size() || at == 0; at += MAX_STORED) {
      const std::size_t n = std::min(MAX_STORED, raw.size() - at);
      zlib.push_back(at + n >= raw.size() ? 1 : 0);
      zlib.push_back(static_cast<std::uint8_t>(n));
      zlib.push_back(static_cast<std::uint8_t>(n >> 8));
      zlib.push_back(static_cast<std::uint8_t>(~n));
      zlib.push_back(static_cast<std::uint8_t>(~n >> 8));
      zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                  raw.begin() + static_cast<std::ptrdiff_t>(at + n));
      if (n == 0) {
        break;
      }
    }
    putBig(zlib, adler32(raw));

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    putBig(header, static_cast<std::uint32_t>(width));
    putBig(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter choice, no interlace
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", zlib);
    chunk(png, "IEND", {});
    return png;
  }

private:
  static void putBig(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
      out.push_back(static_cast<std::uint8_t>(v >> shift));
    }
  }

  static std::uint32_t adler32(const std::vector<std::uint8_t>& data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : data) {
      a = (a + byte) % 65521;
      b = (b + a) % 65521;
    }
    return b << 16 | a;
  }

  static std::uint32_t crc32(const std::vector<std::uint8_t>& data) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t byte : data) {
      crc ^= byte;
      for (int k = 0; k < 8; ++k) {
        crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
      }
    }
    return ~crc;
  }

  static void chunk(std::vector<std::uint8_t>& png, const char* type, const std::vector<std::uint8_t>& body) {
    putBig(png, static_cast<std::uint32_t>(body.size()));
    std::vector<std::uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), body.begin(), body.end());
    png.insert(png.end(), typed.begin(), typed.end());
    putBig(png, crc32(typed));
  }
};
