#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/Entry.h"
#include "platform/Error.h"

namespace {

// Records what the player would see, in order, beside the destruction of the game.
struct Recorder {
  std::vector<std::string> events;
  std::function<void(const std::string&, const std::string&)> report() {
    return [this](const std::string& title, const std::string& text) { events.push_back(title + " | " + text); };
  }
};

struct Game {
  explicit Game(Recorder& r) : recorder(r) {}
  ~Game() { recorder.events.emplace_back("game destroyed"); }
  Recorder& recorder;
};

}  // namespace

TEST(Entry, ExitStatusAndMessageFollowWhatLeavesTheGame) {
  const struct {
    const char* what;
    std::function<void()> thrower;
    int status;
    std::vector<std::string> seen;
  } cases[] = {
      {"normal end", [] {}, 0, {"game destroyed"}},
      {"standard exception",
       [] { throw std::runtime_error("boom"); },
       1,
       {"game destroyed", "Exception caught | boom"}},
      {"the game's own error",
       [] { throw CError("TTF_OpenFont: bad font"); },
       1,
       {"game destroyed", "Exception caught | TTF_OpenFont: bad font"}},
      {"anything else", [] { throw 42; }, 1, {"game destroyed", "Exception caught | Unknown exception"}},
  };
  for (const auto& c : cases) {
    Recorder recorder;
    const int status = runAndReport(
        [&] {
          Game game(recorder);
          c.thrower();
        },
        recorder.report());
    EXPECT_EQ(status, c.status) << c.what;
    EXPECT_EQ(recorder.events, c.seen) << c.what;
  }
}

TEST(Entry, AFailedConstructionReportsWithoutDestroyingWhatNeverExisted) {
  Recorder recorder;
  struct Failing {
    Failing() { throw std::runtime_error("SDL_LoadBitmap: Couldn't open snake.bmp"); }
    ~Failing() { ADD_FAILURE() << "destructor of an object never built"; }
  };
  const int status = runAndReport([] { Failing game; }, recorder.report());
  EXPECT_EQ(status, 1);
  EXPECT_EQ(recorder.events, std::vector<std::string>{"Exception caught | SDL_LoadBitmap: Couldn't open snake.bmp"});
}
