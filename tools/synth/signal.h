#pragma once

#include <functional>
#include <vector>

namespace dwaalbos::synth {

// Every generated sound is mono at this rate until it is written out.
constexpr int kRate = 44100;

using Signal = std::vector<double>;

// A value that changes over time, t in seconds from the start of a sound: a frequency, a
// gain, a filter's cutoff.
using Curve = std::function<double(double t)>;

int sampleCount(double seconds);
Signal silence(double seconds);

// Adds `source` times `gain` into `target` from `atSeconds` on, growing `target` as needed.
void mixInto(Signal& target, const Signal& source, double atSeconds, double gain = 1.0);
void multiply(Signal& signal, const Curve& gain);
void scale(Signal& signal, double gain);

// Raised-cosine ramps so a sound starts and ends at exactly zero, without a click.
void fadeEdges(Signal& signal, double fadeInSeconds, double fadeOutSeconds);

double peak(const Signal& signal);
// Turns the sound down where it would pass `ceiling` (a gain), and only there: the gain falls
// within a millisecond before each such peak and comes back over 20 ms, too quickly to be heard
// as a change of loudness, too slowly to be heard as a click.
void limitPeaks(Signal& signal, double ceiling);
double decibels(double gain);
double gainOf(double decibels);

}  // namespace dwaalbos::synth
