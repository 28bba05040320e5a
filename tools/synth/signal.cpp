#include "synth/signal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dwaalbos::synth {

int sampleCount(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

Signal silence(double seconds) {
  return Signal(static_cast<std::size_t>(sampleCount(seconds)), 0.0);
}

void mixInto(Signal& target, const Signal& source, double atSeconds, double gain) {
  const auto start = static_cast<std::size_t>(std::max(0, sampleCount(atSeconds)));
  if (target.size() < start + source.size()) target.resize(start + source.size(), 0.0);
  for (std::size_t i = 0; i < source.size(); ++i) target[start + i] += source[i] * gain;
}

void multiply(Signal& signal, const Curve& gain) {
  for (std::size_t i = 0; i < signal.size(); ++i) signal[i] *= gain(static_cast<double>(i) / kRate);
}

void scale(Signal& signal, double gain) {
  for (double& sample : signal) sample *= gain;
}

void fadeEdges(Signal& signal, double fadeInSeconds, double fadeOutSeconds) {
  const auto ramp = [](double x) { return 0.5 - 0.5 * std::cos(std::numbers::pi * x); };
  const std::size_t in =
      std::min(signal.size(), static_cast<std::size_t>(sampleCount(fadeInSeconds)));
  const std::size_t out =
      std::min(signal.size(), static_cast<std::size_t>(sampleCount(fadeOutSeconds)));
  for (std::size_t i = 0; i < in; ++i) signal[i] *= ramp(static_cast<double>(i) / in);
  for (std::size_t i = 0; i < out; ++i)
    signal[signal.size() - 1 - i] *= ramp(static_cast<double>(i) / out);
}

double peak(const Signal& signal) {
  double highest = 0.0;
  for (double sample : signal) highest = std::max(highest, std::abs(sample));
  return highest;
}

void limitPeaks(Signal& signal, double ceiling) {
  std::vector<double> gain(signal.size(), 1.0);
  for (std::size_t i = 0; i < signal.size(); ++i)
    if (std::abs(signal[i]) > ceiling) gain[i] = ceiling / std::abs(signal[i]);
  // Bounded slopes: backwards the gain may rise by 1 in a millisecond, forwards in 20 ms.
  const double attack = 1.0 / sampleCount(0.001);
  const double release = 1.0 / sampleCount(0.02);
  for (std::size_t i = signal.size(); i-- > 1;)
    gain[i - 1] = std::min(gain[i - 1], gain[i] + attack);
  for (std::size_t i = 1; i < signal.size(); ++i)
    gain[i] = std::min(gain[i], gain[i - 1] + release);
  for (std::size_t i = 0; i < signal.size(); ++i) signal[i] *= gain[i];
}

double decibels(double gain) { return 20.0 * std::log10(std::max(gain, 1e-12)); }

double gainOf(double decibels) { return std::pow(10.0, decibels / 20.0); }

}  // namespace dwaalbos::synth
