#include "musicgen/repetition.h"

#include <gtest/gtest.h>

namespace dwaalbos::music {
namespace {

// A song of one-bar phrases (steps of 4), each a melody voice's notes at the given pitches.
Song songOf(const std::vector<std::vector<int>>& bars, Instrument voice = Instrument::Flute) {
  Song song{"proef", 80, 4, static_cast<int>(bars.size()) * 4, {{voice, {}}}, {}};
  for (std::size_t bar = 0; bar < bars.size(); ++bar)
    for (std::size_t i = 0; i < bars[bar].size(); ++i)
      song.tracks[0].notes.push_back({static_cast<int>(bar * 4 + i), 1, bars[bar][i], 90});
  return song;
}

TEST(Repetition, ThePhraseInAnotherKeyIsTheSamePhrase) {
  const Song song = songOf({{60, 62, 64}, {67, 69, 71}, {60, 62, 64}, {60, 64, 62}});
  EXPECT_EQ(mostRepeatedPhrase(song, 1), 3);
  EXPECT_EQ(mostRepeatedPhrase(song, 2), 1);
  const Song lastNotes = songOf({{60}, {}, {}, {}, {60}, {}, {}, {}, {60}, {}, {}, {}});
  EXPECT_EQ(mostRepeatedPhrase(lastNotes, 4), 0);
}

TEST(Repetition, TheTuneInAnotherVoiceCountsTheAccompanimentDoesNot) {
  Song song = songOf({{60, 62, 64}, {65, 67}});
  song.tracks.push_back(songOf({{72, 74, 76}, {60, 62, 64}}, Instrument::Harp).tracks[0]);
  song.tracks.push_back(songOf({{60, 62, 64}, {60, 62, 64}}, Instrument::Strings).tracks[0]);
  EXPECT_EQ(mostRepeatedPhrase(song, 1), 3);
}

// Sections written as one-bar lists of pitches, a note per step.
Song sectionsOf(const std::vector<std::vector<std::vector<int>>>& tunes) {
  Song song{"proef", 80, 4, 0, {}, {}};
  for (const auto& bars : tunes) {
    const Song section = songOf(bars);
    song.tunes.push_back({song.lengthSteps, section.lengthSteps, section.tracks[0].notes});
    song.lengthSteps += section.lengthSteps;
  }
  return song;
}

TEST(Repetition, AMelodyWithHalfItsBarsKeptIsTheSameMelody) {
  const std::vector<std::vector<int>> verse = {{60, 62}, {64}, {65, 64}, {62}};
  const Song song = sectionsOf({
      verse,
      {{67, 69}, {71}, {72, 71}, {67, 65}},  // a fifth up, its ending changed
      {{60, 62}, {64}, {69, 67}, {60}},      // its second half new
      {{60, 62}, {66}, {67, 69}, {72}},      // one bar kept where it was
      {{72, 71}, {69}, {67, 65}, {64}},
  });
  EXPECT_EQ(mostSectionsWithOneMelody(song), 3);
}

}  // namespace
}  // namespace dwaalbos::music
