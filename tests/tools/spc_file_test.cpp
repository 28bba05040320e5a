// The sound chip's file: the driver's assembler, the voices it takes and their events.
#include "musicgen/spc700_assembler.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "musicgen/spc_events.h"
#include "musicgen/spc_writer.h"

namespace dwaalbos::music {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Spc700Assembler, BranchesCountFromTheNextInstruction) {
  Spc700Assembler a(0x0400);
  a.label("top");
  a.movYDp(0xFD);       // 0400: EB FD
  a.beq("top");         // 0402: F0 FC  (back to 0400 from 0404)
  a.dbnz(0x00, "top");  // 0404: 6E 00 F9 (from 0407)
  a.bcs("ahead");       // 0407: B0 03  (to 040C from 0409)
  a.jmp("top");         // 0409: 5F 00 04
  a.label("ahead");
  a.bra("ahead");  // 040C: 2F FE
  EXPECT_EQ(a.finish(), (Bytes{0xEB, 0xFD, 0xF0, 0xFC, 0x6E, 0x00, 0xF9, 0xB0, 0x03, 0x5F, 0x00,
                               0x04, 0x2F, 0xFE}));
}

TEST(SpcFile, MoreThanEightVoicesAreRefused) {
  Track chord{Instrument::Strings, {}};
  for (int i = 0; i < 9; ++i) chord.notes.push_back({0, 16, 48 + 2 * i, 80});
  EXPECT_THROW(spcFile({"Te vol", 75, 16, 16, {chord}, {}}), std::invalid_argument);
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
