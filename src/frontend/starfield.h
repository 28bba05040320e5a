#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace dwaalbos {

// One drifting dot of the main menu's background.
struct Ster {
  float X = 0;                // pixels from the left
  float Y = 0;                // pixels from the top
  std::uint8_t Grijs = 0;     // grey level
  std::uint8_t Snelheid = 1;  // pixels moved per frame, 1..16
};

// The menu's field of 500 dots drifting together in one slowly wandering direction, wrapping
// around the edges of the drawing area.
class Starfield {
 public:
  static constexpr int kCount = 500;

  // Paints one pixel: x, y in whole pixels, grey level (0 is black).
  using PixelPainter = std::function<void(int x, int y, int grey)>;

  Starfield(int width, int height) : width_(width), height_(height) {}

  // Scatters all dots afresh: random place, grey and speed.
  void scatter(std::mt19937& random);

  // One frame: every dot is painted black where it was, moved by its speed in the direction
  // `hoek` (radians), wrapped around the edges and painted in its grey at its new place.
  void drift(float hoek, const PixelPainter& paint);

  const std::vector<Ster>& sterren() const { return sterren_; }
  std::vector<Ster>& sterren() { return sterren_; }

 private:
  int width_;
  int height_;
  std::vector<Ster> sterren_;
};

// Whole pixels as the window system takes them: to the nearest, halves to even.
int nearestPixel(float value);

}  // namespace dwaalbos
