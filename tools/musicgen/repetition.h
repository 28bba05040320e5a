#pragma once

#include "musicgen/song.h"

namespace dwaalbos::music {

// How often a piece says the same thing within one pass: the most times one stretch of `bars`
// bars of one voice that can carry the tune (flute, clarinet, harp), from a bar line, comes back
// in any of them. Notes count by their start within the stretch and their interval from its
// first note, so the same phrase in another key or voice counts as the same.
int mostRepeatedPhrase(const Song& song, int bars = 8);

}  // namespace dwaalbos::music
