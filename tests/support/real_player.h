#pragma once

#include <QObject>

#include <atomic>
#include <functional>

class QWidget;

namespace dwaalbos::testing {

// Which of the game's windows has the keyboard and whether a modal box is up, readable from
// the player's thread.
class WindowWatch : public QObject {
 public:
  WindowWatch();
  ~WindowWatch() override;

  // Wait, on the player's thread, until the window or a modal box has the keyboard.
  bool waitUntilActive(const QWidget& window) const;
  bool waitForBox() const;
  // Waits until a window of the class (its meta-object name, "dwaalbos::Splash") has it.
  bool waitUntilActiveKind(const char* className) const;

  std::atomic<const QObject*> active = nullptr;
  std::atomic<const char*> activeKind = "";
  std::atomic<int> boxesShown = 0;
  std::atomic<bool> boxUp = false;  // shown and holding the keyboard

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// The player's part runs on a thread of its own while the windows run on this one; `finally`
// runs here once the player is done (to end a game still waiting for keys). False when the
// windows did not come back in time.
bool whilePlayerTypes(const std::function<void()>& keys, const std::function<void()>& finally);

// Runs `work` on the windows' thread and waits until it is done: the player's thread reads and
// touches the game only this way.
void onWindows(const std::function<void()>& work);
template <class Read>
auto readOnWindows(Read read) {
  decltype(read()) value{};
  onWindows([&] { value = read(); });
  return value;
}

}  // namespace dwaalbos::testing
