#include "musicgen/notation.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

namespace dwaalbos::music {
namespace {

TEST(Notation, PitchNamesCountOctavesFromTheLetter) {
  const std::pair<const char*, int> names[] = {{"c4", 60},  {"a4", 69},  {"b4", 71}, {"bb3", 58},
                                               {"f#5", 78}, {"cb4", 59}, {"b#3", 60}};
  for (const auto& [name, pitch] : names) EXPECT_EQ(parsePitch(name), pitch) << name;
  EXPECT_THROW(parsePitch("h4"), std::invalid_argument);
  EXPECT_THROW(parsePitch("c"), std::invalid_argument);
}

TEST(Notation, LengthsCarryOverRestsAdvanceAndTiesHold) {
  const Melody tune = parseMelody("d5:4 e5 r f5:2 - g5 v60 a5:8", 16);
  ASSERT_EQ(tune.notes.size(), 5u);
  EXPECT_EQ(tune.notes[1].start, 4);
  EXPECT_EQ(tune.notes[1].length, 4);
  EXPECT_EQ(tune.notes[2].start, 12);  // after the rest
  EXPECT_EQ(tune.notes[2].length, 4);  // held on by the tie
  EXPECT_EQ(tune.notes[3].start, 16);
  EXPECT_EQ(tune.notes[3].velocity, 90);
  EXPECT_EQ(tune.notes[4].velocity, 60);
  EXPECT_EQ(tune.length, 26);
}

TEST(Notation, ChordsSpellTheirRootQualityBassAndLength) {
  const std::vector<Chord> chords = parseChords("D/F# | Bbmaj7:8 Em7:8 | G", 16);
  ASSERT_EQ(chords.size(), 4u);
  EXPECT_EQ(chords[0].root, 2);
  EXPECT_EQ(chords[0].bass, 6);
  EXPECT_EQ(chords[0].pitchClasses(), (std::vector<int>{2, 6, 9}));
  EXPECT_EQ(chords[1].root, 10);
  EXPECT_EQ(chords[1].start, 16);
  EXPECT_EQ(chords[1].length, 8);
  EXPECT_EQ(chords[1].pitchClasses(), (std::vector<int>{10, 2, 5, 9}));
  EXPECT_EQ(chords[2].pitchClasses(), (std::vector<int>{4, 7, 11, 2}));
  EXPECT_EQ(chords[3].bass, 7);
  EXPECT_EQ(lengthOf(chords), 48);
}

}  // namespace
}  // namespace dwaalbos::music
