#include "render/Font.h"

#include <GL/gl.h>
#include <SDL_ttf.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/DataFile.h"
#include "platform/SDLTTFError.h"
#include "render/PowerOfTwo.h"
#include "render/Surface.h"

namespace {

// Keeps the unpack alignment at one byte while glyphs are uploaded: a glyph
// texture two texels wide has rows two bytes apart, which the default
// alignment of four would misread. The old value comes back afterwards.
class CUnpackAlignment {
public:
  CUnpackAlignment() {
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &saved);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  }
  ~CUnpackAlignment() { glPixelStorei(GL_UNPACK_ALIGNMENT, saved); }
  CUnpackAlignment(const CUnpackAlignment&) = delete;
  CUnpackAlignment& operator=(const CUnpackAlignment&) = delete;

private:
  GLint saved = 4;
};

CFont::Glyph renderGlyph(TTF_Font* font, char c) {
  const char text[2] = {c, '\0'};
  // Solid mode paints the glyph in the foreground colour and the background
  // in its inverse, so the red channel alone is the coverage: 255 or 0.
  const SDL_Color red = {255, 0, 0, 0};
  const CSurface surface(TTF_RenderText_Solid(font, text, red));
  return CFont::makeGlyph(surface.get());
}

}  // namespace

std::vector<std::uint8_t> CFont::coverage(const SDL_Surface* surface, int textureWidth, int textureHeight) {
  std::vector<std::uint8_t> alpha(static_cast<std::size_t>(textureWidth) * static_cast<std::size_t>(textureHeight), 0);
  if (surface == nullptr || surface->format->BytesPerPixel != 1 || surface->format->palette == nullptr) {
    return alpha;
  }
  const SDL_Palette* palette = surface->format->palette;
  for (int y = 0; y < surface->h && y < textureHeight; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
    for (int x = 0; x < surface->w && x < textureWidth; ++x) {
      const std::uint8_t index = row[x];
      alpha[static_cast<std::size_t>(y) * static_cast<std::size_t>(textureWidth) + static_cast<std::size_t>(x)] =
          index < palette->ncolors ? palette->colors[index].r : 0;
    }
  }
  return alpha;
}

CFont::Glyph CFont::makeGlyph(const SDL_Surface* surface) {
  Glyph glyph;
  // A character the font could not render stays an empty glyph: drawn as nothing.
  if (surface == nullptr || surface->format->BytesPerPixel != 1 || surface->format->palette == nullptr) {
    return glyph;
  }
  const int w = surface->w;
  const int h = surface->h;
  const int pw = nextPowerOfTwo(w);
  const int ph = nextPowerOfTwo(h);
  glyph.width = w;
  glyph.height = h;
  glyph.maxU = static_cast<float>(w) / static_cast<float>(pw);
  glyph.maxV = static_cast<float>(h) / static_cast<float>(ph);

  const std::vector<std::uint8_t> alpha = coverage(surface, pw, ph);

  const CUnpackAlignment byteRows;
  glGenTextures(1, &glyph.texture);
  glBindTexture(GL_TEXTURE_2D, glyph.texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA8, pw, ph, 0, GL_ALPHA, GL_UNSIGNED_BYTE, alpha.data());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  return glyph;
}

CFont::CFont(CWindow* window, const std::string& path, int pointSize) : window(window) {
  CDataFile data(path);
  if (!data.refusal().empty()) {
    SDL_SetError("%s", data.refusal().c_str());
    throw CSDLTTFError("TTF_OpenFont");
  }
  const std::unique_ptr<TTF_Font, decltype(&TTF_CloseFont)> font(TTF_OpenFontRW(data.release(), 1, pointSize),
                                                                 TTF_CloseFont);
  if (!font) {
    throw CSDLTTFError("TTF_OpenFont");
  }
  for (int i = 0; i < GLYPH_COUNT; ++i) {
    glyphs[static_cast<std::size_t>(i)] = renderGlyph(font.get(), static_cast<char>(FIRST_GLYPH_CHAR + i));
  }
}

void CFont::draw(int x, int y, const std::string& text) const {
  // The outer matrix restores the caller's; the inner one marks the start of
  // the current line, so a line feed returns the pen to x.
  glPushMatrix();
  glTranslated(x, y, 0);
  glPushMatrix();
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  // Left in force afterwards: the help box relies on it.
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor3f(1, 1, 1);
  for (const char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    if (b == '\n') {
      glPopMatrix();
      glTranslated(0, LINE_HEIGHT, 0);
      glPushMatrix();
      continue;
    }
    if (b < FIRST_GLYPH_CHAR || b >= FIRST_GLYPH_CHAR + GLYPH_COUNT) {
      continue;
    }
    const Glyph& g = glyphs[b - FIRST_GLYPH_CHAR];
    if (g.texture == 0) {
      continue;
    }
    glBindTexture(GL_TEXTURE_2D, g.texture);
    glBegin(GL_QUADS);
    glTexCoord2f(g.minU, g.minV);
    glVertex2i(0, 0);
    glTexCoord2f(g.maxU, g.minV);
    glVertex2i(g.width, 0);
    glTexCoord2f(g.maxU, g.maxV);
    glVertex2i(g.width, g.height);
    glTexCoord2f(g.minU, g.maxV);
    glVertex2i(0, g.height);
    glEnd();
    glTranslated(g.width, 0, 0);
  }
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  glPopMatrix();
  glPopMatrix();
}
