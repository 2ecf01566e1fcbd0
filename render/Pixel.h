#pragma once

// A position in window pixels: origin at the top-left corner, y growing downwards.
struct CPixel {
  int x;
  int y;
};
