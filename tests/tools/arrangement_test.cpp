#include "musicgen/arrangement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "musicgen/lanes.h"
#include "musicgen/voicing.h"

namespace dwaalbos::music {
namespace {

const Track& part(const Song& song, Instrument instrument) {
  const auto found =
      std::find_if(song.tracks.begin(), song.tracks.end(),
                   [instrument](const Track& t) { return t.instrument == instrument; });
  EXPECT_NE(found, song.tracks.end());
  return *found;
}

std::vector<int> pitchesAt(const Track& track, int step) {
  std::vector<int> out;
  for (const Note& n : track.notes)
    if (n.start <= step && step < n.end()) out.push_back(n.pitch);
  std::sort(out.begin(), out.end());
  return out;
}

TEST(Voicing, CommonTonesStayAndNeighboursNeverRub) {
  const auto chords = parseChords("C Am Fmaj7", 16);
  const std::vector<int> c = voiceLead(chords[0], {}, 55, 72);
  const std::vector<int> am = voiceLead(chords[1], c, 55, 72);
  // C and E are shared with A minor; only G has to move, up a step to A.
  EXPECT_EQ(c, (std::vector<int>{60, 64, 67}));
  EXPECT_EQ(am, (std::vector<int>{60, 64, 69}));
  // Between 55 and 72 the E and F of F major seven could only sit a semitone apart.
  EXPECT_THROW(voiceLead(chords[2], am, 55, 72), std::invalid_argument);
  const std::vector<int> fmaj7 = voiceLead(chords[2], am, 53, 72);
  ASSERT_EQ(fmaj7.size(), 4u);
  for (std::size_t i = 1; i < fmaj7.size(); ++i) EXPECT_GE(fmaj7[i] - fmaj7[i - 1], 2);
  EXPECT_GE(fmaj7.front(), 53);
  EXPECT_LE(fmaj7.back(), 72);
}

TEST(Arrangement, ARepeatedChordIsHeldRatherThanPlayedAgain) {
  Arranger song("T", 80, 16);
  song.passage("C | C | G").held(Instrument::Strings, 55, 72, 60);
  const Song result = song.song();
  const Track& strings = part(result, Instrument::Strings);
  ASSERT_EQ(strings.notes.size(), 6u);
  EXPECT_EQ(strings.notes[0].length, 32);
  EXPECT_EQ(pitchesAt(strings, 40), (std::vector<int>{59, 62, 67}));
}

TEST(Arrangement, PartsFollowTheChords) {
  Arranger song("T", 80, 16);
  song.passage("C | D/F#")
      .broken(Instrument::Harp, {0, 1, 2, 3}, 4, 4, 60, 60)
      .bass(Instrument::Bass, {{0, 8, BassHit::Bass}, {8, 8, BassHit::Fifth}}, 40, 70)
      .rhythm(Instrument::Shaker, "..x...x...x...x.", 50);
  const Song result = song.song();
  const Track& harp = part(result, Instrument::Harp);
  ASSERT_EQ(harp.notes.size(), 8u);
  EXPECT_EQ(harp.notes[3].pitch, 72);
  EXPECT_EQ(harp.notes[4].pitch, 62);  // D major from D above middle C
  const Track& bass = part(result, Instrument::Bass);
  ASSERT_EQ(bass.notes.size(), 4u);
  EXPECT_EQ(bass.notes[0].pitch, 48);  // C3
  EXPECT_EQ(bass.notes[1].pitch, 55);  // its fifth, G3
  EXPECT_EQ(bass.notes[2].pitch, 42);  // the F# in the bass
  EXPECT_EQ(bass.notes[3].pitch, 45);  // the fifth of D, above it
  EXPECT_EQ(part(result, Instrument::Shaker).notes.size(), 8u);
  EXPECT_EQ(result.lengthSteps, 32);
}

TEST(Arrangement, AKeyStruckAgainCutsItsEarlierNoteShort) {
  Arranger song("T", 80, 16);
  song.passage("C").broken(Instrument::Harp, {0, 0}, 4, 12, 60, 60);
  const Song result = song.song();
  const Track& harp = part(result, Instrument::Harp);
  for (std::size_t i = 0; i + 1 < harp.notes.size(); ++i)
    EXPECT_LE(harp.notes[i].end(), harp.notes[i + 1].start);
}

TEST(Lanes, OverlappingNotesGetTheirOwnLaneAndFollowersShareOne) {
  const std::vector<Note> notes = {{0, 8, 60, 90}, {4, 8, 64, 90}, {8, 4, 67, 90}, {12, 4, 72, 90}};
  const auto lanes = splitIntoLanes(notes);
  ASSERT_EQ(lanes.size(), 2u);
  for (const auto& lane : lanes)
    for (std::size_t i = 1; i < lane.size(); ++i) EXPECT_LE(lane[i - 1].end(), lane[i].start);
  EXPECT_EQ(lanes[0].size() + lanes[1].size(), notes.size());
}

}  // namespace
}  // namespace dwaalbos::music
