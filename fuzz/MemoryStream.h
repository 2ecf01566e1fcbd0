#pragma once

#include <SDL.h>

#include <climits>
#include <cstddef>
#include <cstdint>

// A fuzzer's input as an SDL stream; null for one SDL cannot wrap (empty, or
// longer than an int can count).
inline SDL_RWops* memoryStream(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > INT_MAX) {
    return nullptr;
  }
  return SDL_RWFromConstMem(data, static_cast<int>(size));
}
