#include "menu_title.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace dwaalbos {

QImage menuTitle(QSize size, int scale) {
  QImage title(size * scale, QImage::Format_ARGB32_Premultiplied);
  title.fill(Qt::transparent);
  QPainter painter(&title);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);

  QFont font("URW Bookman");
  font.setPixelSize(54);
  font.setBold(true);
  font.setItalic(true);
  const QString name = "Dwaalbos";
  const int width = QFontMetrics(font).horizontalAdvance(name);
  QPainterPath letters;
  letters.addText((size.width() - width) / 2.0, 66, font, name);

  QLinearGradient leaves(0, 20, 0, 70);
  leaves.setColorAt(0, QColor(196, 232, 120));
  leaves.setColorAt(0.55, QColor(74, 150, 58));
  leaves.setColorAt(1, QColor(34, 86, 36));
  painter.setPen(QPen(QColor(18, 44, 20), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(leaves);
  painter.drawPath(letters);

  QFont small("URW Bookman");
  small.setPixelSize(16);
  small.setBold(true);
  painter.setFont(small);
  painter.setPen(QColor(230, 196, 120));
  painter.drawText(QRect(0, 68, size.width(), 22), Qt::AlignHCenter,
                   QCoreApplication::translate("MenuTitle", "versie 6.0"));
  return title;
}

}  // namespace dwaalbos
