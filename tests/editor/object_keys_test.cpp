#include "editor/object_keys.h"

#include <gtest/gtest.h>

#include "level/cell_codes.h"

namespace dwaalbos {
namespace {

ObjectKey::Kind kindOf(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                       unsigned scanCode = 0) {
  return objectKeyFor(key, modifiers, scanCode).kind;
}

TEST(ObjectKeys, MainKeyboardDigitsPlaceTheirOwnCode) {
  for (int digit = 1; digit <= 9; ++digit) {
    const auto key = objectKeyFor(Qt::Key_0 + digit, Qt::NoModifier, 0);
    EXPECT_EQ(key.kind, ObjectKey::Kind::Place);
    EXPECT_EQ(key.code, digit);
  }
  EXPECT_EQ(kindOf(Qt::Key_0), ObjectKey::Kind::Nothing);
}

TEST(ObjectKeys, KeypadDigitsDoNothing) {
  for (int digit = 0; digit <= 9; ++digit)
    EXPECT_EQ(kindOf(Qt::Key_0 + digit, Qt::KeypadModifier), ObjectKey::Kind::Nothing);
  // Also when the keypad key's code would be a digit key's on the main keyboard.
  EXPECT_EQ(kindOf(Qt::Key_1, Qt::KeypadModifier, 10), ObjectKey::Kind::Nothing);
}

TEST(ObjectKeys, ShiftedDigitKeysStillPlaceTheirDigit) {
  // Shift+1 arrives as '!' (US layout); an AZERTY 7 as 'è'. The key itself decides.
  auto key = objectKeyFor(Qt::Key_Exclam, Qt::ShiftModifier, 10);
  EXPECT_EQ(key.kind, ObjectKey::Kind::Place);
  EXPECT_EQ(key.code, 1);
  key = objectKeyFor(Qt::Key_Egrave, Qt::NoModifier, 16);
  EXPECT_EQ(key.code, 7);
  EXPECT_EQ(objectKeyFor(Qt::Key_5, Qt::ShiftModifier | Qt::ControlModifier, 0).code, 5);
}

TEST(ObjectKeys, FunctionKeysPlaceArrowsAndF1IsNotReady) {
  const std::pair<int, int> arrows[] = {{Qt::Key_F2, cell::kArrowLeft},
                                        {Qt::Key_F3, cell::kArrowUp},
                                        {Qt::Key_F4, cell::kArrowDown},
                                        {Qt::Key_F5, cell::kArrowRight},
                                        {Qt::Key_F6, cell::kFourWay}};
  for (const auto& [key, code] : arrows) {
    const auto action = objectKeyFor(key, Qt::NoModifier, 0);
    EXPECT_EQ(action.kind, ObjectKey::Kind::Place);
    EXPECT_EQ(action.code, code);
  }
  EXPECT_EQ(kindOf(Qt::Key_F1), ObjectKey::Kind::NotReady);
  EXPECT_EQ(kindOf(Qt::Key_F7), ObjectKey::Kind::Nothing);
}

TEST(ObjectKeys, DeleteEmptiesAndOtherKeysDoNothing) {
  const auto erase = objectKeyFor(Qt::Key_Delete, Qt::NoModifier, 0);
  EXPECT_EQ(erase.kind, ObjectKey::Kind::Place);
  EXPECT_EQ(erase.code, cell::kEmpty);
  for (int key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Return})
    EXPECT_EQ(kindOf(key), ObjectKey::Kind::Nothing) << key;
}

}  // namespace
}  // namespace dwaalbos
