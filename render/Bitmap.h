#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/Surface.h"

struct SDL_RWops;

// Raw pixel value that marks a transparent pixel: magenta in a 24-bit bitmap.
// Bitmaps of 8 or 16 bits per pixel have no value this large.
constexpr std::uint32_t COLOUR_KEY = 0xFF00FF;

// Loads the bitmap called `name` from a stream, which it closes, after its
// header has passed the size check. Throws CSDLError "SDL_LoadBitmap".
CSurface loadBitmap(SDL_RWops* stream, const std::string& name);

// The bitmap as RGBA texels, four bytes each, in the top-left corner of a
// width x height texture; the rest, and the key pixels, are (0, 0, 0, 0).
// Throws CSDLError "SDL_ConvertSurface" when the conversion fails.
std::vector<std::uint8_t> bitmapTexels(SDL_Surface* bitmap, int width, int height);
