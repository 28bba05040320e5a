#include "key_state.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

#include "game_keys.h"
#include "live_keys.h"

namespace dwaalbos {
namespace {

bool isWindow(const QObject* object) {
  return object->isWidgetType() && static_cast<const QWidget*>(object)->isWindow();
}

}  // namespace

KeyState& KeyState::instance() {
  static KeyState* state = [] {
    auto* created = new KeyState;
    QCoreApplication::instance()->installEventFilter(created);
    return created;
  }();
  return *state;
}

bool KeyState::rawDown(int key) const { return keyDownNow(key).value_or(down_.contains(key)); }

bool KeyState::isDown(int key) { return heldNow(key, rawDown(key)); }

// A key held over from the window before counts as up until it has been released.
bool KeyState::heldNow(int key, bool raw) {
  if (!raw) {
    heldOver_.remove(key);
    return false;
  }
  return !heldOver_.contains(key);
}

KeyState::Now KeyState::now() {
  const auto live = gameKeysDownNow();
  Now now;
  for (std::size_t i = 0; i < kGameKeys.size(); ++i) {
    const int key = kGameKeys[i].qt;
    const bool down = heldNow(key, live ? (*live)[i] : down_.contains(key));
    now.anyDown = now.anyDown || down;
    if (down || pressed_.contains(key)) now.active.insert(key);
  }
  return now;
}

bool KeyState::query(int key) {
  const bool down = isDown(key);
  return takePress(key) || down;
}

bool KeyState::queryIfPressed(int key) {
  return (down_.contains(key) || pressed_.contains(key)) && query(key);
}

bool KeyState::takePress(int key) { return pressed_.remove(key); }

bool KeyState::anyDown() {
  return std::ranges::any_of(kGameKeys,
                             [this](const GameKeyCode& code) { return isDown(code.qt); });
}

void KeyState::flush() {
  pressed_.clear();
  flushedAt_ = displayTimeNow();
}

void KeyState::changeHands() {
  flush();
  for (const GameKeyCode& code : kGameKeys)
    if (rawDown(code.qt)) heldOver_.insert(code.qt);
}

// Display clocks wrap after 49 days; the difference of two stamps does not care.
bool KeyState::madeBeforeFlush(std::uint64_t stamp) const {
  if (!flushedAt_ || stamp == 0) return false;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(stamp) - *flushedAt_) <= 0;
}

void KeyState::keyPressed(int key, std::uint64_t stamp) {
  down_.insert(key);
  if (madeBeforeFlush(stamp)) return;
  heldOver_.remove(key);
  pressed_.insert(key);
}

void KeyState::keyReleased(int key) {
  down_.remove(key);
  heldOver_.remove(key);
}

// The toolkit marks a repeat only when its press is already queued behind its release; on a
// busy machine a repeat can come as a plain release and press. A release of a held-over key
// that the display still has down is such a repeat, and so is the press with its time stamp.
bool KeyState::isRepeatOfHeldOver(const QKeyEvent& key) {
  if (!heldOver_.contains(key.key())) return false;
  if (key.isAutoRepeat()) return true;
  const HeldStamp stamp{key.key(), key.timestamp()};
  if (key.type() == QEvent::KeyPress) return unmarkedRepeat_ == stamp;
  if (!keyDownNow(key.key()).value_or(false)) return false;
  unmarkedRepeat_ = stamp;
  return true;
}

bool KeyState::eventFilter(QObject* watched, QEvent* event) {
  // A key event passes the filter once for each widget it is offered to; the sets do not mind.
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto* key = static_cast<QKeyEvent*>(event);
      // The repeats of a key held over from the window before reach no window: an arrow held
      // onto the end square would otherwise move a box's focus from "Ja" to "Nee".
      if (isRepeatOfHeldOver(*key)) return true;
      if (key->isAutoRepeat()) return false;
      if (event->type() == QEvent::KeyPress) keyPressed(key->key(), key->timestamp());
      else keyReleased(key->key());
      emit keysChanged();
      break;
    }
    case QEvent::WindowActivate:
      if (isWindow(watched)) changeHands();
      break;
    case QEvent::Hide:
      if (isWindow(watched) && static_cast<QWidget*>(watched)->isModal()) changeHands();
      break;
    case QEvent::ApplicationDeactivate:
      down_.clear();
      pressed_.clear();
      break;
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace dwaalbos
