// Cost of one pass of the main loop without its sleep, in milliseconds, in
// the real window (run it under Xvfb from the folder with the data files).
// The floor is a pass that only clears and flips the same window.
#include <GL/gl.h>

#include <cstdio>
#include <exception>
#include <vector>

#include "bench/Stats.h"
#include "game/Game.h"
#include "tests/BoardBuilder.h"
#include "tests/OneTexturePerGlyph.h"

// SDL 1.2 renames main on Windows; this program needs none of SDLmain.
#undef main

namespace {

constexpr int REPETITIONS = 61;
constexpr int PASSES = 10;  // per repetition

}  // namespace

int main() {
  try {
    CGame game;
    game.start();
    CWindow& window = game.gameWindow();
    auto floorPass = [&] {
      window.clear(CLEAR_COLOUR);
      window.flip();
    };
    // Warm the driver up before anything is timed.
    for (int i = 0; i < 20; ++i) {
      game.pass();
    }

    // A desktop at 200 % (Xft.dpi 192, as scripts/bench sets for its second
    // run) gives a window of 768 x 768 device pixels.
    std::printf("One pass without the sleep, ms; window %d x %d device pixels; OpenGL: %s\n\n", 384 * window.scale(),
                384 * window.scale(), reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    printHeader("ms");

    // Positions laid out by hand on a fresh round's board.
    const CSnakeBoard fresh = game.boardState();
    auto position = [&](const auto& lay) {
      CSnakeBoard board = fresh;
      CBoardBuilder builder(board);
      lay(builder);
      game.setBoardState(board);
    };

    // The ordinary case: three segments, the score and nothing else.
    position([](CBoardBuilder& b) { b.paused(false).helpShown(false).dead(false).food(CPoint(0, 20)); });
    auto gamePass = [&] { game.pass(); };
    const auto [ordinary, ordinaryFloor] = CStats::measurePair(REPETITIONS, PASSES, 1e3, floorPass, gamePass);
    printRow("ordinary: 3 segments, score", ordinary, ordinaryFloor);

    // The two halves of the worst case on their own.
    position([](CBoardBuilder& b) { b.snake(serpentine()).paused(true); });
    const auto [snakeOnly, snakeFloor] = CStats::measurePair(REPETITIONS, PASSES, 1e3, floorPass, gamePass);
    printRow("part: 576 segments, pause notice, score", snakeOnly, snakeFloor);
    position([](CBoardBuilder& b) { b.dead(true).paused(true).helpShown(true); });
    const auto [textOnly, textFloor] = CStats::measurePair(REPETITIONS, PASSES, 1e3, floorPass, gamePass);
    printRow("part: 3 segments, help, notices, score", textOnly, textFloor);

    // The worst the game can show: the whole board covered, help, both
    // notices and a four-digit score.
    position([](CBoardBuilder& b) { b.snake(serpentine()).dead(true).paused(true).helpShown(true); });
    const auto [worst, worstFloor] = CStats::measurePair(REPETITIONS, PASSES, 1e3, floorPass, gamePass);
    printRow("worst: 576 segments, help, notices, score 2865", worst, worstFloor);

    // The status layer alone over the same clear and flip, with the text
    // drawn as it was (a texture, a bind and a quad per character) and as it
    // is (one texture, one run of quads a text).
    const COneTexturePerGlyph perGlyph("verdana.ttf", 12);
    const CFont batched(&window, "verdana.ttf", 12);
    auto statusLayer = [&](const auto& font) {
      return [&] {
        window.clear(CLEAR_COLOUR);
        font.draw(DEATH_NOTICE_AT.x, DEATH_NOTICE_AT.y, DEATH_NOTICE);
        font.draw(PAUSE_NOTICE_AT.x, PAUSE_NOTICE_AT.y, PAUSE_NOTICE);
        font.draw(SCORE_AT.x, SCORE_AT.y, "Score: 2865");
        window.fillRect(HELP_BOX[0], HELP_BOX[1], HELP_BOX[2], HELP_BOX[3], HELP_BOX_COLOUR);
        font.draw(HELP_TEXT_AT.x, HELP_TEXT_AT.y, HELP_TEXT);
        window.flip();
      };
    };
    const auto [before, beforeFloor] = CStats::measurePair(REPETITIONS, PASSES, 1e3, floorPass, statusLayer(perGlyph));
    printRow("texts alone, a texture per glyph (before)", before, beforeFloor);
    const auto [after, afterFloor] = CStats::measurePair(REPETITIONS, PASSES, 1e3, floorPass, statusLayer(batched));
    printRow("texts alone, one texture (now)", after, afterFloor);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "frame_bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
