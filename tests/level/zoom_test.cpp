// Zoom steps: the step that fits a screen, and the zoom file's round trip and damage.
#include "level/zoom.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_folder.h"

using namespace dwaalbos;

struct FitCase {
  Area window;
  Area available;
  int ceiling;
  int expected;
};

class ZoomFit : public testing::TestWithParam<FitCase> {};

TEST_P(ZoomFit, TakesTheLargestStepThatFits) {
  const FitCase& c = GetParam();
  EXPECT_EQ(largestFittingZoom(c.window, c.available, c.ceiling), c.expected);
}

// The play window is 652 x 512 at 100 %; a 1280 x 1024 screen at display scale 2 offers
// 640 x 512 less its panels.
INSTANTIATE_TEST_SUITE_P(
    Screens, ZoomFit,
    testing::Values(FitCase{{652, 512}, {1920, 1040}, 300, 200},
                    FitCase{{652, 512}, {1956, 1536}, 300, 300},  // exactly three times
                    FitCase{{652, 512}, {1955, 1536}, 300, 200},
                    FitCase{{652, 512}, {640, 486}, 300, 75},     // nothing fits: the smallest
                    FitCase{{652, 512}, {3840, 2100}, 150, 150},  // a remembered step
                    FitCase{{440, 300}, {640, 486}, 300, 100}));  // the menu

// A resized window: the steps land on the zoom steps, in between a square is a whole number of
// pixels, and a space short in either direction takes the scale down.
TEST(ZoomFit, AnySpaceTakesTheLargestScaleOfWholeSquares) {
  const Area play{652, 489};
  EXPECT_DOUBLE_EQ(fittingScale(play, {652, 489}), 100.0);
  EXPECT_DOUBLE_EQ(fittingScale(play, {1956, 1467}), 300.0);
  EXPECT_DOUBLE_EQ(fittingScale(play, {1955, 1467}), 297.5);  // 119 pixels a square
  EXPECT_DOUBLE_EQ(fittingScale(play, {5000, 733}), 147.5);   // height decides
  EXPECT_DOUBLE_EQ(fittingScale(play, {0, 0}), 2.5);          // never nothing
}

TEST(ZoomFile, KeepsTheChosenStepAndADamagedOneNone) {
  TempFolder folder;
  const std::string path = folder.path("Zoom.dat");
  EXPECT_EQ(readZoom(path), std::nullopt);
  for (int step : kZoomSteps) {
    ASSERT_TRUE(writeZoom(path, step));
    EXPECT_EQ(readZoom(path), step);
  }
  EXPECT_FALSE(writeZoom(path, 120));
  EXPECT_EQ(readZoom(path), 300);
  // A damaged file chooses nothing.
  for (const std::string& damage : {std::string(), std::string("DWZM\x96"),
                                    std::string("DWZM\x78\x00", 6), std::string("DWZX\x96\x00", 6),
                                    std::string("DWZM\x96\x00\x00", 7), std::string(100000, 'x')}) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << damage;
    EXPECT_EQ(readZoom(path), std::nullopt) << damage.size();
  }
  std::ofstream(path, std::ios::binary | std::ios::trunc) << std::string("DWZM\x96\x00", 6);
  EXPECT_EQ(readZoom(path), 150);
}
