#pragma once

#include <utility>
#include <vector>

#include "synth/signal.h"

namespace dwaalbos::synth {

Curve constant(double value);
// Slides from `from` to `to` in `seconds` along a geometric path (even steps in pitch), then stays.
Curve glide(double from, double to, double seconds);
// Straight lines through (time, value) points; flat before the first and after the last.
Curve segments(std::vector<std::pair<double, double>> points);
// 1 at the start, falling by 1/e every `tau` seconds.
Curve decay(double tau);
// A raised-cosine rise from 0 to 1 over `attack` seconds, then 1.
Curve rise(double attack);
// A rise over `attack` seconds, then an exponential decay with time constant `tau`.
Curve strike(double attack, double tau);

}  // namespace dwaalbos::synth
