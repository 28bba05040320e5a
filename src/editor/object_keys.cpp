#include "object_keys.h"

#include <string>

#include "level/cell_kinds.h"

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

// The key's name as the legend shows it; empty for keys that place nothing.
std::string keyName(int key, Qt::KeyboardModifiers modifiers, unsigned nativeScanCode) {
  if (const int digit = mainKeyboardDigit(key, modifiers, nativeScanCode); digit != 0)
    return std::to_string(digit);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F35) return "F" + std::to_string(key - Qt::Key_F1 + 1);
  if (key == Qt::Key_Delete) return "Delete";
  return {};
}

}  // namespace

ObjectKey objectKeyFor(int key, Qt::KeyboardModifiers modifiers, unsigned nativeScanCode) {
  const std::string name = keyName(key, modifiers, nativeScanCode);
  if (name.empty()) return {};
  for (const CellKind& kind : kCellKinds) {
    if (name != kind.editorKey) continue;
    return {kind.inPlay ? ObjectKey::Kind::Place : ObjectKey::Kind::NotReady, kind.code};
  }
  return {};
}

}  // namespace dwaalbos
