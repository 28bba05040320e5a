#include "splash.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWindow>

#include "level/translation.h"
#include "platform/captions.h"
#include "platform/picture_names.h"
#include "platform/pictures.h"
#include "platform/plain_text.h"
#include "platform/window_placement.h"
#include "platform/zoomed_widgets.h"

namespace dwaalbos {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

// Engraved capitals for the name and the maker, a handwriting face for the comment.
QFont titleFont(int pixels) {
  QFont font(QStringLiteral("Quattrocento"));
  font.setStyleHint(QFont::Serif);
  font.setCapitalization(QFont::AllUppercase);
  font.setLetterSpacing(QFont::PercentageSpacing, 110);
  font.setBold(true);
  font.setPixelSize(pixels);
  return font;
}

QFont commentFont(int pixels) {
  QFont font(QStringLiteral("Comic Neue"));
  font.setStyleHint(QFont::Cursive);
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

Splash::Splash(const Pictures& pictures, QWidget& owner)
    : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint), owner_(owner) {
  setFixedSize(kWidth, kHeight);
  auto* background = new ArtView(pictures.get(plaatje::kSplashachtergrond),
                                 pictures.large(plaatje::kSplashachtergrond), this);
  background->setGeometry(0, 0, kWidth, kHeight);

  nameLabel = new QLabel(this);
  nameLabel->setGeometry(20, 24, 360, 64);
  nameLabel->setFont(titleFont(26));
  nameLabel->setAlignment(Qt::AlignCenter);
  nameLabel->setWordWrap(true);

  makerLabel = new QLabel(this);
  makerLabel->setGeometry(20, 92, 360, 28);
  makerLabel->setFont(titleFont(15));
  makerLabel->setAlignment(Qt::AlignCenter);

  commentText = new QPlainTextEdit(this);
  commentText->setGeometry(40, 132, 320, 118);
  commentText->setFont(commentFont(15));
  commentText->setReadOnly(true);
  commentText->setFrameShape(QFrame::NoFrame);
  commentText->setStyleSheet(QStringLiteral("background: rgba(255, 255, 255, 150)"));
  commentText->setTextInteractionFlags(Qt::NoTextInteraction);
  commentText->setFocusPolicy(Qt::StrongFocus);

  // New players waited here for the level to start by itself.
  auto* hint = new QLabel(this);
  (new Captions(*this, "Splash"))
      ->label(hint, DWAALBOS_TR("Splash", "Klik of druk op een toets om te beginnen"));
  hint->setGeometry(20, 256, 360, 22);
  QFont hintFont = commentFont(13);
  hintFont.setBold(true);
  hint->setFont(hintFont);
  hint->setAlignment(Qt::AlignCenter);
  hint->setStyleSheet(QStringLiteral("color: #5a3214"));

  for (QObject* part : std::initializer_list<QObject*>{this, background, nameLabel, makerLabel,
                                                       commentText, commentText->viewport(), hint})
    part->installEventFilter(this);
}

void Splash::setZoom(int percent) {
  setFixedSize(zoomed({kWidth, kHeight}, percent));
  zoomWidgets(*this, percent);
}

void Splash::present(const QString& naam, const QString& maker, const QString& commentaar) {
  showPlain(*nameLabel, naam);
  showPlain(*makerLabel, maker);
  commentText->setPlainText(commentaar);
  keysPressedHere_.clear();
  placeOverOwner();
  show();
  raise();
  activateWindow();
  commentText->setFocus();
}

void Splash::verder() {
  hide();
  emit dismissed();
}

// Closed by the window manager it is dismissed all the same: the play window waits for it.
void Splash::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (isVisible()) verder();
}

void Splash::placeOverOwner() {
  winId();
  if (owner_.windowHandle()) windowHandle()->setTransientParent(owner_.windowHandle());
  placeOver(*this, owner_);
}

// A click is the release of a mouse button; a key counts when it is let go, so that the key
// that dismissed the screen does not also walk the player once the level runs.
bool Splash::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonRelease: verder(); return true;
    case QEvent::KeyPress:
      keysPressedHere_.insert(static_cast<QKeyEvent*>(event)->key());
      return true;
    case QEvent::KeyRelease: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->isAutoRepeat() || !keysPressedHere_.contains(key->key())) return true;
      keysPressedHere_.clear();
      verder();
      return true;
    }
    default: return QWidget::eventFilter(watched, event);
  }
}

}  // namespace dwaalbos
