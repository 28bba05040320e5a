// The editor's key rules: which object a key places, and how a held arrow repeats.
#include "editor/cursor_repeat.h"
#include "editor/object_keys.h"

#include <gtest/gtest.h>

namespace dwaalbos {
namespace {

using Kind = ObjectKey::Kind;

struct KeyCase {
  int key;
  Qt::KeyboardModifiers modifiers;
  unsigned scanCode;
  Kind kind;
  int code;  // of a placed object
};

void PrintTo(const KeyCase& c, std::ostream* out) {
  *out << "key " << c.key << " scan " << c.scanCode;
}

class ObjectKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ObjectKeys, PlaceTheirObjectOrNothing) {
  const ObjectKey key = objectKeyFor(GetParam().key, GetParam().modifiers, GetParam().scanCode);
  EXPECT_EQ(key.kind, GetParam().kind);
  if (key.kind == Kind::Place) {
    EXPECT_EQ(key.code, GetParam().code);
  }
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;

INSTANTIATE_TEST_SUITE_P(
    AllKeys, ObjectKeys,
    ::testing::Values(KeyCase{Qt::Key_1, kNone, 0, Kind::Place, 1},
                      KeyCase{Qt::Key_0, kNone, 0, Kind::Nothing, 0},
                      // Shift+1 arrives as '!' (US layout), an AZERTY 7 as 'è': the key decides.
                      KeyCase{Qt::Key_Exclam, Qt::ShiftModifier, 10, Kind::Place, 1},
                      KeyCase{Qt::Key_Egrave, kNone, 16, Kind::Place, 7},
                      KeyCase{Qt::Key_5, Qt::ShiftModifier | Qt::ControlModifier, 0, Kind::Place,
                              5},
                      KeyCase{Qt::Key_F7, kNone, 0, Kind::Nothing, 0},
                      // Keypad digits place nothing, even with a main-keyboard digit's key code.
                      KeyCase{Qt::Key_5, Qt::KeypadModifier, 0, Kind::Nothing, 0},
                      KeyCase{Qt::Key_1, Qt::KeypadModifier, 10, Kind::Nothing, 0},
                      KeyCase{Qt::Key_Return, kNone, 0, Kind::Nothing, 0}));

// Moves seen while a key is pressed at 0 and held until `releasedAt`, looked at every 85 ms
// as the cursor loop does, starting `phase` ms after the press.
int movesWhileHeld(int releasedAt, int phase) {
  CursorRepeat repeat;
  int moves = repeat.step(true, true, 0) ? 1 : 0;
  for (int now = phase; now < releasedAt + 200; now += 85)
    moves += repeat.step(false, now < releasedAt, now) ? 1 : 0;
  return moves;
}

TEST(CursorRepeat, ATapMovesOnceHoweverTheLoopFallsAndAHeldKeyRepeatsAfterTheFirstDelay) {
  for (int phase : {1, 40, 84}) {
    EXPECT_EQ(movesWhileHeld(150, phase), 1) << phase;
    EXPECT_EQ(movesWhileHeld(240, phase), 1) << phase;
    // 250 ms, then every 85 ms until the release at 700 ms: six more.
    const int held = movesWhileHeld(700, phase);
    EXPECT_GE(held, 6) << phase;
    EXPECT_LE(held, 7) << phase;
  }
}

TEST(CursorRepeat, AKeyHeldOverWithoutAPressDoesNotMove) {
  CursorRepeat repeat;
  EXPECT_FALSE(repeat.step(false, true, 0));
  EXPECT_FALSE(repeat.step(false, true, 1000));
  EXPECT_TRUE(repeat.step(true, true, 1085));
}

}  // namespace
}  // namespace dwaalbos
