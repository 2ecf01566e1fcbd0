#include <GL/gl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>

#include "platform/SDLError.h"
#include "render/Font.h"
#include "render/Texture.h"
#include "tests/TempDir.h"
#include "tests/WindowFixture.h"

namespace {

constexpr Rgb MAGENTA{255, 0, 255};
const char* const FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// A picture where every pixel differs from its neighbours, with no magenta.
Rgb gradient(int x, int y) {
  return {static_cast<std::uint8_t>(16 + x * 9), static_cast<std::uint8_t>(200 - y * 7), static_cast<std::uint8_t>(90)};
}

class TextureTest : public WindowTest {
protected:
  std::string bitmap(const std::string& name, int w, int h, int bits, const CBmpWriter::Picture& picture) {
    CBmpWriter::write(dir / (name + ".bmp"), CBmpWriter::encode(w, h, bits, picture));
    return dir / name;
  }

  std::string rawFile(const std::string& name, const std::string& bytes) {
    std::ofstream(dir / (name + ".bmp"), std::ios::binary) << bytes;
    return dir / name;
  }

  // Draws the image on a known background and checks every pixel around it.
  void expectDrawnOneToOne(const CTexture& texture, int x, int y, const CBmpWriter::Picture& picture) {
    window->clear(0xFF0A0B0C);
    texture.draw(x, y);
    const CGlFrame f = frame();
    for (int py = y - 2; py < y + texture.imageHeight() + 2; ++py) {
      for (int px = x - 2; px < x + texture.imageWidth() + 2; ++px) {
        if (px < 0 || py < 0 || px >= f.width || py >= f.height) {
          continue;
        }
        const bool inside = px >= x && px < x + texture.imageWidth() && py >= y && py < y + texture.imageHeight();
        ASSERT_EQ(f.at(px, py), inside ? picture(px - x, py - y) : (Rgb{0x0A, 0x0B, 0x0C})) << "at " << px << "," << py;
      }
    }
  }

  static int textureSide(const CTexture& texture, GLenum which) {
    glBindTexture(GL_TEXTURE_2D, texture.glName());
    GLint v = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, which, &v);
    return v;
  }

  CTempDir dir;
};

}  // namespace

TEST_F(TextureTest, ImagesLandInTheCornerOfAPowerOfTwoTextureAndDrawAtTheirOwnSize) {
  const struct {
    int w, h;        // the image, pixels
    int texW, texH;  // its texture, texels
  } cases[] = {{16, 16, 16, 16}, {10, 20, 16, 32}, {1, 1, 2, 2}, {3, 17, 4, 32}};
  for (const auto& c : cases) {
    const CTexture texture(window.get(), bitmap("img", c.w, c.h, 24, gradient));
    EXPECT_EQ(texture.imageWidth(), c.w);
    EXPECT_EQ(texture.imageHeight(), c.h);
    // Drawn at its own size, pixel for pixel: the texture's corner is the image.
    EXPECT_EQ(textureSide(texture, GL_TEXTURE_WIDTH), c.texW);
    EXPECT_EQ(textureSide(texture, GL_TEXTURE_HEIGHT), c.texH);
    expectDrawnOneToOne(texture, 37, 53, gradient);
    expectDrawnOneToOne(texture, 0, 0, gradient);
    expectCleanDrawingState();
  }
}

TEST_F(TextureTest, EveryBitDepthLoadsWithItsColours) {
  // Colours every depth can hold exactly, 16-bit's five bits per channel included.
  const Rgb colours[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  auto checker = [&](int depthColours) { return [=](int x, int y) { return colours[(x / 2 + y) % depthColours]; }; };
  for (int bits : {1, 8, 16, 24, 32}) {
    const auto picture = checker(bits == 1 ? 2 : 4);
    const CTexture texture(window.get(), bitmap("depth", 12, 7, bits, picture));
    SCOPED_TRACE("bits per pixel " + std::to_string(bits));
    expectDrawnOneToOne(texture, 100, 100, picture);
  }
}

TEST_F(TextureTest, ExactMagentaIsTransparentAndItsNeighboursAreNot) {
  auto picture = [](int x, int) -> Rgb {
    const Rgb row[] = {MAGENTA, {255, 0, 254}, {254, 0, 255}, {10, 20, 30}};
    return row[x % 4];
  };
  const CTexture texture(window.get(), bitmap("key", 8, 4, 24, picture));
  // Before any text the blend function writes texels unchanged: a key pixel
  // must then come out black, not magenta.
  window->clear(0xFF000000);
  texture.draw(0, 0);
  EXPECT_EQ(frame().at(0, 0), (Rgb{0, 0, 0}));

  CFont(window.get(), FONT, 12).draw(0, 0, "");
  window->clear(0xFF40C020);
  texture.draw(50, 60);
  const CGlFrame f = frame();
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 8; ++x) {
      const Rgb expected = x % 4 == 0 ? Rgb{0x40, 0xC0, 0x20} : picture(x, y);
      EXPECT_EQ(f.at(50 + x, 60 + y), expected) << "at " << x << "," << y;
    }
  }
  expectCleanDrawingState();
}

TEST_F(TextureTest, MagentaInAPalettedBitmapStaysOpaque) {
  auto picture = [](int x, int) { return x % 2 ? MAGENTA : Rgb{0, 0, 0}; };
  const CTexture texture(window.get(), bitmap("paletted", 4, 4, 8, picture));
  CFont(window.get(), FONT, 12).draw(0, 0, "");
  expectDrawnOneToOne(texture, 20, 20, picture);
}

TEST_F(TextureTest, ANameWithoutDirectoryIsLookedUpInTheWorkingDirectory) {
  bitmap("food", 16, 16, 24, gradient);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path);
  const CTexture texture(window.get(), "food");
  std::filesystem::current_path(previous);
  expectDrawnOneToOne(texture, 16 * 3, 16 * 7, gradient);
}

TEST_F(TextureTest, UnloadableFilesRaiseTheLoadErrorWithSdlsReason) {
  const std::string valid = [&] {
    const auto bytes = CBmpWriter::encode(16, 16, 24, gradient);
    return std::string(bytes.begin(), bytes.end());
  }();
  std::string enormous = valid.substr(0, 62);  // 100000 x 100000 at 1 bit per pixel
  const unsigned char claim[] = {0xA0, 0x86, 0x01, 0x00};
  enormous.replace(18, 4, reinterpret_cast<const char*>(claim), 4);
  enormous.replace(22, 4, reinterpret_cast<const char*>(claim), 4);
  enormous[28] = 1;
  std::string zeroWidth = valid;
  zeroWidth.replace(18, 4, std::string(4, '\0'));
  std::string negativeWidth = valid;
  negativeWidth.replace(18, 4, std::string(4, '\xFF'));
  std::mt19937 rng(5);
  std::string noise(300, '\0');
  for (char& c : noise) {
    c = static_cast<char>(rng());
  }
  std::filesystem::create_directory(dir / "folder.bmp");

  const struct {
    const char* what;
    std::string name;
  } cases[] = {
      {"missing", dir / "nothing"},
      {"a directory", dir / "folder"},
      {"empty", rawFile("empty", "")},
      {"header only", rawFile("header", valid.substr(0, 54))},
      {"truncated pixels", rawFile("truncated", valid.substr(0, valid.size() / 2))},
      {"random bytes", rawFile("noise", noise)},
      {"enormous claim", rawFile("enormous", enormous)},
      {"zero width", rawFile("zero", zeroWidth)},
      {"negative width", rawFile("negative", negativeWidth)},
  };
  for (const auto& c : cases) {
    try {
      CTexture texture(window.get(), c.name);
      ADD_FAILURE() << c.what << ": loaded";
    } catch (const CSDLError& e) {
      const std::string message = e.what();
      EXPECT_EQ(message.rfind("SDL_LoadBitmap: ", 0), 0u) << c.what << ": " << message;
      EXPECT_GT(message.size(), std::string("SDL_LoadBitmap: ").size()) << c.what << ": no reason given";
    }
  }
}

TEST_F(TextureTest, DamagedBitmapsEitherLoadOrRaiseNeverCrash) {
  const auto valid = CBmpWriter::encode(9, 5, 8, [](int x, int y) { return gradient(x % 3, y % 2); });
  std::mt19937 rng(42);
  int loaded = 0;
  int refused = 0;
  for (int round = 0; round < 300; ++round) {
    auto bytes = valid;
    const int flips = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < flips; ++i) {
      // Mostly the headers, where a bad value does the most harm.
      const std::size_t at = rng() % 4 ? rng() % 54 : rng() % bytes.size();
      bytes[at] = static_cast<std::uint8_t>(rng());
    }
    if (rng() % 5 == 0) {
      bytes.resize(rng() % bytes.size());
    }
    CBmpWriter::write(dir / "damaged.bmp", bytes);
    try {
      const CTexture texture(window.get(), dir / "damaged");
      texture.draw(0, 0);
      ++loaded;
    } catch (const CSDLError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("SDL_LoadBitmap: ", 0), 0u) << e.what();
      ++refused;
    }
  }
  EXPECT_GT(loaded, 0);
  EXPECT_GT(refused, 0);
}
