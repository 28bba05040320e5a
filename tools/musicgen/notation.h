#pragma once

#include <string_view>
#include <vector>

#include "musicgen/song.h"

// A compact text notation for writing tunes down in code.
//
// Melodies: whitespace-separated tokens. "f#4:6" is F sharp above middle C for six steps; the
// length carries over to following notes until another is given ("d5:4 e5 f#5" are three
// quarter notes). "r" is a rest, "-" holds the previous note longer (a tie), "v80" sets the
// velocity of the notes that follow, "|" marks a bar line and must fall on one.
//
// Chords: "G", "Em7", "D/F#", "Cmaj7:8" - a root, a quality, an optional bass note and an
// optional length in steps (a whole bar when left out). "|" marks bar lines here too.
namespace dwaalbos::music {

struct Chord {
  int start;  // in steps from the start of the passage
  int length;
  int root;                // pitch class, 0 = C
  std::vector<int> tones;  // semitones above the root, root first, in stacking order
  int bass;                // pitch class of the lowest note

  // Pitch classes of every tone.
  std::vector<int> pitchClasses() const;
};

// MIDI note number of a name such as "c4" (60), "f#3", "bb2"; throws std::invalid_argument.
int parsePitch(std::string_view name);

// Throws std::invalid_argument naming the token when the text is not valid or a bar line falls
// off a bar boundary.
struct Melody {
  std::vector<Note> notes;  // from step 0
  int length;               // in steps, trailing rests included
};
Melody parseMelody(std::string_view text, int stepsPerBar, int velocity = 90);
std::vector<Chord> parseChords(std::string_view text, int stepsPerBar);

int lengthOf(const std::vector<Chord>& chords);

}  // namespace dwaalbos::music
