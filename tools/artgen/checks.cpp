#include "checks.h"

#include <algorithm>

namespace artgen {

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// A picture and the mask it is pasted through.
struct Pair {
  const char* picture;
  const char* mask;
};

const Pair kMasked[] = {
    {plaatje::kSchakr, plaatje::kSchakmask},    {plaatje::kSchakbl, plaatje::kSchakmask},
    {plaatje::kBlauwin, plaatje::kInmask},      {plaatje::kRoodin, plaatje::kInmask},
    {plaatje::kBlauwuit, plaatje::kUitmask},    {plaatje::kRooduit, plaatje::kUitmask},
    {plaatje::kBegin, plaatje::kBeginmask},     {plaatje::kEind, plaatje::kBeginmask},
    {plaatje::kSleutel, plaatje::kSleutelmask}, {plaatje::kSleutelblok, plaatje::kDuwblokmask},
    {plaatje::kDuwblok, plaatje::kDuwblokmask}, {plaatje::kVijand, plaatje::kVijandmask},
    {plaatje::kMan, plaatje::kManmask},         {plaatje::kWijzer, plaatje::kWijzermask},
    {plaatje::kIcoon, plaatje::kIcoonmask},
};

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
  for (const Pair& pair : kMasked) {
    if (!fitsItsMask(find(gallery, pair.picture), find(gallery, pair.mask)))
      problems << QString("%1 does not fit %2").arg(pair.picture, pair.mask);
  }
  if (!menuButtonsWork(find(gallery, plaatje::kMen), scale))
    problems << QStringLiteral("the menu buttons' looks are blank, alike or overlap");
  return problems;
}

}  // namespace artgen
