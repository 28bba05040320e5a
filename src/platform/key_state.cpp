#include "key_state.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "live_keys.h"

namespace dwaalbos {

KeyState& KeyState::instance() {
  static KeyState* state = [] {
    auto* created = new KeyState;
    QCoreApplication::instance()->installEventFilter(created);
    return created;
  }();
  return *state;
}

bool KeyState::query(int key) {
  const bool down = keyDownNow(key).value_or(down_.contains(key));
  const bool answer = down || pressed_.contains(key);
  pressed_.remove(key);
  return answer;
}

void KeyState::clear() {
  down_.clear();
  pressed_.clear();
}

bool KeyState::eventFilter(QObject* watched, QEvent* event) {
  // Every key event passes the filter once for each widget it is delivered to; the state
  // only needs the first, and auto-repeat releases are not real releases.
  const auto type = event->type();
  if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyPress) {
      down_.insert(key->key());
      pressed_.insert(key->key());
    } else if (!key->isAutoRepeat()) {
      down_.remove(key->key());
    }
  } else if (type == QEvent::ApplicationDeactivate) {
    down_.clear();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace dwaalbos
