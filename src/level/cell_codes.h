#pragma once

#include <cstdint>

namespace dwaalbos {

// What a board cell holds. The numbers are stored in level files, so they never change.
namespace cell {
inline constexpr std::int16_t kEmpty = 0;
inline constexpr std::int16_t kWall = 1;
inline constexpr std::int16_t kSwitch = 2;
inline constexpr std::int16_t kBlueGate = 3;
inline constexpr std::int16_t kRedGate = 4;
inline constexpr std::int16_t kStart = 5;
inline constexpr std::int16_t kEnd = 6;
inline constexpr std::int16_t kKey = 7;
inline constexpr std::int16_t kKeyBlock = 8;
inline constexpr std::int16_t kPushBlock = 9;
inline constexpr std::int16_t kUnused = 10;  // the enemy: drawn by the editor only
inline constexpr std::int16_t kArrowLeft = 11;
inline constexpr std::int16_t kArrowUp = 12;
inline constexpr std::int16_t kArrowDown = 13;
inline constexpr std::int16_t kArrowRight = 14;
inline constexpr std::int16_t kFourWay = 15;

constexpr bool isArrow(int code) { return code >= kArrowLeft && code <= kFourWay; }
}  // namespace cell

// Directions as stored and passed around by the game: 1 up, 2 left, 3 down, 4 right.
namespace dir {
inline constexpr int kUp = 1;
inline constexpr int kLeft = 2;
inline constexpr int kDown = 3;
inline constexpr int kRight = 4;

constexpr int dx(int d) { return d == kLeft ? -1 : d == kRight ? 1 : 0; }
constexpr int dy(int d) { return d == kUp ? -1 : d == kDown ? 1 : 0; }

// Source row of the player's sheet for a facing (`Kant`).
constexpr int facingRow(int d) { return d == kUp ? 0 : d == kLeft ? 120 : d == kDown ? 80 : 40; }

// Direction of a plain arrow code; 0 for anything else (the four-way arrow keeps its direction).
constexpr int ofArrow(int code) {
  switch (code) {
    case cell::kArrowLeft: return kLeft;
    case cell::kArrowUp: return kUp;
    case cell::kArrowDown: return kDown;
    case cell::kArrowRight: return kRight;
    default: return 0;
  }
}
}  // namespace dir

inline constexpr int kCellPixels = 40;
inline constexpr int kBoardPixels = 480;

}  // namespace dwaalbos
