#include "render/Bitmap.h"

#include <SDL.h>

#include <cstring>

#include "platform/SDLError.h"
#include "render/BitmapGuard.h"
#include "render/RgbaMasks.h"

namespace {

std::uint32_t rawPixel(const SDL_Surface* s, int x, int y) {
  const auto* p = static_cast<const std::uint8_t*>(s->pixels) + static_cast<std::ptrdiff_t>(y) * s->pitch +
                  static_cast<std::ptrdiff_t>(x) * s->format->BytesPerPixel;
  switch (s->format->BytesPerPixel) {
    case 1:
      return p[0];
    case 2: {
      std::uint16_t v;
      std::memcpy(&v, p, sizeof v);
      return v;
    }
    case 3:
      // SDL reads three-byte pixels in the machine's byte order.
      if (SDL_BYTEORDER == SDL_BIG_ENDIAN) {
        return static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 |
               static_cast<std::uint32_t>(p[2]);
      }
      return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
             static_cast<std::uint32_t>(p[2]) << 16;
    default: {
      std::uint32_t v;
      std::memcpy(&v, p, sizeof v);
      return v;
    }
  }
}

// Holds a surface locked while its pixels are read.
class CSurfaceLock {
public:
  explicit CSurfaceLock(SDL_Surface* s) : surface(s) { SDL_LockSurface(surface); }
  ~CSurfaceLock() { SDL_UnlockSurface(surface); }
  CSurfaceLock(const CSurfaceLock&) = delete;
  CSurfaceLock& operator=(const CSurfaceLock&) = delete;

private:
  SDL_Surface* surface;
};

}  // namespace

CSurface loadBitmap(SDL_RWops* stream, const std::string& name) {
  const std::string refusal = bitmapRefusal(stream, name);
  if (!refusal.empty()) {
    SDL_RWclose(stream);
    SDL_SetError("%s", refusal.c_str());
    throw CSDLError("SDL_LoadBitmap");
  }
  // Cleared first: a loader that fails without a word must not pass off an
  // older error as its reason.
  SDL_ClearError();
  CSurface bitmap(SDL_LoadBMP_RW(stream, 1));
  if (!bitmap) {
    throw CSDLError("SDL_LoadBitmap", name + ": not a complete bitmap");
  }
  return bitmap;
}

std::vector<std::uint8_t> bitmapTexels(SDL_Surface* bitmap, int textureWidth, int textureHeight) {
  SDL_PixelFormat rgba{};
  rgba.BitsPerPixel = 32;
  rgba.BytesPerPixel = 4;
  rgba.Rmask = RGBA_BYTES.red;
  rgba.Gmask = RGBA_BYTES.green;
  rgba.Bmask = RGBA_BYTES.blue;
  rgba.Amask = RGBA_BYTES.alpha;
  const CSurface converted(SDL_ConvertSurface(bitmap, &rgba, SDL_SRCALPHA));
  if (!converted) {
    throw CSDLError("SDL_ConvertSurface");
  }

  // The image goes into the top-left corner of a power-of-two texture built
  // here, so the upload reads exactly this buffer and never past a surface.
  // Transparency comes from the pixel values as loaded, the colours from the
  // conversion; the rest of the texture stays fully transparent. A key pixel
  // becomes (0, 0, 0, 0): SDL's own colour-key conversion keeps its magenta,
  // which shows wherever a frame is drawn before any blend function is set.
  std::vector<std::uint8_t> texels(static_cast<std::size_t>(textureWidth) * static_cast<std::size_t>(textureHeight) * 4,
                                   0);
  {
    const CSurfaceLock lockBitmap(bitmap);
    const CSurfaceLock lockConverted(converted.get());
    for (int y = 0; y < bitmap->h; ++y) {
      const auto* from =
          static_cast<const std::uint8_t*>(converted->pixels) + static_cast<std::ptrdiff_t>(y) * converted->pitch;
      std::uint8_t* to = texels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(textureWidth) * 4;
      for (int x = 0; x < bitmap->w; ++x, from += 4, to += 4) {
        if (rawPixel(bitmap, x, y) != COLOUR_KEY) {
          to[0] = from[0];
          to[1] = from[1];
          to[2] = from[2];
          to[3] = 255;
        }
      }
    }
  }

  return texels;
}
