#include "musicgen/repetition.h"

#include <gtest/gtest.h>

namespace dwaalbos::music {
namespace {

// A song of one-bar phrases (steps of 4), each a melody voice's notes at the given pitches.
Song songOf(const std::vector<std::vector<int>>& bars, Instrument voice = Instrument::Flute) {
  Song song{"proef", 80, 4, static_cast<int>(bars.size()) * 4, {{voice, {}}}};
  for (std::size_t bar = 0; bar < bars.size(); ++bar)
    for (std::size_t i = 0; i < bars[bar].size(); ++i)
      song.tracks[0].notes.push_back({static_cast<int>(bar * 4 + i), 1, bars[bar][i], 90});
  return song;
}

TEST(Repetition, ThePhraseInAnotherKeyIsTheSamePhrase) {
  const Song song = songOf({{60, 62, 64}, {67, 69, 71}, {60, 62, 64}, {60, 64, 62}});
  EXPECT_EQ(mostRepeatedPhrase(song, 1), 3);
  EXPECT_EQ(mostRepeatedPhrase(song, 2), 1);
}

TEST(Repetition, TheTuneInAnotherVoiceCountsTheAccompanimentDoesNot) {
  Song song = songOf({{60, 62, 64}, {65, 67}});
  song.tracks.push_back(songOf({{72, 74, 76}, {60, 62, 64}}, Instrument::Harp).tracks[0]);
  song.tracks.push_back(songOf({{60, 62, 64}, {60, 62, 64}}, Instrument::Strings).tracks[0]);
  EXPECT_EQ(mostRepeatedPhrase(song, 1), 3);
}

}  // namespace
}  // namespace dwaalbos::music
