#pragma once

#include "synth/signal.h"

namespace dwaalbos::synth {

enum class FilterKind { Lowpass, Highpass, Bandpass };

// A two-pole filter whose cutoff (or centre) may move over time, for sweeps.
Signal filtered(const Signal& input, FilterKind kind, const Curve& cutoff, double q = 0.7071);

Signal lowpass(const Signal& input, const Curve& cutoff, double q = 0.7071);
Signal highpass(const Signal& input, const Curve& cutoff, double q = 0.7071);
Signal bandpass(const Signal& input, const Curve& centre, double q);

// Takes away any offset from zero, which would click when the sound starts or stops.
void removeDc(Signal& signal);

}  // namespace dwaalbos::synth
