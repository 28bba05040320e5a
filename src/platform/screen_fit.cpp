#include "screen_fit.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace dwaalbos {
namespace {

class FirstPaint : public QObject {
 public:
  FirstPaint(QWidget& window, std::function<void(const ScreenRoom&)> measured)
      : QObject(&window), window_(window), measured_(std::move(measured)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Paint || done_) return false;
    done_ = true;
    window_.removeEventFilter(this);
    // The window handle exists once the window is shown.
    connect(window_.windowHandle(), &QWindow::screenChanged, this, [this] { report(true); });
    QTimer::singleShot(0, this, [this] { report(false); });
    return false;
  }

 private:
  void report(bool otherScreen) { measured_(screenRoom(window_, otherScreen)); }

  QWidget& window_;
  std::function<void(const ScreenRoom&)> measured_;
  bool done_ = false;
};

}  // namespace

ScreenRoom screenRoom(const QWidget& window, bool otherScreen) {
  return {window.frameGeometry().size() - window.geometry().size(),
          window.screen()->availableGeometry(), otherScreen};
}

void watchScreenRoom(QWidget& window, std::function<void(const ScreenRoom&)> measured) {
  new FirstPaint(window, std::move(measured));
}

}  // namespace dwaalbos
