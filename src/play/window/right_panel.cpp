#include "right_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "level/translation.h"
#include "platform/captions.h"
#include "platform/picture_names.h"
#include "platform/pictures.h"
#include "platform/plain_text.h"
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

constexpr const char* kMuziekjes = DWAALBOS_TR("RightPanel", "Muziekjes");

QFont panelFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(10);
  return font;
}

}  // namespace

RightPanel::RightPanel(const Pictures& pictures, QWidget* parent)
    : QWidget(parent), captions_(new Captions(*this, "RightPanel")) {
  setGeometry(geometry::kPanelX, 0, geometry::kPanelWidth, geometry::kPanelHeight);
  setFont(panelFont());
  picture(pictures, plaatje::kImage1, 0, 0, geometry::kPanelHeight);

  heading(DWAALBOS_TR("RightPanel", "Gegevens level:"), kLeft, 8, kWidth);
  label(DWAALBOS_TR("RightPanel", "Naam:"), kLeft, 28, kValueX - kLeft, kLine);
  levelNameLabel_ = value(kValueX, 28, kRight - kValueX, 2 * kLine);
  levelNameLabel_->setObjectName("levelNameLabel");
  levelNameLabel_->setWordWrap(true);
  label(DWAALBOS_TR("RightPanel", "Maker:"), kLeft, 60, kValueX - kLeft, kLine);
  levelMakerLabel_ = value(kValueX, 60, kRight - kValueX, 2 * kLine);
  levelMakerLabel_->setObjectName("levelMakerLabel");
  levelMakerLabel_->setWordWrap(true);
  commentLink_ =
      label(DWAALBOS_TR("RightPanel", "Klik hier voor commentaar"), kLeft, 94, kWidth, kLine);
  commentLink_->setObjectName("commentLink");
  commentLink_->setCursor(Qt::PointingHandCursor);
  commentLink_->setStyleSheet(QStringLiteral("text-decoration: underline"));
  commentLink_->installEventFilter(this);

  heading(DWAALBOS_TR("RightPanel", "Status:"), kLeft, 118, 60);
  label(DWAALBOS_TR("RightPanel", "Zetten:"), 96, 118, 40, kLine);
  movesLabel_ = value(136, 118, kRight - 136, kLine);
  movesLabel_->setText(QStringLiteral("0"));
  movesLabel_->setObjectName("movesLabel");
  keyCountLabel_ = statusPair(pictures, plaatje::kImage2, 138);
  keyCountLabel_->setObjectName("keyCountLabel");
  statusPair(pictures, plaatje::kImage3, 186);

  heading(DWAALBOS_TR("RightPanel", "Opties:"), kLeft, 234, kWidth);
  label(DWAALBOS_TR("RightPanel", "Vertraging bij lopen:"), kLeft, 252, kWidth, kLine);
  walkingDelayBox_ = new QLineEdit(QStringLiteral("40"), this);
  walkingDelayBox_->setObjectName("walkingDelayBox");
  walkingDelayBox_->setGeometry(kLeft, 270, kBoxWidth, 21);
  walkingDelayBox_->setMaxLength(3);
  makeDigitBox(walkingDelayBox_);
  label(DWAALBOS_TR("RightPanel", "Milliseconden"), kBesideBox, 273, kRight - kBesideBox, kLine);
  followLinesBox_ = new QCheckBox(this);
  followLinesBox_->setObjectName("followLinesBox");
  followLinesBox_->setGeometry(kLeft, 298, 16, kLine);
  followLinesBox_->setChecked(true);
  followLinesBox_->installEventFilter(this);
  label(DWAALBOS_TR("RightPanel", "Volg pijlen met lijnen met een vertraging van"), kBesideCheck,
        298, kRight - kBesideCheck, 2 * kLine)
      ->setWordWrap(true);
  lineDelayBox_ = new QLineEdit(QStringLiteral("20"), this);
  lineDelayBox_->setObjectName("lineDelayBox");
  lineDelayBox_->setGeometry(kLeft, 334, kBoxWidth, 21);
  lineDelayBox_->setMaxLength(4);
  makeDigitBox(lineDelayBox_);
  label(DWAALBOS_TR("RightPanel", "Milliseconden"), kBesideBox, 337, kRight - kBesideBox, kLine);
  transitionBox_ = new QCheckBox(this);
  transitionBox_->setObjectName("transitionBox");
  transitionBox_->setGeometry(kLeft, 362, 16, kLine);
  transitionBox_->setChecked(true);
  transitionBox_->installEventFilter(this);
  label(DWAALBOS_TR("RightPanel", "Overgang bij nieuw level"), kBesideCheck, 362,
        kRight - kBesideCheck, kLine);
  // The follow-line delay box is usable only while lines are followed.
  connect(followLinesBox_, &QCheckBox::toggled, lineDelayBox_, &QWidget::setEnabled);
  connect(followLinesBox_, &QCheckBox::toggled, this, &RightPanel::followLinesToggled);
  connect(transitionBox_, &QCheckBox::toggled, this, &RightPanel::transitionToggled);

  heading(DWAALBOS_TR("RightPanel", "Muziek:"), kLeft, 388, kWidth);
  label(DWAALBOS_TR("RightPanel", "Kies een muziekje:"), kLeft, 406, kWidth, kLine);
  musicList_ = new QComboBox(this);
  musicList_->setObjectName("musicList");
  musicList_->setGeometry(kLeft, 424, kWidth, 22);
  musicList_->setEditable(true);
  musicList_->setInsertPolicy(QComboBox::NoInsert);
  musicList_->installEventFilter(this);
  // Over the names until the player picks one.
  captions_->follow([this] {
    if (musicList_->currentIndex() < 0) musicList_->setEditText(captions_->text(kMuziekjes));
  });
  connect(musicList_, &QComboBox::activated, this, &RightPanel::tuneActivated);
  constexpr int kGap = 3;
  constexpr int kButton = (kWidth - 2 * kGap) / 3;
  button(DWAALBOS_TR("RightPanel", "Speel"), "playMusicButton", kLeft, kButton,
         &RightPanel::playMusicClicked);
  button(DWAALBOS_TR("RightPanel", "Pause"), "pauseMusicButton", kLeft + kButton + kGap, kButton,
         &RightPanel::pauseMusicClicked);
  button(DWAALBOS_TR("RightPanel", "Stop"), "stopMusicButton", kRight - kButton, kButton,
         &RightPanel::stopMusicClicked);
}

void RightPanel::setLevelTitle(const QString& naam, const QString& maker) {
  showPlain(*levelNameLabel_, naam);
  showPlain(*levelMakerLabel_, maker);
}

void RightPanel::setKeyCount(int keys) { keyCountLabel_->setText(QString::number(keys)); }

void RightPanel::setMoves(int moves) { movesLabel_->setText(QString::number(moves)); }

QLineEdit* RightPanel::box(Delay delay) const {
  return delay == Delay::walking ? walkingDelayBox_ : lineDelayBox_;
}

QString RightPanel::delayText(Delay delay) const { return box(delay)->text(); }

void RightPanel::setDelayText(Delay delay, const QString& text) { box(delay)->setText(text); }

bool RightPanel::followsLines() const { return followLinesBox_->isChecked(); }

void RightPanel::setFollowLines(bool on) { followLinesBox_->setChecked(on); }

void RightPanel::setTransition(bool on) { transitionBox_->setChecked(on); }

void RightPanel::setTunes(const QStringList& names) {
  musicList_->clear();
  musicList_->addItems(names);
  musicList_->setCurrentIndex(-1);
  musicList_->setEditText(captions_->text(kMuziekjes));
}

int RightPanel::chosenTune() const {
  const int index = musicList_->currentIndex();
  if (index < 0 || musicList_->itemText(index) != musicList_->currentText()) return -1;
  return index;
}

// A picture with "Sleutels:" and "Pijlen:" and their counts beside it; returns the key count,
// which only the first pair keeps up to date.
QLabel* RightPanel::statusPair(const Pictures& pictures, const char* name, int y) {
  picture(pictures, name, kLeft, y, 42);
  label(DWAALBOS_TR("RightPanel", "Sleutels:"), kValueX, y + 4, 60, kLine);
  label(DWAALBOS_TR("RightPanel", "Pijlen:"), kValueX, y + 4 + kLine, 60, kLine);
  QLabel* keys = value(120, y + 4, kRight - 120, kLine);
  keys->setText(QStringLiteral("0"));
  value(120, y + 4 + kLine, kRight - 120, kLine)->setText(QStringLiteral("0"));
  return keys;
}

void RightPanel::button(const char* text, const char* name, int x, int width,
                        void (RightPanel::*clicked)()) {
  auto* made = new QPushButton(this);
  captions_->button(made, text);
  made->setObjectName(name);
  made->setGeometry(x, 454, width, 24);
  connect(made, &QPushButton::clicked, this, clicked);
}

QLabel* RightPanel::heading(const char* text, int x, int y, int width) {
  QLabel* made = label(text, x, y, width, kLine);
  made->setStyleSheet(QStringLiteral("font-weight: bold"));
  return made;
}

QLabel* RightPanel::label(const char* dutch, int x, int y, int width, int height) {
  return captions_->label(value(x, y, width, height), dutch);
}

QLabel* RightPanel::value(int x, int y, int width, int height) {
  auto* made = new QLabel(this);
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

void RightPanel::makeDigitBox(QLineEdit* box) {
  // Typed keys are filtered below; the validator keeps pasted text to digits as well.
  box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), box));
  box->setContextMenuPolicy(Qt::NoContextMenu);
  box->installEventFilter(this);
}

// The delay boxes take digits only: every other typed character, Backspace too, is dropped,
// and a Ctrl key goes to the menu's shortcut instead of the box. Delete types no character, so
// it works as in any box, and so does a digit typed over a selection. Each key release is told.
bool RightPanel::digitBoxEvent(QLineEdit* box, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      return static_cast<QKeyEvent*>(event)->modifiers() & Qt::ControlModifier;
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Delete) return false;
      const QString typed = key->text();
      return !typed.isEmpty() && !(typed.size() == 1 && typed[0] >= u'0' && typed[0] <= u'9');
    }
    case QEvent::KeyRelease:
      emit delayTyped(box == walkingDelayBox_ ? Delay::walking : Delay::line, box->text());
      return false;
    default: return false;
  }
}

bool RightPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == commentLink_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    emit commentClicked();
    return true;
  }
  if (event->type() == QEvent::FocusIn && watched != lineDelayBox_ &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
    emit controlEntered();
  }
  if (watched == walkingDelayBox_ || watched == lineDelayBox_)
    return digitBoxEvent(static_cast<QLineEdit*>(watched), event);
  return QWidget::eventFilter(watched, event);
}

}  // namespace dwaalbos
