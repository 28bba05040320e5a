#pragma once

#include <QObject>
#include <QSet>

namespace dwaalbos {

// The keyboard as the game's loops read it: per key, "down, or pressed since the last query".
// Fed by the application's key events through an event filter, so it sees every key press
// of every window of the program, like the asynchronous key state the loops were made for.
class KeyState : public QObject {
  Q_OBJECT

 public:
  // The one instance, installed on the application when first asked for.
  static KeyState& instance();

  // True when the key (a Qt::Key) is down or was pressed since it was last queried; the
  // query clears the pressed mark.
  bool query(int key);
  bool anyDown() const { return !down_.isEmpty(); }
  // Forget everything, as when the application loses the keyboard.
  void clear();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  KeyState() = default;
  QSet<int> down_;
  QSet<int> pressed_;
};

}  // namespace dwaalbos
