#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "musicgen/notation.h"
#include "musicgen/song.h"

// Turns chords and written tunes into the notes of every instrument: held chords with smooth
// voice leading, broken chords, bass lines, a descant and percussion, all derived from the same
// chords so the parts always agree.
namespace dwaalbos::music {

class Arranger;

// A low note of a bass pattern, placed from the start of each chord.
struct BassHit {
  enum Degree { Bass, Fifth, Octave };
  int step;
  int length;
  Degree degree;
};

// A stretch of the song over a run of chords. Created by Arranger::passage, which places it
// right after the passages before it; each call adds one instrument's part.
class Passage {
 public:
  // A written tune; it must last exactly as long as the chords.
  Passage& melody(Instrument instrument, std::string_view notes, int velocity);
  // Every chord held, voiced between `lowest` and `highest`, each voice moving as little as it can.
  Passage& held(Instrument instrument, int lowest, int highest, int velocity);
  // Chord tones one after another: `pattern` counts tones up from the first at or above `lowest`,
  // one every `stepsPerNote`; each note rings for `ring` steps, but not into the next chord.
  Passage& broken(Instrument instrument, const std::vector<int>& pattern, int stepsPerNote,
                  int ring, int lowest, int velocity);
  // The bass pattern repeated under every chord, its notes between `lowest` and an octave above.
  Passage& bass(Instrument instrument, const std::vector<BassHit>& pattern, int lowest,
                int velocity);
  // A slow second voice of chord tones, `stepsPerNote` each, stepping to the next chord tone
  // down (or up) and turning at the edges of its range.
  Passage& descant(Instrument instrument, int lowest, int highest, int stepsPerNote, int velocity);
  // A percussion part after a one-bar pattern: 'x' a hit, 'X' an accented hit, '.' nothing.
  // Each file writer picks the percussion sound's own pitch.
  Passage& rhythm(Instrument instrument, std::string_view bar, int velocity);

 private:
  friend class Arranger;
  Passage(Arranger& arranger, int start, std::vector<Chord> chords, int semitones);

  void add(Instrument instrument, Note note);

  Arranger& arranger_;
  int start_;
  int length_;
  std::vector<Chord> chords_;
  int semitones_;
};

class Arranger {
 public:
  Arranger(std::string title, int beatsPerMinute, int stepsPerBar);

  // A passage over `chords`, every pitched part moved up by `semitones` (a change of key).
  Passage passage(std::string_view chords, int semitones = 0);
  Song song() const;

 private:
  friend class Passage;

  std::string title_;
  int beatsPerMinute_;
  int stepsPerBar_;
  int length_ = 0;
  std::map<Instrument, std::vector<Note>> parts_;
  std::vector<WrittenTune> tunes_;
};

}  // namespace dwaalbos::music
