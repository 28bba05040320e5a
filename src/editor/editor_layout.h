#pragma once

#include "level/cell_codes.h"

namespace dwaalbos::editor_layout {

// The panel keeps a margin from the board and from the window's right edge; the legend is a
// grid of four pictures a row, each with its key name centred under it.
inline constexpr int kPanelX = 490;
inline constexpr int kLegendStep = 42;
// The client area at 100 %: the widest of the game's windows.
inline constexpr int kClientWidth = kPanelX + 3 * kLegendStep + kCellPixels + 10;
inline constexpr int kClientHeight = 480;

}  // namespace dwaalbos::editor_layout
