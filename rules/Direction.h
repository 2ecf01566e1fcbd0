#pragma once

#include <cstdint>

// A movement code. The values are chosen so the move can be computed: odd codes
// move along x and even codes along y; codes below 3 step by -1, the others by +1.
// Opposite directions therefore share a parity and perpendicular ones do not.
enum Direction : std::int32_t {
  DIR_LEFT = 1,
  DIR_UP = 2,
  DIR_RIGHT = 3,
  DIR_DOWN = 4,
};

// The direction straight back: the other code of the same parity.
constexpr Direction opposite(Direction d) { return static_cast<Direction>(d < 3 ? d + 2 : d - 2); }
