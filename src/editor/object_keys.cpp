#include "object_keys.h"

#include "level/cell_codes.h"

namespace dwaalbos {

namespace {

// X11 key codes of the main keyboard's digits 1..9, whatever symbols the layout gives them.
constexpr unsigned kFirstDigitScanCode = 10;
constexpr unsigned kLastDigitScanCode = 18;

int mainKeyboardDigit(int key, Qt::KeyboardModifiers modifiers, unsigned nativeScanCode) {
  if (modifiers & Qt::KeypadModifier) return 0;
  if (key >= Qt::Key_1 && key <= Qt::Key_9) return key - Qt::Key_0;
  if (nativeScanCode >= kFirstDigitScanCode && nativeScanCode <= kLastDigitScanCode)
    return static_cast<int>(nativeScanCode - kFirstDigitScanCode) + 1;
  return 0;
}

ObjectKey place(std::int16_t code) { return {ObjectKey::Kind::Place, code}; }

}  // namespace

ObjectKey objectKeyFor(int key, Qt::KeyboardModifiers modifiers, unsigned nativeScanCode) {
  if (const int digit = mainKeyboardDigit(key, modifiers, nativeScanCode); digit != 0)
    return place(static_cast<std::int16_t>(digit));
  switch (key) {
    case Qt::Key_F1: return {ObjectKey::Kind::NotReady, cell::kUnused};
    case Qt::Key_F2: return place(cell::kArrowLeft);
    case Qt::Key_F3: return place(cell::kArrowUp);
    case Qt::Key_F4: return place(cell::kArrowDown);
    case Qt::Key_F5: return place(cell::kArrowRight);
    case Qt::Key_F6: return place(cell::kFourWay);
    case Qt::Key_Delete: return place(cell::kEmpty);
    default: return {};
  }
}

}  // namespace dwaalbos
