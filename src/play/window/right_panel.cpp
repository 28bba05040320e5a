#include "right_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "platform/picture_names.h"
#include "platform/pictures.h"
#include "platform/zoomed_widgets.h"
#include "window_geometry.h"

namespace dwaalbos {
namespace {

// A grid inside the panel's frame: a margin all round, a line every 16 pixels, labels in a
// left column and what they describe beside them in a right one.
constexpr int kLeft = 10;
constexpr int kRight = geometry::kPanelWidth - 10;
constexpr int kWidth = kRight - kLeft;
constexpr int kLine = 16;
constexpr int kValueX = 56;    // beside "Naam:", "Maker:" and the status pictures
constexpr int kBoxWidth = 44;  // the delay boxes
constexpr int kBesideBox = kLeft + kBoxWidth + 6;
constexpr int kBesideCheck = kLeft + 20;

QFont panelFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(10);
  return font;
}

}  // namespace

RightPanel::RightPanel(const Pictures& pictures, QWidget* parent) : QWidget(parent) {
  setGeometry(geometry::kPanelX, 0, geometry::kPanelWidth, geometry::kPanelHeight);
  setFont(panelFont());
  picture(pictures, plaatje::kImage1, 0, 0, geometry::kPanelHeight);

  heading("Gegevens level:", kLeft, 8, kWidth);
  label("Naam:", kLeft, 28, kValueX - kLeft, kLine);
  levelNameLabel = label("", kValueX, 28, kRight - kValueX, 2 * kLine);
  levelNameLabel->setWordWrap(true);
  label("Maker:", kLeft, 60, kValueX - kLeft, kLine);
  levelMakerLabel = label("", kValueX, 60, kRight - kValueX, 2 * kLine);
  levelMakerLabel->setWordWrap(true);
  commentLink = label("Klik hier voor commentaar", kLeft, 94, kWidth, kLine);
  commentLink->setCursor(Qt::PointingHandCursor);
  commentLink->setStyleSheet(QStringLiteral("text-decoration: underline"));
  commentLink->installEventFilter(this);

  heading("Status:", kLeft, 118, 60);
  label("Zetten:", 96, 118, 40, kLine);
  movesLabel = label("0", 136, 118, kRight - 136, kLine);
  statusPair(pictures, plaatje::kImage2, 138, &keyCountLabel);
  statusPair(pictures, plaatje::kImage3, 186, nullptr);

  heading("Opties:", kLeft, 234, kWidth);
  label("Vertraging bij lopen:", kLeft, 252, kWidth, kLine);
  walkingDelayBox = new QLineEdit(QStringLiteral("40"), this);
  walkingDelayBox->setGeometry(kLeft, 270, kBoxWidth, 21);
  walkingDelayBox->setMaxLength(3);
  label("Milliseconden", kBesideBox, 273, kRight - kBesideBox, kLine);
  followLinesBox = new QCheckBox(this);
  followLinesBox->setGeometry(kLeft, 298, 16, kLine);
  followLinesBox->setChecked(true);
  label("Volg pijlen met lijnen met een vertraging van", kBesideCheck, 298, kRight - kBesideCheck,
        2 * kLine)
      ->setWordWrap(true);
  lineDelayBox = new QLineEdit(QStringLiteral("20"), this);
  lineDelayBox->setGeometry(kLeft, 334, kBoxWidth, 21);
  lineDelayBox->setMaxLength(4);
  label("Milliseconden", kBesideBox, 337, kRight - kBesideBox, kLine);
  transitionBox = new QCheckBox(this);
  transitionBox->setGeometry(kLeft, 362, 16, kLine);
  transitionBox->setChecked(true);
  label("Overgang bij nieuw level", kBesideCheck, 362, kRight - kBesideCheck, kLine);

  heading("Muziek:", kLeft, 388, kWidth);
  label("Kies een muziekje:", kLeft, 406, kWidth, kLine);
  musicList = new QComboBox(this);
  musicList->setGeometry(kLeft, 424, kWidth, 22);
  musicList->setEditable(true);
  musicList->setInsertPolicy(QComboBox::NoInsert);
  musicList->setEditText(QStringLiteral("Muziekjes"));
  constexpr int kGap = 3;
  constexpr int kButton = (kWidth - 2 * kGap) / 3;
  playMusicButton = new QPushButton(QStringLiteral("Speel"), this);
  playMusicButton->setGeometry(kLeft, 454, kButton, 24);
  pauseMusicButton = new QPushButton(QStringLiteral("Pause"), this);
  pauseMusicButton->setGeometry(kLeft + kButton + kGap, 454, kButton, 24);
  stopMusicButton = new QPushButton(QStringLiteral("Stop"), this);
  stopMusicButton->setGeometry(kRight - kButton, 454, kButton, 24);
}

// A picture with "Sleutels:" and "Pijlen:" and their counts beside it; only the first pair's key
// count is live.
void RightPanel::statusPair(const Pictures& pictures, const char* name, int y, QLabel** keyCount) {
  picture(pictures, name, kLeft, y, 42);
  label("Sleutels:", kValueX, y + 4, 60, kLine);
  label("Pijlen:", kValueX, y + 4 + kLine, 60, kLine);
  QLabel* keys = label("0", 120, y + 4, kRight - 120, kLine);
  if (keyCount) *keyCount = keys;
  label("0", 120, y + 4 + kLine, kRight - 120, kLine);
}

QLabel* RightPanel::heading(const char* text, int x, int y, int width) {
  QLabel* made = label(text, x, y, width, kLine);
  made->setStyleSheet(QStringLiteral("font-weight: bold"));
  return made;
}

QLabel* RightPanel::label(const char* text, int x, int y, int width, int height) {
  auto* made = new QLabel(QString::fromUtf8(text), this);
  made->setGeometry(x, y, width, height);
  made->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return made;
}

// At its own size, standing in the place's left middle.
void RightPanel::picture(const Pictures& pictures, const char* name, int x, int y, int height) {
  const QImage& image = pictures.get(name);
  auto* made = new ArtView(image, pictures.large(name), this);
  made->setGeometry(x, y + (height - image.height()) / 2, image.width(), image.height());
}

bool RightPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == commentLink && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    emit commentClicked();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace dwaalbos
