// Steps and passes a second of the game's own loop over 10 s, on any system
// the game runs on (under Wine too): pace_bench. Run in the folder with the
// game's data files.
#include <cstdio>
#include <exception>

#include "bench/Pace.h"

// SDL 1.2 renames main on Windows; this program needs none of SDLmain.
#undef main

int main() {
  try {
    const CPace pace = CPace::measure(10);
    std::printf("Pace over %.1f s: %.2f steps per second (ideal 10), %.2f passes per second\n", pace.seconds,
                pace.stepsPerSecond(), pace.passesPerSecond());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "pace_bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
