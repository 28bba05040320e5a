#include "forest_scene.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

#include <cmath>
#include <random>

#include "bonus_texts.h"
#include "platform/picture_names.h"
#include "platform/pictures.h"

namespace dwaalbos::irunin {

namespace {

struct Layer {
  QColor colour;
  int foot;    // y of the trees' feet
  int height;  // tallest tree
  int count;
  float speed;  // pixels per second of drift
};

constexpr std::array<Layer, 3> kLayers{{
    {QColor(44, 62, 92), 330, 150, 26, 4},
    {QColor(30, 58, 44), 380, 170, 18, 9},
    {QColor(14, 34, 24), 430, 200, 12, 16},
}};

void pine(QPainter& painter, float x, float foot, float height) {
  const float width = height * 0.42F;
  painter.drawRect(QRectF(x - height * 0.04, foot - height * 0.12, height * 0.08, height * 0.12));
  for (int tier = 0; tier < 3; ++tier) {
    const float top = foot - height + tier * height * 0.24F;
    const float onder = foot - height * 0.1F - (2 - tier) * height * 0.22F;
    const float half = width * (0.55F + 0.22F * tier) / 2;
    QPainterPath branch;
    branch.moveTo(x, top);
    branch.lineTo(x + half, onder);
    branch.lineTo(x - half, onder);
    branch.closeSubpath();
    painter.drawPath(branch);
  }
}

// One seamless strip of pines: whatever leaves one side comes back on the other.
QImage treeRow(const Layer& layer, unsigned seed) {
  QImage band(ForestScene::kWidth, ForestScene::kHeight, QImage::Format_ARGB32_Premultiplied);
  band.fill(Qt::transparent);
  QPainter painter(&band);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(layer.colour);
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> place(0, ForestScene::kWidth);
  std::uniform_real_distribution<float> scale(0.55F, 1.0F);
  for (int i = 0; i < layer.count; ++i) {
    const float x = place(random);
    const float height = layer.height * scale(random);
    for (int copy : {-1, 0, 1}) pine(painter, x + copy * ForestScene::kWidth, layer.foot, height);
  }
  painter.drawRect(0, layer.foot - 2, ForestScene::kWidth, ForestScene::kHeight - layer.foot + 2);
  return band;
}

float seconds(qint64 ms) { return static_cast<float>(ms) / 1000.0F; }

}  // namespace

ForestScene::ForestScene(const QString& gameFolder) {
  setWindowTitle("Dwaalbos: de geheime open plek");
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  for (std::size_t i = 0; i < kLayers.size(); ++i)
    treeRows_[i] = treeRow(kLayers[i], 17 + static_cast<unsigned>(i) * 101);

  std::mt19937 random(2024);
  std::uniform_real_distribution<float> unit(0, 1);
  for (int i = 0; i < 40; ++i)
    flies_.push_back({unit(random) * kWidth, 240 + unit(random) * 200, unit(random) * 6.28F,
                      0.3F + unit(random) * 0.7F});

  const Pictures pictures(gameFolder);
  man_ = pictures.withMask(plaatje::kMan, plaatje::kManmask);
  setWindowIcon(QIcon(QPixmap::fromImage(pictures.withMask(plaatje::kIcoon, plaatje::kIcoonmask))));

  timer_.setInterval(kFrameMilliseconds);
  connect(&timer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
  clock_.start();
}

void ForestScene::paintScene(QPainter& painter, qint64 ms) const {
  painter.setRenderHint(QPainter::Antialiasing);
  paintSky(painter, ms);
  paintTrees(painter, ms);
  paintFireflies(painter, ms);
  paintWanderer(painter, ms);
  paintTexts(painter, ms);
}

void ForestScene::paintSky(QPainter& painter, qint64 ms) const {
  QLinearGradient sky(0, 0, 0, 340);
  sky.setColorAt(0, QColor(10, 18, 48));
  sky.setColorAt(0.6, QColor(70, 48, 100));
  sky.setColorAt(1, QColor(236, 150, 90));
  painter.fillRect(rect(), sky);

  std::mt19937 random(7);
  std::uniform_real_distribution<float> unit(0, 1);
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 60; ++i) {
    const float x = unit(random) * kWidth;
    const float y = unit(random) * 220;
    const float twinkle = 0.5F + 0.5F * std::sin(seconds(ms) * (1 + unit(random) * 2) + i);
    painter.setBrush(QColor(255, 255, 230, static_cast<int>(80 + 170 * twinkle)));
    painter.drawEllipse(QPointF(x, y), 1.2, 1.2);
  }

  QRadialGradient glow(QPointF(572, 188), 70);
  glow.setColorAt(0, QColor(255, 250, 220, 120));
  glow.setColorAt(1, QColor(255, 250, 220, 0));
  painter.setBrush(glow);
  painter.drawEllipse(QPointF(572, 188), 70, 70);
  painter.setBrush(QColor(250, 244, 214));
  painter.drawEllipse(QPointF(572, 188), 26, 26);
}

void ForestScene::paintTrees(QPainter& painter, qint64 ms) const {
  for (std::size_t i = 0; i < treeRows_.size(); ++i) {
    const int schuif = static_cast<int>(seconds(ms) * kLayers[i].speed) % kWidth;
    painter.drawImage(-schuif, 0, treeRows_[i]);
    painter.drawImage(kWidth - schuif, 0, treeRows_[i]);
  }
  QLinearGradient ground(0, 420, 0, kHeight);
  ground.setColorAt(0, QColor(36, 70, 30));
  ground.setColorAt(1, QColor(18, 40, 16));
  painter.fillRect(QRect(0, 440, kWidth, kHeight - 440), ground);
}

void ForestScene::paintFireflies(QPainter& painter, qint64 ms) const {
  const float t = seconds(ms);
  painter.setPen(Qt::NoPen);
  for (const auto& fly : flies_) {
    const QPointF place(fly.x + 40 * std::sin(t * fly.speed + fly.phase),
                        fly.y + 18 * std::cos(t * fly.speed * 0.7F + fly.phase));
    const float light = 0.5F + 0.5F * std::sin(t * 2.3F + fly.phase * 3);
    QRadialGradient glow(place, 9);
    glow.setColorAt(0, QColor(230, 255, 120, static_cast<int>(220 * light)));
    glow.setColorAt(1, QColor(230, 255, 120, 0));
    painter.setBrush(glow);
    painter.drawEllipse(place, 9, 9);
  }
}

// The wanderer strolls across the clearing and back, two steps a second or so.
void ForestScene::paintWanderer(QPainter& painter, qint64 ms) const {
  constexpr qint64 kCrossingMilliseconds = 14000;
  const bool back = (ms / kCrossingMilliseconds) % 2 == 1;
  const double part = static_cast<double>(ms % kCrossingMilliseconds) / kCrossingMilliseconds;
  const double x = back ? kWidth - part * (kWidth + 80) : -80 + part * (kWidth + 80);
  const int frame = static_cast<int>((ms / 220) % 2) * 40;
  const int facing = back ? 120 : 40;
  painter.drawImage(QRectF(x, 386, 80, 80), man_, QRectF(frame, facing, 40, 40));
}

void ForestScene::paintTexts(QPainter& painter, qint64 ms) const {
  const QRectF sign(40, 16, 560, 112);
  painter.setPen(QPen(QColor(226, 186, 90), 3));
  painter.setBrush(QColor(48, 30, 14, 215));
  painter.drawRoundedRect(sign, 14, 14);

  QFont title("URW Bookman");
  title.setPixelSize(40);
  title.setBold(true);
  title.setItalic(true);
  painter.setFont(title);
  painter.setPen(QColor(246, 214, 110));
  painter.drawText(sign.adjusted(0, 8, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                   congratulationText());

  QFont text("Comic Neue");
  text.setPixelSize(16);
  text.setBold(true);
  painter.setFont(text);
  painter.setPen(QColor(250, 236, 200));
  painter.drawText(sign.adjusted(10, 58, -10, 0), Qt::AlignHCenter | Qt::AlignTop, subtitle());

  const QRectF card(40, 146, 470, 84);
  const double zicht = visibilityAt(ms);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(12, 24, 20, static_cast<int>(170 * zicht)));
  painter.drawRoundedRect(card, 10, 10);
  painter.setPen(QColor(220, 240, 190, static_cast<int>(255 * zicht)));
  painter.drawText(card.adjusted(14, 8, -14, -8), Qt::AlignCenter | Qt::TextWordWrap,
                   secrets().at(secretAt(ms)));

  text.setPixelSize(12);
  painter.setFont(text);
  painter.setPen(QColor(200, 220, 180));
  painter.drawText(QRectF(0, kHeight - 20, kWidth - 8, 18), Qt::AlignRight, "Esc: sluiten");
}

void ForestScene::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintScene(painter, clock_.elapsed());
}

// The forest only moves while somebody can see it.
void ForestScene::runWhileVisible() {
  if (isVisible() && !isMinimized()) timer_.start();
  else timer_.stop();
}

void ForestScene::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  runWhileVisible();
}

void ForestScene::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  runWhileVisible();
}

void ForestScene::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) runWhileVisible();
}

void ForestScene::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(event);
}

}  // namespace dwaalbos::irunin
