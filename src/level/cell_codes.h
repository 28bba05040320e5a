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

// The four ways, numbered as the game reports them; None before the player's first key.
enum class Direction : std::uint8_t { None = 0, Up = 1, Left = 2, Down = 3, Right = 4 };

namespace dir {
constexpr int dx(Direction d) { return d == Direction::Left ? -1 : d == Direction::Right ? 1 : 0; }
constexpr int dy(Direction d) { return d == Direction::Up ? -1 : d == Direction::Down ? 1 : 0; }

// Direction of a plain arrow code; None for anything else (the four-way arrow keeps its
// direction).
constexpr Direction ofArrow(int code) {
  switch (code) {
    case cell::kArrowLeft: return Direction::Left;
    case cell::kArrowUp: return Direction::Up;
    case cell::kArrowDown: return Direction::Down;
    case cell::kArrowRight: return Direction::Right;
    default: return Direction::None;
  }
}
}  // namespace dir

inline constexpr int kCellPixels = 40;
inline constexpr int kBoardPixels = 480;

}  // namespace dwaalbos
