#include "zoomed_stage.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QRegion>

#include "level/zoom.h"
#include "zoomed_widgets.h"

namespace dwaalbos {

ZoomedStage::ZoomedStage(QWidget* content, QSize base, QWidget* parent)
    : QWidget(parent), content_(content), base_(base) {
  content_->setParent(this);
  layOut();
}

void ZoomedStage::setBase(QSize base) {
  if (base == base_) return;
  base_ = base;
  layOut();
}

void ZoomedStage::sizeWindowFor(QMainWindow& window, int percent) {
  const QSize menu(0, window.menuBar()->isHidden() ? 0 : window.menuBar()->sizeHint().height());
  // Set on the window itself, so that its menu bar does not widen it.
  window.setMinimumSize(zoomed(base_, kZoomSteps.front()) + menu);
  window.resize(zoomed(base_, percent) + menu);
  // A hidden window lays out its middle only when shown; what it shows is known now.
  resize(zoomed(base_, percent));
  layOut();
}

// Black around the content; the content keeps the window's own background.
void ZoomedStage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const QRect& margin : QRegion(rect()).subtracted(content_->geometry()))
    painter.fillRect(margin, Qt::black);
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
