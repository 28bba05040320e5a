#include "checks.h"

#include <algorithm>
#include <vector>

namespace artgen {

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

using dwaalbos::CellArt;

// The masked pictures besides those of the cell kinds.
const CellArt kOtherMasked[] = {
    {plaatje::kMan, plaatje::kManmask},
    {plaatje::kWijzer, plaatje::kWijzermask},
    {plaatje::kIcoon, plaatje::kIcoonmask},
};

// Every picture of a cell kind, in the editor's look and play's.
std::vector<CellArt> cellArt() {
  std::vector<CellArt> all;
  for (const auto& kind : dwaalbos::kCellKinds)
    for (const CellArt& art : {kind.art, kind.blueArt})
      if (art.picture) all.push_back(art);
  return all;
}

QImage find(const Gallery& gallery, const QString& name) {
  const auto found = std::find_if(gallery.begin(), gallery.end(),
                                  [&](const auto& item) { return item.first == name; });
  return found == gallery.end() ? QImage() : found->second.convertToFormat(QImage::Format_RGB32);
}

bool isPureMask(const QImage& mask) {
  bool anyBlack = false;
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      const QRgb pixel = mask.pixel(x, y);
      if (pixel != kBlack && pixel != kWhite) return false;
      anyBlack = anyBlack || pixel == kBlack;
    }
  }
  return anyBlack;
}

bool onOutline(const QImage& mask, int x, int y) {
  return x == 0 || y == 0 || x + 1 == mask.width() || y + 1 == mask.height() ||
         mask.pixel(x - 1, y) == kWhite || mask.pixel(x + 1, y) == kWhite ||
         mask.pixel(x, y - 1) == kWhite || mask.pixel(x, y + 1) == kWhite;
}

// White where the mask is white, and not light along the object's outline.
bool fitsItsMask(const QImage& picture, const QImage& mask) {
  if (picture.size() != mask.size()) return false;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      if (mask.pixel(x, y) == kWhite ? pixel != kWhite
                                     : onOutline(mask, x, y) && qGray(pixel) >= 200)
        return false;
    }
  }
  return true;
}

// Each button's two looks differ and are not blank; rows 198..201 belong to both looks of the
// third button, so they stay plain background.
bool menuButtonsWork(const QImage& men, int scale) {
  const QRect looks[][2] = {{{0, 0, 375, 37}, {0, 38, 375, 37}},
                            {{0, 75, 375, 37}, {0, 115, 375, 37}},
                            {{0, 152, 375, 50}, {0, 198, 375, 50}}};
  const auto look = [&](const QRect& rect) {
    return men.copy(QRect(rect.topLeft() * scale, rect.size() * scale));
  };
  for (const auto& button : looks) {
    QImage blank(button[0].size() * scale, QImage::Format_RGB32);
    blank.fill(Qt::black);
    if (look(button[0]) == look(button[1]) || look(button[0]) == blank) return false;
  }
  for (int y = 198 * scale; y < 202 * scale; ++y)
    for (int x = 0; x < men.width(); ++x)
      if (men.pixel(x, y) != kBlack) return false;
  return true;
}

}  // namespace

QStringList pictureProblems(const Gallery& gallery, int scale) {
  QStringList problems;
  for (const auto& [name, image] : gallery) {
    if (name.endsWith(QStringLiteral("mask")) &&
        !isPureMask(image.convertToFormat(QImage::Format_RGB32)))
      problems << name + " is not a black and white mask with an object";
  }
  std::vector<CellArt> masked = cellArt();
  const QSize cell = QSize(dwaalbos::kCellPixels, dwaalbos::kCellPixels) * scale;
  for (const CellArt& art : masked)
    for (const char* name : {art.picture, art.mask})
      if (name && find(gallery, name).size() != cell)
        problems << QString("%1, a cell kind's picture, is not drawn at a cell's size").arg(name);
  std::erase_if(masked, [](const CellArt& art) { return !art.mask; });
  masked.insert(masked.end(), std::begin(kOtherMasked), std::end(kOtherMasked));
  for (const CellArt& art : masked) {
    if (!fitsItsMask(find(gallery, art.picture), find(gallery, art.mask)))
      problems << QString("%1 does not fit %2").arg(art.picture, art.mask);
  }
  for (const char* sheet : {plaatje::kMen, plaatje::kMenEnglish})
    if (!menuButtonsWork(find(gallery, sheet), scale))
      problems << QStringLiteral("the menu buttons' looks in %1 are blank, alike or overlap")
                      .arg(QString::fromUtf8(sheet));
  return problems;
}

}  // namespace artgen
