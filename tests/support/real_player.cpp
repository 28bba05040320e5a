#include "real_player.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstring>
#include <thread>

#include "x_display.h"

namespace dwaalbos::testing {

WindowWatch::WindowWatch() { qApp->installEventFilter(this); }
WindowWatch::~WindowWatch() { qApp->removeEventFilter(this); }

// A player reads what appeared before typing; the window manager may still be moving the
// keyboard about in the first moments.
static bool settlesOn(const std::function<bool()>& ready) {
  const bool up = waitFor(ready);
  pause(std::chrono::milliseconds(150));
  return up && ready();
}

bool WindowWatch::waitUntilActive(const QWidget& window) const {
  return settlesOn([&] { return active == &window; });
}

bool WindowWatch::waitUntilActiveKind(const char* className) const {
  return settlesOn([&] { return std::strcmp(activeKind.load(), className) == 0; });
}

bool WindowWatch::waitForBox() const {
  return settlesOn([&] { return boxUp.load(); });
}

bool WindowWatch::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow()) return false;
  const bool modal = static_cast<QWidget*>(watched)->isModal();
  if (modal && event->type() == QEvent::Show) ++boxesShown;
  if (event->type() == QEvent::WindowActivate) {
    active = watched;
    activeKind = watched->metaObject()->className();
    boxUp = modal;
  }
  if (modal && event->type() == QEvent::Hide) boxUp = false;
  return false;
}

bool whilePlayerTypes(const std::function<void()>& keys, const std::function<void()>& finally) {
  QObject context;
  QEventLoop waiting;
  bool finished = false;
  bool stuck = false;
  // Told once, by the player's thread: a timer polling for the end would itself keep an idle
  // game busy. A box the player's keys did not close would hold this thread for good: it is
  // closed, and that is the test's failure.
  std::function<void()> finish = [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      stuck = true;
      box->close();
      QTimer::singleShot(50, &context, finish);
      return;
    }
    finished = true;
    finally();
    waiting.quit();
  };
  std::thread player([&] {
    keys();
    QMetaObject::invokeMethod(&context, finish, Qt::QueuedConnection);
  });
  // The game runs from this event loop, which waits without polling.
  QTimer::singleShot(60000, &waiting, &QEventLoop::quit);
  waiting.exec();
  const bool cameBack = finished;
  player.join();
  return cameBack && !stuck;
}

void onWindows(const std::function<void()>& work) {
  QMetaObject::invokeMethod(qApp, work, Qt::BlockingQueuedConnection);
}

}  // namespace dwaalbos::testing
