#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/SDLError.h"
#include "render/Font.h"
#include "render/Texture.h"
#include "tests/TempDir.h"
#include "tests/WindowFixture.h"

namespace {

constexpr Rgb BLACK{0, 0, 0};

// What source-alpha blending of `colour` over `under` gives, per channel.
int blend(int source, int alpha, int under) { return (source * alpha + under * (255 - alpha) + 127) / 255; }

void expectNear(const Rgb& actual, const Rgb& expected, int tolerance = 1) {
  EXPECT_LE(std::abs(actual.r - expected.r), tolerance) << actual << " vs " << expected;
  EXPECT_LE(std::abs(actual.g - expected.g), tolerance) << actual << " vs " << expected;
  EXPECT_LE(std::abs(actual.b - expected.b), tolerance) << actual << " vs " << expected;
}

}  // namespace

TEST_F(WindowTest, ClearPaintsEveryPixelWhateverWasDrawnBefore) {
  // What the window asked for and got: 8 bits a colour channel, a back buffer.
  int red = 0, green = 0, blue = 0, doubled = 0;
  SDL_GL_GetAttribute(SDL_GL_RED_SIZE, &red);
  SDL_GL_GetAttribute(SDL_GL_GREEN_SIZE, &green);
  SDL_GL_GetAttribute(SDL_GL_BLUE_SIZE, &blue);
  SDL_GL_GetAttribute(SDL_GL_DOUBLEBUFFER, &doubled);
  EXPECT_EQ(std::vector<int>({red, green, blue, doubled}), std::vector<int>({8, 8, 8, 1}));
  window->fillRect(10, 10, 100, 50, 0xFFFFFFFF);
  window->clear(0xFF123456);
  const CGlFrame f = frame();
  for (int y = 0; y < f.height; ++y) {
    for (int x = 0; x < f.width; ++x) {
      ASSERT_EQ(f.at(x, y), (Rgb{0x12, 0x34, 0x56})) << "at " << x << "," << y;
    }
  }
  expectCleanDrawingState();
}

TEST_F(WindowTest, FillRectCoversExactlyItsPixelsClippedToTheWindow) {
  const struct {
    int x, y, w, h;
  } cases[] = {
      {0, 0, 1, 1},         {383, 383, 1, 1},                        // the projection's corners
      {5, 5, 374, 150},     {37, 100, 16, 16},  {-10, -20, 30, 40},  // partly outside
      {370, 300, 100, 200}, {50, 60, 0, 10},    {50, 60, 10, 0},     // zero size draws nothing
      {400, 10, 20, 20},    {-50, -50, 20, 20},                      // wholly outside
  };
  for (const auto& c : cases) {
    window->clear(0xFF000000);
    window->fillRect(c.x, c.y, c.w, c.h, 0xFFFF0000);
    const CGlFrame f = frame();
    for (int y = 0; y < f.height; ++y) {
      for (int x = 0; x < f.width; ++x) {
        const bool inside = x >= c.x && x < c.x + c.w && y >= c.y && y < c.y + c.h;
        ASSERT_EQ(f.at(x, y), inside ? (Rgb{255, 0, 0}) : BLACK)
            << "rect " << c.x << "," << c.y << " " << c.w << "x" << c.h << " at " << x << "," << y;
      }
    }
  }
  expectCleanDrawingState();
}

TEST_F(WindowTest, BeforeAnyTextAFillWritesItsColourUnblended) {
  GLint src = 0;
  glGetIntegerv(GL_BLEND_SRC, &src);
  if (src != GL_ONE) {
    // A context reused from an earlier test in this process: restore what a
    // fresh one holds, since the window itself never sets a blend function.
    glBlendFunc(GL_ONE, GL_ZERO);
  }
  window->clear(0xFF0000FF);
  window->fillRect(10, 10, 20, 20, 0x7F606060);
  window->fillRect(40, 10, 20, 20, 0x00C08040);
  const CGlFrame f = frame();
  EXPECT_EQ(f.at(15, 15), (Rgb{96, 96, 96}));
  EXPECT_EQ(f.at(45, 15), (Rgb{0xC0, 0x80, 0x40})) << "alpha 0 still paints before any text";
}

TEST_F(WindowTest, AfterTextTheHelpBoxBlendsWithSourceAlpha) {
  CFont font(window.get(), "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 12);
  font.draw(0, 0, "");  // an empty text draws nothing but sets the blend function
  window->clear(0xFF000000);
  window->fillRect(200, 200, 50, 50, 0xFFC86400);
  window->fillRect(5, 5, 374, 150, 0x7F606060);
  window->fillRect(190, 190, 100, 100, 0x7F606060);
  window->fillRect(300, 300, 20, 20, 0x00FFFFFF);
  window->fillRect(330, 300, 20, 20, 0xFF336699);
  const CGlFrame f = frame();
  const int a = 0x7F;
  expectNear(f.at(100, 100), Rgb{static_cast<std::uint8_t>(blend(96, a, 0)), static_cast<std::uint8_t>(blend(96, a, 0)),
                                 static_cast<std::uint8_t>(blend(96, a, 0))});
  expectNear(f.at(100, 100), Rgb{48, 48, 48});
  expectNear(f.at(220, 220),
             Rgb{static_cast<std::uint8_t>(blend(96, a, 200)), static_cast<std::uint8_t>(blend(96, a, 100)),
                 static_cast<std::uint8_t>(blend(96, a, 0))});
  EXPECT_EQ(f.at(310, 310), BLACK) << "alpha 0 leaves the picture alone";
  EXPECT_EQ(f.at(340, 310), (Rgb{0x33, 0x66, 0x99})) << "alpha 255 is opaque";
  EXPECT_EQ(f.at(2, 2), BLACK) << "outside the box";
  expectCleanDrawingState();
}

// Drivers differ in the framebuffers they offer: Mesa's llvmpipe from 25 on,
// and many GPUs, have no 32-bit depth buffer. This one has none at all of 32
// bits, and says so as SDL on such a driver does.
TEST(WindowFramebufferTest, WithoutA32BitDepthBufferTheWindowOpensWithLessAndDraws) {
  CSDLSystem libraries;
  std::vector<CFramebufferRequest> asked;
  CWindow window(384, 384, "Morvex test", [&asked](int w, int h, const CFramebufferRequest& request) -> SDL_Surface* {
    asked.push_back(request);
    if (request.depthBits > 24) {
      SDL_SetError("Couldn't find matching GLX visual");
      return nullptr;
    }
    return setVideoMode(w, h, request);
  });
  EXPECT_EQ(asked, (std::vector<CFramebufferRequest>{{32, 8}, {24, 8}}));
  window.clear(0xFF123456);
  window.fillRect(10, 10, 5, 5, 0xFFFF0000);
  const CGlFrame f(384, 384);
  EXPECT_EQ(f.at(200, 200), (Rgb{0x12, 0x34, 0x56}));
  EXPECT_EQ(f.at(12, 12), (Rgb{255, 0, 0}));
}

TEST(WindowFramebufferTest, WithNoFramebufferAtAllOpeningFailsWithSdlsReasonAfterAskingForTheLeast) {
  CSDLSystem libraries;
  std::vector<CFramebufferRequest> asked;
  try {
    CWindow window(384, 384, "Morvex test", [&asked](int, int, const CFramebufferRequest& request) -> SDL_Surface* {
      asked.push_back(request);
      SDL_SetError("Couldn't find matching GLX visual");
      return nullptr;
    });
    ADD_FAILURE() << "the window opened";
  } catch (const CSDLError& e) {
    EXPECT_STREQ(e.what(), "SDL_SetVideoMode: Couldn't find matching GLX visual");
  }
  EXPECT_EQ(asked, (std::vector<CFramebufferRequest>{{32, 8}, {24, 8}, {16, 8}, {0, 8}, {24, 0}, {16, 0}, {0, 0}}));
}

// A scaled desktop enlarges the window by a whole factor; everything drawn
// must come out as the 100 % picture with each pixel an exact square.
TEST(WindowScaleTest, AtTwiceTheScaleEveryPixelOfTheOrdinaryPictureIsATwoByTwoSquare) {
  CSDLSystem libraries;
  CTempDir dir;
  // Every texel differs from its neighbours, so a blur or a shift shows.
  CBmpWriter::write(dir / "cell.bmp", CBmpWriter::encode(16, 16, 24, [](int x, int y) {
                      return x == y ? Rgb{255, 0, 255}
                                    : Rgb{static_cast<std::uint8_t>(x * 15), static_cast<std::uint8_t>(y * 15), 99};
                    }));
  const auto picture = [&](int factor) {
    CWindow window(384, 384, "Morvex test", setVideoMode, CDesktopScale(factor, 0, 0));
    EXPECT_EQ(window.scale(), factor);
    const CTexture cell(&window, dir / "cell");
    const CFont font(&window, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 12);
    window.clear(0xFF000000);
    cell.draw(80, 200);
    cell.drawAt({{368, 368}, {-8, 200}});
    font.draw(309, 5, "Score: 5");
    window.fillRect(5, 5, 374, 150, 0x7F606060);
    font.draw(10, 10, "Keys:\n  Arrow Keys - Move around");
    return CGlFrame(384 * factor, 384 * factor);
  };
  const CGlFrame ordinary = picture(1);
  const CGlFrame doubled = picture(2);
  ASSERT_EQ(doubled.width, 768);
  EXPECT_EQ(ordinary.at(80, 201), (Rgb{0, 15, 99})) << "the cell was not drawn where expected";
  for (int y = 0; y < 384; ++y) {
    for (int x = 0; x < 384; ++x) {
      for (int d = 0; d < 4; ++d) {
        ASSERT_EQ(doubled.at(2 * x + d % 2, 2 * y + d / 2), ordinary.at(x, y))
            << "game pixel " << x << "," << y << ", device pixel " << 2 * x + d % 2 << "," << 2 * y + d / 2;
      }
    }
  }
}
