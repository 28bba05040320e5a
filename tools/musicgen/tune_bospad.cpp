#include "musicgen/arrangement.h"
#include "musicgen/tunes.h"

namespace dwaalbos::music {

namespace {

constexpr const char* kVerseChords = "G | D/F# | Em | C | G/B | Am7 | Dsus4:8 D:8 | G";
constexpr const char* kVerse =
    "d5:6 b4:2 g4:4 a4 | f#4:6 a4:2 d5:8 | e5:6 d5:2 b4:4 g4 | c5:4 e5 g5:8 | "
    "d5:6 b4:2 d5:4 g5 | e5:4 c5 a4 c5 | d5:8 c5:4 a4 | b4:12 r:4 |";
constexpr const char* kVerseEnding =
    "d5:6 b4:2 g4:4 a4 | f#4:6 a4:2 d5:8 | e5:6 d5:2 b4:4 g4 | c5:4 e5 g5:8 | "
    "d5:6 b4:2 d5:4 g5 | e5:6 d5:2 c5:4 a4 | a4:8 f#4:4 a4 | g4:12 r:4 |";
constexpr const char* kBridgeChords = "Em | C | G | D | Em | C | Am7 | Dsus4:8 D:8";
constexpr const char* kBridge =
    "e5:6 f#5:2 g5:8 | e5:6 d5:2 c5:8 | d5:6 e5:2 d5:4 b4 | a4:12 r:4 | "
    "g5:6 a5:2 b5:8 | a5:4 g5 e5:8 | c5:6 d5:2 e5:4 c5 | d5:8 r:4 a4 |";

// A clearing in the wood: the relative minor, answered by a return to G.
constexpr const char* kClearingChords = "Em | Am7 | D | G | C | Am7 | Bsus4:8 B:8 | Em";
constexpr const char* kClearing =
    "b4:8 e5:4 g5 | a5:6 g5:2 e5:8 | f#5:4 e5 d5 a4 | b4:12 r:4 | "
    "c5:6 d5:2 e5:4 g5 | a5:8 g5:4 e5 | e5:8 d#5:8 | e5:12 r:4 |";
constexpr const char* kClearingHomeChords = "Em | Am7 | D | G | C | D | Am7:8 D:8 | G";
constexpr const char* kClearingHome =
    "b4:8 e5:4 g5 | a5:6 g5:2 e5:8 | f#5:4 e5 d5 a4 | b4:12 r:4 | "
    "e5:6 f#5:2 g5:4 e5 | f#5:8 d5:4 a4 | c5:6 b4:2 a4:4 f#4 | g4:12 r:4 |";
// Up under the leaves: a higher tune, for the harp on its own.
constexpr const char* kCanopyChords = "Cmaj7 | D | Bm | Em | Am7 | Bm | C | Dsus4:8 D:8";
constexpr const char* kCanopy =
    "g5:6 e5:2 c5:4 e5 | f#5:8 a5:4 f#5 | d5:6 f#5:2 b4:8 | e5:12 r:4 | "
    "c5:4 e5 a5 g5 | f#5:6 e5:2 d5:8 | e5:4 d5 c5 b4 | a4:8 d5:8 |";

const std::vector<int> kRipple = {0, 1, 2, 3, 4, 3, 2, 1};
const std::vector<int> kFallingRipple = {4, 3, 2, 1, 0, 1, 2, 3};
const std::vector<BassHit> kWalk = {{0, 7, BassHit::Bass}, {8, 7, BassHit::Fifth}};

}  // namespace

Song bospad() {
  Arranger song("Bospad", 76, 16);

  // The opening is also where each pass comes back to, straight from the closing bars: it
  // carries on at their strength, so the return is heard as the tune going on.
  song.passage("Gadd9 | Cmaj7 | Em7 | Dsus4")
      .descant(Instrument::Flute, 67, 79, 8, 64)
      .held(Instrument::Strings, 55, 71, 58)
      .broken(Instrument::Harp, kRipple, 2, 8, 55, 60)
      .bass(Instrument::Bass, {{0, 15, BassHit::Bass}}, 40, 66);

  song.passage(kVerseChords)
      .melody(Instrument::Flute, kVerse, 84)
      .held(Instrument::Strings, 55, 71, 56)
      .broken(Instrument::Harp, kRipple, 2, 8, 55, 56)
      .bass(Instrument::Bass, kWalk, 40, 70);

  song.passage(kVerseChords)
      .melody(Instrument::Flute, kVerse, 88)
      .descant(Instrument::Clarinet, 59, 71, 8, 60)
      .held(Instrument::Strings, 55, 71, 54)
      .broken(Instrument::Harp, kRipple, 2, 8, 55, 54)
      .bass(Instrument::Bass, kWalk, 40, 72)
      .rhythm(Instrument::Shaker, "..x...x...x...x.", 80);

  song.passage(kBridgeChords)
      .melody(Instrument::Flute, kBridge, 90)
      .held(Instrument::Strings, 59, 74, 62)
      .broken(Instrument::Harp, {0, 2, 4, 2}, 4, 8, 55, 58)
      .bass(Instrument::Bass, kWalk, 40, 74)
      .rhythm(Instrument::Drum, "X.......x.......", 70)
      .rhythm(Instrument::Shaker, "..x...x...x...xx", 80);

  song.passage(kVerseChords)
      .melody(Instrument::Flute, kVerseEnding, 86)
      .descant(Instrument::Clarinet, 59, 71, 8, 58)
      .held(Instrument::Strings, 55, 71, 54)
      .broken(Instrument::Harp, kRipple, 2, 8, 55, 54)
      .bass(Instrument::Bass, kWalk, 40, 70)
      .rhythm(Instrument::Shaker, "..x...x...x...x.", 76);

  // Into the clearing: the flute alone over a slow harp, then the clarinet leads back home.
  song.passage(kClearingChords)
      .melody(Instrument::Flute, kClearing, 82)
      .held(Instrument::Strings, 55, 71, 52)
      .broken(Instrument::Harp, {0, 2, 4, 2}, 4, 8, 52, 54)
      .bass(Instrument::Bass, {{0, 15, BassHit::Bass}}, 40, 64);

  song.passage(kClearingHomeChords)
      .melody(Instrument::Clarinet, kClearingHome, 84)
      .descant(Instrument::Flute, 67, 79, 16, 54)
      .held(Instrument::Strings, 55, 71, 54)
      .broken(Instrument::Harp, kRipple, 2, 8, 52, 54)
      .bass(Instrument::Bass, kWalk, 40, 70)
      .rhythm(Instrument::Shaker, "..x...x...x...x.", 72);

  // Second time round the clarinet sings, a tone higher, over a slower harp.
  song.passage(kVerseChords, 2)
      .melody(Instrument::Clarinet, kVerse, 84)
      .held(Instrument::Strings, 55, 71, 52)
      .broken(Instrument::Harp, {0, 2, 4, 2}, 4, 8, 55, 56)
      .bass(Instrument::Bass, kWalk, 40, 68);

  song.passage(kBridgeChords, 2)
      .melody(Instrument::Clarinet, kBridge, 86)
      .descant(Instrument::Flute, 67, 79, 16, 56)
      .held(Instrument::Strings, 59, 74, 58)
      .broken(Instrument::Harp, kRipple, 2, 8, 55, 52)
      .bass(Instrument::Bass, kWalk, 40, 72)
      .rhythm(Instrument::Shaker, "..x...x...x...x.", 74);

  song.passage(kVerseChords, 2)
      .melody(Instrument::Clarinet, kVerseEnding, 82)
      .held(Instrument::Strings, 55, 71, 52)
      .broken(Instrument::Harp, {0, 2, 4, 2}, 4, 8, 55, 54)
      .bass(Instrument::Bass, kWalk, 40, 68);

  // A quiet stretch: the harp alone carries a tune of its own over the strings.
  song.passage(kCanopyChords)
      .melody(Instrument::Harp, kCanopy, 80)
      .held(Instrument::Strings, 55, 71, 50)
      .bass(Instrument::Bass, {{0, 15, BassHit::Bass}}, 40, 62);

  song.passage(kClearingHomeChords)
      .melody(Instrument::Clarinet, kClearingHome, 82)
      .held(Instrument::Strings, 55, 71, 52)
      .broken(Instrument::Harp, {0, 2, 4, 2}, 4, 8, 55, 52)
      .bass(Instrument::Bass, kWalk, 40, 66);

  song.passage(kBridgeChords)
      .melody(Instrument::Flute, kBridge, 86)
      .held(Instrument::Strings, 59, 74, 56)
      .broken(Instrument::Harp, kFallingRipple, 2, 8, 55, 54)
      .bass(Instrument::Bass, kWalk, 40, 70)
      .rhythm(Instrument::Drum, "X.......x.......", 66);

  song.passage(kVerseChords)
      .melody(Instrument::Flute, kVerseEnding, 84)
      .descant(Instrument::Clarinet, 59, 71, 8, 56)
      .held(Instrument::Strings, 55, 71, 54)
      .broken(Instrument::Harp, kFallingRipple, 2, 8, 55, 54)
      .bass(Instrument::Bass, kWalk, 40, 70)
      .rhythm(Instrument::Shaker, "..x...x...x...x.", 76);

  // The closing bars hold their last note into the opening.
  song.passage("C | G/B | Am7 | G")
      .melody(Instrument::Flute, "g5:16 | d5:16 | c5:8 a4:8 | g4:16", 70)
      .held(Instrument::Strings, 55, 71, 54)
      .broken(Instrument::Harp, {0, 2, 4, 2}, 4, 8, 55, 54)
      .bass(Instrument::Bass, {{0, 15, BassHit::Bass}}, 40, 62);
  return song.song();
}

}  // namespace dwaalbos::music
