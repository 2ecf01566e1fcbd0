#include "render/Texture.h"

#include <GL/gl.h>
#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/DataFile.h"
#include "platform/SDLError.h"
#include "render/Bitmap.h"
#include "render/PowerOfTwo.h"

CTexture::CTexture(CWindow* target, const std::string& name) : window(target) {
  const std::string file = name + ".bmp";
  CDataFile data(file);
  if (!data.refusal().empty()) {
    SDL_SetError("%s", data.refusal().c_str());
    throw CSDLError("SDL_LoadBitmap");
  }
  const CSurface bitmap = loadBitmap(data.release(), file);

  width = bitmap->w;
  height = bitmap->h;
  const int pw = nextPowerOfTwo(width);
  const int ph = nextPowerOfTwo(height);
  maxU = static_cast<float>(width) / static_cast<float>(pw);
  maxV = static_cast<float>(height) / static_cast<float>(ph);
  texels = bitmapTexels(bitmap.get(), pw, ph);

  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  // The buffer's rows lie back to back.
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  // GL_RGBA rather than OpenGL 1.0's "4 components", which WebGL refuses.
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pw, ph, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  // Nearest texel: at one texel a game pixel it is what a linear filter gives,
  // and on a scaled window it keeps each texel a sharp square.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
}

const std::uint8_t* CTexture::rgbaAt(int x, int y) const {
  return texels.data() +
         (static_cast<std::size_t>(y) * static_cast<std::size_t>(nextPowerOfTwo(width)) + static_cast<std::size_t>(x)) *
             4;
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
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
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
