#include "synth/filters.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dwaalbos::synth {

namespace {

struct Coefficients {
  double b0, b1, b2, a1, a2;
};

// The usual bilinear-transform biquads, normalised so a0 is 1.
Coefficients design(FilterKind kind, double cutoff, double q) {
  const double w = 2.0 * std::numbers::pi * std::clamp(cutoff, 10.0, 0.45 * kRate) / kRate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double c = std::cos(w);
  const double a0 = 1.0 + alpha;
  switch (kind) {
    case FilterKind::Lowpass:
      return {(1 - c) / 2 / a0, (1 - c) / a0, (1 - c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
    case FilterKind::Highpass:
      return {(1 + c) / 2 / a0, -(1 + c) / a0, (1 + c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
    case FilterKind::Bandpass: break;
  }
  return {alpha / a0, 0.0, -alpha / a0, -2 * c / a0, (1 - alpha) / a0};
}

}  // namespace

Signal filtered(const Signal& input, FilterKind kind, const Curve& cutoff, double q) {
  Signal out(input.size());
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  Coefficients k{};
  for (std::size_t i = 0; i < input.size(); ++i) {
    // Redesigning every few samples is smooth enough for sweeps and much cheaper.
    if (i % 8 == 0) k = design(kind, cutoff(static_cast<double>(i) / kRate), q);
    const double x = input[i];
    const double y = k.b0 * x + k.b1 * x1 + k.b2 * x2 - k.a1 * y1 - k.a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    out[i] = y;
  }
  return out;
}

Signal lowpass(const Signal& input, const Curve& cutoff, double q) {
  return filtered(input, FilterKind::Lowpass, cutoff, q);
}

Signal highpass(const Signal& input, const Curve& cutoff, double q) {
  return filtered(input, FilterKind::Highpass, cutoff, q);
}

Signal bandpass(const Signal& input, const Curve& centre, double q) {
  return filtered(input, FilterKind::Bandpass, centre, q);
}

void removeDc(Signal& signal) {
  double mean = 0.0;
  for (double sample : signal) mean += sample;
  if (signal.empty()) return;
  mean /= static_cast<double>(signal.size());
  for (double& sample : signal) sample -= mean;
}

}  // namespace dwaalbos::synth
