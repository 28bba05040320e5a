#include "editor_board.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

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
  setMouseTracking(true);
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
  if (grid_) paintGrid(painter);
  paintWay(painter);
  // A 2-pixel blue line just inside the cell.
  painter.setPen(QPen(Qt::blue, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(QRectF(cursor_.x() + 1, cursor_.y() + 1, kCellPixels - 2, kCellPixels - 2));
  if (hover_) {
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawRect(QRectF(hover_->x() * kCellPixels + 4.5, hover_->y() * kCellPixels + 4.5,
                            kCellPixels - 9, kCellPixels - 9));
  }
}

void EditorBoard::setGrid(bool shown) {
  grid_ = shown;
  update();
}

// Thin and half see-through, so that the objects stay what the eye sees first.
void EditorBoard::paintGrid(QPainter& painter) const {
  painter.setPen(QPen(QColor(60, 40, 20, 70), 0));
  for (int at = kCellPixels; at < kBoardPixels; at += kCellPixels) {
    painter.drawLine(QPointF(at, 0), QPointF(at, kBoardPixels));
    painter.drawLine(QPointF(0, at), QPointF(kBoardPixels, at));
  }
}

void EditorBoard::showWay(std::vector<QPoint> cells) {
  if (cells == way_) return;
  way_ = std::move(cells);
  update();
}

// A line through the middles of the cells, a ride over arrows as one straight stretch; a dot
// where the way begins and a ring where it ends.
void EditorBoard::paintWay(QPainter& painter) const {
  if (way_.empty()) return;
  const auto middle = [](QPoint cell) {
    return QPointF((cell.x() - 0.5) * kCellPixels, (cell.y() - 0.5) * kCellPixels);
  };
  QPolygonF line;
  for (const QPoint cell : way_) line << middle(cell);
  const QColor red(200, 30, 30, 200);
  painter.setPen(QPen(red, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(line);
  painter.drawEllipse(line.back(), 9, 9);
  painter.setBrush(red);
  painter.drawEllipse(line.front(), 6, 6);
}

void EditorBoard::keyPressEvent(QKeyEvent* event) { emit keyPressed(event); }

std::optional<QPoint> EditorBoard::cellAt(const QPointF& at) const {
  const QPoint cell(static_cast<int>(at.x() / zoom()) / kCellPixels,
                    static_cast<int>(at.y() / zoom()) / kCellPixels);
  if (at.x() < 0 || at.y() < 0 || cell.x() >= kBoardPixels / kCellPixels ||
      cell.y() >= kBoardPixels / kCellPixels)
    return std::nullopt;
  return cell;
}

void EditorBoard::putCursorOn(QPoint cell) {
  cursor_ = cell * kCellPixels;
  update();
}

void EditorBoard::setHover(std::optional<QPoint> cell) {
  if (cell == hover_) return;
  hover_ = cell;
  update();
}

// The toolkit hands the board the keyboard just before it delivers the press that asked for it.
void EditorBoard::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  focusPress_ = event->reason() == Qt::MouseFocusReason;
}

void EditorBoard::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  if (std::exchange(focusPress_, false)) return;
  const auto cell = cellAt(event->position());
  const Qt::MouseButton button = event->button();
  if (!cell || (button != Qt::LeftButton && button != Qt::RightButton)) return;
  dragButton_ = button;
  putCursorOn(*cell);
  emit cellPressed(cell->x() + 1, cell->y() + 1, button);
}

// A fast drag skips cells between two mouse events: the cells on the way are filled in, a
// diagonal step at a time, so that a drawn line has no holes.
void EditorBoard::mouseMoveEvent(QMouseEvent* event) {
  const auto cell = cellAt(event->position());
  setHover(cell);
  if (!cell || dragButton_ == Qt::NoButton || !(event->buttons() & dragButton_)) return;
  QPoint at = cursor_ / kCellPixels;
  while (at != *cell) {
    at += QPoint((cell->x() > at.x()) - (cell->x() < at.x()),
                 (cell->y() > at.y()) - (cell->y() < at.y()));
    putCursorOn(at);
    emit cellDragged(at.x() + 1, at.y() + 1, dragButton_);
  }
}

void EditorBoard::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == dragButton_) dragButton_ = Qt::NoButton;
}

void EditorBoard::leaveEvent(QEvent*) { setHover(std::nullopt); }

}  // namespace dwaalbos
