#include "menu_picture.h"

#include <algorithm>
#include <utility>

namespace dwaalbos {

namespace {

// More changed pixels than a few frames of dots: then the changed rectangle stands for them.
constexpr std::size_t kMostBlocks = 4096;
// How many dots ahead their memory is asked for.
constexpr std::size_t kAhead = 16;

// Alpha blending as the painter does it: a premultiplied colour over an opaque one.
int div255(int value) { return (value + (value >> 8) + 0x80) >> 8; }

QRgb over(QRgb above, QRgb below) {
  const int keep = 255 - qAlpha(above);
  return qRgb(qRed(above) + div255(qRed(below) * keep),
              qGreen(above) + div255(qGreen(below) * keep),
              qBlue(above) + div255(qBlue(below) * keep));
}

QRgb& pixelOf(QImage& image, int x, int y) { return reinterpret_cast<QRgb*>(image.scanLine(y))[x]; }
QRgb read(const QImage& image, int x, int y) {
  return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
}

}  // namespace

MenuPicture::MenuPicture(QSize size)
    : size_(size), cells_(static_cast<std::size_t>(size.width() * size.height())) {}

// Shown pixel i covers [i, i + 1) × menu / shown of the menu's pixels, each of which counts
// as much as it is covered.
MenuPicture::Axis MenuPicture::axis(int menu, int shown) {
  Axis axis;
  axis.reach.assign(static_cast<std::size_t>(menu), {shown, -1});
  for (int i = 0; i < shown; ++i) {
    axis.first.push_back(static_cast<int>(axis.taps.size()));
    const long start = static_cast<long>(i) * menu;
    const long end = start + menu;
    int given = 0;
    std::size_t largest = axis.taps.size();
    for (int j = static_cast<int>(start / shown); j <= (end - 1) / shown && j < menu; ++j) {
      const long covered =
          std::min(end, (j + 1L) * shown) - std::max(start, static_cast<long>(j) * shown);
      const int weight = static_cast<int>((covered * 256 + menu / 2) / menu);
      if (largest == axis.taps.size() || weight > axis.taps[largest].weight)
        largest = axis.taps.size();
      axis.taps.push_back({j, weight});
      given += weight;
      auto& reach = axis.reach[static_cast<std::size_t>(j)];
      reach = {std::min(reach.first, i), std::max(reach.second, i)};
    }
    axis.taps[largest].weight += 256 - given;
  }
  axis.first.push_back(static_cast<int>(axis.taps.size()));
  return axis;
}

void MenuPicture::layout(const QImage& overlay, QSize pixels, const QImage& sharp) {
  const QImage above = overlay.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  laidOut_ = above.size() == size_;
  if (laidOut_)
    for (int y = 0; y < size_.height(); ++y)
      for (int x = 0; x < size_.width(); ++x) cell(x, y).overlay = read(above, x, y);
  sharp_ = sharp.isNull() ? QImage() : sharp.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  shown_ = QImage(pixels, QImage::Format_RGB32);
  columns_ = axis(size_.width(), pixels.width());
  rows_ = axis(size_.height(), pixels.height());
  rebuild();
}

void MenuPicture::clearDots() {
  for (Cell& each : cells_) each.grey = 0;
  rebuild();
}

void MenuPicture::rebuild() {
  if (!laidOut_) return;
  for (Cell& each : cells_) compose(each);
  for (int row = 0; row < shown_.height(); ++row)
    for (int column = 0; column < shown_.width(); ++column) showPixel(column, row);
  changed_ = shown_.rect();
  blocks_.clear();
  listed_ = false;
}

void MenuPicture::compose(Cell& cell) {
  cell.composed = over(cell.overlay, qRgb(cell.grey, cell.grey, cell.grey));
}

void MenuPicture::showPixel(int column, int row) {
  int red = 0;
  int green = 0;
  int blue = 0;
  const auto* rowTap = &rows_.taps[static_cast<std::size_t>(rows_.first[row])];
  const auto* rowEnd = &rows_.taps[0] + rows_.first[row + 1];
  for (; rowTap != rowEnd; ++rowTap) {
    const Cell* line = &cells_[static_cast<std::size_t>(rowTap->from * size_.width())];
    for (int c = columns_.first[column]; c < columns_.first[column + 1]; ++c) {
      const Tap& tap = columns_.taps[static_cast<std::size_t>(c)];
      const int weight = rowTap->weight * tap.weight;
      const QRgb pixel = line[tap.from].composed;
      red += weight * qRed(pixel);
      green += weight * qGreen(pixel);
      blue += weight * qBlue(pixel);
    }
  }
  const QRgb scaled = qRgb((red + 32768) >> 16, (green + 32768) >> 16, (blue + 32768) >> 16);
  pixelOf(shown_, column, row) = sharp_.isNull() ? scaled : over(read(sharp_, column, row), scaled);
}

void MenuPicture::paintDot(int x, int y, int grey) {
  if (!onMenu(x, y)) return;
  Cell& changed = cell(x, y);
  changed.grey = static_cast<std::uint8_t>(grey);
  if (!laidOut_) return;
  const QRgb before = changed.composed;
  compose(changed);
  if (changed.composed == before) return;
  const auto [left, right] = columns_.reach[static_cast<std::size_t>(x)];
  const auto [top, bottom] = rows_.reach[static_cast<std::size_t>(y)];
  for (int row = top; row <= bottom; ++row)
    for (int column = left; column <= right; ++column) showPixel(column, row);
  const QRect block(QPoint(left, top), QPoint(right, bottom));
  changed_ |= block;
  if (blocks_.size() == kMostBlocks) listed_ = false;
  if (listed_) blocks_.push_back(block);
}

void MenuPicture::paintDots(const std::vector<Dot>& dots) {
  for (std::size_t i = 0; i < dots.size(); ++i) {
    if (i + kAhead < dots.size() && laidOut_) {
      const Dot& later = dots[i + kAhead];
      if (onMenu(later.x, later.y)) {
        __builtin_prefetch(&cell(later.x, later.y), 1);
        const int column = columns_.reach[static_cast<std::size_t>(later.x)].first;
        const int row = rows_.reach[static_cast<std::size_t>(later.y)].first;
        __builtin_prefetch(shown_.constScanLine(row) + column * 4, 1);
      }
    }
    paintDot(dots[i].x, dots[i].y, dots[i].grey);
  }
}

QRect MenuPicture::takeChanged() {
  blocks_.clear();
  listed_ = true;
  return std::exchange(changed_, {});
}

}  // namespace dwaalbos
