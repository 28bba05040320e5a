#include "zoomed_widgets.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QVariant>

#include <cmath>

namespace dwaalbos {
namespace {

constexpr const char* kBaseGeometry = "dwaalbosBaseGeometry";
constexpr const char* kBaseMinimum = "dwaalbosBaseMinimum";
constexpr const char* kBaseMaximum = "dwaalbosBaseMaximum";
constexpr const char* kBaseFont = "dwaalbosBaseFont";

int zoomed(int length, double percent) {
  if (length >= QWIDGETSIZE_MAX) return length;
  return static_cast<int>(std::lround(length * percent / 100.0));
}

QRect zoomed(const QRect& rect, double percent) {
  // Edges, not sizes, are scaled, so that neighbours that touched at 100 % still touch.
  const int left = zoomed(rect.left(), percent);
  const int top = zoomed(rect.top(), percent);
  return {left, top, zoomed(rect.left() + rect.width(), percent) - left,
          zoomed(rect.top() + rect.height(), percent) - top};
}

template <typename T>
T remembered(QWidget& widget, const char* name, const T& now) {
  const QVariant base = widget.property(name);
  if (base.isValid()) return base.value<T>();
  widget.setProperty(name, QVariant::fromValue(now));
  return now;
}

void zoomFont(QWidget& widget, double percent) {
  QFont font = remembered(widget, kBaseFont, widget.font());
  // Rounded down, so that text keeps within the place laid out for it at 100 %.
  if (font.pixelSize() > 0)
    font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * percent / 100)));
  else font.setPointSizeF(font.pointSizeF() * percent / 100.0);
  widget.setFont(font);
}

void zoomGeometry(QWidget& widget, double percent) {
  const QSize minimum = remembered(widget, kBaseMinimum, widget.minimumSize());
  const QSize maximum = remembered(widget, kBaseMaximum, widget.maximumSize());
  const QRect geometry = remembered(widget, kBaseGeometry, widget.geometry());
  widget.setMinimumSize(dwaalbos::zoomed(minimum, percent));
  widget.setMaximumSize(dwaalbos::zoomed(maximum, percent));
  widget.setGeometry(zoomed(geometry, percent));
}

// Controls lay out their own insides when they are resized.
bool laysOutItsOwnInside(const QWidget& widget) {
  return qobject_cast<const QAbstractScrollArea*>(&widget) ||
         qobject_cast<const QComboBox*>(&widget) || qobject_cast<const QLineEdit*>(&widget) ||
         qobject_cast<const QAbstractButton*>(&widget);
}

void zoomChildren(QWidget& parent, double percent) {
  for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow()) {
      zoomFont(*child, percent);
      zoomChildren(*child, percent);
      continue;
    }
    // A style sheet fixes the font it resolved at first, so such a widget is given its own.
    if (child->testAttribute(Qt::WA_SetFont) || !child->styleSheet().isEmpty())
      zoomFont(*child, percent);
    zoomGeometry(*child, percent);
    if (!laysOutItsOwnInside(*child)) zoomChildren(*child, percent);
  }
}

}  // namespace

QSize zoomed(QSize size, double percent) {
  return {zoomed(size.width(), percent), zoomed(size.height(), percent)};
}

void zoomWidgets(QWidget& root, double percent) {
  zoomFont(root, percent);
  zoomChildren(root, percent);
}

QImage artAtSize(const QImage& art, QSize pixels) {
  if (art.isNull() || pixels.isEmpty() || pixels == art.size()) return art;
  const int whole =
      static_cast<int>(std::ceil(std::max(static_cast<double>(pixels.width()) / art.width(),
                                          static_cast<double>(pixels.height()) / art.height()) -
                                 1e-9));
  QImage enlarged =
      whole <= 1 ? art
                 : art.scaled(art.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  if (enlarged.size() == pixels) return enlarged;
  return enlarged.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage artFor(const QImage& art, const QImage& large, QSize pixels) {
  if (art.size() == pixels || large.isNull()) return artAtSize(art, pixels);
  if (pixels.width() > large.width() || pixels.height() > large.height())
    return artAtSize(large, pixels);
  return large.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

namespace {

QSize devicePixels(const QPainter& painter, const QRect& target) {
  return (QSizeF(target.size()) * painter.device()->devicePixelRatioF()).toSize();
}

// An image of exactly the device's pixels is drawn as it is, without a copy.
void drawShown(QPainter& painter, const QRect& target, const QImage& shown) {
  painter.drawImage(QRectF(target), shown, QRectF(shown.rect()));
}

}  // namespace

void drawArt(QPainter& painter, const QRect& target, const QImage& art, const QImage& large) {
  drawShown(painter, target, artFor(art, large, devicePixels(painter, target)));
}

ArtView::ArtView(const QImage& art, const QImage& large, QWidget* parent)
    : QWidget(parent), art_(art), large_(large) {}

void ArtView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QSize pixels = devicePixels(painter, rect());
  if (shown_.size() != pixels) shown_ = artFor(art_, large_, pixels);
  drawShown(painter, rect(), shown_);
}

}  // namespace dwaalbos
