#pragma once

#include <QSize>
#include <QWidget>

class QMainWindow;

namespace dwaalbos {

// The middle of a window that the window manager may give any size: `content`, laid out at
// 100 % for `base`, is shown at the largest scale at which it fits (see `fittingScale`) and
// centred, on black. Its layout stays as it is, only larger or smaller.
class ZoomedStage : public QWidget {
 public:
  ZoomedStage(QWidget* content, QSize base, QWidget* parent = nullptr);

  // Another layout at 100 % (a window that shows or hides a part of it).
  void setBase(QSize base);
  QSize base() const { return base_; }
  // The scale the content is shown at now, in percent.
  double scale() const { return scale_; }

  // Gives `window`, whose central widget this is, the size that shows the content at a zoom
  // step, and as its smallest size the one for the smallest step.
  void sizeWindowFor(QMainWindow& window, int percent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void layOut();

  QWidget* content_;
  QSize base_;
  double scale_ = 100.0;
};

}  // namespace dwaalbos
