#include <vector>

#include "musicgen/arrangement.h"
#include "musicgen/tunes.h"

namespace dwaalbos::music {

namespace {

// The sections every pass is made of, each eight bars of the waltz. Six melodies, each in two
// forms that share their opening and part at the second half.
enum class Section {
  Verse,
  VerseToRest,
  Bridge,
  BridgeHome,
  Theme,
  ThemeAnswer,
  Glade,  // a brighter tune that opens on the subdominant
  GladeHome,
  Brook,  // running quavers in D minor
  BrookTurn,
  Dusk,  // long notes, falling
  DuskHome,
};

struct Written {
  const char* chords;
  const char* tune;
};

Written written(Section section) {
  switch (section) {
    case Section::Verse:
      return {"F | Am | Bb | F | Gm7 | C7 | F | C",
              "c5:8 a4:4 | e5:8 c5:4 | d5:6 c5:2 bb4:4 | a4:8 f4:4 | "
              "g4:4 bb4 d5 | c5:6 bb4:2 g4:4 | a4:8 c5:4 | g4:12 |"};
    case Section::VerseToRest:
      return {"F | Am | Bb | F | Gm7 | C7 | F | F",
              "c5:8 a4:4 | e5:8 c5:4 | d5:6 c5:2 bb4:4 | a4:8 f4:4 | "
              "g4:4 bb4 d5 | c5:6 bb4:2 g4:4 | a4:6 g4:2 a4:4 | f4:12 |"};
    case Section::Bridge:
      return {"Dm | Am | Bb | F | Gm | Dm | Bbmaj7 | C",
              "f5:8 e5:2 d5 | e5:8 c5:4 | d5:6 f5:2 d5:4 | c5:12 | "
              "bb4:6 c5:2 d5:4 | a4:8 f4:4 | d5:6 c5:2 a4:4 | g4:6 a4:2 bb4:4 |"};
    case Section::Theme:
      return {"Dm | Bb | F | C | Dm | Gm7 | Bbmaj7 | C7",
              "a4:8 d5:4 | f5:8 d5:4 | c5:6 a4:2 f4:4 | g4:12 | "
              "a4:8 d5:4 | bb4:6 a4:2 g4:4 | f4:4 g4 a4 | g4:12 |"};
    case Section::BridgeHome:
      return {"Dm | Am | Bb | F | Gm | Am | Gm7:6 C7:6 | F",
              "f5:8 e5:2 d5 | e5:8 c5:4 | d5:6 f5:2 d5:4 | c5:12 | "
              "bb4:6 c5:2 d5:4 | c5:8 a4:4 | bb4:6 a4:2 g4:4 | f4:12 |"};
    case Section::ThemeAnswer:
      return {"Dm | Bb | F | C | Bb | C | Gm7 | C7",
              "a4:8 d5:4 | f5:8 d5:4 | c5:6 a4:2 f4:4 | g4:12 | "
              "d5:8 f5:4 | e5:6 d5:2 c5:4 | bb4:4 a4 g4 | c5:12 |"};
    case Section::Glade:
      return {"Bb | C | Am | Dm | Gm | C | F | F",
              "d5:8 f5:4 | e5:6 d5:2 c5:4 | a4:8 e5:4 | d5:12 | "
              "bb4:4 d5 g5 | g5:6 f5:2 e5:4 | f5:4 c5 a4 | f4:12 |"};
    case Section::GladeHome:
      return {"Bb | C | Am | Dm | Gm | Am | Gm7:6 C7:6 | F",
              "d5:8 f5:4 | e5:6 d5:2 c5:4 | a4:8 e5:4 | d5:12 | "
              "g4:6 a4:2 bb4:4 | c5:8 e5:4 | d5:6 c5:2 bb4:4 | a4:12 |"};
    case Section::Brook:
      return {"Dm | Gm | C | F | Bb | Gm | A | Dm",
              "a4:2 d5 f5 e5 d5 a4 | bb4:8 g4:4 | e4:2 g4 c5 bb4 a4 g4 | a4:12 | "
              "d5:2 f5 d5 c5 bb4 d5 | bb4:6 a4:2 g4:4 | e5:6 c#5:2 a4:4 | d5:12 |"};
    case Section::BrookTurn:
      return {"Dm | Gm | C | F | Dm | A | Gm:6 A7:6 | Dm",
              "a4:2 d5 f5 e5 d5 a4 | bb4:8 g4:4 | e4:2 g4 c5 bb4 a4 g4 | a4:12 | "
              "d5:2 f5 a5 g5 f5 d5 | e5:8 c#5:4 | d5:4 e5 a4 | f4:12 |"};
    case Section::Dusk:
      return {"F | Dm | Bb | C | Am | Dm | Gm7 | C7sus4",
              "f5:12 | e5:4 d5 a4 | bb4:8 d5:4 | c5:12 | "
              "c5:4 e5 a5 | f5:8 d5:4 | bb4:6 a4:2 g4:4 | g4:8 c5:4 |"};
    case Section::DuskHome:
      return {"F | Dm | Bb | C | Am | Dm | C | F",
              "f5:12 | e5:4 d5 a4 | bb4:8 d5:4 | c5:12 | "
              "a4:6 bb4:2 c5:4 | d5:8 f5:4 | e5:6 d5:2 e5:4 | f5:12 |"};
  }
  return {};
}

// How one pass through the tune is dressed: who sings it, who answers, how the harp moves,
// in which key, and how much rhythm there is. Each pass differs, so ten minutes stay fresh.
struct Pass {
  Instrument lead;
  bool descant;           // the clarinet (or the flute, under a clarinet lead) adds a slow line
  std::vector<int> harp;  // the harp's figure; empty when the harp carries the tune
  int key;                // semitones above F major
  int pulse;              // 0 none, 1 the shaker, 2 shaker and frame drum
  std::vector<Section> sections;
};

const std::vector<int> kRocking = {0, 1, 2, 3, 2, 1};
const std::vector<int> kWide = {0, 2, 4, 5, 4, 2};
const std::vector<int> kFalling = {3, 2, 1, 0, 1, 2};
const std::vector<BassHit> kDownbeat = {{0, 10, BassHit::Bass}};
const std::vector<BassHit> kLilt = {{0, 4, BassHit::Bass}, {4, 8, BassHit::Fifth}};

const std::vector<Pass> kPasses = {
    {Instrument::Flute,
     false,
     kRocking,
     0,
     0,
     {Section::Verse, Section::Glade, Section::Bridge, Section::VerseToRest}},
    {Instrument::Clarinet,
     true,
     kWide,
     0,
     1,
     {Section::Theme, Section::Brook, Section::Dusk, Section::Verse}},
    {Instrument::Harp,
     false,
     {},
     2,
     0,
     {Section::Glade, Section::ThemeAnswer, Section::BrookTurn, Section::VerseToRest}},
    {Instrument::Flute,
     true,
     kFalling,
     2,
     2,
     {Section::Bridge, Section::Dusk, Section::GladeHome, Section::Theme, Section::Verse}},
    {Instrument::Strings,
     false,
     kRocking,
     -2,
     0,
     {Section::Brook, Section::BridgeHome, Section::DuskHome, Section::ThemeAnswer}},
    {Instrument::Harp, true, {}, -2, 1, {Section::Dusk, Section::GladeHome, Section::BridgeHome}},
    {Instrument::Clarinet,
     false,
     kFalling,
     0,
     1,
     {Section::Theme, Section::BrookTurn, Section::Glade, Section::Bridge}},
    {Instrument::Flute,
     true,
     kWide,
     0,
     2,
     {Section::Brook, Section::ThemeAnswer, Section::DuskHome, Section::GladeHome,
      Section::BridgeHome, Section::VerseToRest}},
};

void play(Arranger& song, const Pass& pass, Section section) {
  const Written music = written(section);
  Passage passage = song.passage(music.chords, pass.key);
  const bool bridge = section == Section::Bridge || section == Section::BridgeHome;
  // A tune on the strings stands out above held chords of the harp instead.
  if (pass.lead == Instrument::Strings) {
    passage.melody(Instrument::Strings, music.tune, 78).held(Instrument::Harp, 53, 69, 46);
  } else {
    passage.melody(pass.lead, music.tune, bridge ? 88 : 84)
        .held(Instrument::Strings, bridge ? 57 : 53, bridge ? 72 : 69, 52);
  }
  if (!pass.harp.empty()) passage.broken(Instrument::Harp, pass.harp, 2, 6, 53, 56);
  if (pass.descant) {
    const Instrument voice =
        pass.lead == Instrument::Clarinet ? Instrument::Flute : Instrument::Clarinet;
    passage.descant(voice, 57, 69, 12, 54);
  }
  passage.bass(Instrument::Bass, pass.pulse == 2 ? kLilt : kDownbeat, 36, 68);
  if (pass.pulse >= 1) passage.rhythm(Instrument::Shaker, "....x...x...", 72);
  if (pass.pulse == 2 && bridge) passage.rhythm(Instrument::Drum, "X...........", 64);
}

}  // namespace

// About ten minutes: the intro once, eight passes of the tune dressed differently, and a
// quiet ending, because a MIDI piece plays once.
Song dauw() {
  Arranger song("Dauw", 84, 12);

  song.passage("Fmaj7 | Bbmaj7 | Fmaj7 | Csus4")
      .held(Instrument::Strings, 53, 69, 56)
      .broken(Instrument::Harp, kRocking, 2, 6, 53, 62);

  for (const Pass& pass : kPasses)
    for (Section section : pass.sections) play(song, pass, section);

  song.passage("Bbmaj7 | F | Gm7 | F")
      .melody(Instrument::Flute, "a4:12 | f4:12 | g4:6 a4:2 bb4:4 | a4:12", 68)
      .held(Instrument::Strings, 53, 69, 54)
      .broken(Instrument::Harp, {0, 1, 2}, 4, 8, 53, 56);
  return song.song();
}

}  // namespace dwaalbos::music
