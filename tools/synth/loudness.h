#pragma once

#include "synth/signal.h"

namespace dwaalbos::synth {

// Loudness as people hear it (K-weighted, ITU-R BS.1770, measured by libebur128) of the
// loudest stretch of `windowSeconds`, in LUFS; -70 or less for silence.
double loudestLoudness(const Signal& signal, double windowSeconds = 0.1);

}  // namespace dwaalbos::synth
