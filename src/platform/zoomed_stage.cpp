#include "zoomed_stage.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>

#include "level/zoom.h"
#include "zoomed_widgets.h"

namespace dwaalbos {

ZoomedStage::ZoomedStage(QWidget* content, QSize base, QWidget* parent)
    : QWidget(parent), content_(content), base_(base) {
  content_->setParent(this);
  QPalette surround = palette();
  surround.setColor(QPalette::Window, Qt::black);
  setPalette(surround);
  setAutoFillBackground(true);
  layOut();
}

void ZoomedStage::setBase(QSize base) {
  if (base == base_) return;
  base_ = base;
  layOut();
}

void ZoomedStage::sizeWindowFor(QMainWindow& window, int percent) {
  const int menuHeight = window.menuBar()->isHidden() ? 0 : window.menuBar()->sizeHint().height();
  setMinimumSize(zoomed(base_, kZoomSteps.front()));
  window.resize(zoomed(base_, percent) + QSize(0, menuHeight));
}

void ZoomedStage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layOut();
}

void ZoomedStage::layOut() {
  scale_ = fittingScale({base_.width(), base_.height()}, {width(), height()});
  const QSize shown = zoomed(base_, scale_);
  content_->setFixedSize(shown);
  zoomWidgets(*content_, scale_);
  content_->move((width() - shown.width()) / 2, (height() - shown.height()) / 2);
}

}  // namespace dwaalbos
