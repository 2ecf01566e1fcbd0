#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>

#include "rules/SnakeBoard.h"

namespace {

// Plays random rounds and checks the board after every press and step against
// a model of its own: how many copies of the tail are stacked on one cell
// (two after a reset, one more for each growth, one fewer per step).
class RandomPlay {
public:
  explicit RandomPlay(unsigned seed) : rng(seed) {
    std::srand(seed);
    board.reset();
  }

  void play(long steps) {
    for (long n = 0; n < steps && !::testing::Test::HasFatalFailure(); ++n) {
      if (board.isDead()) {
        // Sometimes let a dead round sit for a while: nothing may change.
        if (chance(30)) {
          checkDeadRoundStill();
        }
        board.reset();
        stacked = 2;
        checkBoard();
      }
      if (chance(3)) {
        board.togglePause();
      }
      // Mostly chase the food so that snakes grow long; sometimes press at random.
      const int presses = chance(25) ? 1 + static_cast<int>(rng() % 2) : 0;
      for (int p = 0; p < presses; ++p) {
        const Direction before = board.currentDirection();
        board.setDirection(static_cast<Direction>(1 + rng() % 4));
        ASSERT_NE(board.nextDirection(), opposite(before));
      }
      if (presses == 0 && chance(90)) {
        board.setDirection(towardsFood());
      }
      if (!board.isActive()) {
        continue;
      }
      const std::size_t length = board.snake().size();
      board.step();
      ++stepsTaken;
      ASSERT_EQ(board.currentDirection(), board.nextDirection());
      if (stacked > 0) {
        --stacked;
      }
      if (board.snake().size() == length + 1) {
        ++stacked;
      } else {
        ASSERT_EQ(board.snake().size(), length);
      }
      if (board.snake().size() > longest) {
        longest = board.snake().size();
      }
      checkBoard();
    }
  }

  long stepsTaken = 0;
  std::size_t longest = 0;

private:
  static int wrappedDistance(int a, int b) {
    const int d = std::abs(a - b);
    return std::min(d, GRID_SIZE - d);
  }

  // A greedy player: the turn that brings the head closest to the food
  // without running into the body, if there is one.
  Direction towardsFood() {
    Direction best = board.currentDirection();
    int bestScore = 1 << 20;
    for (int code = 1; code <= 4; ++code) {
      const auto d = static_cast<Direction>(code);
      if (d == opposite(board.currentDirection())) {
        continue;
      }
      const CPoint next = neighbour(board.snake().front(), d);
      const auto& s = board.snake();
      const bool blocked = std::find(s.begin(), s.end() - 1, next) != s.end() - 1;
      const int score = (blocked ? 1000 : 0) + wrappedDistance(next.x, board.foodCell().x) +
                        wrappedDistance(next.y, board.foodCell().y) + static_cast<int>(rng() % 2);
      if (score < bestScore) {
        bestScore = score;
        best = d;
      }
    }
    return best;
  }

  bool chance(unsigned percent) { return rng() % 100 < percent; }

  void checkBoard() {
    const auto& s = board.snake();
    ASSERT_GE(s.size(), 3u);
    ASSERT_EQ(board.score(), 5u * (s.size() - 3));
    for (const CPoint& c : s) {
      ASSERT_TRUE(c.x >= 0 && c.x < GRID_SIZE && c.y >= 0 && c.y < GRID_SIZE);
    }
    ASSERT_TRUE(board.foodCell().x >= 0 && board.foodCell().x < GRID_SIZE && board.foodCell().y >= 0 &&
                board.foodCell().y < GRID_SIZE);

    // The stacked tail: the last stacked + 1 segments share one cell.
    const std::size_t stackStart = s.size() - 1 - static_cast<std::size_t>(stacked);
    for (std::size_t i = stackStart; i < s.size(); ++i) {
      ASSERT_EQ(s[i], s[stackStart]) << "segment " << i << " of " << s.size();
    }
    // Apart from that stack, every cell is covered once; only a fatal step
    // may leave the head on a body cell.
    std::array<int, CELL_COUNT> cover{};
    for (std::size_t i = 1; i <= stackStart; ++i) {
      ASSERT_EQ(++cover[s[i].y * GRID_SIZE + s[i].x], 1) << "segment " << i << " shares a cell";
    }
    const bool headOnBody = cover[s[0].y * GRID_SIZE + s[0].x] > 0;
    ASSERT_EQ(headOnBody, board.isDead());
    ASSERT_EQ(cover[board.foodCell().y * GRID_SIZE + board.foodCell().x], 0) << "food on the snake";
    ASSERT_NE(board.foodCell(), s[0]) << "food under the head";
  }

  // Every key but Space on a dead round: no turn is taken, the round stays
  // over, and pause and help only flip their flags.
  void checkDeadRoundStill() {
    const auto before = board.snake();
    const CPoint food = board.foodCell();
    const Direction next = board.nextDirection();
    const bool paused = board.isPaused();
    for (int i = 0; i < 4; ++i) {
      board.setDirection(static_cast<Direction>(1 + rng() % 4));
      board.togglePause();
      board.toggleHelp();
      ASSERT_TRUE(board.isDead());
      ASSERT_FALSE(board.isActive());
      ASSERT_EQ(board.nextDirection(), next) << "a dead round took a turn";
      ASSERT_EQ(board.isPaused(), (i % 2 == 0) ? !paused : paused);
    }
    ASSERT_EQ(board.snake(), before);
    ASSERT_EQ(board.foodCell(), food);
  }

  std::mt19937 rng;
  CSnakeBoard board;
  int stacked = 2;
};

}  // namespace

TEST(RandomPlay, InvariantsHoldAfterEveryPressAndStep) {
  long total = 0;
  std::size_t longest = 0;
  for (unsigned seed : {1u, 2u, 1337u, 90210u}) {
    RandomPlay play(seed);
    play.play(1000000);
    ASSERT_FALSE(HasFatalFailure()) << "seed " << seed;
    total += play.stepsTaken;
    longest = std::max(longest, play.longest);
  }
  // About half the presses are steps, whichever C library's rand() places the food.
  EXPECT_GT(total, 1900000);
  EXPECT_GT(longest, 30u) << "the rounds never grew a long snake";
}
