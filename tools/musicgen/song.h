#pragma once

#include <string>
#include <vector>

// The one representation of a piece of music that every file writer reads: notes on a grid of
// sixteenth notes ("steps"), grouped in tracks by instrument.
namespace dwaalbos::music {

enum class Instrument {
  Flute,     // the tune
  Clarinet,  // a second, darker melody voice
  Strings,   // held chords
  Harp,      // broken chords
  Bass,      // plucked low notes
  Shaker,    // soft off-beat percussion
  Drum,      // a soft frame drum on the strong beats
};

constexpr int kStepsPerBeat = 4;

struct Note {
  int start;     // in steps from the start of the song
  int length;    // in steps, at least 1
  int pitch;     // MIDI note number, 60 = middle C
  int velocity;  // 1..127

  int end() const { return start + length; }
};

struct Track {
  Instrument instrument;
  std::vector<Note> notes;  // sorted by start
};

// A tune as written for one passage, before any change of key, kept so a check can tell how many
// of a piece's sections sing the same melody.
struct WrittenTune {
  int start;                // step of its passage in the song
  int length;               // in steps
  std::vector<Note> notes;  // from step 0 of the passage
};

struct Song {
  std::string title;
  int beatsPerMinute;
  int stepsPerBar;
  int lengthSteps;  // the song loops back to its start after this many steps
  std::vector<Track> tracks;
  std::vector<WrittenTune> tunes;  // in the order of their passages

  double secondsPerStep() const { return 60.0 / beatsPerMinute / kStepsPerBeat; }
  double seconds() const { return lengthSteps * secondsPerStep(); }
};

// How loud and where each instrument sits in the mix, the same in every file format so the
// renderings sound alike. Level 0..1, pan -1 (left) .. 1 (right).
struct MixPlace {
  double level;
  double pan;
};
MixPlace mixPlace(Instrument instrument);

bool isPercussion(Instrument instrument);
const char* instrumentName(Instrument instrument);

}  // namespace dwaalbos::music
