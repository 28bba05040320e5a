#pragma once

#include "musicgen/song.h"

namespace dwaalbos::music {

// How often a piece says the same thing within one pass: the most times one stretch of `bars`
// bars of one voice that can carry the tune (flute, clarinet, harp), from a bar line, comes back
// in any of them. Notes count by their start within the stretch and their interval from its
// first note, so the same phrase in another key or voice counts as the same; a stretch in which
// the voice starts notes in fewer than half the bars is no phrase.
int mostRepeatedPhrase(const Song& song, int bars = 8);

// How many of a piece's sections sing one melody: the most written tunes alike to any one of
// them. Two tunes are alike when at least half of their bars have the same rhythm and the same
// notes, all those bars moved by one interval, so the melody in another key, or with its ending
// or a few bars changed, still counts as the same.
int mostSectionsWithOneMelody(const Song& song);

}  // namespace dwaalbos::music
