#include "application.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QTimer>

#include <algorithm>

#include "audio/sound.h"
#include "editor/editor.h"
#include "editor/editor_layout.h"
#include "frontend/menu.h"
#include "frontend/standaard.h"
#include "level/best_solutions.h"
#include "level/file_messages.h"
#include "level/language_file.h"
#include "level/level_file.h"
#include "level/level_results.h"
#include "level/texts.h"
#include "level/zoom.h"
#include "platform/language.h"
#include "platform/language_menu.h"
#include "platform/message_boxes.h"
#include "platform/picture_names.h"
#include "platform/screen_fit.h"
#include "platform/window_placement.h"
#include "platform/zoom_choice.h"
#include "platform/zoomed_style.h"
#include "play/session/own_levels.h"
#include "play/window/afspelen.h"
#include "play/window/window_geometry.h"

namespace dwaalbos {
namespace {

// The largest client areas at 100 %, with their menu bars: the editor is the widest, the play
// window with its panel the tallest.
constexpr int kMenuBarHeight = 24;
constexpr Area kLargestClient{editor_layout::kClientWidth, geometry::kPanelHeight + kMenuBarHeight};

// The largest step at which the largest window, in a frame of `frame`, fits `available`.
int largestFittingStep(QSize frame, QRect available) {
  return largestFittingZoom(
      kLargestClient, {available.width() - frame.width(), available.height() - frame.height()});
}

// The frame is not known before a window is shown in it: the first one shown lowers this
// further if need be.
int fittingAtStart() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? largestFittingStep({}, screen->availableGeometry()) : kDefaultZoom;
}

// The chosen step, or the largest one; lowered until the largest window fits the screen.
int zoomAtStart(const GamePaths& paths) {
  return std::min(readZoom(paths.zoom()).value_or(kZoomSteps.back()), fittingAtStart());
}

}  // namespace

Application::Application(const GamePaths& paths, Services services)
    : state_(paths), services_(services), pictures_(QString::fromStdString(paths.folder())),
      zoom_(zoomAtStart(paths)) {
  state_.readLevelSets();
  QApplication::setWindowIcon(
      QIcon(QPixmap::fromImage(pictures_.withMask(plaatje::kIcoon, plaatje::kIcoonmask))));
  zoomIndicators(zoom_);
  ZoomChoice::limitTo(fittingAtStart());
}

// A game that ends during a test play leaves no test level behind.
Application::~Application() { removeFile(state_.paths.testLevel()); }

void Application::start(const CommandLine& command) {
  QTimer::singleShot(0, qApp, [this, command] {
    reportDamagedFiles();
    switch (command.action) {
      case CommandLine::Action::Play: {
        const auto level = loaded(levelAt(command.path), state_.sets);
        if (!level) {
          reportUnreadable(command.path);
          showMenu();
          break;
        }
        showPlayWindow();
        play().start(*level);
        break;
      }
      case CommandLine::Action::Edit: openInEditor(command.path.c_str()); break;
      case CommandLine::Action::None:
      case CommandLine::Action::Unknown: showMenu(); break;
    }
  });
}

// A level the command line named but nobody can play: the player is told which file, and the
// game goes on as if started without it.
void Application::reportUnreadable(const std::string& path) {
  showMessage(nullptr, texts::tr(texts::kNotReadTitle), levelNotReadText(path),
              BoxIcon::Exclamation);
}

// The levels a damaged set file still holds play; the player learns why the others are missing.
// A best solutions file that cannot be trusted is told before the game writes it anew.
void Application::reportDamagedFiles() {
  const struct {
    const LevelSet& set;
    std::string path;
    int records;
  } files[] = {{state_.sets.Levelset1, state_.paths.standaardlevels(), kSet1Records},
               {state_.sets.Levelset2, state_.paths.standaardlevels2(), kSet2Records}};
  for (const auto& file : files) {
    if (file.set.size() >= file.records) continue;
    showMessage(nullptr, texts::tr(texts::kNotReadTitle),
                levelSetShortText(file.path, std::max(file.set.size() - 1, 0), file.records - 1),
                BoxIcon::Exclamation);
  }
  const std::string solutions = state_.paths.bestSolutions();
  if (readBestSolutions(solutions).damaged)
    showMessage(nullptr, texts::tr(texts::kNotReadTitle),
                damagedFileText(solutions) + texts::tr(texts::kOplossingenKwijt),
                BoxIcon::Exclamation);
  const std::string results = state_.paths.levelResults();
  if (readLevelResults(results).damaged)
    showMessage(nullptr, texts::tr(texts::kNotReadTitle),
                damagedFileText(results) + texts::tr(texts::kResultatenKwijt),
                BoxIcon::Exclamation);
}

Menu& Application::menu() {
  if (!menu_) {
    menu_ = std::make_unique<Menu>(state_, services_.sound, *this, services_.desktop, pictures_);
    menu_->setZoom(zoom_);
    watchScreen(*menu_);
  }
  return *menu_;
}

Editor& Application::editor() {
  if (!editor_) {
    editor_ =
        std::make_unique<Editor>(state_, *this, pictures_, services_.dialogs, services_.printers);
    editor_->setZoom(zoom_);
    watchScreen(*editor_);
    QObject::connect(&editor_->languageMenu(), &LanguageMenu::chosen, editor_.get(),
                     [this](Language language) { chooseLanguage(language); });
  }
  return *editor_;
}

Afspelen& Application::play() {
  if (!play_) {
    play_ = std::make_unique<Afspelen>(
        state_,
        PlayServices{services_.sound, *this, services_.dialogs, services_.desktop, pictures_});
    play_->setZoom(zoom_);
    play_->newMaze().keepMadeIn(state_.paths);
    watchScreen(*play_);
    QObject::connect(play_->menus().languageMenu, &LanguageMenu::chosen, play_.get(),
                     [this](Language language) { chooseLanguage(language); });
  }
  return *play_;
}

Standaard& Application::chooser() {
  if (!chooser_) {
    chooser_ = std::make_unique<Standaard>(state_, play());
    chooser_->setZoom(zoom_);
  }
  return *chooser_;
}

namespace {
void bringForward(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}
}  // namespace

void Application::showMenu() { bringForward(menu()); }

void Application::showPlayWindow() { bringForward(play()); }

// A test play opens over the editor, without the last level's name in its title until the
// tested level starts. It is placed once shown, when it has the size of a test play.
void Application::testPlay(const LevelRef& level, std::function<void(bool completed)> back) {
  play().armTestPlay(level, std::move(back));
  play().setWindowTitle(QString::fromStdString(texts::tr(texts::kSpelTitel)));
  bringForward(play());
  placeOver(play(), editor());
}

void Application::showChooser() { bringForward(chooser()); }

void Application::showEditor() { editor().activate(); }

void Application::openInEditor(const char* path) { editor().metcommand(path); }

void Application::enableEditor(bool enabled) { editor().setEnabled(enabled); }

// Steps whose windows, in their frames, do not fit the screen a window is on are not offered.
// The step taken at the start, or one a window brings to a smaller screen, is left for the
// largest that fits; as that is not the player's choice, it is not kept.
void Application::watchScreen(QWidget& window) {
  watchScreenRoom(window, [this](const ScreenRoom& room) {
    const int largest = largestFittingStep(room.frame, room.available);
    ZoomChoice::limitTo(largest);
    if (zoom_ > largest && (room.otherScreen || !zoomChosen_)) applyZoom(largest);
  });
}

void Application::applyZoom(int percent) {
  zoom_ = percent;
  zoomIndicators(percent);
  if (menu_) menu_->setZoom(percent);
  if (editor_) editor_->setZoom(percent);
  if (play_) play_->setZoom(percent);
  if (chooser_) chooser_->setZoom(percent);
}

// A choice that cannot be kept still holds for this run; the player learns why it will not last.
void Application::chooseZoom(int percent) {
  zoomChosen_ = true;
  applyZoom(percent);
  const std::string path = state_.paths.zoom();
  tellIfNotKept(path, writeZoom(path, percent));
}

void Application::chooseLanguage(Language language) {
  speakLanguage(language, state_.paths.translations());
  const std::string path = state_.paths.language();
  tellIfNotKept(path, writeLanguage(path, language));
}

void Application::tellIfNotKept(const std::string& path, const WriteResult& written) {
  const WriteResult saved = state_.paths.explained(path, written);
  if (!saved)
    showMessage(QApplication::activeWindow(), texts::tr(texts::kNotSavedTitle),
                notSavedText(path, saved), BoxIcon::Exclamation);
}

void Application::endOnRequest() {
  if (play_) play_->writeOptions();
  quitProgram();
}

// The program leaves its event loop, also from inside a box or a move being shown, and the
// windows are taken down as it returns: nothing is saved and no window is asked whether it
// may close.
void Application::quitProgram() {
  services_.sound.sluitgeluid();
  QCoreApplication::exit(0);
}

}  // namespace dwaalbos
