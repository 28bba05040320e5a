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

// The verse once more, its second half turning home another way.
constexpr const char* kVerseTurnChords = "Am | G | D | Am | F | G | Am:8 G:8 | Am";
constexpr const char* kVerseTurn =
    "e5:6 d5:2 c5:4 a4 | b4:6 a4:2 g4:4 b4 | a4:4 d5 f#5:6 e5:2 | e5:12 r:4 | "
    "f5:4 a5 g5 f5 | d5:6 e5:2 d5:4 b4 | c5:4 e5 d5 b4 | a4:12 r:4 |";
// A stone in the moss: brighter, in C, and its answer back to A.
constexpr const char* kStoneChords = "C | G | Am | Em | F | C | G | G";
constexpr const char* kStone =
    "e5:8 g5:4 e5 | d5:6 b4:2 g4:8 | a4:4 c5 e5 a5 | g5:12 r:4 | "
    "f5:6 e5:2 c5:4 a4 | g4:8 c5:4 e5 | d5:4 b4 d5 g5 | d5:12 r:4 |";
constexpr const char* kStoneAnswerChords = "C | G | Am | Em | F | C | Dsus4:8 D:8 | Am";
constexpr const char* kStoneAnswer =
    "e5:8 g5:4 e5 | d5:6 b4:2 g4:8 | a4:4 c5 e5 a5 | g5:12 r:4 | "
    "a5:6 g5:2 f5:4 c5 | e5:6 d5:2 c5:8 | d5:4 g5 f#5:8 | e5:12 r:4 |";
// Ferns: running quavers that rise and fall.
constexpr const char* kFernChords = "Em | D | C | Am | Em | D | G | Am";
constexpr const char* kFern =
    "b4:2 e5 g5 e5 b4:4 g4 | a4:2 d5 f#5 d5 a4:8 | g4:2 c5 e5 g5 e5:8 | c5:12 r:4 | "
    "e5:2 g5 b5 g5 e5:4 b4 | d5:2 f#5 a5 f#5 d5:8 | b4:6 d5:2 g5:8 | e5:12 r:4 |";
constexpr const char* kFernTurnChords = "Em | D | C | Am | F | G | Em | Am";
constexpr const char* kFernTurn =
    "b4:2 e5 g5 e5 b4:4 g4 | a4:2 d5 f#5 d5 a4:8 | g4:2 c5 e5 g5 e5:8 | c5:12 r:4 | "
    "a4:6 c5:2 f5:8 | g5:6 f5:2 d5:4 b4 | e5:4 d5 b4 g4 | a4:12 r:4 |";

const std::vector<int> kStream = {0, 1, 2, 3, 4, 3, 2, 1};
const std::vector<BassHit> kSteady = {{0, 7, BassHit::Bass}, {8, 7, BassHit::Fifth}};

}  // namespace

Song mos() {
  Arranger song("Mos", 72, 16);

  // The opening is also where each pass comes back to, straight from the closing bars: it
  // carries on at their strength, so the return is heard as the tune going on.
  song.passage("Am | G | D | Am")
      .descant(Instrument::Flute, 69, 81, 8, 44)
      .held(Instrument::Strings, 57, 72, 52)
      .broken(Instrument::Harp, kStream, 2, 4, 57, 54)
      .bass(Instrument::Bass, {{0, 15, BassHit::Bass}}, 40, 54);

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

  song.passage(kVerseTurnChords)
      .melody(Instrument::Flute, kVerseTurn, 84)
      .held(Instrument::Strings, 57, 72, 54)
      .broken(Instrument::Harp, kStream, 2, 4, 57, 54)
      .bass(Instrument::Bass, kSteady, 40, 70)
      .rhythm(Instrument::Shaker, "..x...x...x...x.", 74);

  song.passage(kStoneChords)
      .melody(Instrument::Flute, kStone, 82)
      .held(Instrument::Strings, 57, 72, 52)
      .broken(Instrument::Harp, {0, 2, 4, 2}, 4, 4, 57, 54)
      .bass(Instrument::Bass, {{0, 15, BassHit::Bass}}, 40, 66);

  song.passage(kStoneAnswerChords)
      .melody(Instrument::Flute, kStoneAnswer, 86)
      .held(Instrument::Strings, 57, 72, 54)
      .broken(Instrument::Harp, {4, 3, 2, 1, 0, 1, 2, 3}, 2, 4, 57, 54)
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

  song.passage(kFernChords)
      .melody(Instrument::Flute, kFern, 82)
      .held(Instrument::Strings, 57, 72, 52)
      .broken(Instrument::Harp, {0, 2, 1, 3}, 4, 4, 57, 54)
      .bass(Instrument::Bass, kSteady, 40, 66);

  // The stone again, the harp alone singing it over the strings.
  song.passage(kStoneChords)
      .melody(Instrument::Harp, kStone, 82)
      .held(Instrument::Strings, 57, 72, 50)
      .bass(Instrument::Bass, {{0, 15, BassHit::Bass}}, 40, 58);

  song.passage(kFernTurnChords)
      .melody(Instrument::Flute, kFernTurn, 86)
      .held(Instrument::Strings, 57, 72, 54)
      .broken(Instrument::Harp, kStream, 2, 4, 57, 54)
      .bass(Instrument::Bass, kSteady, 40, 70)
      .rhythm(Instrument::Shaker, "..x...x...x...x.", 76);

  // Back home, lightly: no bass, the harp slower under the flute.
  song.passage(kVerseChords)
      .melody(Instrument::Flute, kVerse, 80)
      .held(Instrument::Strings, 57, 72, 50)
      .broken(Instrument::Harp, {0, 2, 4, 2}, 4, 4, 57, 52);

  // The closing bars hold their last note into the opening.
  song.passage("F | G | Am | Am")
      .melody(Instrument::Flute, "c5:8 a4 | b4:8 d5 | c5:16 | a4:16", 84)
      .held(Instrument::Strings, 57, 72, 62)
      .broken(Instrument::Harp, {0, 2, 4, 2}, 4, 4, 57, 62)
      .bass(Instrument::Bass, {{0, 15, BassHit::Bass}}, 40, 68);
  return song.song();
}

}  // namespace dwaalbos::music
