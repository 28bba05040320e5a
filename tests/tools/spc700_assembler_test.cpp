#include "musicgen/spc700_assembler.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace dwaalbos::music {
namespace {

using Code = std::vector<std::uint8_t>;

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
  EXPECT_EQ(a.finish(), (Code{0xEB, 0xFD, 0xF0, 0xFC, 0x6E, 0x00, 0xF9, 0xB0, 0x03, 0x5F, 0x00,
                              0x04, 0x2F, 0xFE}));
}

TEST(Spc700Assembler, TwoAddressMovesPutTheSourceFirst) {
  Spc700Assembler a(0x0400);
  a.movDpImm(0xF2, 0x4C);
  a.movDpDp(0xF3, 0x05);
  a.movAAbsX(0x1234);
  a.tset1(0x0004);
  EXPECT_EQ(a.finish(),
            (Code{0x8F, 0x4C, 0xF2, 0xFA, 0x05, 0xF3, 0xF5, 0x34, 0x12, 0x0E, 0x04, 0x00}));
}

TEST(Spc700Assembler, IndexedAndArithmeticInstructionsEncodeTheirOperands) {
  Spc700Assembler a(0x0400);
  a.label("routine");
  a.movADpX(0x28);
  a.incDpX(0x20);
  a.movYDpX(0x18);
  a.mulYA();
  a.rolA();
  a.adcDp(0x0E);
  a.sbcImm(0x0A);
  a.movDpXA(0x10);
  a.ret();
  a.call("routine");
  EXPECT_EQ(a.finish(), (Code{0xF4, 0x28, 0xBB, 0x20, 0xFB, 0x18, 0xCF, 0x3C, 0x84, 0x0E, 0xA8,
                              0x0A, 0xD4, 0x10, 0x6F, 0x3F, 0x00, 0x04}));
}

TEST(Spc700Assembler, UnreachableOrUnknownTargetsAreErrors) {
  Spc700Assembler far(0x0400);
  far.label("start");
  for (int i = 0; i < 130; ++i) far.xcnA();
  far.bra("start");
  EXPECT_THROW(far.finish(), std::logic_error);

  Spc700Assembler lost(0x0400);
  lost.jmp("nowhere");
  EXPECT_THROW(lost.finish(), std::logic_error);

  Spc700Assembler twice(0x0400);
  twice.label("here");
  EXPECT_THROW(twice.label("here"), std::logic_error);
}

}  // namespace
}  // namespace dwaalbos::music
