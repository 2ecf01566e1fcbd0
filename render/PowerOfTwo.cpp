#include "render/PowerOfTwo.h"

int nextPowerOfTwo(int n) {
  int value = 2;
  while (value < n) {
    value *= 2;
  }
  return value;
}
