#include <gtest/gtest.h>

#include <csignal>

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
