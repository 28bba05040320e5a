#pragma once

#include <QObject>
#include <QSet>

#include <cstdint>
#include <optional>

class QKeyEvent;

namespace dwaalbos {

// The keyboard as the game's loops read it. Per key (a Qt::Key) there are two facts:
//
// - Down now: the display's live keyboard while one of the game's windows has the keyboard;
//   where the window system offers no live keyboard, the last press or release event seen.
//   Nothing is down while another program has the keyboard. A release that never reaches the
//   game therefore cannot leave a key stuck.
// - Pressed: a real press (auto-repeats do not count) that arrived since the key was last
//   queried or the presses were flushed.
//
// Two ways to forget:
// - `flush` (`toetsenleeg`, after every move): every press made before now is forgotten, also
//   one still waiting in the window system's queue. A key that is still held stays down, so
//   holding an arrow keeps walking.
// - `changeHands` (a window shown or activated, a box or dialog closed): a flush, and every key
//   down at that moment counts as up until it has been released, so the Enter that answered a
//   box never acts on the window that comes next. Its auto-repeats reach no window either.
//
// The application's event filter feeds it, and changes hands whenever one of the game's windows
// is activated or a modal box or dialog closes.
class KeyState : public QObject {
  Q_OBJECT

 public:
  // The one instance, installed on the application when first asked for.
  static KeyState& instance();

  // The game keys (Qt::Key) down now or pressed since their last query, from one query of the
  // display; it forgets no press.
  struct Now {
    QSet<int> active;
    bool anyDown = false;
  };
  Now now();

  bool isDown(int key);
  // Down now, or pressed since the last query; the query forgets the press.
  bool query(int key);
  // As `query`, but without asking the display while no event has shown the key going down
  // since it was last released: a loop that asks every frame costs the display nothing while
  // nobody types. A press still on its way is answered one frame later.
  bool queryIfPressed(int key);
  // Pressed since the last query, whether or not still down; forgets the press.
  bool takePress(int key);
  // Whether any key the game polls is down now.
  bool anyDown();
  void flush();
  void changeHands();

 signals:
  // A key went down or up: a game waiting for keys looks again.
  void keysChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  KeyState() = default;
  bool rawDown(int key) const;
  bool heldNow(int key, bool raw);
  bool madeBeforeFlush(std::uint64_t stamp) const;
  bool isRepeatOfHeldOver(const QKeyEvent& key);
  void keyPressed(int key, std::uint64_t stamp);
  void keyReleased(int key);

  QSet<int> down_;  // by events, for window systems without a live keyboard
  QSet<int> pressed_;
  QSet<int> heldOver_;                      // down at the last change of hands and not yet released
  std::optional<std::uint32_t> flushedAt_;  // the display's clock at the last flush
  // The key and time stamp of the last repeat that came as a plain release.
  struct HeldStamp {
    int key;
    std::uint64_t stamp;
    bool operator==(const HeldStamp&) const = default;
  };
  std::optional<HeldStamp> unmarkedRepeat_;
};

}  // namespace dwaalbos
