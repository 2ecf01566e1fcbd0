#pragma once

#include "rules/Point.h"

// Where the food lands in the first two rounds after srand(1337): the numbers
// are the C library's rand(), in the browser musl's (x = x * 6364136223846793005
// + 1 in 64 bits, the top 31 bits), so they differ from Linux after the same keys.
inline const CPoint FIRST_FOODS[] = {CPoint(3, 2), CPoint(7, 21)};
