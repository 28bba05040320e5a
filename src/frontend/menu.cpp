#include "menu.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <chrono>

#include "audio/sound.h"
#include "frontend/menu_title.h"
#include "level/progress.h"
#include "level/shared_state.h"
#include "level/texts.h"
#include "level/zoom.h"
#include "platform/captions.h"
#include "platform/desktop.h"
#include "platform/key_state.h"
#include "platform/message_boxes.h"
#include "platform/window_pixels.h"
#include "platform/zoom_choice.h"
#include "platform/zoomed_widgets.h"
#include "play/port/navigator.h"

namespace dwaalbos {

namespace {

constexpr std::array<const char*, 3> kUitleg{
    DWAALBOS_TR("Menu", "Speel een Dwaalbos level af door het openen van een bestand"),
    DWAALBOS_TR("Menu", "Maak een Dwaalbos level en speel hem met de eerste optie"),
    DWAALBOS_TR("Menu", "Voor als je uitleg wilt over een object of info over de maker"),
};

constexpr int kTitleHeight = 92;
constexpr int kKlik = 9;  // the sample of a change of button
constexpr int kLaatsteLevelSet1 = 23;

}  // namespace

Menu::Menu(SharedState& state, Sound& sound, Navigator& navigator, Desktop& desktop,
           const Pictures& pictures)
    : state_(state), sound_(sound), navigator_(navigator), desktop_(desktop), buttons_(pictures),
      descriptionLabel(new QLabel(this)) {
  // The title and the buttons speak the game's language too; the next frame shows them.
  (new Captions(*this, "Menu"))->follow([this] {
    setWindowTitle(QString::fromStdString(texts::tr(texts::kMenuTitel)));
    title_ = menuTitle({kWidth, kTitleHeight});
    titleLarge_ = menuTitle({kWidth, kTitleHeight}, 4);
    titleShown_ = {};
    buttons_.speak(currentLanguage());
    drawnKeuze_ = 0;
  });
  resize(kWidth, kHeight);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);

  // Under the buttons.
  descriptionLabel->setGeometry(MenuButtons::kLeft, 246, MenuButtons::kWidth, 44);
  descriptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  descriptionLabel->setTextFormat(Qt::RichText);
  descriptionLabel->setWordWrap(true);
  descriptionLabel->setStyleSheet("QLabel { background: black; color: #d8efb0; }");
  QFont font("Comic Neue");
  font.setPixelSize(16);
  font.setBold(true);
  descriptionLabel->setFont(font);
  descriptionLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

  dots_.reserve(2 * Starfield::kCount);
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(kFrameMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &Menu::frame);
  zoomChoice_ =
      new ZoomChoice(*this, nullptr, [this](int percent) { navigator_.chooseZoom(percent); });
}

void Menu::setZoom(int percent) {
  setMinimumSize(zoomed({kWidth, kHeight}, kZoomSteps.front()));
  resize(zoomed({kWidth, kHeight}, percent));
  zoomChoice_->show(percent);
}

// The menu keeps its layout at any size the window manager gives it, centred on black.
void Menu::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  scale_ = fittingScale({kWidth, kHeight}, {width(), height()});
  shown_.setSize(zoomed({kWidth, kHeight}, scale_));
  shown_.moveCenter(rect().center());
  zoomWidgets(*this, scale_);
  descriptionLabel->move(descriptionLabel->pos() + shown_.topLeft());
  drawAnew();
}

QPoint Menu::unzoomed(QPointF point) const {
  return ((point - shown_.topLeft()) * 100.0 / scale_).toPoint();
}

std::string Menu::uitleg() const {
  return translated("Menu", kUitleg[static_cast<std::size_t>(Keuze - 1)]);
}

// Every showing of the menu starts it afresh.
void Menu::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) activate();
}

void Menu::activate() {
  Gekozen = 0;
  toetsenleeg();
  Weg = false;
  Keuze = 1;
  random_.seed(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
  Hoek = 0;
  Sterren.scatter(random_);
  picture_.clearDots();
  update();
  runWhileVisible();
}

// The animation runs only while somebody can see it.
void Menu::runWhileVisible() {
  const bool visible = isVisible() && !isMinimized() && !Weg && !pausedForDialog_;
  if (visible && !timer_.isActive()) timer_.start();
  if (!visible) timer_.stop();
}

void Menu::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  timer_.stop();
}

void Menu::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) runWhileVisible();
}

// Closing the menu ends the program: the starfield stops first, then every window goes.
void Menu::closeEvent(QCloseEvent* event) {
  Weg = true;
  timer_.stop();
  event->accept();
  navigator_.quitProgram();
}

void Menu::frame() {
  if (drawnKeuze_ != Keuze) drawAnew();
  dots_.clear();
  Sterren.drift(Hoek, [this](int x, int y, int grey) { dots_.push_back({x, y, grey}); });
  picture_.paintDots(dots_);
  showChanges();

  ++Teller;
  if (Teller % 4 == 0) {
    typeDescription();
    std::uniform_real_distribution<float> unit(0.0F, 1.0F);
    Hoek += unit(random_) - 0.5F;
    readArrowKeys();
    return;
  }
  auto& keys = KeyState::instance();
  if (keys.queryIfPressed(Qt::Key_Return) || keys.queryIfPressed(Qt::Key_Enter) || Gekozen != 0)
    actOnChoice();
}

// The whole description is laid out from the start, its untyped rest in the background's
// colour, so typed letters never move and a word never jumps to the next line.
void Menu::typeDescription() {
  const QString text = QString::fromStdString(uitleg());
  const auto shown = std::min<qsizetype>(Teller / 4, text.size());
  descriptionLabel->setText(text.left(shown).toHtmlEscaped() + "<span style=\"color: black\">" +
                            text.mid(shown).toHtmlEscaped() + "</span>");
}

void Menu::readArrowKeys() {
  auto& keys = KeyState::instance();
  if (keys.queryIfPressed(Qt::Key_Down)) {
    Teller = 0;
    sound_.speelgeluid(kKlik);
    Keuze = Keuze % 3 + 1;
  } else if (keys.queryIfPressed(Qt::Key_Up)) {
    Teller = 0;
    sound_.speelgeluid(kKlik);
    Keuze = (Keuze + 1) % 3 + 1;
  }
}

void Menu::highlight(int button) {
  if (Keuze != button) {
    sound_.speelgeluid(kKlik);
    Teller = 0;
  }
  Keuze = button;
}

void Menu::actOnChoice() {
  if (Gekozen != 0) Keuze = Gekozen;
  Gekozen = 0;
  Weg = true;
  timer_.stop();
  switch (Keuze) {
    case 1:
      hide();
      navigator_.showPlayWindow();
      break;
    case 2:
      hide();
      navigator_.showEditor();
      break;
    default: openHelp(); break;
  }
}

// The game ends once the help page is open; without a program to show it the player learns
// where the page is and the menu goes on.
void Menu::openHelp() {
  if (desktop_.openDocument(state_.paths.helpPage())) {
    navigator_.quitProgram();
    return;
  }
  showMessage(this, texts::tr(texts::kProgramTitle),
              texts::tr(texts::kGeenHelpOpener) + state_.paths.helpPage(), BoxIcon::Exclamation);
  Weg = false;
  toetsenleeg();
  runWhileVisible();
}

// The title and the buttons, with button `Keuze` highlighted, over the dots at the window's
// present size.
void Menu::drawAnew() {
  QImage overlay(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  overlay.fill(Qt::transparent);
  QPainter painter(&overlay);
  painter.drawImage(0, 0, title_);
  buttons_.draw(painter, Keuze);
  painter.end();
  const QSize pixels = (QSizeF(shown_.size()) * devicePixelRatioF()).toSize();
  picture_.layout(overlay, pixels, sharpTitleAndButtons(pixels));
  drawnKeuze_ = Keuze;
  update();
}

// Zoomed, the title and the buttons are drawn again over the enlarged menu, sharp; none at
// the menu's own size or smaller.
QImage Menu::sharpTitleAndButtons(QSize pixels) {
  const qreal zoom = scale_ / 100.0;
  if (zoom * devicePixelRatioF() <= 1) return {};
  QImage sharp(pixels, QImage::Format_ARGB32_Premultiplied);
  sharp.setDevicePixelRatio(devicePixelRatioF());
  sharp.fill(Qt::transparent);
  QPainter painter(&sharp);
  painter.scale(zoom, zoom);
  const QSize titlePixels = (QSizeF(title_.size()) * zoom * devicePixelRatioF()).toSize();
  if (titleShown_.size() != titlePixels) titleShown_ = artFor(title_, titleLarge_, titlePixels);
  painter.drawImage(QRectF(QPointF(0, 0), QSizeF(title_.size())), titleShown_,
                    QRectF(titleShown_.rect()));
  buttons_.drawSharp(painter, Keuze, zoom);
  return sharp;
}

// The changed pixels go straight to the display where it can take them so. Otherwise only the
// part of the window where dots moved is painted again, at once: the frame's timer waits for
// nothing else. The description covers the dots under it, so it is left out: painting
// its text again every frame cost more than the dots. Each band around it is painted on its own,
// as a plain rectangle; one region with a hole would be blended through the slow clipped path.
void Menu::showChanges() {
  const std::vector<QRect>* blocks = picture_.changedBlocks();
  const bool sent = blocks != nullptr && showPixelsAtOnce(*this, picture_.shown(), shown_.topLeft(),
                                                          *blocks, descriptionLabel->geometry());
  const QRect pixels = picture_.takeChanged();
  if (sent || pixels.isEmpty()) return;
  const qreal ratio = devicePixelRatioF();
  const QRect area = QRectF(QPointF(pixels.topLeft()) / ratio, QSizeF(pixels.size()) / ratio)
                         .toAlignedRect()
                         .translated(shown_.topLeft());
  for (const QRect& band : QRegion(area).subtracted(descriptionLabel->geometry())) repaint(band);
}

void Menu::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const QRect& margin : QRegion(rect()).subtracted(shown_))
    painter.fillRect(margin, Qt::black);
  const QImage& shown = picture_.shown();
  painter.drawImage(QRectF(shown_), shown, QRectF(shown.rect()));
}

void Menu::mouseMoveEvent(QMouseEvent* event) {
  const int button = MenuButtons::areaAt(unzoomed(event->position()));
  if (button == 0) {
    unsetCursor();
    return;
  }
  setCursor(buttons_.pointer());
  highlight(button);
}

void Menu::mousePressEvent(QMouseEvent* event) {
  const int button = MenuButtons::areaAt(unzoomed(event->position()));
  pressedButton_ = button;
  if (button == 3) pressOnHelpButton(event->button(), event->modifiers());
}

// A click on the play or editor button is acted on in the next frame that reads choices.
void Menu::mouseReleaseEvent(QMouseEvent* event) {
  const int button = MenuButtons::areaAt(unzoomed(event->position()));
  if (event->button() == Qt::LeftButton && button == pressedButton_ && button != 3 && button != 0)
    Gekozen = button;
  pressedButton_ = 0;
}

void Menu::pressOnHelpButton(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  if (button == Qt::RightButton && modifiers == Qt::ShiftModifier && bonusUnlocked())
    startBonusProgram();
  else Gekozen = 3;
}

// The bonus waits for the last level of the first set. A missing progress file stays missing.
bool Menu::bonusUnlocked() const {
  const auto progress = readProgress(state_.paths.progress());
  return (progress && progress->P1 >= kLaatsteLevelSet1) || state_.bereikt.P1 >= kLaatsteLevelSet1;
}

void Menu::startBonusProgram() {
  pausedForDialog_ = true;
  runWhileVisible();
  showMessage(this, texts::kProgramTitle, texts::kWachtwoordHint, BoxIcon::None);
  if (!desktop_.startProgram(state_.paths.bonusProgram()))
    showMessage(this, texts::kProgramTitle, texts::kBonusNietGestart, BoxIcon::Exclamation);
  pausedForDialog_ = false;
  toetsenleeg();
  runWhileVisible();
}

// Presses made while the menu was not looking do not count (`toetsenleeg`), and neither does
// a key still held from before, like the Enter that answered the last question box.
void Menu::toetsenleeg() { KeyState::instance().changeHands(); }

}  // namespace dwaalbos
