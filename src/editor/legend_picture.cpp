#include "legend_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/zoomed_widgets.h"

namespace dwaalbos {

LegendPicture::LegendPicture(int code, const QImage& picture, const QImage& large, QWidget* parent)
    : QWidget(parent), picture_(picture), large_(large), code_(code) {
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

void LegendPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawArt(painter, rect(), picture_, large_);
  if (!chosen_) return;
  painter.setPen(QPen(Qt::blue, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace dwaalbos
