// libFuzzer target: a font file as the game reads it, without OpenGL: opened
// from memory at the game's size, its 96 characters measured, rendered and
// turned into coverage.
#include <SDL.h>
#include <SDL_ttf.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>

#include "fuzz/MemoryStream.h"
#include "render/Font.h"
#include "render/PowerOfTwo.h"
#include "render/Surface.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (TTF_Init() < 0) {
    std::abort();
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SDL_RWops* stream = memoryStream(data, size);
  if (stream == nullptr) {
    return 0;
  }
  TTF_Font* font = TTF_OpenFontRW(stream, 1, 12);  // the game's size, points
  if (font == nullptr) {
    return 0;
  }
  try {
    for (const CSurface& rendered : CFont::renderCharacters(font, "fuzz.ttf")) {
      if (rendered) {
        CFont::coverage(rendered.get(), nextPowerOfTwo(rendered->w), nextPowerOfTwo(rendered->h));
      }
    }
  } catch (const std::exception&) {
    // A refused font is an expected outcome.
  }
  TTF_CloseFont(font);
  return 0;
}
