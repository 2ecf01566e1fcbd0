#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/Error.h"
#include "platform/SDLError.h"
#include "platform/SDLTTFError.h"
#include "render/PowerOfTwo.h"

TEST(Errors, LibraryErrorsJoinContextAndSdlText) {
  SDL_SetError("no such device");
  EXPECT_STREQ(CSDLError("SDL_Init").what(), "SDL_Init: no such device");
  EXPECT_STREQ(CSDLTTFError("TTF_OpenFont").what(), "TTF_OpenFont: no such device");
}

TEST(Errors, WhereSdlGivesNoReasonTheCallersStandsInAndNeverNothing) {
  SDL_ClearError();
  EXPECT_STREQ(CSDLError("SDL_LoadBitmap", "food.bmp: not a complete bitmap").what(),
               "SDL_LoadBitmap: food.bmp: not a complete bitmap");
  EXPECT_STREQ(CSDLError("SDL_SetVideoMode").what(), "SDL_SetVideoMode: the library gave no reason");
  EXPECT_STREQ(CSDLTTFError("TTF_Init").what(), "TTF_Init: the library gave no reason");
  SDL_SetError("Out of memory");
  EXPECT_STREQ(CSDLError("SDL_LoadBitmap", "food.bmp: not a complete bitmap").what(), "SDL_LoadBitmap: Out of memory");
}

TEST(Errors, MessageIsFrozenAtConstruction) {
  SDL_SetError("first");
  const CSDLError error("SDL_LoadBitmap");
  const CSDLTTFError ttfError("TTF_OpenFont");
  SDL_SetError("second");
  EXPECT_STREQ(error.what(), "SDL_LoadBitmap: first");
  EXPECT_STREQ(ttfError.what(), "TTF_OpenFont: first");
  // Neither a later call nor a copy reads SDL's text again.
  SDL_SetError("third");
  const CSDLError copy = error;  // NOLINT(performance-unnecessary-copy-initialization): the copy is under test
  EXPECT_STREQ(error.what(), "SDL_LoadBitmap: first");
  EXPECT_STREQ(copy.what(), "SDL_LoadBitmap: first");
}

TEST(Errors, PlainErrorKeepsItsMessageWhole) {
  SDL_SetError("ignored");
  EXPECT_STREQ(CError("something went wrong").what(), "something went wrong");
  EXPECT_STREQ(CError("").what(), "");
}

namespace {

template <typename Thrown>
std::string caughtAs() {
  try {
    try {
      throw Thrown("x");
    } catch (const CError&) {
      return "CError";
    }
  } catch (const std::exception&) {
    return "std::exception";
  }
}

}  // namespace

TEST(Errors, SiblingsAreCaughtOnlyAsStdException) {
  EXPECT_EQ(caughtAs<CError>(), "CError");
  EXPECT_EQ(caughtAs<CSDLError>(), "std::exception");
  EXPECT_EQ(caughtAs<CSDLTTFError>(), "std::exception");
}

TEST(PowerOfTwo, SmallestPowerAtLeastNButNeverBelowTwo) {
  const struct {
    int n;
    int expected;
  } cases[] = {{-5, 2},  {0, 2},   {1, 2},       {2, 2},       {3, 4},       {10, 16},          {16, 16},
               {17, 32}, {20, 32}, {1000, 1024}, {4096, 4096}, {4097, 8192}, {1 << 30, 1 << 30}};
  for (const auto& c : cases) {
    EXPECT_EQ(nextPowerOfTwo(c.n), c.expected) << "n = " << c.n;
  }
}
