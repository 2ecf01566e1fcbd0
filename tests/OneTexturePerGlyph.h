#pragma once

#include <GL/gl.h>
#include <SDL_ttf.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "render/Font.h"
#include "render/PowerOfTwo.h"
#include "render/Surface.h"

// The font as it was drawn before the glyphs shared one texture: a texture of
// its own per character, and a bind, a quad and a pen move per character.
// Kept only to prove the batched drawing gives the same pixels.
class COneTexturePerGlyph {
public:
  COneTexturePerGlyph(const std::string& path, int pointSize) {
    TTF_Font* font = TTF_OpenFont(path.c_str(), pointSize);
    if (font == nullptr) {
      throw std::runtime_error("cannot open " + path);
    }
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int i = 0; i < GLYPH_COUNT; ++i) {
      const char text[2] = {static_cast<char>(FIRST_GLYPH_CHAR + i), '\0'};
      const CSurface s(TTF_RenderText_Solid(font, text, SDL_Color{255, 0, 0, 0}));
      if (!s) {
        continue;
      }
      Glyph& g = glyphs[static_cast<std::size_t>(i)];
      const int pw = nextPowerOfTwo(s->w);
      const int ph = nextPowerOfTwo(s->h);
      g.width = s->w;
      g.height = s->h;
      g.maxU = static_cast<float>(s->w) / static_cast<float>(pw);
      g.maxV = static_cast<float>(s->h) / static_cast<float>(ph);
      const std::vector<std::uint8_t> alpha = CFont::coverage(s.get(), pw, ph);
      glGenTextures(1, &g.texture);
      glBindTexture(GL_TEXTURE_2D, g.texture);
      glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA8, pw, ph, 0, GL_ALPHA, GL_UNSIGNED_BYTE, alpha.data());
      glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
      glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    TTF_CloseFont(font);
  }

  void draw(int x, int y, const std::string& text) const {
    glPushMatrix();
    glTranslated(x, y, 0);
    glPushMatrix();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor3f(1, 1, 1);
    for (const char ch : text) {
      const auto b = static_cast<unsigned char>(ch);
      if (b == '\n') {
        glPopMatrix();
        glTranslated(0, 12, 0);
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
      glTexCoord2f(0, 0);
      glVertex2i(0, 0);
      glTexCoord2f(g.maxU, 0);
      glVertex2i(g.width, 0);
      glTexCoord2f(g.maxU, g.maxV);
      glVertex2i(g.width, g.height);
      glTexCoord2f(0, g.maxV);
      glVertex2i(0, g.height);
      glEnd();
      glTranslated(g.width, 0, 0);
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glPopMatrix();
    glPopMatrix();
  }

private:
  struct Glyph {
    unsigned texture = 0;
    int width = 0;
    int height = 0;
    float maxU = 0;
    float maxV = 0;
  };
  std::array<Glyph, GLYPH_COUNT> glyphs{};
};
