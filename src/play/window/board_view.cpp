#include "board_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/board_painter.h"
#include "window_geometry.h"

namespace dwaalbos {

BoardView::BoardView(QWidget* parent)
    : QWidget(parent),
      image_(geometry::kBoard, geometry::kBoard, QImage::Format_RGB32),
      background_(kBoardBackground) {
  setFixedSize(geometry::kBoard, geometry::kBoard);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  image_.fill(background_);
}

void BoardView::clear() { image_.fill(background_); }

void BoardView::refresh() { repaint(); }

void BoardView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), image_, event->rect());
}

// A click is a press and a release on the board, as with any button.
void BoardView::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) emit clicked();
}

// The game reads the keys from the key state; here they must only not wander off to the
// window's other controls.
void BoardView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace dwaalbos
