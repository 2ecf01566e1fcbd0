#pragma once

#include <initializer_list>
#include <vector>

#include "rules/SnakeBoard.h"

// Lays out a board's state by hand, so a test or a benchmark can start from
// any position, legal or not; the rules themselves never offer that.
class CBoardBuilder {
public:
  explicit CBoardBuilder(CSnakeBoard& laidOut) : board(laidOut) {}

  CBoardBuilder& snake(std::vector<CPoint> cells) {
    board.segments = std::move(cells);
    return *this;
  }
  // Both the last step's direction and the next one's.
  CBoardBuilder& moving(Direction d) {
    board.direction = d;
    board.pendingDirection = d;
    return *this;
  }
  CBoardBuilder& food(CPoint cell) {
    board.food = cell;
    return *this;
  }
  CBoardBuilder& dead(bool on) {
    board.dead = on;
    return *this;
  }
  CBoardBuilder& paused(bool on) {
    board.paused = on;
    return *this;
  }
  CBoardBuilder& helpShown(bool on) {
    board.helpShown = on;
    return *this;
  }

private:
  CSnakeBoard& board;
};

inline CSnakeBoard makeBoard(std::initializer_list<CPoint> snake, Direction moving, CPoint food) {
  CSnakeBoard board;
  CBoardBuilder(board).snake(snake).moving(moving).food(food);
  return board;
}

// The board as one closed path: rows run alternately right and left, and the
// last row ends at (0, 23), which wraps down onto (0, 0). A snake laid along
// it covers the board and can follow it forever.
inline std::vector<CPoint> serpentine() {
  std::vector<CPoint> path;
  for (int y = 0; y < GRID_SIZE; ++y) {
    for (int i = 0; i < GRID_SIZE; ++i) {
      path.emplace_back(y % 2 == 0 ? i : GRID_SIZE - 1 - i, y);
    }
  }
  return path;
}
