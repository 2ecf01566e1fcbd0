#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/SDLError.h"
#include "render/Texture.h"
#include "tests/TempDir.h"
#include "tests/WindowFixture.h"

// This test program defines SDL_ConvertSurface itself, so the texture loader
// links against a conversion that always fails as it would for lack of memory.
extern "C" SDL_Surface* SDL_ConvertSurface(SDL_Surface*, SDL_PixelFormat*, Uint32) {
  SDL_SetError("Out of memory");
  return nullptr;
}

TEST_F(WindowTest, AFailedConversionRaisesAnErrorInsteadOfCrashing) {
  CTempDir dir;
  CBmpWriter::write(dir / "img.bmp", CBmpWriter::encode(16, 16, 24, [](int, int) { return Rgb{1, 2, 3}; }));
  try {
    CTexture texture(window.get(), dir / "img");
    FAIL() << "loaded without a conversion";
  } catch (const CSDLError& e) {
    EXPECT_STREQ(e.what(), "SDL_ConvertSurface: Out of memory");
  }
}
