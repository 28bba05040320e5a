#include "afspelen.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <QTimer>

#include <string>
#include <string_view>
#include <vector>

#include "audio/sound.h"
#include "board_view.h"
#include "level/file_messages.h"
#include "level/level_file.h"
#include "level/shared_state.h"
#include "level/standard_solutions.h"
#include "level/texts.h"
#include "music_controls.h"
#include "option_controls.h"
#include "platform/file_dialogs.h"
#include "platform/key_state.h"
#include "platform/message_boxes.h"
#include "platform/picture_names.h"
#include "platform/pictures.h"
#include "platform/zoom_choice.h"
#include "platform/zoomed_dialogs.h"
#include "platform/zoomed_stage.h"
#include "platform/zoomed_widgets.h"
#include "play/port/navigator.h"
#include "play/rules/move_letters.h"
#include "play/session/own_levels.h"
#include "play/window/splash.h"
#include "right_panel.h"
#include "volume_choice.h"
#include "window_geometry.h"

namespace dwaalbos {
namespace {

constexpr int kTipMs = 1000;

}  // namespace

Afspelen::Afspelen(SharedState& shared, const PlayServices& services, QWidget* parent)
    : QMainWindow(parent), shared_(shared), services_(services), game_(shared, &shortestSolution),
      painter_(services.pictures), menus_(*menuBar()),
      transitionBuffer_(geometry::kBoard, geometry::kBoard, QImage::Format_RGB32), help_(game_) {
  auto* client = new QWidget(this);
  setCentralWidget(client);
  vak_ = new BoardView(client);
  vak_->setStar(services.pictures.withMask(plaatje::kSter, plaatje::kStermask),
                services.pictures.withMask(plaatje::kSter, plaatje::kStermask, true));
  panel_ = new RightPanel(services.pictures, client);
  options_ = new OptionControls(*this, menus_, *panel_, *this);
  music_ = new MusicControls(*this, services.sound, *panel_, shared.paths.folder());
  transitionBuffer_.fill(kBoardBackground);

  // Keys pressed while the game was paused had no effect, and keep having none.
  connect(vak_, &BoardView::clicked, this, [this] {
    presentation_.afterwards([this] {
      forgetKeys();
      pause(false);
    });
  });
  // A cleared board has no level, so no level's name in the title either.
  connect(vak_, &BoardView::emptied, this, [this] {
    title_.clear();
    showTitle();
  });
  connect(vak_, &BoardView::rescaled, this, [this] {
    if (game_.play().gameRunning()) tekenen(true);
  });
  connect(options_, &OptionControls::panelShown, this, [this] { applySize(); });
  connect(options_, &OptionControls::boardFocusWanted, this, [this] { vak_->setFocus(); });
  connect(options_, &OptionControls::changedByPlayer, this, &Afspelen::saveOptions);
  connect(panel_, &RightPanel::commentClicked, this, &Afspelen::onCommentClicked);
  // Opening a menu or entering a control of the panel takes the input from the board; a menu's
  // shortcut keys do not.
  connect(panel_, &RightPanel::controlEntered, this, [this] { pause(true); });
  for (QMenu* title : {menus_.levelMenu, menus_.statusMenu, menus_.optionsMenu})
    connect(title, &QMenu::aboutToShow, this, [this] { pause(true); });
  connectLevelMenu();
  // A test play hides the menus; taking moves back, asking a tip and seeing the solution still
  // work there.
  addActions({menus_.undoItem, menus_.redoItem, menus_.tipItem, menus_.showSolutionItem});
  menus_.optionsMenu->addSeparator();
  zoomChoice_ = new ZoomChoice(*this, menus_.optionsMenu,
                               [this](int percent) { services_.navigator.chooseZoom(percent); });
  zoomChoice_->show(zoom_);
  new VolumeChoice(*this, *menus_.optionsMenu, services.sound, shared.paths.volume());
  driver_.setSingleShot(true);
  connect(&driver_, &QTimer::timeout, this, &Afspelen::drivePass);
  connect(&KeyState::instance(), &KeyState::keysChanged, this, [this] { drive(); });

  showTitle();
  stage_ =
      new ZoomedStage(takeCentralWidget(), {geometry::kWidePlay, geometry::kPanelHeight}, this);
  setCentralWidget(stage_);
  applySize();
}

// The controls watch the panel's widgets and reach into the game; they go first, so that no
// event sent while the panel and the game are torn down reaches them.
Afspelen::~Afspelen() {
  delete music_;
  delete options_;
}

void Afspelen::connectLevelMenu() {
  whenStill(menus_.startStandardItem, [this] { onStartStandard(); });
  whenStill(menus_.openLevelFileItem, [this] { onOpenLevelFile(); });
  whenStill(menus_.newMazeItem, [this] { newMaze_.ask(); });
  whenStill(menus_.saveMazeItem, [this] {
    if (game_.level().generated)
      saveAsLevel(*this, services_.files, shared_.paths.levels(), game_.play().doolhof());
  });
  connect(menus_.levelMenu, &QMenu::aboutToShow, this,
          [this] { menus_.saveMazeItem->setEnabled(game_.level().generated.has_value()); });
  whenStill(menus_.restartItem, [this] { onRestart(); });
  whenStill(menus_.undoItem, [this] {
    game_.zetTerug();
    playSession();
  });
  whenStill(menus_.redoItem, [this] {
    game_.zetOpnieuw();
    playSession();
  });
  whenStill(menus_.tipItem, [this] { onTip(); });
  whenStill(menus_.showSolutionItem, [this] { onShowSolution(); });
  whenStill(menus_.toMenuItem, [this] { leave(); });
  whenStill(menus_.exitItem, [this] { onExit(); });
}

// A command chosen while a move is shown waits for its end, as it waited for a move that
// slept before.
void Afspelen::whenStill(QAction* action, std::function<void()> command) {
  connect(action, &QAction::triggered, this,
          [this, command] { presentation_.afterwards(command); });
}

// Every showing is an activation. A test play that the editor asked for shows the board
// alone and starts once, after the caller's own handler.
void Afspelen::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (event->spontaneous()) return;
  if (unloaded_) {
    music_->allemuziekjes();
    unloaded_ = false;
  }
  testLayout_ = testPending_ = static_cast<bool>(testBack_);
  menus_.setTitlesVisible(!testLayout_);
  menuBar()->setVisible(!testLayout_);
  activate();
  if (testPending_) QTimer::singleShot(0, this, &Afspelen::startTestPlay);
}

// Getting the input back from another window or program is an activation too; getting it back
// from one of the window's own boxes or dialogs is not, or a delay just chosen in one would be
// read back from the file at once.
// The play window waits, disabled, under its introduction: when the window manager or a click
// gives it the keyboard anyway, the keyboard goes on to the introduction, which needs it.
// Another language renames the level beside the board and in the title at once.
void Afspelen::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    game_.retell();
    playSession();
    showTitle();
    return;
  }
  if (event->type() != QEvent::ActivationChange) return;
  if (!isActiveWindow()) {
    if (!ownBoxActive()) activated_ = false;
    return;
  }
  if (!activated_) activate();
  if (splash_ && splash_->isVisible())
    QTimer::singleShot(0, splash_.get(), [splash = splash_.get()] {
      if (splash->isVisible()) splash->activateWindow();
    });
}

// A box closed at once may be reported active only after it is gone from the modal ones; it
// still names this window as its parent.
bool Afspelen::ownBoxActive() const {
  if (QApplication::activeModalWidget()) return true;
  for (const QWidget* w = QApplication::activeWindow(); w; w = w->parentWidget())
    if (w == this) return true;
  return false;
}

// The window system activates the window in its own time; the game that starts now already
// plays with the options as stored.
void Afspelen::regainInput() {
  setEnabled(true);
  activateWindow();
  raise();
  vak_->setFocus();
  activate();
}

// On activation the options are read as stored; loading them lays the window out. Every change
// is saved as it is made, so the file holds what the player chose, unless it could not be
// written.
void Afspelen::activate() {
  activated_ = true;
  if (optionsInFile_) options_->laadopties(shared_.paths.options());
}

void Afspelen::armTestPlay(const LevelRef& level, std::function<void(bool completed)> back) {
  testLevel_ = level;
  testBack_ = std::move(back);
}

void Afspelen::startTestPlay() {
  if (!std::exchange(testPending_, false)) return;
  if (start(testLevel_)) return;
  showMessage(this, texts::tr(texts::kTestenTitle), texts::tr(texts::kTestlevelOnleesbaar),
              BoxIcon::Critical);
  game_.naareditor();
  playSession();
}

// The level is read here, once: the game plays and restarts what it is handed.
bool Afspelen::start(const LevelRef& level) {
  const auto read = loaded(level, shared_.sets);
  const bool started = read && game_.start(*read);
  playSession();
  return started;
}

void Afspelen::end() {
  game_.end();
  playSession();
}

// The window's layout shows the panel or hides it; a test play shows the board alone. A
// window the player made larger or smaller keeps its size until the layout or the step changes.
void Afspelen::applySize() {
  const bool wide = !testLayout_ && menus_.rightSideItem->isChecked();
  panel_->setVisible(wide);
  const QSize base(wide ? geometry::kWidePlay : geometry::kNarrowPlay,
                   testLayout_ ? geometry::kTestHeight : geometry::kPanelHeight);
  if (base == stage_->base() && zoom_ == sizedForZoom_) return;
  stage_->setBase(base);
  stage_->sizeWindowFor(*this, zoom_);
  sizedForZoom_ = zoom_;
}

void Afspelen::setZoom(int percent) {
  zoom_ = percent;
  zoomWidgets(*menuBar(), percent);
  zoomChoice_->show(percent);
  if (splash_) splash_->setZoom(percent);
  applySize();
}

// While the introduction screen or the chooser holds the input, the window cannot be closed.
void Afspelen::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (isEnabled()) presentation_.afterwards([this] { leave(); });
}

// The player leaves the level; the window is hidden, never destroyed.
void Afspelen::leave() {
  if (game_.play().lastMove().question) return;  // a box asks already
  game_.leave();
  playSession();
  askPending();
}

void Afspelen::onStartStandard() {
  saveOptions();
  services_.navigator.showChooser();
}

void Afspelen::onOpenLevelFile() {
  saveOptions();
  const std::string path = services_.files.askOpenFile(this, {texts::tr(texts::kLevelSelecteren),
                                                              texts::tr(texts::kLevelFilter),
                                                              shared_.paths.levels(),
                                                              "",
                                                              {shared_.paths.exampleLevels()},
                                                              texts::tr(texts::kNaamEnMaker),
                                                              levelFileHeading});
  if (path.empty()) return;
  if (!start(levelAt(path))) {
    showMessage(this, texts::tr(texts::kLevelOpenenTitle),
                texts::tr(texts::kGeenLevelBestand) + path, BoxIcon::Critical);
  }
}

WriteResult Afspelen::writeOptions() {
  const std::string path = shared_.paths.options();
  return shared_.paths.explained(path, options_->slaoptiesop(path));
}

// The options stay in force for this run either way; a folder that refuses them is told once.
void Afspelen::saveOptions() {
  const WriteResult saved = writeOptions();
  optionsInFile_ = static_cast<bool>(saved);
  tellIfCut(this, shared_.paths.options(), saved);
  if (saved || optionsFailureTold_) return;
  optionsFailureTold_ = true;
  showMessage(this, texts::tr(texts::kNotSavedTitle),
              notSavedText(shared_.paths.options(), saved) + texts::tr(texts::kOptiesTijdelijk),
              BoxIcon::Exclamation);
}

void Afspelen::onRestart() {
  if (!askYesNo(this, texts::tr(texts::kBevestigingTitle), texts::tr(texts::kZekerWeten),
                BoxIcon::None))
    return;
  game_.overnieuw();
  playSession();
}

void Afspelen::onExit() {
  saveOptions();
  services_.sound.sluitgeluid();
  services_.navigator.quitProgram();
}

void Afspelen::onTip() { askHelp(HelpQuestion::Kind::Tip); }

// After its question the way from here plays at the walking pace; the player is then back
// where he stood.
void Afspelen::onShowSolution() {
  if (game_.play().gameRunning() && askYesNo(this, texts::tr(texts::kOplossingVraagTitle),
                                             texts::tr(texts::kOplossingZien), BoxIcon::Question))
    askHelp(HelpQuestion::Kind::Solution);
}

// The search runs beside the window, which goes on drawing and answering; the game waits for
// it. A search that takes a while says so and can be stopped.
void Afspelen::askHelp(HelpQuestion::Kind kind) {
  const bool asked = help_.ask(kind, [this] {
    QMetaObject::invokeMethod(this, &Afspelen::helpAnswered, Qt::QueuedConnection);
  });
  if (asked) helpNote_.begin(texts::kEvenDenken, texts::kStoppen);
}

void Afspelen::stopHelp() {
  help_.stop();
  endHelp();
}

// Keys pressed while it searched do nothing.
void Afspelen::endHelp() {
  helpNote_.end();
  forgetKeys();
  drive();
}

// An answer about a game that changed meanwhile is dropped; a solution found already plays.
void Afspelen::helpAnswered() {
  if (!help_.searching()) return;  // stopped meanwhile
  const std::optional<HelpAnswer> answer = help_.take();
  if (help_.searching()) return;  // not yet answered
  endHelp();
  if (answer) takeHelp(*answer);
}

void Afspelen::takeHelp(const HelpAnswer& answer) {
  switch (answer.kind) {
    case HelpAnswer::Kind::Tip: showTip(answer.tip); break;
    case HelpAnswer::Kind::Moves:
      vak_->setFocus();
      playSession();
      drive();
      break;
    case HelpAnswer::Kind::WayBack: offerWayBack(answer.steps); break;
    case HelpAnswer::Kind::Lost: offerWayBack(std::nullopt); break;
    case HelpAnswer::Kind::TooHard:
      showMessage(this, texts::tr(texts::kTipTitle), texts::tr(texts::kGeenSnelleTip),
                  BoxIcon::Exclamation);
      break;
    case HelpAnswer::Kind::Stopped: break;
  }
}

void Afspelen::showTip(const Tip& tip) {
  tipCell_ = {tip.col, tip.row};
  tekenen(true);
  QTimer::singleShot(kTipMs, this, [this, shown = *tipCell_] {
    if (tipCell_ != shown) return;
    tipCell_.reset();
    if (game_.play().gameRunning()) tekenen(true);
  });
}

// One step back to the last position from which the level can still be completed, when there
// is one; otherwise a new start.
void Afspelen::offerWayBack(std::optional<std::size_t> steps) {
  if (steps &&
      askYesNo(this, texts::tr(texts::kTipTitle),
               texts::tr(texts::kNietMeerTeHalen) + texts::tr(texts::kTerugWaarHetKon),
               BoxIcon::Question) &&
      game_.rewind(*steps)) {
    playSession();
    return;
  }
  if (askYesNo(this, texts::tr(texts::kTipTitle),
               texts::tr(texts::kNietMeerTeHalen) + texts::tr(texts::kOvernieuwBeginnen),
               BoxIcon::Question)) {
    game_.overnieuw();
    playSession();
  }
}

void Afspelen::watch(const LevelRef& level, std::string_view moves) {
  watching_ = keysOf(moves);
  regainInput();
  // A level that cannot be read must not leave its moves for the next introduction.
  if (!start(level)) watching_.reset();
}

void Afspelen::onCommentClicked() {
  pause(true);
  showMessage(this, texts::tr(texts::kCommentaarTitle), game_.play().state().commentaar,
              BoxIcon::Exclamation);
  forgetKeys();
  pause(false);
}

void Afspelen::forgetKeys() {
  game_.toetsenleeg();
  playSession();
}

void Afspelen::pause(bool on) {
  game_.pauze(on);
  playSession();
}

void Afspelen::playWith(const PlayOptions& options) { game_.setPlayOptions(options); }

const Opties& Afspelen::opties() const { return options_->opties(); }

}  // namespace dwaalbos
