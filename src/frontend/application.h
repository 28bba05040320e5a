#pragma once

#include <memory>
#include <string>

#include "level/command_line.h"
#include "level/shared_state.h"
#include "level/translation.h"
#include "platform/pictures.h"
#include "play/port/navigator.h"

class QWidget;

namespace dwaalbos {

class Afspelen;
class Desktop;
class Editor;
class FileDialogs;
class Menu;
class Printers;
class Sound;
class Standaard;

// What the windows use of the world outside the game; the program passes the system's, tests
// their own.
struct Services {
  Sound& sound;
  Desktop& desktop;
  FileDialogs& dialogs;
  Printers& printers;
};

// The running game: the state every window shares and the windows themselves, each created
// when it is first needed. It hands the windows over to each other.
class Application : public Navigator {
 public:
  // Reads both standard level sets and the game's pictures from the data folder.
  Application(const GamePaths& paths, Services services);
  ~Application() override;

  // The program's start: the main menu, unless the command line plays a level file at once
  // or opens one in the editor.
  // The command line is acted on once the event loop runs.
  void start(const CommandLine& command);

  SharedState& state() { return state_; }
  Menu& menu();
  Editor& editor();
  Afspelen& play();
  Standaard& chooser();

  void showMenu() override;
  void showPlayWindow() override;
  void showChooser() override;
  void showEditor() override;
  void openInEditor(const char* path) override;
  void testPlay(const LevelRef& level, std::function<void(bool completed)> back) override;
  void enableEditor(bool enabled) override;
  void quitProgram() override;
  void chooseZoom(int percent) override;
  int zoom() const { return zoom_; }
  // Every window speaks `language` at once, and the game starts in it from now on.
  void chooseLanguage(Language language);
  // A request from outside to end (a signal): the options are written, then the program ends
  // as its quit command ends it.
  void endOnRequest();

 private:
  void reportUnreadable(const std::string& path);
  void reportDamagedFiles();
  void watchScreen(QWidget& window);
  void applyZoom(int percent);
  // A choice written to `path`: the player learns when it will not last beyond this run.
  void tellIfNotKept(const std::string& path, const WriteResult& written);

  SharedState state_;
  Services services_;
  Pictures pictures_;
  int zoom_;
  bool zoomChosen_ = false;  // a step was chosen since the start
  std::unique_ptr<Menu> menu_;
  std::unique_ptr<Editor> editor_;
  std::unique_ptr<Afspelen> play_;
  std::unique_ptr<Standaard> chooser_;
};

}  // namespace dwaalbos
