#include "legend_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace dwaalbos {

LegendPicture::LegendPicture(int code, const QImage& picture, QWidget* parent)
    : QLabel(parent), code_(code) {
  setPixmap(QPixmap::fromImage(picture));
  setCursor(Qt::PointingHandCursor);
}

void LegendPicture::setChosen(bool chosen) {
  if (chosen == chosen_) return;
  chosen_ = chosen;
  update();
}

void LegendPicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked(code_);
}

void LegendPicture::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!chosen_) return;
  QPainter painter(this);
  painter.setPen(QPen(Qt::blue, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace dwaalbos
