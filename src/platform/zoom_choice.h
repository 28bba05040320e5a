#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace dwaalbos {

// How a window offers the zoom: a "&Zoom" submenu with one item a step, the current one
// checked, and the keys Ctrl++ and Ctrl+- for the next step up and down. Each calls
// `choose` with the step wanted.
class ZoomChoice : public QObject {
 public:
  // Keys only, on `window`; a submenu too when `menu` is given.
  ZoomChoice(QWidget& window, QMenu* menu, std::function<void(int percent)> choose);

  // Marks the current step.
  void show(int percent);
  const std::vector<QAction*>& items() const { return items_; }

 private:
  std::function<void(int)> choose_;
  std::vector<QAction*> items_;
  int current_;
};

}  // namespace dwaalbos
