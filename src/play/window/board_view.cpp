#include "board_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

#include "level/cell_codes.h"
#include "level/texts.h"
#include "platform/board_painter.h"
#include "platform/game_keys.h"
#include "platform/scaled_art.h"
#include "platform/zoomed_widgets.h"
#include "window_geometry.h"

namespace dwaalbos {
namespace {

// Painted anew in the language chosen since.
QString shown(const char* dutch) { return QString::fromStdString(texts::tr(dutch)); }

}  // namespace

BoardView::BoardView(QWidget* parent)
    : QWidget(parent), image_(geometry::kBoard, geometry::kBoard, QImage::Format_RGB32),
      background_(kBoardBackground) {
  setFixedSize(geometry::kBoard, geometry::kBoard);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  image_.fill(background_);
}

QString BoardView::startHint() { return shown(texts::kStartHint); }

// Only a level's start paints the board in its own colour; clearing to black ends the level.
void BoardView::setBackground(QRgb colour) {
  background_ = colour;
  if (colour == kBoardBackground) endCleared();
}

// The window is disabled while a level's introduction is shown: that level is about to start.
void BoardView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange && !isEnabled()) startHint_ = false;
  if (event->type() == QEvent::LanguageChange) update();
}

void BoardView::clear() {
  image_.fill(background_);
  result_.reset();
  paused_ = false;
  if (background_ != kBoardBackground && !startHint_) {
    startHint_ = true;
    emit emptied();
  }
}

// A transition paints the new level over the cleared board before the level's colour is set:
// the hint goes with its first frame.
void BoardView::refresh() {
  if ((startHint_ || result_) && !plain()) endCleared();
  repaint();
}

// A level is on the board again: what the cleared board said goes.
void BoardView::endCleared() {
  startHint_ = false;
  result_.reset();
  paused_ = false;
}

void BoardView::showResult(const Result& result) {
  result_ = result;
  update();
}

void BoardView::setStar(QImage star, QImage large) {
  star_ = std::move(star);
  starLarge_ = std::move(large);
}

void BoardView::setPaused(bool paused) {
  paused_ = paused;
  update();
}

bool BoardView::plain() const {
  for (int y = 0; y < image_.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
    if (!std::all_of(line, line + image_.width(),
                     [this](QRgb pixel) { return pixel == background_; }))
      return false;
  }
  return true;
}

QImage& BoardView::image() {
  adoptScale();
  return image_;
}

// A zoom or a screen of another pixel ratio gives the picture its pixels; the game is asked to
// draw it anew, until then it shows what it showed, enlarged.
void BoardView::adoptScale() {
  if (rescale(image_, artScale(*this, geometry::kBoard, kCellPixels)))
    QMetaObject::invokeMethod(this, &BoardView::rescaled, Qt::QueuedConnection);
}

void BoardView::paintEvent(QPaintEvent*) {
  adoptScale();
  QPainter painter(this);
  drawArt(painter, rect(), image_);
  // What is written on the board is laid out on its own 480 pixels and zoomed with it.
  painter.scale(static_cast<double>(width()) / geometry::kBoard,
                static_cast<double>(height()) / geometry::kBoard);
  if (result_) paintResult(painter);
  else if (startHint_) paintStartHint(painter);
  if (paused_) paintPause(painter);
}

namespace {

constexpr QRgb kLightText = 0xFFFFE0B0u;
constexpr QRgb kDarkText = 0xFF402000u;
constexpr QRgb kGold = 0xFFFFC840u;

void write(QPainter& painter, const QRect& box, int pixels, QRgb colour, const QString& text) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixels);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor::fromRgb(colour));
  painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
}

QString zetten(int count) { return shown(count == 1 ? texts::kEenZet : texts::kZetten).arg(count); }

}  // namespace

void BoardView::paintStartHint(QPainter& painter) {
  const bool dark = qGray(background_) < 128;
  QFont font = painter.font();
  font.setPointSizeF(13);
  font.setBold(true);
  painter.setFont(font);
  const QRect box = QRect(0, 0, geometry::kBoard, geometry::kBoard).adjusted(32, 32, -32, -32);
  painter.setPen(QColor::fromRgb(dark ? kLightText : kDarkText));
  painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, startHint());
}

// Above and below the middle, where the box that follows the level's end does not cover it.
void BoardView::paintResult(QPainter& painter) {
  const Result& r = *result_;
  write(painter, {0, 28, geometry::kBoard, 64}, 36, kLightText,
        shown(texts::kGehaaldIn).arg(zetten(r.moves)));
  if (r.shortest > 0) {
    write(painter, {0, 92, geometry::kBoard, 32}, 20, kLightText,
          shown(texts::kKortstMogelijk).arg(zetten(r.shortest)));
    if (r.moves <= r.shortest) {
      write(painter, {0, 128, geometry::kBoard, 56}, 40, kGold, shown(texts::kPerfect));
      paintStar(painter, {84, 136, kCellPixels, kCellPixels});
      paintStar(painter, {geometry::kBoard - 84 - kCellPixels, 136, kCellPixels, kCellPixels});
    } else
      write(painter, {0, 132, geometry::kBoard, 40}, 18, kLightText,
            shown(texts::kKanKorter).arg(zetten(r.moves - r.shortest)));
  } else if (r.tooLarge)
    write(painter, {0, 92, geometry::kBoard, 32}, 20, kLightText,
          shown(texts::kKortstMogelijk).arg(shown(texts::kTeGroot)));
  if (r.newBest)
    write(painter, {0, 372, geometry::kBoard, 64}, 36, kGold, shown(texts::kNieuwRecord));
}

// The star at the board's zoom, from its large picture when the board has more pixels.
void BoardView::paintStar(QPainter& painter, const QRect& place) {
  if (star_.isNull()) return;
  const qreal scale = static_cast<qreal>(width()) / geometry::kBoard * devicePixelRatioF();
  const QSize pixels = (QSizeF(place.size()) * scale).toSize();
  if (starShown_.size() != pixels) starShown_ = artFor(star_, starLarge_, pixels);
  painter.drawImage(QRectF(place), starShown_, QRectF(starShown_.rect()));
}

// A quiet band across the middle: the board stays visible above and below it.
void BoardView::paintPause(QPainter& painter) {
  const QRect band(0, 200, geometry::kBoard, 80);
  painter.fillRect(QRect(0, 0, geometry::kBoard, geometry::kBoard), QColor(0, 0, 0, 60));
  painter.fillRect(band, QColor(0x20, 0x14, 0x08, 200));
  write(painter, band.adjusted(16, 0, -16, 0), 18, kLightText, shown(texts::kPauzeTitel));
}

// A click is a press and a release on the board, as with any button.
void BoardView::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) emit clicked();
}

// The game reads the keys from the key state; here they must only not wander off to the
// window's other controls.
void BoardView::keyPressEvent(QKeyEvent* event) {
  if (isGameKey(event->key())) event->accept();
  else QWidget::keyPressEvent(event);
}

}  // namespace dwaalbos
