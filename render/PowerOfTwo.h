#pragma once

// The smallest power of two that is at least n, never less than 2: OpenGL 1.1
// wants texture sides that are powers of two. Defined for n up to 2^30.
int nextPowerOfTwo(int n);
