#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "musicgen/spc_events.h"
#include "musicgen/spc_writer.h"

namespace dwaalbos::music {
namespace {

using Bytes = std::vector<std::uint8_t>;

Song oneFlute() {
  return {"Proef", 75, 16, 32, {{Instrument::Flute, {{0, 8, 69, 127}, {8, 8, 71, 127}}}}};
}

TEST(SpcFile, IsASnapshotThatStartsTheDriver) {
  const Bytes file = spcFile(oneFlute());
  ASSERT_EQ(file.size(), 0x10200u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 33), "SNES-SPC700 Sound File Data v0.30");
  EXPECT_EQ(file[0x23], 26);  // with an ID666 tag
  EXPECT_EQ(file[0x25] | file[0x26] << 8, 0x0400);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[0x2E])), "Proef");
  EXPECT_EQ(file[0x100 + 0x0400], 0x20);  // the driver's first instruction: clrp
  const std::size_t dsp = 0x10100;
  EXPECT_EQ(file[dsp + 0x5D], 0x02);      // sample directory at $0200
  EXPECT_EQ(file[dsp + 0x6D], 0xA0);      // echo buffer at $A000
  EXPECT_EQ(file[dsp + 0x6C] & 0xE0, 0);  // not muted, echo writes on
  EXPECT_EQ(file[dsp + 0x4C], 0);         // nothing keyed on before the driver runs
  // The flute's sample, looping from its start.
  const std::size_t directory = 0x100 + 0x0200;
  EXPECT_EQ(file[directory] | file[directory + 1] << 8, 0x0800);
  EXPECT_EQ(file[directory + 2] | file[directory + 3] << 8, 0x0800);
}

TEST(SpcFile, MoreThanEightVoicesAreRefused) {
  Track chord{Instrument::Strings, {}};
  for (int i = 0; i < 9; ++i) chord.notes.push_back({0, 16, 48 + 2 * i, 80});
  EXPECT_THROW(spcFile({"Te vol", 75, 16, 16, {chord}}), std::invalid_argument);
}

TEST(SpcEvents, KeysOnWaitsLetsGoAndEndsWithTheRestartMarker) {
  ChipVoice voice{
      0, chipInstrument(Instrument::Harp), {1.0, 0.0}, {{0, 4, 69, 127}, {40, 4, 72, 127}}};
  const Bytes events = songEvents({voice}, 2, 64);
  const std::uint8_t release = chipInstrument(Instrument::Harp).releaseGain;
  // Key on (voice, pitch, two volumes checked below, wait to the note's end), let go in its own
  // time and wait to step 40; the second note the same, waiting to the song's end; restart.
  const Bytes expected = {0x80, 0, 69, 0, 0, 8,  0xC0, release, 72,   0x80,
                          0,    72, 0, 0, 8, 0xC0, release, 40,  0x00};
  ASSERT_EQ(events.size(), expected.size());
  for (std::size_t i : {0, 1, 2, 5, 6, 7, 8, 9, 10, 11, 14, 15, 16, 17, 18})
    EXPECT_EQ(events[i], expected[i]) << "byte " << i;
  EXPECT_EQ(events[3], events[4]);  // centred
  EXPECT_GT(events[3], 0);
  EXPECT_LE(events[3], 127);
}

TEST(SpcEvents, LongWaitsAreSplitAndCloseNotesLetGoJustBeforeTheNext) {
  ChipVoice voice{
      0, chipInstrument(Instrument::Flute), {1.0, 0.0}, {{0, 100, 69, 100}, {100, 8, 71, 100}}};
  const Bytes events = songEvents({voice}, 3, 108);
  // The first note runs into the second: it is keyed off one frame before it.
  const Bytes head(events.begin() + 5, events.begin() + 10);
  EXPECT_EQ(head, (Bytes{127, 127, 45, 0xC0, 0x00}));
}

}  // namespace
}  // namespace dwaalbos::music
