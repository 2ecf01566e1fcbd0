#pragma once

#include <initializer_list>
#include <vector>

#include "game/SnakeBoard.h"

// Lays out a board by hand so a test can start from any position.
inline CSnakeBoard makeBoard(std::initializer_list<CPoint> snake, Direction moving, CPoint food) {
  CSnakeBoard board;
  board.segments.assign(snake.begin(), snake.end());
  board.direction = moving;
  board.pendingDirection = moving;
  board.food = food;
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
