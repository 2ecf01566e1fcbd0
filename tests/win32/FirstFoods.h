#pragma once

#include "rules/Point.h"

// Where the food lands in the first two rounds after srand(1337): the numbers
// are the C library's rand(), here Microsoft's (x = x * 214013 + 2531011, bits
// 16 to 30), so they differ from Linux after the same keys.
inline const CPoint FIRST_FOODS[] = {CPoint(12, 10), CPoint(3, 15)};
