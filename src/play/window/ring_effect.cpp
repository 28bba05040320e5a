#include "ring_effect.h"

#include <cmath>

namespace dwaalbos {
namespace {

constexpr double kFullCircle = 6.28318529;
constexpr double kAngleStep = 3.141592645 / 360;
constexpr int kLastRadius = 56;
constexpr int kRadiusStep = 2;

// Whole pixels are rounded to the nearest, halves to the even neighbour.
int nearest(double value) { return static_cast<int>(std::nearbyint(value)); }

void addCircle(std::vector<RingBlock>& step, double cx, double cy, double radius, int size) {
  for (double a = 0; a <= kFullCircle; a += kAngleStep)
    step.push_back({nearest(cx + radius * std::cos(a)), nearest(cy + radius * std::sin(a)), size});
}

}  // namespace

std::vector<std::vector<RingBlock>> ringSteps(int width, int height) {
  const double cx = width / 2.0;
  const double cy = height / 2.0;
  const double r0 = std::sqrt(double(width) * width + double(height) * height) / 4;
  std::vector<std::vector<RingBlock>> steps;
  for (int r = nearest(r0); r >= kLastRadius; r -= kRadiusStep) {
    auto& step = steps.emplace_back();
    addCircle(step, cx, cy, r0 - r, 3);
    addCircle(step, cx, cy, 2.0 * r, 6);
  }
  return steps;
}

}  // namespace dwaalbos
