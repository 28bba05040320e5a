#pragma once

#include <functional>
#include <vector>

#include "synth/signal.h"

namespace dwaalbos::synth {

Signal sine(double seconds, const Curve& frequency);

// Harmonics 1..count of a (possibly gliding) fundamental, harmonic h at amplitude(h); harmonics
// above the Nyquist frequency are left out, so bright tones do not alias.
Signal harmonics(double seconds, const Curve& frequency, int count,
                 const std::function<double(int)>& amplitude);

// One mode of a struck body: a partial at `ratio` times the fundamental.
struct Partial {
  double ratio;
  double amplitude;
  double decaySeconds;
};

// A struck or plucked body: each partial starts at its amplitude and dies away at its own pace.
Signal struck(double seconds, double fundamental, const std::vector<Partial>& partials);

}  // namespace dwaalbos::synth
