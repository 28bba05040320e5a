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

struct Laag {
  QColor kleur;
  int voet;        // y of the trees' feet
  int hoogte;      // tallest tree
  int aantal;
  float snelheid;  // pixels per second of drift
};

constexpr std::array<Laag, 3> kLagen{{
    {QColor(44, 62, 92), 330, 150, 26, 4},
    {QColor(30, 58, 44), 380, 170, 18, 9},
    {QColor(14, 34, 24), 430, 200, 12, 16},
}};

void pine(QPainter& painter, float x, float voet, float hoogte) {
  const float breedte = hoogte * 0.42F;
  painter.drawRect(QRectF(x - hoogte * 0.04, voet - hoogte * 0.12, hoogte * 0.08, hoogte * 0.12));
  for (int tier = 0; tier < 3; ++tier) {
    const float top = voet - hoogte + tier * hoogte * 0.24F;
    const float onder = voet - hoogte * 0.1F - (2 - tier) * hoogte * 0.22F;
    const float half = breedte * (0.55F + 0.22F * tier) / 2;
    QPainterPath tak;
    tak.moveTo(x, top);
    tak.lineTo(x + half, onder);
    tak.lineTo(x - half, onder);
    tak.closeSubpath();
    painter.drawPath(tak);
  }
}

// One seamless strip of pines: whatever leaves one side comes back on the other.
QImage bomenrij(const Laag& laag, unsigned seed) {
  QImage strook(ForestScene::kWidth, ForestScene::kHeight, QImage::Format_ARGB32_Premultiplied);
  strook.fill(Qt::transparent);
  QPainter painter(&strook);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(laag.kleur);
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> plek(0, ForestScene::kWidth);
  std::uniform_real_distribution<float> maat(0.55F, 1.0F);
  for (int i = 0; i < laag.aantal; ++i) {
    const float x = plek(random);
    const float hoogte = laag.hoogte * maat(random);
    for (int kopie : {-1, 0, 1}) pine(painter, x + kopie * ForestScene::kWidth, laag.voet, hoogte);
  }
  painter.drawRect(0, laag.voet - 2, ForestScene::kWidth, ForestScene::kHeight - laag.voet + 2);
  return strook;
}

float seconden(qint64 ms) { return static_cast<float>(ms) / 1000.0F; }

}  // namespace

ForestScene::ForestScene(const QString& gameFolder) {
  setWindowTitle("Dwaalbos: de geheime open plek");
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  for (std::size_t i = 0; i < kLagen.size(); ++i)
    bomen_[i] = bomenrij(kLagen[i], 17 + static_cast<unsigned>(i) * 101);

  std::mt19937 random(2024);
  std::uniform_real_distribution<float> unit(0, 1);
  for (int i = 0; i < 40; ++i)
    vliegen_.push_back({unit(random) * kWidth, 240 + unit(random) * 200, unit(random) * 6.28F,
                        0.3F + unit(random) * 0.7F});

  const Pictures pictures(gameFolder);
  man_ = pictures.withMask(plaatje::kMan, plaatje::kManmask);
  setWindowIcon(QIcon(QPixmap::fromImage(pictures.withMask(plaatje::kIcoon, plaatje::kIcoonmask))));

  timer_.setInterval(kFrameMilliseconds);
  connect(&timer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
  klok_.start();
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
  QLinearGradient lucht(0, 0, 0, 340);
  lucht.setColorAt(0, QColor(10, 18, 48));
  lucht.setColorAt(0.6, QColor(70, 48, 100));
  lucht.setColorAt(1, QColor(236, 150, 90));
  painter.fillRect(rect(), lucht);

  std::mt19937 random(7);
  std::uniform_real_distribution<float> unit(0, 1);
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 60; ++i) {
    const float x = unit(random) * kWidth;
    const float y = unit(random) * 220;
    const float twinkel = 0.5F + 0.5F * std::sin(seconden(ms) * (1 + unit(random) * 2) + i);
    painter.setBrush(QColor(255, 255, 230, static_cast<int>(80 + 170 * twinkel)));
    painter.drawEllipse(QPointF(x, y), 1.2, 1.2);
  }

  QRadialGradient gloed(QPointF(572, 188), 70);
  gloed.setColorAt(0, QColor(255, 250, 220, 120));
  gloed.setColorAt(1, QColor(255, 250, 220, 0));
  painter.setBrush(gloed);
  painter.drawEllipse(QPointF(572, 188), 70, 70);
  painter.setBrush(QColor(250, 244, 214));
  painter.drawEllipse(QPointF(572, 188), 26, 26);
}

void ForestScene::paintTrees(QPainter& painter, qint64 ms) const {
  for (std::size_t i = 0; i < bomen_.size(); ++i) {
    const int schuif = static_cast<int>(seconden(ms) * kLagen[i].snelheid) % kWidth;
    painter.drawImage(-schuif, 0, bomen_[i]);
    painter.drawImage(kWidth - schuif, 0, bomen_[i]);
  }
  QLinearGradient grond(0, 420, 0, kHeight);
  grond.setColorAt(0, QColor(36, 70, 30));
  grond.setColorAt(1, QColor(18, 40, 16));
  painter.fillRect(QRect(0, 440, kWidth, kHeight - 440), grond);
}

void ForestScene::paintFireflies(QPainter& painter, qint64 ms) const {
  const float t = seconden(ms);
  painter.setPen(Qt::NoPen);
  for (const auto& vlieg : vliegen_) {
    const QPointF plek(vlieg.x + 40 * std::sin(t * vlieg.snelheid + vlieg.fase),
                       vlieg.y + 18 * std::cos(t * vlieg.snelheid * 0.7F + vlieg.fase));
    const float licht = 0.5F + 0.5F * std::sin(t * 2.3F + vlieg.fase * 3);
    QRadialGradient gloed(plek, 9);
    gloed.setColorAt(0, QColor(230, 255, 120, static_cast<int>(220 * licht)));
    gloed.setColorAt(1, QColor(230, 255, 120, 0));
    painter.setBrush(gloed);
    painter.drawEllipse(plek, 9, 9);
  }
}

// The wanderer strolls across the clearing and back, two steps a second or so.
void ForestScene::paintWanderer(QPainter& painter, qint64 ms) const {
  constexpr qint64 kOversteek = 14000;
  const bool terug = (ms / kOversteek) % 2 == 1;
  const double deel = static_cast<double>(ms % kOversteek) / kOversteek;
  const double x = terug ? kWidth - deel * (kWidth + 80) : -80 + deel * (kWidth + 80);
  const int stap = static_cast<int>((ms / 220) % 2) * 40;
  const int kant = terug ? 120 : 40;
  painter.drawImage(QRectF(x, 386, 80, 80), man_, QRectF(stap, kant, 40, 40));
}

void ForestScene::paintTexts(QPainter& painter, qint64 ms) const {
  const QRectF bord(40, 16, 560, 112);
  painter.setPen(QPen(QColor(226, 186, 90), 3));
  painter.setBrush(QColor(48, 30, 14, 215));
  painter.drawRoundedRect(bord, 14, 14);

  QFont titel("URW Bookman");
  titel.setPixelSize(40);
  titel.setBold(true);
  titel.setItalic(true);
  painter.setFont(titel);
  painter.setPen(QColor(246, 214, 110));
  painter.drawText(bord.adjusted(0, 8, 0, 0), Qt::AlignHCenter | Qt::AlignTop, felicitatie());

  QFont tekst("Comic Neue");
  tekst.setPixelSize(16);
  tekst.setBold(true);
  painter.setFont(tekst);
  painter.setPen(QColor(250, 236, 200));
  painter.drawText(bord.adjusted(10, 58, -10, 0), Qt::AlignHCenter | Qt::AlignTop, ondertitel());

  const QRectF kaart(40, 146, 470, 84);
  const double zicht = zichtbaarheidOp(ms);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(12, 24, 20, static_cast<int>(170 * zicht)));
  painter.drawRoundedRect(kaart, 10, 10);
  painter.setPen(QColor(220, 240, 190, static_cast<int>(255 * zicht)));
  painter.drawText(kaart.adjusted(14, 8, -14, -8), Qt::AlignCenter | Qt::TextWordWrap,
                   geheimen().at(geheimOp(ms)));

  tekst.setPixelSize(12);
  painter.setFont(tekst);
  painter.setPen(QColor(200, 220, 180));
  painter.drawText(QRectF(0, kHeight - 20, kWidth - 8, 18), Qt::AlignRight, "Esc: sluiten");
}

void ForestScene::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintScene(painter, klok_.elapsed());
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
