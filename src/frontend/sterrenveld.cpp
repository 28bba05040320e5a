#include "sterrenveld.h"

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

int heelPixel(float value) { return static_cast<int>(std::nearbyint(value)); }

void Sterrenveld::vul(std::mt19937& random) {
  std::uniform_real_distribution<float> unit(0.0F, 1.0F);
  sterren_.assign(kAantal, Ster{});
  for (auto& ster : sterren_) {
    ster.X = unit(random) * static_cast<float>(width_);
    ster.Y = unit(random) * static_cast<float>(height_);
    ster.Grijs = static_cast<std::uint8_t>(heelPixel(unit(random) * 255));
    ster.Snelheid = static_cast<std::uint8_t>(heelPixel(unit(random) * 15 + 1));
  }
}

void Sterrenveld::beweeg(float hoek, const PixelPainter& paint) {
  const float dx = std::cos(hoek);
  const float dy = std::sin(hoek);
  for (auto& ster : sterren_) {
    paint(heelPixel(ster.X), heelPixel(ster.Y), 0);
    ster.X = wrap(ster.X + ster.Snelheid * dx, width_);
    ster.Y = wrap(ster.Y + ster.Snelheid * dy, height_);
    paint(heelPixel(ster.X), heelPixel(ster.Y), ster.Grijs);
  }
}

}  // namespace dwaalbos
