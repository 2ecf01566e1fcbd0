// libFuzzer target: a font file as the game reads it, without OpenGL: opened
// from memory at the game's size, its 96 characters rendered to coverage.
#include <SDL.h>
#include <SDL_ttf.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

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
  if (size == 0 || size > INT_MAX) {
    return 0;
  }
  SDL_RWops* stream = SDL_RWFromConstMem(data, static_cast<int>(size));
  if (stream == nullptr) {
    return 0;
  }
  TTF_Font* font = TTF_OpenFontRW(stream, 1, 12);  // the game's size, points
  if (font == nullptr) {
    return 0;
  }
  for (int c = FIRST_GLYPH_CHAR; c < FIRST_GLYPH_CHAR + GLYPH_COUNT; ++c) {
    const char text[2] = {static_cast<char>(c), '\0'};
    const CSurface rendered(TTF_RenderText_Solid(font, text, SDL_Color{255, 0, 0, 0}));
    if (rendered) {
      CFont::coverage(rendered.get(), nextPowerOfTwo(rendered->w), nextPowerOfTwo(rendered->h));
    }
  }
  TTF_CloseFont(font);
  return 0;
}
