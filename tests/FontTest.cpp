#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "platform/SDLTTFError.h"
#include "render/Font.h"
#include "render/PowerOfTwo.h"
#include "render/Surface.h"
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
  expectLaidOutAs("A\nB", {{"A", {0, 0}}, {"B", {0, LINE_HEIGHT}}});
  expectLaidOutAs("A\n\nB", {{"A", {0, 0}}, {"B", {0, 2 * LINE_HEIGHT}}});
  expectLaidOutAs("AB\nCD", {{"AB", {0, 0}}, {"C", {0, LINE_HEIGHT}}, {"D", {width('C'), LINE_HEIGHT}}});
  expectLaidOutAs("  X", {{"X", {2 * width(' '), 0}}});
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
    GLint src = 0;
    GLint dst = 0;
    glGetIntegerv(GL_BLEND_SRC, &src);
    glGetIntegerv(GL_BLEND_DST, &dst);
    EXPECT_EQ(src, GL_SRC_ALPHA);
    EXPECT_EQ(dst, GL_ONE_MINUS_SRC_ALPHA);
  }
  GLint alignment = 0;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  EXPECT_EQ(alignment, 4) << "building the glyphs restores the unpack alignment";
}

TEST_F(FontTest, EveryPrintableCharacterHasAGlyph) {
  for (int c = FIRST_GLYPH_CHAR; c < FIRST_GLYPH_CHAR + GLYPH_COUNT; ++c) {
    const CFont::Glyph& g = font->glyph(static_cast<unsigned char>(c));
    EXPECT_NE(g.texture, 0u) << "char " << c;
    EXPECT_GT(g.width, 0) << "char " << c;
    EXPECT_GT(g.height, 0) << "char " << c;
    EXPECT_FLOAT_EQ(g.maxU, static_cast<float>(g.width) / static_cast<float>(nextPowerOfTwo(g.width)));
    EXPECT_FLOAT_EQ(g.maxV, static_cast<float>(g.height) / static_cast<float>(nextPowerOfTwo(g.height)));
  }
}

TEST_F(FontTest, AFailedRenderingBecomesAnEmptyGlyph) {
  const CFont::Glyph g = CFont::makeGlyph(nullptr);
  EXPECT_EQ(g.texture, 0u);
  EXPECT_EQ(g.width, 0);
}

TEST_F(FontTest, AGlyphTwoTexelsWideUploadsRowByRow) {
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
  const CFont::Glyph g = CFont::makeGlyph(surface.get());
  ASSERT_NE(g.texture, 0u);
  EXPECT_EQ(g.width, 2);
  EXPECT_EQ(g.height, 3);
  EXPECT_FLOAT_EQ(g.maxU, 1.0f);
  EXPECT_FLOAT_EQ(g.maxV, 0.75f);

  glBindTexture(GL_TEXTURE_2D, g.texture);
  std::vector<std::uint8_t> texels(2 * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, texels.data());
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 2; ++x) {
      EXPECT_EQ(texels[y * 2 + x], pattern[y][x] ? 255 : 0) << "texel " << x << "," << y;
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

TEST_F(FontTest, AFontCutShortEitherLoadsOrRaisesNeverCrashes) {
  CTempDir dir;
  std::ifstream real(FONT, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(real)), std::istreambuf_iterator<char>());
  for (std::size_t keep : {bytes.size() / 50, bytes.size() / 4, bytes.size() / 2, bytes.size() - 1000}) {
    std::ofstream(dir / "cut.ttf", std::ios::binary | std::ios::trunc) << bytes.substr(0, keep);
    try {
      CFont cut(window.get(), dir / "cut.ttf", 12);
      cut.draw(0, 0, "Score: 0");
      expectCleanDrawingState();
    } catch (const CSDLTTFError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("TTF_OpenFont: ", 0), 0u) << e.what();
    }
  }
}
