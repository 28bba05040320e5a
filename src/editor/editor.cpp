#include "editor.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

#include <algorithm>
#include <utility>

#include "editor/editor_board.h"
#include "editor/editor_layout.h"
#include "editor/legend_picture.h"
#include "editor/live_verdict.h"
#include "editor/object_keys.h"
#include "editor/placement.h"
#include "level/cell_kinds.h"
#include "level/shared_state.h"
#include "level/texts.h"
#include "level/translation.h"
#include "platform/captions.h"
#include "platform/key_state.h"
#include "platform/language_menu.h"
#include "platform/message_boxes.h"
#include "platform/picture_names.h"
#include "platform/pictures.h"
#include "platform/zoom_choice.h"
#include "platform/zoomed_stage.h"
#include "platform/zoomed_widgets.h"
#include "play/port/navigator.h"

namespace dwaalbos {
namespace {

using editor_layout::kClientHeight;
using editor_layout::kClientWidth;
using editor_layout::kLegendStep;
using editor_layout::kPanelX;
constexpr int kFieldWidth = 137;

constexpr int kLegendRows[] = {0, 60, 120, 180};
static_assert(std::ranges::all_of(kCellKinds, [](const CellKind& kind) {
  return kind.legendPlace < 4 * static_cast<int>(std::size(kLegendRows));
}));

// As wide as the panel: text grows a little more than its zoom at some steps.
QLabel* label(QWidget* parent, int y) {
  auto* created = new QLabel(QStringLiteral(" "), parent);
  created->move(kPanelX, y);
  created->adjustSize();
  created->resize(kClientWidth - kPanelX, created->height());
  return created;
}

// The background choices, in the list's order.
constexpr const char* kBackgrounds[] = {
    DWAALBOS_TR("Editor", "Water"),         DWAALBOS_TR("Editor", "Zand"),
    DWAALBOS_TR("Editor", "Gras"),          DWAALBOS_TR("Editor", "Grond"),
    DWAALBOS_TR("Editor", "Groene tegels"), DWAALBOS_TR("Editor", "Grijze tegels"),
    DWAALBOS_TR("Editor", "Niets!")};

void makeTextBlue(QWidget& box) {
  QPalette palette = box.palette();
  palette.setColor(QPalette::Text, Qt::blue);
  box.setPalette(palette);
}

}  // namespace

Editor::Editor(SharedState& state, Navigator& navigator, const Pictures& pictures,
               FileDialogs& dialogs, Printers& printers)
    : state_(state), navigator_(navigator), painter_(pictures), dialogs_(dialogs),
      printers_(printers), verdict_(new LiveVerdict(judgeLevel, this)),
      captions_(new Captions(*this, "Editor")) {
  showTitle();
  auto* client = new QWidget(this);
  client->setFixedSize(kClientWidth, kClientHeight);
  // The play window's panel font, on the play window's paper.
  QFont font("DejaVu Sans");
  font.setPixelSize(10);
  client->setFont(font);
  setCentralWidget(client);
  auto* paper = new ArtView(pictures.get(plaatje::kEditorpaneel),
                            pictures.large(plaatje::kEditorpaneel), client);
  paper->setGeometry(kBoardPixels, 0, kClientWidth - kBoardPixels, kClientHeight);

  Vak_ = new EditorBoard(client);
  connect(Vak_, &EditorBoard::keyPressed, this, &Editor::onBoardKey);
  connect(Vak_, &EditorBoard::cellPressed, this, &Editor::onBoardPress);
  connect(Vak_, &EditorBoard::cellDragged, this, &Editor::onBoardDrag);
  connect(Vak_, &EditorBoard::rescaled, this, [this] { edtekenen(); });
  buildLegend();
  buildProperties();
  buildMenu();
  buildHistory();
  buildVerdict();
  stage_ = new ZoomedStage(takeCentralWidget(), {kClientWidth, kClientHeight}, this);
  setCentralWidget(stage_);
  stage_->sizeWindowFor(*this, zoom_);

  loop_.setInterval(kCursorPassMilliseconds);
  connect(&loop_, &QTimer::timeout, this, &Editor::cursorPass);
  edtekenen();
}

Editor::~Editor() = default;

QMenu* Editor::menuTitled(const char* dutch) {
  return captions_->menu(menuBar()->addMenu(QString()), dutch);
}

template <class Receiver, class Command>
QAction* Editor::command(QMenu* menu, const char* dutch, Receiver* receiver, Command command) {
  return captions_->action(menu->addAction(QString(), receiver, command), dutch);
}

void Editor::buildMenu() {
  QMenu* level = menuTitled(DWAALBOS_TR("Editor", "&Level"));
  command(level, DWAALBOS_TR("Editor", "&Nieuw"), this, &Editor::onNew);
  command(level, DWAALBOS_TR("Editor", "&Openen"), this, &Editor::onOpen);
  command(level, DWAALBOS_TR("Editor", "O&pslaan"), this, &Editor::onSave);
  level->addSeparator();
  command(level, DWAALBOS_TR("Editor", "&Exporten naar plaatje"), this, &Editor::onExport);
  command(level, DWAALBOS_TR("Editor", "U&itprinten"), this, &Editor::onPrint);
  level->addSeparator();
  command(level, DWAALBOS_TR("Editor", "&Uittesten"), this, &Editor::onTest);
  level->addSeparator();
  command(level, DWAALBOS_TR("Editor", "&Weg"), this, &Editor::onExit);
  QMenu* collection = menuTitled(DWAALBOS_TR("Editor", "&Verzameling"));
  command(collection, DWAALBOS_TR("Editor", "&Voeg toe aan verzameling..."), this,
          &Editor::onAddToCollection);
  command(collection, DWAALBOS_TR("Editor", "Verzameling &bewerken..."), this,
          &Editor::onEditCollection);
  QMenu* options = menuTitled(DWAALBOS_TR("Editor", "&Opties"));
  QAction* grid = command(options, DWAALBOS_TR("Editor", "&Raster"), Vak_, &EditorBoard::setGrid);
  grid->setCheckable(true);
  grid->setChecked(Vak_->grid());
  toonOplossing_ =
      command(options, DWAALBOS_TR("Editor", "&Toon oplossing"), this, &Editor::toonOplossing);
  zoomChoice_ =
      new ZoomChoice(*this, options, [this](int percent) { navigator_.chooseZoom(percent); });
  zoomChoice_->show(zoom_);
  languageMenu_ = new LanguageMenu(*options);
}

void Editor::setZoom(int percent) {
  zoom_ = percent;
  zoomWidgets(*menuBar(), percent);
  zoomChoice_->show(percent);
  stage_->sizeWindowFor(*this, percent);
}

// Each key name stands under the picture of the object it places.
void Editor::buildLegend() {
  auto* client = centralWidget();
  for (const CellKind& kind : kCellKinds) {
    if (kind.legendPlace < 0) continue;
    const int x = kPanelX + kind.legendPlace % 4 * kLegendStep;
    const int y = kLegendRows[kind.legendPlace / 4];
    auto* picture = new LegendPicture(kind.code, painter_.editorPicture(kind.code),
                                      painter_.editorLargePicture(kind.code), client);
    picture->setGeometry(x, y, kCellPixels, kCellPixels);
    connect(picture, &LegendPicture::clicked, this, &Editor::chooseObject);
    legend_.push_back(picture);
    auto* key = new QLabel(QString::fromUtf8(kind.editorKey), client);
    key->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    key->setGeometry(x, y + kCellPixels + 1, kCellPixels, 17);
  }
  markChosen();
}

void Editor::chooseObject(int code) {
  if (!cellKind(code).inPlay) {
    showMessage(this, texts::tr(texts::kEffeWachtenTitle), texts::tr(texts::kNogNietKlaar),
                BoxIcon::Exclamation);
    return;
  }
  chosen_ = code;
  chosenByPlayer_ = true;
  markChosen();
}

void Editor::markChosen() {
  for (LegendPicture* picture : legend_)
    picture->setChosen(chosenByPlayer_ && picture->code() == chosen_);
}

void Editor::buildProperties() {
  auto* client = centralWidget();
  auto caption = [this, client](int y, const char* dutch) {
    return captions_->label(label(client, y), dutch);
  };
  caption(240, DWAALBOS_TR("Editor", "Eigenschappen level:"))->setStyleSheet("font-weight: bold");
  caption(256, DWAALBOS_TR("Editor", "Naam level:"));
  nameBox_ = new QLineEdit(client);
  nameBox_->setGeometry(kPanelX, 272, kFieldWidth, 21);
  caption(296, DWAALBOS_TR("Editor", "Maker:"));
  makerBox_ = new QLineEdit(client);
  makerBox_->setGeometry(kPanelX, 312, kFieldWidth, 21);
  for (QLineEdit* box : {nameBox_, makerBox_}) box->setMaxLength(kLongestText);
  caption(336, DWAALBOS_TR("Editor", "Commentaar:"));
  commentBox_ = new QPlainTextEdit(client);
  commentBox_->setGeometry(kPanelX, 352, kFieldWidth, 57);
  commentBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  commentBox_->setTabChangesFocus(true);
  for (QWidget* box : {static_cast<QWidget*>(nameBox_), static_cast<QWidget*>(makerBox_),
                       static_cast<QWidget*>(commentBox_)})
    makeTextBlue(*box);
  caption(408, DWAALBOS_TR("Editor", "Achtergrond:"));
  // Shown as the level's background choice; no level stores one, so it changes nothing.
  backgroundList_ = new QComboBox(client);
  backgroundList_->setGeometry(kPanelX, 424, kFieldWidth, 22);
  for (std::size_t i = 0; i < std::size(kBackgrounds); ++i) backgroundList_->addItem(QString());
  captions_->follow([this] {
    for (std::size_t i = 0; i < std::size(kBackgrounds); ++i)
      backgroundList_->setItemText(static_cast<int>(i), captions_->text(kBackgrounds[i]));
  });
  Oordeel_ = label(client, 452);
  Oordeel_->setStyleSheet("font-weight: bold");
}

void Editor::activate() {
  startSession();
  clearLevel();
  bringForward();
}

void Editor::metcommand(const std::string& path) {
  startSession();
  if (!openen(path)) onNew();
  bringForward();
}

// The editor opened from outside: no object chosen yet, no test play's result in the title.
void Editor::startSession() {
  chosenByPlayer_ = false;
  markChosen();
  showTitle();
}

// A completed test play says so in the title, without a box to click away, until the level
// changes for another.
void Editor::showTitle(bool testCompleted) {
  testCompleted_ = testCompleted;
  const std::string title = texts::tr(texts::kEditorTitel);
  setWindowTitle(
      QString::fromStdString(testCompleted ? title + texts::tr(texts::kTestGehaald) : title));
}

// The tested level is the edited one: its changes are still unsaved and can still be undone.
void Editor::terugVanTest(bool completed) {
  const bool changed = changed_;
  const auto history = history_;
  const std::string tested = state_.paths.testLevel();
  openen(tested);
  removeFile(tested);
  history_ = history;
  changed_ = changed;
  showTitle(completed);
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
  if (event->type() == QEvent::LanguageChange) retranslate();
}

// The captions follow by themselves; what is composed is composed anew.
void Editor::retranslate() {
  showTitle(testCompleted_);
  showVerdict();
}

void Editor::onBoardKey(QKeyEvent* event) {
  const int k = event->key();
  const bool arrow =
      k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down;
  if (arrow && loop_.isActive() && !event->isAutoRepeat()) cursorPass();
  const auto key = objectKeyFor(event->key(), event->modifiers(), event->nativeScanCode());
  if (key.kind == ObjectKey::Kind::Nothing) return;
  if (key.kind == ObjectKey::Kind::NotReady) {
    chooseObject(key.code);
    return;
  }
  if (key.code != cell::kEmpty) chooseObject(key.code);
  place(Vak_->column(), Vak_->row(), key.code, kKeyGroup);
}

// A left press places the chosen object on the pressed cell, once the player has chosen one; a
// right press empties it. The cursor goes to the cell either way.
void Editor::onBoardPress(int column, int row, Qt::MouseButton button) {
  ++stroke_;
  paintCell(column, row, button);
}

// Dragging paints every cell passed. Start and end squares go only where the drag began: a
// line of them is never meant, and a refused start would ask once per cell.
void Editor::onBoardDrag(int column, int row, Qt::MouseButton button) {
  if (button == Qt::LeftButton && (chosen_ == cell::kStart || chosen_ == cell::kEnd)) return;
  paintCell(column, row, button);
}

void Editor::paintCell(int column, int row, Qt::MouseButton button) {
  if (button != Qt::RightButton && !chosenByPlayer_) return;
  place(column, row, button == Qt::RightButton ? cell::kEmpty : static_cast<std::int16_t>(chosen_),
        stroke_);
}

void Editor::place(int column, int row, std::int16_t code, int group) {
  if (!placeObject(Veld_, column, row, code)) {
    showMessage(this, texts::tr(texts::kAlEenBeginTitle), texts::tr(texts::kAlEenBegin),
                BoxIcon::Critical);
    return;
  }
  changed_ = true;
  recordChange(group);
  edtekenen();
}

bool Editor::mayDiscard(const std::string& question) {
  return !changed_ ||
         askYesNo(this, texts::tr(texts::kBevestigingTitle), question, BoxIcon::Exclamation);
}

void Editor::edtekenen(QRgb background) {
  verdict_->levelChanged(Veld_);
  painter_.edtekenen(Vak_->picture(), Veld_, background);
  if (QImage* zoomed = Vak_->zoomedPicture()) painter_.edtekenen(*zoomed, Veld_, background);
  Vak_->update();
}

// Closing never closes: after a confirmation the editor is hidden and the menu comes back.
// While a test play holds the input the editor waits for it and cannot be closed.
void Editor::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (isEnabled()) onExit();
}

void Editor::onExit() {
  const bool sure = changed_ ? mayDiscard(texts::tr(texts::kNietOpgeslagen))
                             : askYesNo(this, texts::tr(texts::kBevestigingTitle),
                                        texts::tr(texts::kZekerWeten), BoxIcon::None);
  if (!sure) return;
  setStoppen(true);
  hide();
  navigator_.showMenu();
}

}  // namespace dwaalbos
