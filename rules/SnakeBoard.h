#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

#include "rules/Direction.h"
#include "rules/Point.h"

// Cells per side of the board; the board wraps around at every edge.
constexpr std::int32_t GRID_SIZE = 24;
// Cells on the whole board.
constexpr std::int32_t CELL_COUNT = GRID_SIZE * GRID_SIZE;
// Seed of the C library's generator: every run of the program deals the same
// food (docs/compatibility.md, "The fixed seed").
constexpr unsigned RANDOM_SEED = 1337;
// Where every round starts, with all three segments stacked on it.
const CPoint START_CELL{5, 5};
// Segments of a fresh snake; only segments beyond these score.
constexpr std::int32_t START_LENGTH = 3;
// Points per food eaten.
constexpr std::uint32_t POINTS_PER_FOOD = 5;

// The cell next to `cell` in direction d, wrapping around the board's edges.
CPoint neighbour(const CPoint& cell, Direction d);

// The board and its rules: snake, food, steering, one tick of movement, rounds
// and score. Knows nothing of windows or input so it can be tested on its own.
class CSnakeBoard {
public:
  CSnakeBoard();

  // True while the round advances: not dead, not paused, no help shown.
  bool isActive() const;
  // Steering: takes a right-angle turn or the current direction, refuses a reversal.
  void setDirection(Direction d);
  // The pause and help keys flip their flags in any state.
  void togglePause();
  void toggleHelp();
  // Space: a new round, but only once the current one is over.
  void playAgain();
  // One tick: move, eat and grow, detect self-collision.
  void step();
  // The first round of a game: no pause, no help, then reset().
  void newGame();
  // Starts a new round; keeps the direction and the pause and help flags.
  void reset();
  // Puts the food on a random free cell using the C library's rand().
  void placeFood();
  // Appends a copy of the last segment; the tail then holds still for one step.
  void grow();
  // Five points per segment beyond the first three.
  std::uint32_t score() const;
  // True when the segments cover every cell, so no food can be placed.
  bool boardFull() const;

  bool isDead() const { return dead; }
  bool isPaused() const { return paused; }
  bool isHelpShown() const { return helpShown; }
  // Head first.
  const std::vector<CPoint>& snake() const { return segments; }
  const CPoint& foodCell() const { return food; }
  Direction currentDirection() const { return direction; }
  Direction nextDirection() const { return pendingDirection; }

private:
  // Tests and benchmarks lay out positions through it; nothing else writes the state.
  friend class CBoardBuilder;

  bool onSnake(const CPoint& cell) const;
  // The cells the segments cover, one bit a cell, row by row.
  std::bitset<CELL_COUNT> coveredCells() const;
  void drawFoodCell();

  bool dead = false;
  bool paused = false;
  bool helpShown = false;
  std::vector<CPoint> segments;  // head first
  CPoint food{0, 0};
  Direction direction;
  Direction pendingDirection;
};
