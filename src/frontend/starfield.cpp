#include "starfield.h"

#include <cmath>

namespace dwaalbos {

namespace {

// A dot past one edge continues on the opposite edge; exactly on an edge it stays.
float wrap(float value, int size) {
  if (value > static_cast<float>(size)) return 0;
  if (value < 0) return static_cast<float>(size);
  return value;
}

}  // namespace

int nearestPixel(float value) { return static_cast<int>(std::nearbyint(value)); }

void Starfield::scatter(std::mt19937& random) {
  std::uniform_real_distribution<float> unit(0.0F, 1.0F);
  sterren_.assign(kCount, Ster{});
  for (auto& ster : sterren_) {
    ster.X = unit(random) * static_cast<float>(width_);
    ster.Y = unit(random) * static_cast<float>(height_);
    ster.Grijs = static_cast<std::uint8_t>(nearestPixel(unit(random) * 255));
    ster.Snelheid = static_cast<std::uint8_t>(nearestPixel(unit(random) * 15 + 1));
  }
}

void Starfield::drift(float hoek, const PixelPainter& paint) {
  const float dx = std::cos(hoek);
  const float dy = std::sin(hoek);
  for (auto& ster : sterren_) {
    paint(nearestPixel(ster.X), nearestPixel(ster.Y), 0);
    ster.X = wrap(ster.X + ster.Snelheid * dx, width_);
    ster.Y = wrap(ster.Y + ster.Snelheid * dy, height_);
    paint(nearestPixel(ster.X), nearestPixel(ster.Y), ster.Grijs);
  }
}

}  // namespace dwaalbos
