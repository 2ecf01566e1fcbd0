#pragma once

#include <initializer_list>

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
