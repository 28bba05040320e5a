#include "musicgen/arrangement.h"
#include "musicgen/tunes.h"

namespace dwaalbos::music {

namespace {

// Triads only and harp notes that ring over one other: the whole arrangement fits in the sound
// chip's eight voices (flute, three strings, two harp, bass, shaker).
constexpr const char* kVerseChords = "Am | G | D | Am | F | C | Dsus4:8 D:8 | Em";
constexpr const char* kVerse =
    "e5:6 d5:2 c5:4 a4 | b4:6 a4:2 g4:4 b4 | a4:4 d5 f#5:6 e5:2 | e5:12 r:4 | "
    "c5:6 d5:2 e5:4 f5 | g5:6 f5:2 e5:4 c5 | d5:8 f#5:4 e5 | e5:8 b4:8 |";
constexpr const char* kBridge =
    "a5:6 g5:2 f5:4 c5 | e5:6 f5:2 g5:8 | d5:6 e5:2 d5:4 b4 | a4:4 c5 e5:8 | "
    "f5:6 e5:2 c5:4 a4 | g4:6 a4:2 c5:8 | d5:6 e5:2 f5:4 a5 | g#5:8 e5:4 b4 |";

const std::vector<int> kStream = {0, 1, 2, 3, 4, 3, 2, 1};
const std::vector<BassHit> kSteady = {{0, 7, BassHit::Bass}, {8, 7, BassHit::Fifth}};

}  // namespace

Song mos() {
  Arranger song("Mos", 72, 16);

  song.passage("Am | G | D | Am")
      .held(Instrument::Strings, 57, 72, 58)
      .broken(Instrument::Harp, kStream, 2, 4, 57, 60);

  song.passage(kVerseChords)
      .melody(Instrument::Flute, kVerse, 86)
      .held(Instrument::Strings, 57, 72, 54)
      .broken(Instrument::Harp, kStream, 2, 4, 57, 56)
      .bass(Instrument::Bass, kSteady, 40, 70);

  song.passage("F | C | G | Am | F | C | Dm | E")
      .melody(Instrument::Flute, kBridge, 90)
      .held(Instrument::Strings, 59, 74, 58)
      .broken(Instrument::Harp, {0, 2, 4, 2}, 4, 4, 57, 56)
      .bass(Instrument::Bass, kSteady, 40, 72)
      .rhythm(Instrument::Shaker, "..x...x...x...x.", 80);

  song.passage(kVerseChords)
      .melody(Instrument::Flute, kVerse, 84)
      .held(Instrument::Strings, 57, 72, 54)
      .broken(Instrument::Harp, kStream, 2, 4, 57, 54)
      .bass(Instrument::Bass, kSteady, 40, 70)
      .rhythm(Instrument::Shaker, "..x...x...x...x.", 74);

  // Second time round the harp takes the tune, a fourth higher, over the strings alone.
  song.passage(kVerseChords, 5)
      .melody(Instrument::Harp, kVerse, 84)
      .held(Instrument::Strings, 57, 72, 52)
      .bass(Instrument::Bass, kSteady, 40, 66);

  song.passage("F | C | G | Am | F | C | Dm | E", 5)
      .melody(Instrument::Flute, kBridge, 86)
      .held(Instrument::Strings, 59, 74, 56)
      .broken(Instrument::Harp, kStream, 2, 4, 57, 52)
      .bass(Instrument::Bass, kSteady, 40, 70)
      .rhythm(Instrument::Shaker, "..x...x...x...x.", 76);

  // Back home, lightly: no bass, the harp slower under the flute.
  song.passage(kVerseChords)
      .melody(Instrument::Flute, kVerse, 80)
      .held(Instrument::Strings, 57, 72, 50)
      .broken(Instrument::Harp, {0, 2, 4, 2}, 4, 4, 57, 52);

  song.passage("F | G | Am | Am")
      .melody(Instrument::Flute, "c5:8 a4 | b4:8 d5 | c5:16 | a4:12 r:4", 70)
      .held(Instrument::Strings, 57, 72, 54)
      .broken(Instrument::Harp, {0, 2, 4, 2}, 4, 4, 57, 54);
  return song.song();
}

}  // namespace dwaalbos::music
