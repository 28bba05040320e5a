#include "level_printout.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace dwaalbos {

namespace {

constexpr int kFrame = 7;
constexpr int kBoardSide = 1442;
constexpr int kFrameOuter = kBoardSide + 2 * kFrame;  // 1456

QFont printFont(const QPainter& painter) {
  QFont font("DejaVu Sans");
  font.setBold(true);
  // Points follow the device's resolution, whatever printer the page goes to.
  font.setPixelSize(painter.device()->logicalDpiY() * 12 / 72);
  return font;
}

}  // namespace

void drawPrintout(QPainter& painter, const QImage& board, const QString& naam,
                  const QString& maker) {
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  for (int k = 0; k < kFrame; ++k)
    painter.drawRect(k, k, kFrameOuter - 1 - 2 * k, kFrameOuter - 1 - 2 * k);
  painter.drawImage(QRect(kFrame, kFrame, kBoardSide, kBoardSide), board);

  painter.setFont(printFont(painter));
  const QFontMetrics metrics(painter.font());
  int baseline = kFrameOuter + metrics.lineSpacing() + metrics.ascent() / 2;
  painter.setPen(Qt::red);
  painter.drawText(0, baseline, QCoreApplication::translate("LevelPrintout", "Naam level:"));
  baseline += metrics.lineSpacing();
  painter.setPen(Qt::blue);
  // Both at once, so that a name holding "%2" stays as it is.
  painter.drawText(
      0, baseline,
      QCoreApplication::translate("LevelPrintout", "%1  gemaakt door %2 met dwaalbos 6.0")
          .arg(naam, maker));
}

bool printLevel(QPrinter& printer, const QImage& board, const QString& naam, const QString& maker) {
  printer.setFullPage(false);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  drawPrintout(painter, board, naam, maker);
  return painter.end();
}

}  // namespace dwaalbos
