#pragma once

#include <SDL.h>

#include <chrono>

#include "game/Game.h"

// The game's own loop, a pass and the frame's sleep, for `seconds` of wall
// time, a dead round started again at once: how many steps and passes a
// second the player gets on this machine and system.
struct CPace {
  double seconds = 0;
  long steps = 0;
  long passes = 0;

  static CPace measure(double seconds) {
    CGame game;
    game.start();
    CPace pace;
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&start] {
      return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    while (elapsed() < seconds) {
      if (game.boardState().isDead()) {
        CSnakeBoard again = game.boardState();
        again.reset();
        game.setBoardState(again);
      }
      pace.steps += game.boardState().isActive() ? 1 : 0;
      game.pass();
      SDL_Delay(FRAME_DELAY_MS);
      ++pace.passes;
    }
    pace.seconds = elapsed();
    return pace;
  }
  double stepsPerSecond() const { return static_cast<double>(steps) / seconds; }
  double passesPerSecond() const { return static_cast<double>(passes) / seconds; }
};
