#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "platform/SDLSystem.h"
#include "render/Window.h"

// After GoogleTest, whose names X11's macros (None, Bool) would replace.
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace {

// Runs in a fresh child process: brings the libraries up and opens a window,
// then reports the outcome through the exit status and standard error. With
// shutDown false the libraries' exit handlers are skipped.
[[noreturn]] void startUp(bool shutDown = true) {
  try {
    CSDLSystem libraries;
    CWindow window(384, 384, "Morvex");
    if (!shutDown) {
      std::_Exit(0);
    }
    std::exit(0);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    std::exit(3);
  }
}

class StartupTest : public ::testing::Test {
protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

}  // namespace

TEST_F(StartupTest, AnUnknownVideoDriverFailsStartUp) {
  EXPECT_EXIT(
      {
        setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
        startUp();
      },
      ::testing::ExitedWithCode(3), "(SDL_Init|SDL_SetVideoMode): ");
}

TEST_F(StartupTest, WithoutADisplayStartUpFailsInsteadOfRunningUnseen) {
  EXPECT_EXIT(
      {
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("SDL_VIDEODRIVER");
        startUp();
      },
      ::testing::ExitedWithCode(3), "SDL_Init: No available video device");
}

TEST_F(StartupTest, AnInvisibleDriverAskedForByNameIsAllowed) {
  EXPECT_EXIT(
      {
        unsetenv("DISPLAY");
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        // Only start-up is in question here. SDL 3's offscreen driver with
        // Mesa 26 may crash while it shuts down, unloading EGL under
        // llvmpipe's running threads.
        startUp(false);
      },
      ::testing::ExitedWithCode(0), "");
}

// Some OpenGL drivers refuse a window only through an X error, which comes
// back after the video mode seems set. Here the server refuses a request
// made just after the mode, which Xlib still holds unsent: only a round trip
// brings its answer back while the window is being made.
TEST_F(StartupTest, AnXErrorInAnswerToTheNewWindowIsReportedAsSettingTheVideoMode) {
  EXPECT_EXIT(
      {
        try {
          CSDLSystem libraries;
          CWindow window(384, 384, "Morvex", [](int width, int height, const CFramebufferRequest& request) {
            SDL_Surface* screen = setVideoMode(width, height, request);
            SDL_SysWMinfo info{};
            SDL_VERSION(&info.version);
            if (screen != nullptr && SDL_GetWMInfo(&info) > 0 && info.subsystem == SDL_SYSWM_X11) {
              XMapWindow(info.info.x11.display, None);
            }
            return screen;
          });
          std::_Exit(0);
        } catch (const std::exception& e) {
          std::fprintf(stderr, "%s\n", e.what());
          std::_Exit(3);
        }
      },
      ::testing::ExitedWithCode(3),
      "(^|\n)SDL_SetVideoMode: the X server refused it: BadWindow \\(invalid Window parameter\\) in X request "
      "8\\.0\n");
}

// SDL 2 takes "OffScreen" for its offscreen driver; SDL 3 and SDL 2's dummy
// driver take only the name as written, so the process above cannot show it.
TEST(DriverAdmission, AnInvisibleDriverIsAdmittedOnlyWhenNamedInAnyLetterCase) {
  struct Row {
    const char* driver;
    const char* asked;
    bool admitted;
  };
  for (const Row& row : {
           Row{"offscreen", "offscreen", true},
           Row{"offscreen", "OffScreen", true},
           Row{"dummy", "DUMMY", true},
           Row{"offscreen", nullptr, false},
           Row{"offscreen", "x11", false},
           Row{"dummy", "offscreen", false},
           Row{"x11", nullptr, true},
           Row{"wayland", "x11", true},
       }) {
    EXPECT_EQ(CSDLSystem::admitsDriver(row.driver, row.asked), row.admitted)
        << row.driver << " asked as " << (row.asked != nullptr ? row.asked : "(unset)");
  }
}

// The game makes no sound, but start-up has always brought audio up with
// video, and fails where SDL cannot.
TEST_F(StartupTest, AudioComesUpWithVideoAndStartUpFailsWhereItCannot) {
  EXPECT_EXIT(
      {
        const CSDLSystem libraries;
        std::_Exit(SDL_WasInit(SDL_INIT_AUDIO) != 0 ? 0 : 4);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(
      {
        setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        startUp(false);
      },
      ::testing::ExitedWithCode(3), "(^|\n)SDL_Init: [^\n ]");
}

TEST_F(StartupTest, WithADisplayTheWindowOpens) { EXPECT_EXIT(startUp(), ::testing::ExitedWithCode(0), ""); }
