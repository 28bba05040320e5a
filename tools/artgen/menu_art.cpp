// The main menu's button sheet, the mouse pointer over its buttons and the window icon.
#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>

#include "gallery.h"
#include "palette.h"
#include "shapes.h"

namespace artgen {

namespace {

using namespace palette;

// Comic Neue Bold, a friendly rounded face; DejaVu Sans where it is not installed.
QFont displayFont(double pixelSize) {
  static const QString family = [] {
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QStringLiteral("DejaVu Sans") : families.first();
  }();
  QFont font(family);
  font.setPixelSize(qRound(pixelSize));
  font.setBold(true);
  return font;
}

// One look of a button: its face within the sheet, and how much the menu squeezes it
// vertically (its target is lower than its source), which the drawing makes up for.
struct Face {
  QRectF rect;
  double squeeze;
  QString text;
  bool highlighted;
};

// A small symbol left of the text: 0 none, 1 walking on, 2 a pencil.
void symbol(QPainter& p, int which, QPointF centre, const QColor& colour) {
  if (which == 0) return;
  p.save();
  p.translate(centre);
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(colour);
  if (which == 1) {
    p.drawPolygon(QPolygonF({{-6, -8}, {7, 0}, {-6, 8}}));
  } else {
    p.rotate(-45);
    p.drawRect(QRectF(-9, -3, 14, 6));
    p.drawPolygon(QPolygonF({{5, -3}, {10, 0}, {5, 3}}));
    p.setBrush(kRed);
    p.drawRect(QRectF(-11, -3, 2.5, 6));
  }
  p.restore();
}

void drawFace(QPainter& p, const Face& face, int symbolKind) {
  p.save();
  p.translate(face.rect.topLeft());
  p.scale(1, 1 / face.squeeze);
  const QRectF box(0, 0, face.rect.width(), face.rect.height() * face.squeeze);
  const QColor body = face.highlighted ? mix(kHedge, kLeaf, 0.55) : kHedge;
  QLinearGradient fill(0, 0, 0, box.height());
  fill.setColorAt(0, body.lighter(135));
  fill.setColorAt(0.5, body);
  fill.setColorAt(1, body.darker(140));
  const QColor rim = face.highlighted ? kGold : kHedgeDark.darker(120);
  p.setPen(QPen(rim, face.highlighted ? 3 : 2));
  p.setBrush(fill);
  const QRectF inner = box.adjusted(1.5, 1.5, -1.5, -1.5);
  p.drawRoundedRect(inner, 9, 9);
  p.setPen(QPen(QColor(255, 255, 255, 70), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(inner.adjusted(2.5, 2.5, -2.5, -2.5), 7, 7);

  const QColor ink = face.highlighted ? QColor(255, 232, 120) : kCream;
  const QFont font = displayFont(box.height() * 0.6);
  p.setFont(font);
  const double textWidth = QFontMetricsF(font).horizontalAdvance(face.text);
  const double symbolWidth = symbolKind ? 26 : 0;
  const double left = (box.width() - textWidth - symbolWidth) / 2;
  symbol(p, symbolKind, QPointF(left + 9, box.height() / 2), ink);
  const QFontMetricsF metrics(font);
  const QPointF baseline(left + symbolWidth,
                         (box.height() + metrics.ascent() - metrics.descent()) / 2);
  QPainterPath text;
  text.addText(baseline, font, face.text);
  p.setPen(QPen(kHedgeDark.darker(160), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(text.translated(1, 1.5));
  p.drawPath(text);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(text);
  p.restore();
}

// The captions of the three buttons, in one language.
struct ButtonTexts {
  QString play, make, help;
};

// Source rectangles as the menu copies them; faces leave the shared rows of button 3 black.
QImage men(int scale, const ButtonTexts& texts) {
  QImage sheet(375 * scale, 248 * scale, QImage::Format_RGB32);
  sheet.fill(Qt::black);
  QPainter p(&sheet);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::TextAntialiasing);
  constexpr double kWide = 37.0 / 30.0;
  constexpr double kHelp = 50.0 / 40.0;
  for (const bool highlighted : {false, true}) {
    drawFace(p, {QRectF(2, highlighted ? 38 : 0, 344, 37), kWide, texts.play, highlighted}, 1);
    drawFace(p, {QRectF(2, highlighted ? 115 : 75, 344, 37), kWide, texts.make, highlighted}, 2);
    drawFace(p, {QRectF(120, highlighted ? 202 : 156, 130, 42), kHelp, texts.help, highlighted}, 0);
  }
  return sheet;
}

Sprite wijzer(int scale) {
  Sprite sprite(32, 32, scale);
  const QPainterPath arrow =
      shapes::polygon({{0, 0}, {0, 23}, {6, 18}, {10.5, 28}, {15, 26}, {10.5, 16.5}, {18, 16.5}});
  sprite.addPart(arrow, {kGold, 140, 140}, [](QPainter& p) {
    p.setPen(QPen(kGold.lighter(130), 1));
    p.drawLine(QPointF(2.5, 5), QPointF(2.5, 17));
  });
  return sprite;
}

// A hedge maze seen from above: the wanderer's blue dot and the golden exit at either end.
// Drawn on a 64 x 64 grid, `gridScale` times as large with a one-pixel outline, or `scale` times
// as large with all of it, the outline too.
Sprite icoon(int gridScale, int scale) {
  const QTransform grid = QTransform::fromScale(gridScale, gridScale);
  Sprite sprite(64 * gridScale, 64 * gridScale, scale);
  sprite.addPart(grid.map(shapes::rounded(1, 1, 62, 62, 12)), {kBoard, 108, 125});
  const QPainterPath ring =
      shapes::rounded(1, 1, 62, 62, 12).subtracted(shapes::rounded(8, 8, 48, 48, 6));
  const QPainterPath walls = ring.united(shapes::line({{23, 8}, {23, 40}}, 8))
                                 .united(shapes::line({{41, 24}, {41, 56}}, 8));
  sprite.addPart(grid.map(walls), {kHedge, 135, 140});
  sprite.addPart(grid.map(shapes::circle(15, 15, 5)), {kBlue, 140, 140});
  sprite.addPart(grid.map(shapes::circle(49, 49, 5)), {kGold, 140, 140});
  return sprite;
}

}  // namespace

// Small sizes are scaled down from a larger drawing, so their edges come out smooth.
QImage desktopIcon(int size) {
  const QImage drawn = icoon(std::max(2, size / 64), 1).layer();
  if (drawn.width() == size) return drawn;
  return drawn.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void addMenuArt(Gallery& gallery, int scale) {
  gallery.emplace_back(plaatje::kMen, men(scale, {"Spelen", "Level maken", "Help"}));
  gallery.emplace_back(plaatje::kMenEnglish, men(scale, {"Play", "Make a level", "Help"}));
  addMasked(gallery, plaatje::kWijzer, wijzer(scale), plaatje::kWijzermask);
  addMasked(gallery, plaatje::kIcoon, icoon(1, scale), plaatje::kIcoonmask);
}

}  // namespace artgen
