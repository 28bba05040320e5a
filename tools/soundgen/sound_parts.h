#pragma once

#include <vector>

#include "synth/signal.h"

// Building blocks that several sound effects share.
namespace dwaalbos::soundgen {

using synth::Signal;

double noteFrequency(int midiNote);

// A mallet on a bright bar (celesta, glockenspiel): quick attack, ringing partials.
Signal malletNote(double frequency, double seconds);

// A soft brass tone with an opening filter, held for `seconds` and then released.
Signal brassNote(double frequency, double seconds);

// A small piece of metal struck once: inharmonic partials, as in keys or a lock.
Signal metalTink(double frequency, double seconds, double brightness);

// A single short mechanical transient: a burst of noise with a resonant ping.
Signal tick(double pingFrequency, double decaySeconds, unsigned seed);

// Impulses at a rate that follows `rate` (Hz), each with a little random strength: the
// stick-slip excitation of a creak or a rattle.
Signal impulseTrain(double seconds, const synth::Curve& rate, unsigned seed);

}  // namespace dwaalbos::soundgen
