#include "synth/envelopes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dwaalbos::synth {

Curve constant(double value) {
  return [value](double) { return value; };
}

Curve glide(double from, double to, double seconds) {
  return [=](double t) {
    const double x = std::clamp(t / seconds, 0.0, 1.0);
    return from * std::pow(to / from, x);
  };
}

Curve segments(std::vector<std::pair<double, double>> points) {
  return [points = std::move(points)](double t) {
    if (t <= points.front().first) return points.front().second;
    for (std::size_t i = 1; i < points.size(); ++i) {
      const auto [t1, v1] = points[i];
      if (t <= t1) {
        const auto [t0, v0] = points[i - 1];
        return v0 + (v1 - v0) * (t - t0) / (t1 - t0);
      }
    }
    return points.back().second;
  };
}

Curve decay(double tau) {
  return [tau](double t) { return std::exp(-t / tau); };
}

Curve rise(double attack) {
  return [attack](double t) {
    return t < attack ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack) : 1.0;
  };
}

Curve strike(double attack, double tau) {
  return [=](double t) {
    if (t < attack) return 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
    return std::exp(-(t - attack) / tau);
  };
}

}  // namespace dwaalbos::synth
