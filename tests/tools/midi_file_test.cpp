#include <gtest/gtest.h>

#include <map>

#include "musicgen/midi_writer.h"

namespace dwaalbos::music {
namespace {

using Bytes = std::vector<std::uint8_t>;

unsigned big(const Bytes& b, std::size_t at, int width) {
  unsigned v = 0;
  for (int i = 0; i < width; ++i) v = v << 8 | b.at(at + static_cast<std::size_t>(i));
  return v;
}

struct MidiTrack {
  unsigned endTick = 0;
  std::map<int, int> noteOnsPerChannel;
};

// Walks the chunks of a format 1 file: where each track ends and which channels its notes use.
std::vector<MidiTrack> readTracks(const Bytes& file) {
  std::vector<MidiTrack> tracks;
  for (std::size_t at = 14; at + 8 <= file.size();) {
    const std::size_t end = at + 8 + big(file, at + 4, 4);
    MidiTrack track;
    unsigned tick = 0;
    unsigned status = 0;
    for (std::size_t p = at + 8; p < end;) {
      unsigned delta = 0;
      do delta = delta << 7 | (file[p] & 0x7F);
      while (file[p++] & 0x80);
      tick += delta;
      if (file[p] == 0xFF) {
        const unsigned type = file[p + 1];
        const unsigned length = file[p + 2];
        if (type == 0x2F) track.endTick = tick;
        p += 3 + length;
        continue;
      }
      if (file[p] & 0x80) status = file[p++];
      if ((status & 0xF0) == 0x90 && file[p + 1] > 0)
        ++track.noteOnsPerChannel[static_cast<int>(status & 0x0F)];
      p += (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
    }
    tracks.push_back(track);
    at = end;
  }
  return tracks;
}

Song smallBand() {
  return {"Proef",
          90,
          16,
          32,
          {{Instrument::Flute, {{0, 8, 72, 90}, {8, 8, 74, 90}}},
           {Instrument::Strings, {{0, 32, 60, 70}, {0, 32, 64, 70}}},
           {Instrument::Shaker, {{2, 1, 60, 60}, {6, 1, 60, 60}}},
           {Instrument::Drum, {{0, 1, 60, 60}}}},
          {}};
}

// Every track ends at the song's length; percussion plays on channel ten, the rest each on
// their own.
TEST(MidiFile, TracksEndTogetherAndPercussionPlaysOnChannelTen) {
  const Bytes file = midiFile(smallBand());
  const unsigned ticksPerBeat = big(file, 12, 2);
  const auto tracks = readTracks(file);
  ASSERT_EQ(tracks.size(), 5u);  // tempo track and four parts
  for (const MidiTrack& track : tracks) EXPECT_EQ(track.endTick, 32 * ticksPerBeat / 4);
  EXPECT_EQ(tracks[1].noteOnsPerChannel, (std::map<int, int>{{0, 2}}));
  EXPECT_EQ(tracks[2].noteOnsPerChannel, (std::map<int, int>{{1, 2}}));
  EXPECT_EQ(tracks[3].noteOnsPerChannel, (std::map<int, int>{{9, 2}}));
  EXPECT_EQ(tracks[4].noteOnsPerChannel, (std::map<int, int>{{9, 1}}));
}

}  // namespace
}  // namespace dwaalbos::music
