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
// `choose` with the step wanted. Steps at which the game's windows do not fit the screen are
// not offered: their items are disabled and the keys stop below them.
class ZoomChoice : public QObject {
 public:
  // Keys only, on `window`; a submenu too when `menu` is given.
  ZoomChoice(QWidget& window, QMenu* menu, std::function<void(int percent)> choose);
  ~ZoomChoice() override;

  // The largest step that fits, for every window's choice, those shown already too.
  static void limitTo(int largest);

  // Marks the current step, and offers the steps that fit.
  void show(int percent);
  const std::vector<QAction*>& items() const { return items_; }

 private:
  std::function<void(int)> choose_;
  std::vector<QAction*> items_;
  int current_;
  static int largest_;
  static std::vector<ZoomChoice*> all_;
};

}  // namespace dwaalbos
