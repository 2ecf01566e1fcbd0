#include <gtest/gtest.h>

#include <csignal>

#include "platform/PlaySignals.h"
#include "platform/StartupSignals.h"

// A start-up stuck in a call that never returns must still end on SIGINT or
// SIGTERM, with the failure status; once it is over, the handlers in force
// before (SDL's, in the game) take over again.
TEST(StartupSignals, EndTheProcessWithStatusOneUntilStartUpIsOver) {
  for (int sig : {SIGINT, SIGTERM}) {
    EXPECT_EXIT(
        {
          CStartupSignals starting;
          std::raise(sig);
        },
        ::testing::ExitedWithCode(1), "^Morvex: stopped while starting\n$")
        << "signal " << sig;
    EXPECT_EXIT(
        {
          CStartupSignals starting;
          starting.end();
          std::raise(sig);
        },
        ::testing::KilledBySignal(sig), "")
        << "signal " << sig;
  }
}

// While playing, the signals ask the loop to stop, whatever the handlers
// before were (ignored, as for a program started in the background, or the
// default), and those come back afterwards.
TEST(PlaySignals, AskTheGameToStopAndLeaveTheHandlersBeforeInForceAfterwards) {
  for (int sig : {SIGINT, SIGTERM}) {
    for (auto before : {SIG_IGN, SIG_DFL}) {
      std::signal(sig, before);
      {
        const CPlaySignals playing;
        EXPECT_FALSE(playing.stopRequested());
        std::raise(sig);
        EXPECT_TRUE(playing.stopRequested()) << "signal " << sig;
      }
      EXPECT_EQ(std::signal(sig, SIG_DFL), before) << "signal " << sig;
    }
  }
}
