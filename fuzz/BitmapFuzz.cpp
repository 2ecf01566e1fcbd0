// libFuzzer target: a bitmap file as the game reads it, without OpenGL: the
// header check, SDL's loader and the conversion to texels.
#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <exception>

#include "fuzz/MemoryStream.h"
#include "render/Bitmap.h"
#include "render/PowerOfTwo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SDL_RWops* stream = memoryStream(data, size);
  if (stream == nullptr) {
    return 0;
  }
  try {
    const CSurface bitmap = loadBitmap(stream, "fuzz.bmp");
    bitmapTexels(bitmap.get(), nextPowerOfTwo(bitmap->w), nextPowerOfTwo(bitmap->h));
  } catch (const std::exception&) {
    // A refused file is the expected outcome for most inputs.
  }
  return 0;
}
