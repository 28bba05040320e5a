#include "synth/oscillators.h"

#include <cmath>
#include <numbers>

namespace dwaalbos::synth {

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
}

Signal sine(double seconds, const Curve& frequency) {
  return harmonics(seconds, frequency, 1, [](int) { return 1.0; });
}

Signal harmonics(double seconds, const Curve& frequency, int count,
                 const std::function<double(int)>& amplitude) {
  Signal out = silence(seconds);
  std::vector<double> weights(static_cast<std::size_t>(count));
  for (int h = 1; h <= count; ++h) weights[h - 1] = amplitude(h);
  double phase = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double f = frequency(static_cast<double>(i) / kRate);
    double value = 0.0;
    for (int h = 1; h <= count && f * h < 0.45 * kRate; ++h)
      value += weights[h - 1] * std::sin(h * phase);
    out[i] = value;
    phase = std::fmod(phase + kTwoPi * f / kRate, kTwoPi);
  }
  return out;
}

Signal struck(double seconds, double fundamental, const std::vector<Partial>& partials) {
  Signal out = silence(seconds);
  for (const Partial& p : partials) {
    const double f = fundamental * p.ratio;
    if (f >= 0.45 * kRate) continue;
    for (std::size_t i = 0; i < out.size(); ++i) {
      const double t = static_cast<double>(i) / kRate;
      out[i] += p.amplitude * std::exp(-t / p.decaySeconds) * std::sin(kTwoPi * f * t);
    }
  }
  return out;
}

}  // namespace dwaalbos::synth
