#pragma once

#include <cstdint>

// One cell of the board: column x grows to the right, row y grows downwards.
struct CPoint {
  CPoint(std::int32_t column, std::int32_t row) : x(column), y(row) {}

  std::int32_t x;
  std::int32_t y;
};

// Cells have no ordering on purpose: nothing in the game sorts them.
inline bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
inline bool operator!=(const CPoint& a, const CPoint& b) { return !(a == b); }
