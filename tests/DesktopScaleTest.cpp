#include <gtest/gtest.h>

#include "platform/DesktopScale.h"

TEST(DesktopScale, XftDpiGivesTheWholeFactorRoundedDown) {
  const struct {
    const char* dpi;
    int factor;
  } cases[] = {
      {"96", 1}, {"192", 2}, {"288", 3},  {"144", 1}, {"120", 1}, {"191.9", 1}, {"192.0", 2},
      {"72", 1}, {"0", 1},   {"-192", 1}, {"", 1},    {"big", 1}, {"1e9", 64},  {"nan", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CDesktopScale::factorOfDpi(c.dpi), c.factor) << "Xft.dpi: " << c.dpi;
  }
}

TEST(DesktopScale, AWaylandOutputsFactorIsItsDeviceSizeOverItsUnitsRoundedDownAndWholeOnlyWhereExact) {
  const struct {
    int width, height, logicalWidth, logicalHeight, wholeScale, factor;
    bool whole;
  } cases[] = {
      {3840, 2160, 1920, 1080, 2, 2, true},  {2880, 1800, 1920, 1200, 2, 1, false},  // 200 %, 150 % announced as 2
      {2560, 1600, 2048, 1280, 2, 1, false}, {3840, 2160, 1280, 720, 3, 3, true},    // 125 %, 300 %
      {2160, 3840, 1080, 1920, 2, 2, true},  {1920, 1080, 1920, 1080, 1, 1, true},   // turned, 100 %
      {3200, 1800, 1280, 720, 3, 2, false},                                          // 250 %
      {3840, 2160, 0, 0, 2, 2, true},        {0, 0, 0, 0, 0, 1, true},               // no xdg-output: the whole scale
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CDesktopScale::factorOfOutput(c.width, c.height, c.logicalWidth, c.logicalHeight, c.wholeScale), c.factor)
        << c.width << " x " << c.height << " shown as " << c.logicalWidth << " x " << c.logicalHeight;
    EXPECT_EQ(CDesktopScale::outputScaleIsWhole(c.width, c.height, c.logicalWidth, c.logicalHeight), c.whole)
        << c.width << " x " << c.height << " shown as " << c.logicalWidth << " x " << c.logicalHeight;
  }
}

TEST(DesktopScale, TheWindowTakesTheLargestMultipleUpToTheFactorThatFitsTheScreen) {
  const struct {
    int factor, screenWidth, screenHeight, multiple;
  } cases[] = {
      {1, 1920, 1080, 1}, {2, 3840, 2160, 2}, {3, 3840, 2160, 3},
      {3, 1024, 768, 2},  {2, 640, 480, 1},   {2, 1024, 700, 1},   // too small for 768 x 768
      {2, 768, 768, 2},   {2, 0, 0, 2},       {0, 1920, 1080, 1},  // an unknown screen does not hold it back
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CDesktopScale(c.factor, c.screenWidth, c.screenHeight).multipleFor(384), c.multiple)
        << "factor " << c.factor << " on " << c.screenWidth << " x " << c.screenHeight;
  }
}
