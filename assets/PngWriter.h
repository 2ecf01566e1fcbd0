#pragma once

#include <png.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Encodes 8-bit RGBA pictures as compressed PNG through libpng.
class CPngWriter {
public:
  // rgba holds width * height pixels, four bytes each, top row first.
  static std::vector<std::uint8_t> encode(int width, int height, const std::vector<std::uint8_t>& rgba) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;
    // The first call only measures, the second writes.
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr)) {
      throw std::runtime_error(std::string("PNG: ") + image.message);
    }
    std::vector<std::uint8_t> png(size);
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, rgba.data(), 0, nullptr)) {
      throw std::runtime_error(std::string("PNG: ") + image.message);
    }
    png.resize(size);
    return png;
  }
};
