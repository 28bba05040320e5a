#pragma once

#include <vector>

#include "musicgen/notation.h"

// Which pitches sound for a chord.
namespace dwaalbos::music {

// The lowest pitch at or above `lowest` with this pitch class.
int placeAtOrAbove(int pitchClass, int lowest);

// The chord's tones in rising order from `lowest` on, `count` of them (repeating in octaves).
std::vector<int> tonesFrom(const Chord& chord, int lowest, int count);

// Up to four of the chord's tones between `lowest` and `highest`, chosen so that the voices of
// `previous` (empty for the first chord) move as little as possible and never rub a semitone.
std::vector<int> voiceLead(const Chord& chord, const std::vector<int>& previous, int lowest,
                           int highest);

}  // namespace dwaalbos::music
