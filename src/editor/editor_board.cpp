#include "editor_board.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "level/cell_codes.h"
#include "platform/scaled_art.h"
#include "platform/zoomed_widgets.h"

namespace dwaalbos {

namespace {
constexpr int kLastCursor = kBoardPixels - kCellPixels;  // 440
}

EditorBoard::EditorBoard(QWidget* parent)
    : QWidget(parent), picture_(kBoardPixels, kBoardPixels, QImage::Format_RGB32) {
  setFixedSize(kBoardPixels, kBoardPixels);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void EditorBoard::moveCursor(int dx, int dy) {
  const QPoint moved(std::clamp(cursor_.x() + dx * kCellPixels, 0, kLastCursor),
                     std::clamp(cursor_.y() + dy * kCellPixels, 0, kLastCursor));
  if (moved == cursor_) return;
  cursor_ = moved;
  update();
}

double EditorBoard::zoom() const { return static_cast<double>(width()) / kBoardPixels; }

int EditorBoard::column() const { return cursor_.x() / kCellPixels + 1; }
int EditorBoard::row() const { return cursor_.y() / kCellPixels + 1; }

// Until the redraw comes, the zoomed picture is the picture enlarged.
QImage* EditorBoard::zoomedPicture() {
  const qreal scale = artScale(*this, kBoardPixels, kCellPixels);
  if (scale == 1.0) return nullptr;
  if (zoomed_.devicePixelRatio() != scale) {
    zoomed_ = picture_;
    rescale(zoomed_, scale);
    QMetaObject::invokeMethod(this, &EditorBoard::rescaled, Qt::QueuedConnection);
  }
  return &zoomed_;
}

void EditorBoard::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage* zoomed = zoomedPicture();
  drawArt(painter, rect(), zoomed ? *zoomed : picture_);
  painter.scale(zoom(), zoom());
  // A 2-pixel blue line just inside the cell.
  painter.setPen(QPen(Qt::blue, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(QRectF(cursor_.x() + 1, cursor_.y() + 1, kCellPixels - 2, kCellPixels - 2));
}

void EditorBoard::keyPressEvent(QKeyEvent* event) { emit keyPressed(event); }

void EditorBoard::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  const QPoint at = event->position().toPoint();
  if (!rect().contains(at)) return;
  const Qt::MouseButton button = event->button();
  if (button == Qt::LeftButton || button == Qt::RightButton)
    emit cellClicked(static_cast<int>(at.x() / zoom()) / kCellPixels + 1,
                     static_cast<int>(at.y() / zoom()) / kCellPixels + 1, button);
}

}  // namespace dwaalbos
