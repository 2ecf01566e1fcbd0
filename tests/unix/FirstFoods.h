#pragma once

#include "rules/Point.h"

// Where the food lands in the first two rounds after srand(1337): the numbers
// are the C library's rand(), here glibc's.
inline const CPoint FIRST_FOODS[] = {CPoint(17, 6), CPoint(7, 3)};
