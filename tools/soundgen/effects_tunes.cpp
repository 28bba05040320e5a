#include <numbers>

#include "soundgen/effects.h"
#include "soundgen/sound_parts.h"
#include "synth/envelopes.h"

namespace dwaalbos::soundgen {

using namespace synth;

Signal levelStart() {
  // G5, C6, E6 on a mallet: up a fourth, then a third, the last one left to ring.
  Signal out;
  mixInto(out, malletNote(noteFrequency(79), 0.35), 0.00, 0.80);
  mixInto(out, malletNote(noteFrequency(84), 0.35), 0.11, 0.85);
  mixInto(out, malletNote(noteFrequency(88), 0.80), 0.22, 1.00);
  // A soft octave below the last note gives the motif a little body.
  mixInto(out, malletNote(noteFrequency(76), 0.70), 0.22, 0.30);
  return out;
}

Signal levelCompleted() {
  // Ta-ta-ta-taaa: G4 C5 E5 picked out quickly, then a held C major chord with a bell on top.
  Signal out;
  mixInto(out, brassNote(noteFrequency(67), 0.08), 0.00, 0.55);
  mixInto(out, brassNote(noteFrequency(72), 0.08), 0.11, 0.60);
  mixInto(out, brassNote(noteFrequency(76), 0.08), 0.22, 0.65);
  for (int note : {72, 76, 79, 84}) mixInto(out, brassNote(noteFrequency(note), 0.62), 0.34, 0.42);
  mixInto(out, malletNote(noteFrequency(96), 0.6), 0.34, 0.18);
  return out;
}

}  // namespace dwaalbos::soundgen
