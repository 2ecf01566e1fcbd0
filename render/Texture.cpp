#include "render/Texture.h"

#include <GL/gl.h>
#include <SDL.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/SDLError.h"
#include "render/BitmapGuard.h"
#include "render/PowerOfTwo.h"
#include "render/Surface.h"

namespace {

// Raw pixel value that marks a transparent pixel: magenta in a 24-bit bitmap.
// Bitmaps of 8 or 16 bits per pixel have no value this large.
constexpr std::uint32_t COLOUR_KEY = 0xFF00FF;

std::uint32_t rawPixel(const SDL_Surface* s, int x, int y) {
  const auto* p = static_cast<const std::uint8_t*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
  switch (s->format->BytesPerPixel) {
    case 1:
      return p[0];
    case 2: {
      std::uint16_t v;
      std::memcpy(&v, p, sizeof v);
      return v;
    }
    case 3:
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

CTexture::CTexture(CWindow* window, const std::string& name) : window(window) {
  const std::string file = name + ".bmp";
  const std::string refusal = bitmapRefusal(file);
  if (!refusal.empty()) {
    SDL_SetError("%s", refusal.c_str());
    throw CSDLError("SDL_LoadBitmap");
  }
  SDL_RWops* stream = SDL_RWFromFile(file.c_str(), "rb");
  if (stream == nullptr) {
    throw CSDLError("SDL_LoadBitmap");
  }
  const CSurface bitmap(SDL_LoadBMP_RW(stream, 1));
  if (!bitmap) {
    throw CSDLError("SDL_LoadBitmap");
  }

  width = bitmap->w;
  height = bitmap->h;
  const int pw = nextPowerOfTwo(width);
  const int ph = nextPowerOfTwo(height);
  maxU = static_cast<float>(width) / static_cast<float>(pw);
  maxV = static_cast<float>(height) / static_cast<float>(ph);

  // Red, green, blue, alpha in this order in memory.
  SDL_PixelFormat rgba{};
  rgba.BitsPerPixel = 32;
  rgba.BytesPerPixel = 4;
  rgba.Rmask = 0x000000FF;
  rgba.Gmask = 0x0000FF00;
  rgba.Bmask = 0x00FF0000;
  rgba.Amask = 0xFF000000;
  const CSurface converted(SDL_ConvertSurface(bitmap.get(), &rgba, SDL_SRCALPHA));
  if (!converted) {
    throw CSDLError("SDL_ConvertSurface");
  }

  // The image goes into the top-left corner of a power-of-two texture built
  // here, so the upload reads exactly this buffer and never past a surface.
  // Transparency comes from the pixel values as loaded, the colours from the
  // conversion; the rest of the texture stays fully transparent. A key pixel
  // becomes (0, 0, 0, 0): SDL's own colour-key conversion keeps its magenta,
  // which shows wherever a frame is drawn before any blend function is set.
  std::vector<std::uint8_t> texels(static_cast<std::size_t>(pw) * static_cast<std::size_t>(ph) * 4, 0);
  {
    const CSurfaceLock lockBitmap(bitmap.get());
    const CSurfaceLock lockConverted(converted.get());
    for (int y = 0; y < height; ++y) {
      const auto* from = static_cast<const std::uint8_t*>(converted->pixels) + y * converted->pitch;
      std::uint8_t* to = texels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(pw) * 4;
      for (int x = 0; x < width; ++x, from += 4, to += 4) {
        if (rawPixel(bitmap.get(), x, y) != COLOUR_KEY) {
          to[0] = from[0];
          to[1] = from[1];
          to[2] = from[2];
          to[3] = 255;
        }
      }
    }
  }

  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  // The buffer's rows lie back to back.
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glTexImage2D(GL_TEXTURE_2D, 0, 4, pw, ph, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

void CTexture::draw(int x, int y) const {
  switchOn();
  glBegin(GL_QUADS);
  quad(x, y);
  glEnd();
  switchOff();
}

void CTexture::drawAt(const std::vector<CPixel>& corners) const {
  switchOn();
  glBegin(GL_QUADS);
  for (const CPixel& corner : corners) {
    quad(corner.x, corner.y);
  }
  glEnd();
  switchOff();
}

void CTexture::switchOn() const {
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
}

void CTexture::quad(int x, int y) const {
  glTexCoord2f(0, 0);
  glVertex2i(x, y);
  glTexCoord2f(maxU, 0);
  glVertex2i(x + width, y);
  glTexCoord2f(maxU, maxV);
  glVertex2i(x + width, y + height);
  glTexCoord2f(0, maxV);
  glVertex2i(x, y + height);
}

void CTexture::switchOff() {
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
}
