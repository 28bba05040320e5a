#include "menu_buttons.h"

#include <QPainter>
#include <QPixmap>

#include "platform/picture_names.h"
#include "platform/pictures.h"
#include "platform/zoomed_widgets.h"

namespace dwaalbos {

namespace {

struct Layout {
  QRect normal;       // in the sheet
  QRect highlighted;  // in the sheet
  QRect target;       // in the menu's drawing area
};

constexpr int kButtonX = MenuButtons::kLeft;

constexpr std::array<Layout, 3> kLayout{{
    {{0, 0, 375, 37}, {0, 38, 375, 37}, {kButtonX, 100, 375, 30}},
    {{0, 75, 375, 37}, {0, 115, 375, 37}, {kButtonX, 145, 375, 30}},
    {{0, 152, 375, 50}, {0, 198, 375, 50}, {kButtonX, 190, 375, 40}},
}};

constexpr std::array<QRect, 3> kMouseAreas{{
    {kButtonX + 2, 96, 343, 38},
    {kButtonX, 145, 345, 33},
    {kButtonX + 120, 192, 129, 33},
}};

QImage cut(const QImage& sheet, const QRect& from, const QSize& size) {
  return sheet.copy(from).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QRect enlarged(const QRect& rect) {
  return {rect.topLeft() * plaatje::kLargeScale, rect.size() * plaatje::kLargeScale};
}

}  // namespace

MenuButtons::MenuButtons(const Pictures& pictures) : pictures_(pictures) {
  speak(currentLanguage());
  pointer_ =
      QCursor(QPixmap::fromImage(pictures.withMask(plaatje::kWijzer, plaatje::kWijzermask)), 0, 0);
}

void MenuButtons::speak(Language language) {
  const char* name = language == Language::English ? plaatje::kMenEnglish : plaatje::kMen;
  const QImage& sheet = pictures_.get(name);
  const QImage& large = pictures_.large(name);
  for (std::size_t i = 0; i < looks_.size(); ++i) {
    const auto& layout = kLayout[i];
    const QSize largeSize = layout.target.size() * plaatje::kLargeScale;
    looks_[i] = {cut(sheet, layout.normal, layout.target.size()),
                 cut(sheet, layout.highlighted, layout.target.size()),
                 layout.target.topLeft(),
                 cut(large, enlarged(layout.normal), largeSize),
                 cut(large, enlarged(layout.highlighted), largeSize),
                 {},
                 {}};
  }
}

void MenuButtons::drawSharp(QPainter& painter, int keuze, qreal zoom) const {
  const qreal scale = zoom * painter.device()->devicePixelRatioF();
  for (std::size_t i = 0; i < looks_.size(); ++i) {
    const auto& look = looks_[i];
    const bool lit = static_cast<int>(i) + 1 == keuze;
    QImage& sharp = lit ? look.sharpHighlighted : look.sharpNormal;
    const QSize pixels = (QSizeF(look.normal.size()) * scale).toSize();
    if (sharp.size() != pixels)
      sharp = artFor(lit ? look.highlighted : look.normal,
                     lit ? look.largeHighlighted : look.largeNormal, pixels);
    painter.drawImage(QRectF(look.place, look.normal.size()), sharp, QRectF(sharp.rect()));
  }
}

void MenuButtons::draw(QPainter& painter, int keuze) const {
  for (std::size_t i = 0; i < looks_.size(); ++i) {
    const auto& look = looks_[i];
    const bool lit = static_cast<int>(i) + 1 == keuze;
    painter.drawImage(look.place, lit ? look.highlighted : look.normal);
  }
}

int MenuButtons::areaAt(QPoint point) {
  for (std::size_t i = 0; i < kMouseAreas.size(); ++i)
    if (kMouseAreas[i].contains(point)) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace dwaalbos
