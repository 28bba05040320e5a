#include "musicgen/arrangement.h"
#include "musicgen/tunes.h"

namespace dwaalbos::music {

namespace {

constexpr const char* kVerse =
    "c5:8 a4:4 | e5:8 c5:4 | d5:6 c5:2 bb4:4 | a4:8 f4:4 | "
    "g4:4 bb4 d5 | c5:6 bb4:2 g4:4 | a4:8 c5:4 | g4:12 |";
constexpr const char* kVerseToRest =
    "c5:8 a4:4 | e5:8 c5:4 | d5:6 c5:2 bb4:4 | a4:8 f4:4 | "
    "g4:4 bb4 d5 | c5:6 bb4:2 g4:4 | a4:6 g4:2 a4:4 | f4:12 |";
constexpr const char* kBridge =
    "f5:8 e5:2 d5 | e5:8 c5:4 | d5:6 f5:2 d5:4 | c5:12 | "
    "bb4:6 c5:2 d5:4 | a4:8 f4:4 | d5:6 c5:2 a4:4 | g4:6 a4:2 bb4:4 |";

// The harp rocks gently up and down the chord: six quavers to the bar.
const std::vector<int> kRocking = {0, 1, 2, 3, 2, 1};
const std::vector<BassHit> kDownbeat = {{0, 10, BassHit::Bass}};

}  // namespace

Song dauw() {
  Arranger song("Dauw", 84, 12);

  song.passage("Fmaj7 | Bbmaj7 | Fmaj7 | Csus4")
      .held(Instrument::Strings, 53, 69, 56)
      .broken(Instrument::Harp, kRocking, 2, 6, 53, 62);

  song.passage("F | Am | Bb | F | Gm7 | C7 | F | C")
      .melody(Instrument::Flute, kVerse, 84)
      .held(Instrument::Strings, 53, 69, 54)
      .broken(Instrument::Harp, kRocking, 2, 6, 53, 58)
      .bass(Instrument::Bass, kDownbeat, 36, 68);

  song.passage("F | Am | Bb | F | Gm7 | C7 | F | F")
      .melody(Instrument::Flute, kVerseToRest, 86)
      .descant(Instrument::Clarinet, 57, 69, 12, 58)
      .held(Instrument::Strings, 53, 69, 52)
      .broken(Instrument::Harp, kRocking, 2, 6, 53, 56)
      .bass(Instrument::Bass, kDownbeat, 36, 70)
      .rhythm(Instrument::Shaker, "....x...x...", 76);

  song.passage("Dm | Am | Bb | F | Gm | Dm | Bbmaj7 | C")
      .melody(Instrument::Flute, kBridge, 88)
      .held(Instrument::Strings, 57, 72, 60)
      .broken(Instrument::Harp, {0, 2, 4, 5, 4, 2}, 2, 6, 53, 56)
      .bass(Instrument::Bass, kDownbeat, 36, 72)
      .rhythm(Instrument::Drum, "X...........", 66)
      .rhythm(Instrument::Shaker, "....x...x...", 76);

  song.passage("F | Am | Bb | F | Gm7 | C7 | F | F")
      .melody(Instrument::Flute, kVerseToRest, 84)
      .descant(Instrument::Clarinet, 57, 69, 12, 56)
      .held(Instrument::Strings, 53, 69, 52)
      .broken(Instrument::Harp, kRocking, 2, 6, 53, 56)
      .bass(Instrument::Bass, kDownbeat, 36, 68);

  song.passage("Bbmaj7 | F | Gm7 | F")
      .melody(Instrument::Flute, "a4:12 | f4:12 | g4:6 a4:2 bb4:4 | a4:12", 68)
      .held(Instrument::Strings, 53, 69, 54)
      .broken(Instrument::Harp, {0, 1, 2}, 4, 8, 53, 56);
  return song.song();
}

}  // namespace dwaalbos::music
