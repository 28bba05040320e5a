#pragma once

namespace dwaalbos::geometry {

// The play window was laid out in twips, 15 to the pixel, as outer sizes of a window with a
// fixed single border. Qt sizes the client area and the window manager adds its own frame, so
// the client area is the outer size less that border (3 pixels each side) and, in height, its
// 19-pixel title bar.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kBorder = 2 * 3;
inline constexpr int kTitleBar = 19;

constexpr int clientWidth(int twips) { return twips / kTwipsPerPixel - kBorder; }
constexpr int clientHeight(int twips) { return twips / kTwipsPerPixel - kBorder - kTitleBar; }

inline constexpr int kWidePlay = clientWidth(9870);     // board and panel: 652
inline constexpr int kNarrowPlay = clientWidth(7350);   // the board alone: 484
inline constexpr int kTestHeight = clientHeight(7755);  // test play, no menu bar: 492

// Below the menu bar: the panel's background picture is the tallest thing in the window.
inline constexpr int kPanelX = 484;
inline constexpr int kPanelWidth = 167;
inline constexpr int kPanelHeight = 489;

inline constexpr int kBoard = 480;

}  // namespace dwaalbos::geometry
