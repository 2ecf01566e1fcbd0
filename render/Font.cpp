#include "render/Font.h"

#include <GL/gl.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/DataFile.h"
#include "platform/SDLTTFError.h"
#include "render/Pixel.h"
#include "render/PowerOfTwo.h"
#include "render/Surface.h"

namespace {

// Texels between neighbouring glyphs, and around the edge of the texture:
// the linear filter then never reaches into a neighbour, nor across the
// texture's edge to the far side.
constexpr int PADDING = 1;
// Largest side of a rendered character, in pixels, that the game accepts;
// at the game's 12 points a face's characters are some 15 pixels high.
constexpr int MAX_GLYPH_SIDE = 512;
// Width of the shared texture, in texels; wider only for a larger glyph, and
// always a power of two. Its rows are then a multiple of four bytes apart, as
// OpenGL's default unpack alignment reads them.
constexpr int ATLAS_WIDTH = 256;
static_assert(ATLAS_WIDTH % 4 == 0 && (ATLAS_WIDTH & (ATLAS_WIDTH - 1)) == 0, "rows four-byte aligned");

}  // namespace

std::vector<std::uint8_t> CFont::coverage(const SDL_Surface* surface, int textureWidth, int textureHeight) {
  std::vector<std::uint8_t> alpha(static_cast<std::size_t>(textureWidth) * static_cast<std::size_t>(textureHeight), 0);
  if (surface == nullptr || surface->format->BytesPerPixel != 1 || surface->format->palette == nullptr) {
    return alpha;
  }
  const SDL_Palette* palette = surface->format->palette;
  for (int y = 0; y < surface->h && y < textureHeight; ++y) {
    const auto* row =
        static_cast<const std::uint8_t*>(surface->pixels) + static_cast<std::ptrdiff_t>(y) * surface->pitch;
    for (int x = 0; x < surface->w && x < textureWidth; ++x) {
      const std::uint8_t index = row[x];
      alpha[static_cast<std::size_t>(y) * static_cast<std::size_t>(textureWidth) + static_cast<std::size_t>(x)] =
          index < palette->ncolors ? palette->colors[index].r : 0;
    }
  }
  return alpha;
}

CFont::Atlas CFont::makeGlyphs(const std::vector<const SDL_Surface*>& rendered) {
  // Each character's coverage, cut down to the box around its ink: the rest
  // is transparent and would leave the picture as it is, so neither the
  // texture nor the drawing needs it.
  struct Ink {
    bool usable = false;
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    std::vector<std::uint8_t> alpha;  // w x h
  };
  std::vector<Ink> inks(rendered.size());
  int width = ATLAS_WIDTH;
  for (std::size_t i = 0; i < rendered.size(); ++i) {
    const SDL_Surface* s = rendered[i];
    if (s == nullptr || s->format->BytesPerPixel != 1 || s->format->palette == nullptr || s->w <= 0 || s->h <= 0) {
      continue;  // a character the font could not render stays empty: drawn as nothing
    }
    Ink& ink = inks[i];
    ink.usable = true;
    const std::vector<std::uint8_t> all = coverage(s, s->w, s->h);
    int left = s->w;
    int top = s->h;
    int right = 0;
    int bottom = 0;
    for (int y = 0; y < s->h; ++y) {
      for (int x = 0; x < s->w; ++x) {
        if (all[static_cast<std::size_t>(y) * static_cast<std::size_t>(s->w) + static_cast<std::size_t>(x)] != 0) {
          left = std::min(left, x);
          top = std::min(top, y);
          right = std::max(right, x + 1);
          bottom = std::max(bottom, y + 1);
        }
      }
    }
    if (right <= left) {
      continue;  // no ink at all, a blank: only the pen moves
    }
    ink.x = left;
    ink.y = top;
    ink.w = right - left;
    ink.h = bottom - top;
    for (int y = top; y < bottom; ++y) {
      const auto row = all.begin() + static_cast<std::ptrdiff_t>(y) * s->w;
      ink.alpha.insert(ink.alpha.end(), row + left, row + right);
    }
    width = std::max(width, nextPowerOfTwo(ink.w + 2 * PADDING));
  }

  // Shelves from the top left, a row of glyphs at a time.
  std::vector<CPixel> places(rendered.size(), CPixel{0, 0});
  int x = PADDING;
  int y = PADDING;
  int shelf = 0;
  for (std::size_t i = 0; i < inks.size(); ++i) {
    if (inks[i].w == 0) {
      continue;
    }
    if (x + inks[i].w + PADDING > width) {
      x = PADDING;
      y += shelf + PADDING;
      shelf = 0;
    }
    places[i] = {x, y};
    x += inks[i].w + PADDING;
    shelf = std::max(shelf, inks[i].h);
  }
  const int height = nextPowerOfTwo(y + shelf + PADDING);

  std::vector<std::uint8_t> alpha(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  Atlas made;
  made.glyphs.resize(rendered.size());
  bool any = false;
  for (std::size_t i = 0; i < inks.size(); ++i) {
    const Ink& ink = inks[i];
    if (!ink.usable) {
      continue;
    }
    any = true;
    for (int row = 0; row < ink.h; ++row) {
      std::copy_n(ink.alpha.begin() + static_cast<std::ptrdiff_t>(row) * ink.w, ink.w,
                  alpha.begin() + static_cast<std::ptrdiff_t>(places[i].y + row) * width + places[i].x);
    }
    Glyph& g = made.glyphs[i];
    g.width = rendered[i]->w;
    g.inkX = ink.x;
    g.inkY = ink.y;
    g.inkWidth = ink.w;
    g.inkHeight = ink.h;
    g.minU = static_cast<float>(places[i].x) / static_cast<float>(width);
    g.maxU = static_cast<float>(places[i].x + ink.w) / static_cast<float>(width);
    g.minV = static_cast<float>(places[i].y) / static_cast<float>(height);
    g.maxV = static_cast<float>(places[i].y + ink.h) / static_cast<float>(height);
  }
  if (!any) {
    return made;
  }

  // White texels carrying the coverage as alpha: drawn in GL_REPLACE they give
  // exactly what an alpha-only texture under a white colour gives, and they
  // draw the same through WebGL's emulation of OpenGL 1.1, which makes an
  // alpha-only texture black. Rows are 2 * width bytes, a multiple of four.
  std::vector<std::uint8_t> texels(alpha.size() * 2, 255);
  for (std::size_t i = 0; i < alpha.size(); ++i) {
    texels[2 * i + 1] = alpha[i];
  }
  glGenTextures(1, &made.texture);
  glBindTexture(GL_TEXTURE_2D, made.texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, width, height, 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE,
               texels.data());
  // Nearest texel: at one texel a game pixel it is what a linear filter gives,
  // and on a scaled window it keeps each texel a sharp square.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  return made;
}

std::vector<CSurface> CFont::renderCharacters(TTF_Font* font, const std::string& name) {
  std::vector<CSurface> rendered;
  for (int c = FIRST_GLYPH_CHAR; c < FIRST_GLYPH_CHAR + GLYPH_COUNT; ++c) {
    const char text[2] = {static_cast<char>(c), '\0'};
    // Measured before it is drawn: a damaged font can ask for characters
    // thousands of pixels a side, each taking seconds and hundreds of
    // megabytes to render.
    int w = 0;
    int h = 0;
    if (TTF_SizeText(font, text, &w, &h) == 0 && (w > MAX_GLYPH_SIDE || h > MAX_GLYPH_SIDE)) {
      SDL_SetError("Refusing %s: character %d would be %d x %d pixels; characters may be at most %d a side",
                   name.c_str(), c, w, h, MAX_GLYPH_SIDE);
      throw CSDLTTFError("TTF_OpenFont");
    }
    // Solid mode paints the glyph in the foreground colour and the background
    // in its inverse, so the red channel alone is the coverage: 255 or 0.
    rendered.emplace_back(TTF_RenderText_Solid(font, text, SDL_Color{255, 0, 0, 0}));
  }
  return rendered;
}

CFont::CFont(CWindow* target, const std::string& path, int pointSize, const std::string& written) : window(target) {
  CDataFile data(path);
  if (!data.refusal().empty()) {
    SDL_SetError("%s", data.refusal().c_str());
    throw CSDLTTFError("TTF_OpenFont");
  }
  SDL_ClearError();
  const std::unique_ptr<TTF_Font, decltype(&TTF_CloseFont)> font(TTF_OpenFontRW(data.release(), 1, pointSize),
                                                                 TTF_CloseFont);
  if (!font) {
    throw CSDLTTFError("TTF_OpenFont", path + ": not a usable TrueType font");
  }
  const std::vector<CSurface> rendered = renderCharacters(font.get(), path);
  std::vector<const SDL_Surface*> surfaces;
  surfaces.reserve(rendered.size());
  for (const CSurface& r : rendered) {
    surfaces.push_back(r.get());
  }
  const Atlas made = makeGlyphs(surfaces);
  // A colour-emoji, symbol or bitmap-only face can open and still render
  // nothing the game writes, or only marks it never writes: the score and
  // the help would silently vanish.
  const auto inked = [&made](unsigned char c) {
    return c >= FIRST_GLYPH_CHAR && c < FIRST_GLYPH_CHAR + GLYPH_COUNT &&
           made.glyphs[c - FIRST_GLYPH_CHAR].inkWidth > 0;
  };
  const bool drawsAny =
      written.empty()
          ? std::any_of(made.glyphs.begin(), made.glyphs.end(), [](const Glyph& g) { return g.inkWidth > 0; })
          : std::any_of(written.begin(), written.end(), [&](char c) { return inked(static_cast<unsigned char>(c)); });
  if (!drawsAny) {
    SDL_SetError("%s: draws none of the characters the game writes", path.c_str());
    throw CSDLTTFError("TTF_OpenFont");
  }
  std::copy(made.glyphs.begin(), made.glyphs.end(), glyphs.begin());
  atlas = made.texture;
}

void CFont::draw(int x, int y, const std::string& text) const {
  glPushMatrix();
  glTranslated(x, y, 0);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  // Left in force afterwards: the help box relies on it (docs/compatibility.md,
  // "The blend function left in force by the text").
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor3f(1, 1, 1);
  // Every glyph lives in the same texture, so one bind serves the whole text.
  glBindTexture(GL_TEXTURE_2D, atlas);
  glBegin(GL_QUADS);
  int penX = 0;
  int penY = 0;
  for (const char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    if (b == '\n') {
      penX = 0;
      penY += LINE_HEIGHT;
      continue;
    }
    if (b < FIRST_GLYPH_CHAR || b >= FIRST_GLYPH_CHAR + GLYPH_COUNT) {
      continue;
    }
    const Glyph& g = glyphs[b - FIRST_GLYPH_CHAR];
    if (g.inkWidth > 0) {
      const int left = penX + g.inkX;
      const int top = penY + g.inkY;
      glTexCoord2f(g.minU, g.minV);
      glVertex2i(left, top);
      glTexCoord2f(g.maxU, g.minV);
      glVertex2i(left + g.inkWidth, top);
      glTexCoord2f(g.maxU, g.maxV);
      glVertex2i(left + g.inkWidth, top + g.inkHeight);
      glTexCoord2f(g.minU, g.maxV);
      glVertex2i(left, top + g.inkHeight);
    }
    penX += g.width;
  }
  glEnd();
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  glPopMatrix();
}
