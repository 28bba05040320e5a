#pragma once

#include <array>
#include <optional>
#include <string>

#include "byte_io.h"

namespace dwaalbos {

// How large the windows are drawn, in percent of their own size. Steps only: the pictures
// and the board's 40-pixel squares stay whole at each of them.
inline constexpr std::array<int, 5> kZoomSteps{75, 100, 150, 200, 300};
inline constexpr int kDefaultZoom = 100;

bool isZoomStep(int percent);
// The step above or below `percent`, or `percent` itself at the end of the row.
int largerZoomStep(int percent);
int smallerZoomStep(int percent);

// A width and height in device-independent pixels.
struct Area {
  int width = 0;
  int height = 0;
};

// The largest step not above `ceiling` at which a window of `window` (its size at 100 %)
// fits `available`; the smallest step when none fits.
int largestFittingZoom(Area window, Area available, int ceiling = kZoomSteps.back());

// The scale in percent at which a layout of `content` (its size at 100 %) is shown in `space`
// that the window manager gave it: the largest that fits, in steps of a pixel of a board's
// 40-pixel square (2.5 %), so that every square stays whole pixels. At least one such step.
double fittingScale(Area content, Area space);

// The zoom file `Zoom.dat` among the player's files: the four letters "DWZM" and the chosen
// step as a little-endian unsigned 16-bit percentage, six bytes in all. Nothing is chosen
// while the file is absent; a file of another size, start or step is damaged and reads as
// nothing chosen as well.
std::optional<int> readZoom(const std::string& path);
WriteResult writeZoom(const std::string& path, int percent);

}  // namespace dwaalbos
