#include "editor.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

#include <utility>

#include "editor/editor_board.h"
#include "editor/object_keys.h"
#include "editor/placement.h"
#include "frontend/navigator.h"
#include "level/cell_codes.h"
#include "level/shared_state.h"
#include "platform/key_state.h"
#include "platform/message_boxes.h"

namespace dwaalbos {
namespace {

const QString kTitle = QStringLiteral("Dwaalbos 6.0 level editor");

constexpr int kClientWidth = 640;
constexpr int kClientHeight = 480;
constexpr int kPanelX = 480;
constexpr int kFieldWidth = 137;

struct LegendPicture {
  int code;
  int x;
  int y;
};

constexpr LegendPicture kLegend[] = {
    {1, 480, 0},   {2, 520, 0},   {3, 562, 0},   {4, 600, 0},
    {5, 480, 64},  {6, 520, 64},  {7, 560, 64},  {8, 600, 64},
    {9, 480, 124}, {10, 520, 124}, {11, 559, 124}, {12, 600, 124},
    {13, 478, 184}, {14, 519, 184}, {15, 560, 184},
};

QLabel* label(QWidget* parent, int y, const char* text) {
  auto* created = new QLabel(QString::fromUtf8(text), parent);
  created->move(kPanelX, y);
  created->adjustSize();
  return created;
}

void makeTextBlue(QWidget& box) {
  QPalette palette = box.palette();
  palette.setColor(QPalette::Text, Qt::blue);
  box.setPalette(palette);
}

}  // namespace

Editor::Editor(SharedState& state, Navigator& navigator, const Pictures& pictures,
               FileDialogs& dialogs, Printers& printers)
    : state_(state), navigator_(navigator), painter_(pictures), dialogs_(dialogs),
      printers_(printers) {
  setWindowTitle(kTitle);
  auto* client = new QWidget(this);
  client->setFixedSize(kClientWidth, kClientHeight);
  QFont font("DejaVu Sans");
  font.setPixelSize(13);
  client->setFont(font);
  setCentralWidget(client);

  Vak_ = new EditorBoard(client);
  connect(Vak_, &EditorBoard::keyPressed, this, &Editor::Vak_KeyDown);
  buildLegend();
  buildProperties();
  buildMenu();
  setFixedSize(sizeHint());

  loop_.setInterval(kCursorPassMilliseconds);
  connect(&loop_, &QTimer::timeout, this, &Editor::cursorPass);
  edtekenen();
}

Editor::~Editor() = default;

void Editor::buildMenu() {
  auto* level = menuBar()->addMenu("&Level");
  level->addAction("&Nieuw", this, &Editor::Mnunew_Click);
  level->addAction("&Openen", this, &Editor::mnuopen_Click);
  level->addAction("O&pslaan", this, &Editor::Mnusave_Click);
  level->addSeparator();
  level->addAction("&Exporten naar plaatje", this, &Editor::mnuexport_Click);
  level->addAction("U&itprinten", this, &Editor::mnuprint_Click);
  level->addSeparator();
  level->addAction("&Uittesten", this, &Editor::mnutest_Click);
  level->addSeparator();
  level->addAction("&Weg", this, &Editor::mnuexit_Click);
}

// Each key name stands under the picture of the object it places.
void Editor::buildLegend() {
  auto* client = centralWidget();
  for (const auto& entry : kLegend) {
    auto* picture = new QLabel(client);
    picture->setPixmap(QPixmap::fromImage(painter_.editorPicture(entry.code)));
    picture->setGeometry(entry.x, entry.y, kCellPixels, kCellPixels);
  }
  label(client, 40, "   1        2        3       4");
  label(client, 104, "    5        6       7       8");
  label(client, 164, "   9        F1    F2      F3");
  label(client, 224, "   F4     F5     F6     ");
}

void Editor::buildProperties() {
  auto* client = centralWidget();
  label(client, 240, "Eigenschappen level:");
  label(client, 256, "Naam level:");
  Naam_ = new QLineEdit(client);
  Naam_->setGeometry(kPanelX, 272, kFieldWidth, 21);
  label(client, 296, "Maker:");
  Maker_ = new QLineEdit(client);
  Maker_->setGeometry(kPanelX, 312, kFieldWidth, 21);
  label(client, 336, "Commentaar:");
  Commentaar_ = new QPlainTextEdit(client);
  Commentaar_->setGeometry(kPanelX, 352, kFieldWidth, 57);
  Commentaar_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Commentaar_->setTabChangesFocus(true);
  for (QWidget* box : {static_cast<QWidget*>(Naam_), static_cast<QWidget*>(Maker_),
                       static_cast<QWidget*>(Commentaar_)})
    makeTextBlue(*box);
  label(client, 408, "Achtergrond:");
  // Shown as the level's background choice; no level stores one, so it changes nothing.
  Achtercombo_ = new QComboBox(client);
  Achtercombo_->setGeometry(kPanelX, 424, kFieldWidth, 22);
  Achtercombo_->addItems({"Water", "Zand", "Gras", "Grond", "Groene tegels", "Grijze tegels",
                          "Niets!"});
}

// While the command line's level is being edited, showing the editor keeps it.
void Editor::activate() {
  if (!state_.Opdrachtregel) Mnunew_Click();
  bringForward();
}

void Editor::metcommand(const std::string& best) {
  openen(best);
  bringForward();
}

void Editor::terugVanTest() {
  if (state_.Testen) openen(state_.paths.testLevel());
  // A completed test play says so in the title, without a box to click away.
  const bool gehaald = std::exchange(state_.TestGehaald, false);
  setWindowTitle(gehaald ? kTitle + QStringLiteral(" - testlevel gehaald") : kTitle);
  bringForward();
}

// The editor in front with the board taking the keys and the cursor loop running. A key still
// held from the window before (an arrow that walked onto the end square) does not move the
// cursor.
void Editor::bringForward() {
  KeyState::instance().changeHands();
  setEnabled(true);
  show();
  raise();
  activateWindow();
  Vak_->setFocus();
  setStoppen(false);
}

// Runs from the loop's timer and at once on every arrow press, so that a press moves the cursor
// without waiting for the next pass.
void Editor::cursorPass() {
  struct Arrow {
    int key, dx, dy;
  };
  static constexpr Arrow kArrows[] = {
      {Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}};
  if (!clock_.isValid()) clock_.start();
  auto& keys = KeyState::instance();
  for (std::size_t i = 0; i < repeats_.size(); ++i) {
    const Arrow& arrow = kArrows[i];
    const bool pressed = keys.takePress(arrow.key);
    if (repeats_[i].step(pressed, keys.isDown(arrow.key), clock_.elapsed()))
      Vak_->moveCursor(arrow.dx, arrow.dy);
  }
}

void Editor::setStoppen(bool stoppen) {
  Stoppen = stoppen;
  updateLoop();
}

// The cursor loop runs only while the editor is in front and not stopped.
void Editor::updateLoop() {
  const bool run = !Stoppen && isVisible() && isEnabled() && isActiveWindow();
  if (run && !loop_.isActive()) loop_.start();
  if (!run) loop_.stop();
}

void Editor::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange || event->type() == QEvent::EnabledChange)
    updateLoop();
}

void Editor::Vak_KeyDown(QKeyEvent* event) {
  const int k = event->key();
  const bool arrow = k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down;
  if (arrow && loop_.isActive() && !event->isAutoRepeat()) cursorPass();
  const auto key = objectKeyFor(event->key(), event->modifiers(), event->nativeScanCode());
  if (key.kind == ObjectKey::Kind::Nothing) return;
  if (key.kind == ObjectKey::Kind::NotReady) {
    showMessage(this, "Effe wachten",
                "Dit object is nog niet klaar om komt in de volgende versie pas.",
                BoxIcon::Exclamation);
    return;
  }
  if (!placeObject(state_.Veld, Vak_->column(), Vak_->row(), key.code)) {
    showMessage(this, "Er is al een begin", "Er bestaat al een begin!", BoxIcon::Critical);
    return;
  }
  edtekenen();
}

void Editor::edtekenen(QRgb background) {
  painter_.edtekenen(Vak_->picture(), state_.Veld, background);
  Vak_->update();
}

// Closing never closes: after a confirmation the editor is hidden and the menu comes back.
// While a test play holds the input the editor waits for it and cannot be closed.
void Editor::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (isEnabled()) mnuexit_Click();
}

void Editor::mnuexit_Click() {
  if (!askYesNo(this, "Bevestiging", "Zeker weten?", BoxIcon::None)) return;
  setStoppen(true);
  hide();
  navigator_.showMenu();
}

}  // namespace dwaalbos
