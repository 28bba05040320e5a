// The icons of the game's two file types: a sheet of parchment with the game's maze on it for a
// level, three sheets behind each other for a collection.
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "gallery.h"
#include "palette.h"
#include "shapes.h"

namespace artgen {
namespace {

using namespace palette;

// Drawn on a 64 x 64 grid.
constexpr double kSheetWidth = 40;
constexpr double kSheetHeight = 52;
constexpr double kFold = 10;
constexpr QPointF kStackStep{6, -4};  // from one sheet to the one behind it

// A sheet with its top right corner folded over.
void drawSheet(QPainter& p, QPointF corner) {
  const double x = corner.x(), y = corner.y(), w = kSheetWidth, h = kSheetHeight;
  p.setPen(QPen(kWoodDark, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kParchment);
  p.drawPath(shapes::polygon(
      {{x, y}, {x + w - kFold, y}, {x + w, y + kFold}, {x + w, y + h}, {x, y + h}}));
  p.setBrush(kCream.darker(112));
  p.drawPath(shapes::polygon({{x + w - kFold, y}, {x + w - kFold, y + kFold}, {x + w, y + kFold}}));
}

QImage sheetsIcon(int size, int sheets) {
  const int drawn = std::max(size, 256);
  QImage image(drawn, drawn, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  p.scale(drawn / 64.0, drawn / 64.0);
  // The stack stands in the middle of the grid, its front sheet lowest and leftmost.
  const QPointF front =
      QPointF(32 - kSheetWidth / 2, 32 - kSheetHeight / 2) - kStackStep * ((sheets - 1) / 2.0);
  for (int behind = sheets - 1; behind >= 0; --behind) drawSheet(p, front + kStackStep * behind);
  const double margin = 6;
  const double maze = kSheetWidth - 2 * margin;
  p.drawImage(QRectF(front.x() + margin, front.y() + kSheetHeight - margin - maze, maze, maze),
              desktopIcon(256));
  p.end();
  if (drawn == size) return image;
  return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

QImage levelFileIcon(int size) { return sheetsIcon(size, 1); }
QImage collectionFileIcon(int size) { return sheetsIcon(size, 3); }

}  // namespace artgen
