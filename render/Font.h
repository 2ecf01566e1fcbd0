#pragma once

#include <SDL_ttf.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "render/Surface.h"

class CWindow;

// First character code with a glyph, and how many follow it (32 to 127).
constexpr int FIRST_GLYPH_CHAR = 32;
constexpr int GLYPH_COUNT = 96;
// Pixels from one line of text to the next, whatever the face.
constexpr int LINE_HEIGHT = 12;

// A TrueType font rendered once into one alpha texture holding every
// printable character, then drawn as white text with a fixed line step, a
// whole text with one bind and one run of quads.
class CFont {
public:
  // One pre-rendered character: the box around its ink, in pixels from the
  // pen, and that box's place in the shared texture, in texture coordinates.
  // Width 0 when it could not be rendered; ink 0 x 0 for a blank.
  struct Glyph {
    int width = 0;  // as rendered, and the pen's advance, in pixels
    int inkX = 0;
    int inkY = 0;
    int inkWidth = 0;
    int inkHeight = 0;
    float minU = 0;
    float maxU = 0;
    float minV = 0;
    float maxV = 0;
  };

  // Throws CSDLTTFError when the font cannot be opened, or when it draws
  // none of the characters in `written` (the texts the font is for; empty
  // for any printable character).
  CFont(CWindow* window, const std::string& path, int pointSize, const std::string& written = "");
  virtual ~CFont() = default;
  CFont(const CFont&) = delete;
  CFont& operator=(const CFont&) = delete;

  // Draws text with its first line's top-left corner at (x, y); byte 10 starts
  // a new line, bytes outside 32..127 other than that are skipped.
  virtual void draw(int x, int y, const std::string& text) const;

  // Glyphs and the one alpha texture they are drawn from; texture 0 when no
  // character could be rendered.
  struct Atlas {
    unsigned texture = 0;
    std::vector<Glyph> glyphs;
  };
  // Packs characters rendered in solid mode (8-bit, palettised, coverage in
  // the palette's red) into one new alpha texture, in order; a null surface
  // gives an empty glyph.
  static Atlas makeGlyphs(const std::vector<const SDL_Surface*>& rendered);
  // Renders the printable characters of an open font in solid mode, in
  // order; throws CSDLTTFError "TTF_OpenFont" for a font (called `name`)
  // whose characters would come out absurdly large.
  static std::vector<CSurface> renderCharacters(TTF_Font* font, const std::string& name);
  // The coverage of such a character as alpha bytes, 255 or 0, in the
  // top-left corner of a textureWidth x textureHeight texture.
  static std::vector<std::uint8_t> coverage(const SDL_Surface* rendered, int textureWidth, int textureHeight);

  const Glyph& glyph(unsigned char c) const { return glyphs[c - FIRST_GLYPH_CHAR]; }
  unsigned texture() const { return atlas; }

private:
  // The window whose OpenGL context holds the texture; nothing here draws
  // through it, but it ties the texture's life to that context.
  [[maybe_unused]] CWindow* window;
  std::array<Glyph, GLYPH_COUNT> glyphs;
  // The one texture every glyph is drawn from; 0 if no character rendered.
  unsigned atlas = 0;
};
