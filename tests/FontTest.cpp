#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/TrueTypeSeed.h"
#include "platform/SDLTTFError.h"
#include "render/Font.h"
#include "render/PowerOfTwo.h"
#include "render/Surface.h"
#include "tests/OneTexturePerGlyph.h"
#include "tests/TempDir.h"
#include "tests/WindowFixture.h"

namespace {

const char* const FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr Rgb BACKGROUND{0x20, 0x40, 0x80};
constexpr Rgb WHITE{255, 255, 255};

class FontTest : public WindowTest {
protected:
  void SetUp() override {
    WindowTest::SetUp();
    font = std::make_unique<CFont>(window.get(), FONT, 12);
  }

  CGlFrame drawn(const std::function<void()>& draw) {
    window->clear(0xFF204080);
    draw();
    return frame();
  }

  // The frame of `text` at (x, y) must equal the frame of its parts drawn
  // one by one where the pen should have put them.
  void expectLaidOutAs(const std::string& text, const std::vector<std::pair<std::string, std::pair<int, int>>>& parts) {
    const int x = 40;
    const int y = 100;
    const CGlFrame whole = drawn([&] { font->draw(x, y, text); });
    const CGlFrame pieces = drawn([&] {
      for (const auto& [piece, at] : parts) {
        font->draw(x + at.first, y + at.second, piece);
      }
    });
    EXPECT_TRUE(whole == pieces) << "text of " << text.size() << " bytes is not laid out as expected";
    EXPECT_FALSE(whole == drawn([] {})) << "nothing was drawn";
  }

  int width(char c) const { return font->glyph(static_cast<unsigned char>(c)).width; }

  std::unique_ptr<CFont> font;
};

}  // namespace

TEST_F(FontTest, PenAdvancesByGlyphWidthAndLineFeedsStepTwelvePixelsDown) {
  const int a = width('A');
  ASSERT_GT(a, 0);
  expectLaidOutAs("AB", {{"A", {0, 0}}, {"B", {a, 0}}});
  expectLaidOutAs("A\nB", {{"A", {0, 0}}, {"B", {0, 12}}});
  expectLaidOutAs("A\n\nB", {{"A", {0, 0}}, {"B", {0, 24}}});
  expectLaidOutAs("AB\nCD", {{"AB", {0, 0}}, {"C", {0, 12}}, {"D", {width('C'), 12}}});
  expectLaidOutAs("  X", {{"X", {2 * width(' '), 0}}});
}

TEST_F(FontTest, OneTextureForAllGlyphsDrawsTheSamePixelsAsOneTexturePerGlyph) {
  const COneTexturePerGlyph before(FONT, 12);
  std::string printable;
  for (int c = 32; c < 128; ++c) {
    printable += static_cast<char>(c);
  }
  const std::string help =
      "  Made by Dask (code) & Tumi (gfx)\n\nKeys:\n  Arrow Keys - Move around\n  F1 - Show help\n"
      "  PAUSE - Pause the game\n\nThanks to:\n  Orrin & Velm & Pasko & Quorl\n"
      "  Sarnet & Jubo & Mirelo & Fennick & Tavrin\n  and everyone else in #rookienest";
  const struct {
    int x, y;
    std::string text;
  } texts[] = {
      {0, 0, printable.substr(0, 48)},
      {3, 30, printable.substr(48)},
      {10, 10, help},
      {5, 192, "YOU DIED! PRESS [SPACE] TO PLAY AGAIN!"},
      {309, 5, "Score: 2865"},
      {0, 0, "PAUSED!!"},
      {7, 300, "  two\n\n lines\t\r" + std::string(1, '\0') + "\x80\xFFskipped\n"},
      {-4, 370, "clipped at the edges of the window, on both sides of it"},
  };
  for (const auto& t : texts) {
    const CGlFrame batched = drawn([&] { font->draw(t.x, t.y, t.text); });
    const CGlFrame oneByOne = drawn([&] { before.draw(t.x, t.y, t.text); });
    EXPECT_TRUE(batched == oneByOne) << "'" << t.text << "' at (" << t.x << ", " << t.y << ") differs";
  }
}

// The glyphs run from 32 to 127 inclusive: DejaVu Sans draws 127 as a box
// 7 pixels wide at 12 points, and the pen moves past it.
TEST_F(FontTest, Character127IsTheLastGlyphAndMovesThePen) {
  const int a = width('A');
  expectLaidOutAs(
      "A\x7F"
      "B",
      {{"A", {0, 0}}, {"\x7F", {a, 0}}, {"B", {a + 7, 0}}});
}

TEST_F(FontTest, BytesWithoutGlyphsAreSkippedWithoutMovingThePen) {
  const int a = width('A');
  for (const std::string& skipped :
       std::vector<std::string>{"\t", "\r", std::string(1, '\0'), "\x80", "\xFF", "\x1B"}) {
    expectLaidOutAs("A" + skipped + "B", {{"A", {0, 0}}, {"B", {a, 0}}});
  }
}

TEST_F(FontTest, TextIsPureWhiteAndLeavesEveryOtherPixelAlone) {
  const CGlFrame f = drawn([&] { font->draw(10, 10, "Score: 1234\nYOU DIED! ~{}|\x7F"); });
  int white = 0;
  for (int y = 0; y < f.height; ++y) {
    for (int x = 0; x < f.width; ++x) {
      const Rgb c = f.at(x, y);
      ASSERT_TRUE(c == WHITE || c == BACKGROUND) << "at " << x << "," << y << ": " << c;
      white += c == WHITE;
    }
  }
  EXPECT_GT(white, 100);
}

TEST_F(FontTest, DrawingLeavesMatricesAndSwitchesAsFoundAndSetsTheBlendFunction) {
  for (const std::string text : {"", "A", "two\nlines\n", "\t\x90"}) {
    font->draw(17, 23, text);
    expectCleanDrawingState();
    if (GL_STATE_FULLY_ANSWERED) {
      GLint src = 0;
      GLint dst = 0;
      glGetIntegerv(GL_BLEND_SRC, &src);
      glGetIntegerv(GL_BLEND_DST, &dst);
      EXPECT_EQ(src, GL_SRC_ALPHA);
      EXPECT_EQ(dst, GL_ONE_MINUS_SRC_ALPHA);
    }
  }
}

TEST_F(FontTest, EveryPrintableCharacterHasItsOwnPaddedPlaceInOneTexture) {
  const unsigned atlas = font->texture();
  ASSERT_NE(atlas, 0u);
  glBindTexture(GL_TEXTURE_2D, atlas);
  GLint w = 0;
  GLint h = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
  struct Rect {
    int x0, y0, x1, y1;
  };
  std::vector<Rect> taken;
  for (int c = FIRST_GLYPH_CHAR; c < FIRST_GLYPH_CHAR + GLYPH_COUNT; ++c) {
    const CFont::Glyph& g = font->glyph(static_cast<unsigned char>(c));
    ASSERT_GT(g.width, 0) << "char " << c;
    // Texel edges, exactly: the quad maps one texel onto one pixel.
    const auto fw = static_cast<float>(w);
    const auto fh = static_cast<float>(h);
    const Rect r{static_cast<int>(g.minU * fw), static_cast<int>(g.minV * fh), static_cast<int>(g.maxU * fw),
                 static_cast<int>(g.maxV * fh)};
    EXPECT_FLOAT_EQ(g.minU * fw, static_cast<float>(r.x0)) << "char " << c;
    EXPECT_EQ(r.x1 - r.x0, g.inkWidth) << "char " << c;
    EXPECT_EQ(r.y1 - r.y0, g.inkHeight) << "char " << c;
    if (c == ' ') {
      EXPECT_EQ(g.inkWidth, 0) << "a blank has no ink to draw";
      continue;
    }
    EXPECT_TRUE(g.inkX >= 0 && g.inkY >= 0 && g.inkX + g.inkWidth <= g.width)
        << "char " << c << ": the ink lies outside the rendered character";
    // At least one empty texel all round, so the linear filter never mixes in
    // a neighbour or wraps to the far edge.
    EXPECT_TRUE(r.x0 >= 1 && r.y0 >= 1 && r.x1 <= w - 1 && r.y1 <= h - 1) << "char " << c;
    for (const Rect& o : taken) {
      EXPECT_TRUE(r.x1 < o.x0 || o.x1 < r.x0 || r.y1 < o.y0 || o.y1 < r.y0) << "char " << c << " touches another";
    }
    taken.push_back(r);
  }
}

TEST_F(FontTest, AFailedRenderingBecomesAnEmptyGlyph) {
  const CFont::Atlas made = CFont::makeGlyphs({nullptr});
  ASSERT_EQ(made.glyphs.size(), 1u);
  EXPECT_EQ(made.texture, 0u);
  EXPECT_EQ(made.glyphs[0].width, 0);
}

TEST_F(FontTest, AGlyphTwoTexelsWideIsStoredRowByRow) {
  const CSurface surface(SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 3, 8, 0, 0, 0, 0));
  ASSERT_TRUE(surface);
  SDL_Color colours[2] = {{0, 0, 0, 0}, {255, 0, 0, 0}};
  SDL_SetColors(surface.get(), colours, 0, 2);
  const std::uint8_t pattern[3][2] = {{1, 0}, {0, 1}, {1, 1}};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 2; ++x) {
      static_cast<std::uint8_t*>(surface->pixels)[y * surface->pitch + x] = pattern[y][x];
    }
  }
  const CFont::Atlas made = CFont::makeGlyphs({nullptr, surface.get()});
  const CFont::Glyph& g = made.glyphs[1];
  ASSERT_NE(made.texture, 0u);
  EXPECT_EQ(g.width, 2);
  EXPECT_EQ(g.inkHeight, 3);

  // Drawn from the atlas texel for texel at (10, 20), white ink over the
  // blue board: read back rather than from the texture, which WebGL cannot.
  const CGlFrame f = drawn([&] {
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, made.texture);
    glBegin(GL_QUADS);
    glTexCoord2f(g.minU, g.minV);
    glVertex2i(10, 20);
    glTexCoord2f(g.maxU, g.minV);
    glVertex2i(12, 20);
    glTexCoord2f(g.maxU, g.maxV);
    glVertex2i(12, 23);
    glTexCoord2f(g.minU, g.maxV);
    glVertex2i(10, 23);
    glEnd();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
  });
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 2; ++x) {
      const Rgb expected = pattern[y][x] ? Rgb{255, 255, 255} : Rgb{0x20, 0x40, 0x80};
      EXPECT_EQ(f.at(10 + x, 20 + y), expected) << "texel " << x << "," << y;
    }
  }
}

TEST_F(FontTest, UnusableFontFilesRaiseTheOpenError) {
  CTempDir dir;
  std::ifstream real(FONT, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(real)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 1000u);
  auto file = [&](const std::string& name, const std::string& content) {
    std::ofstream(dir / name, std::ios::binary) << content;
    return dir / name;
  };
  std::filesystem::create_directory(dir / "folder.ttf");
  const struct {
    const char* what;
    std::string path;
  } cases[] = {
      {"missing", dir / "verdana.ttf"},
      {"empty", file("empty.ttf", "")},
      {"truncated", file("truncated.ttf", bytes.substr(0, 64))},
      {"a bitmap", file("picture.ttf", "BM" + std::string(200, '\x01'))},
      {"a directory", dir / "folder.ttf"},
  };
  for (const auto& c : cases) {
    try {
      CFont broken(window.get(), c.path, 12);
      ADD_FAILURE() << c.what << ": opened";
    } catch (const CSDLTTFError& e) {
      const std::string message = e.what();
      EXPECT_EQ(message.rfind("TTF_OpenFont: ", 0), 0u) << c.what << ": " << message;
    }
  }
}

TEST_F(FontTest, AFontWhoseCharactersComeOutHugeIsRefusedBeforeRendering) {
  CTempDir dir;
  // The same square at 1000 units per em is about 5 x 7 pixels at 12
  // points; at 16 units per em its lines would be 750 pixels high.
  for (const std::uint16_t unitsPerEm : {1000, 16}) {
    const std::vector<std::uint8_t> bytes = CTrueTypeSeed::font(unitsPerEm);
    std::ofstream(dir / "square.ttf", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    try {
      const CFont square(window.get(), dir / "square.ttf", 12);
      EXPECT_EQ(unitsPerEm, 1000) << "a font of enormous characters was accepted";
      EXPECT_GT(square.glyph('A').inkWidth, 0);
    } catch (const CSDLTTFError& e) {
      EXPECT_EQ(unitsPerEm, 16) << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("TTF_OpenFont: Refusing " + (dir / "square.ttf") + ": character 32", 0), 0u)
          << e.what();
    }
  }
}

TEST_F(FontTest, AFontThatDrawsNoneOfTheCharactersWrittenIsRefusedAndOneThatDrawsSomeIsTaken) {
  CTempDir dir;
  // What the game writes, in part: the score and the pause notice.
  const std::string written = "Score: 0123456789PAUSED!!";
  const struct {
    const char* what;
    std::string inked;  // characters the made font draws; "" for DejaVu Sans
    std::string written;
    bool taken;
  } cases[] = {
      {"a font of empty glyphs", " ", "", false},
      {"a font of punctuation the game does not write", "#$%&*+/;<=>?@", written, false},
      {"the same font for any printable character", "#$%&*+/;<=>?@", "", true},
      {"a font of digits only", "0123456789", written, true},
      {"DejaVu Sans", "", written, true},
  };
  for (const auto& c : cases) {
    std::string path = FONT;
    if (!c.inked.empty()) {
      const std::vector<std::uint8_t> bytes = CTrueTypeSeed::font(1000, c.inked);
      path = dir / "verdana.ttf";
      std::ofstream(path, std::ios::binary | std::ios::trunc)
          .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    try {
      const CFont made(window.get(), path, 12, c.written);
      EXPECT_TRUE(c.taken) << c.what << " was taken";
    } catch (const CSDLTTFError& e) {
      EXPECT_FALSE(c.taken) << c.what << ": " << e.what();
      EXPECT_EQ(std::string(e.what()), "TTF_OpenFont: " + path + ": draws none of the characters the game writes");
    }
  }
}

TEST_F(FontTest, AFontCutShortEitherLoadsOrRaisesNeverCrashes) {
  CTempDir dir;
  std::ifstream real(FONT, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(real)), std::istreambuf_iterator<char>());
  int loaded = 0;
  int refused = 0;
  for (std::size_t keep : {bytes.size() / 50, bytes.size() / 4, bytes.size() / 2, bytes.size() - 1000}) {
    std::ofstream(dir / "cut.ttf", std::ios::binary | std::ios::trunc) << bytes.substr(0, keep);
    try {
      CFont cut(window.get(), dir / "cut.ttf", 12);
      cut.draw(0, 0, "Score: 0");
      expectCleanDrawingState();
      ++loaded;
    } catch (const CSDLTTFError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("TTF_OpenFont: ", 0), 0u) << e.what();
      ++refused;
    }
  }
  // Both ways are taken, so neither branch above goes unchecked.
  EXPECT_GT(loaded, 0);
  EXPECT_GT(refused, 0);
}
