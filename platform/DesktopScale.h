#pragma once

// How large the desktop draws every window, as it says so itself: a whole
// factor (1 at 100 %, 2 at 200 %, fractions rounded down) and the screen's
// size in device pixels, 0 where it could not be read. Read once SDL's video
// driver is up, from the display that driver talks to: X11's Xft.dpi
// resource, the Wayland output's scale, or Windows' dots an inch.
class CDesktopScale {
public:
  CDesktopScale() = default;
  CDesktopScale(int wholeFactor, int width, int height);

  // What the display SDL chose says; factor 1 and no screen size on a display
  // that says nothing, or that SDL does not draw on in device pixels. Where
  // SDL itself can enlarge the picture in whole squares (SDL 2 on Wayland),
  // it is asked to here, and the factor is 1. Call it before the video mode.
  static CDesktopScale ofDesktop();
  // The factor of an Xft.dpi value ("192", "144.5"): 96 dots an inch is 100 %.
  static int factorOfDpi(const char* dpi);
  // The same for a number of dots an inch, as Windows gives it.
  static int factorOfDotsPerInch(double dpi);
  // The factor of a Wayland output `width` x `height` device pixels large,
  // logicalWidth x logicalHeight in the desktop's units (0 where unknown),
  // whose whole scale is wholeScale.
  static int factorOfOutput(int width, int height, int logicalWidth, int logicalHeight, int wholeScale);
  // Whether that output's device pixels are exactly a whole multiple of its
  // units (100 %, 200 %, not 150 %); true where the units are unknown.
  static bool outputScaleIsWhole(int width, int height, int logicalWidth, int logicalHeight);

  // The largest whole multiple of a window `side` pixels square, up to the
  // factor, that fits the screen; at least 1.
  int multipleFor(int side) const;

private:
  int factor = 1;
  int screenWidth = 0;
  int screenHeight = 0;
};
