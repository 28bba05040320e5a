#pragma once

// The real play window with fake surroundings, in a game folder of its own, and a script
// that acts on the window's games from its event loop.
#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "level/level_file.h"
#include "level/options_file.h"
#include "level/shared_state.h"
#include "platform/key_state.h"
#include "play/window/afspelen.h"
#include "support/game_pictures.h"
#include "support/introduction_screen.h"
#include "support/named_child.h"
#include "support/temp_folder.h"
#include "support/test_levels.h"
#include "support/window_fakes.h"

namespace rig {

using namespace dwaalbos;

using dwaalbos::testing::levelFromRows;
using dwaalbos::testsupport::gamePictures;
using dwaalbos::testsupport::namedChild;
using dwaalbos::testsupport::visibleSplash;

// Panel shown and drawn with raster operations; no delays, no follow lines, no transition.
inline const Opties kQuickOptions{.volglijnen = false, .MetBitBlt = true};
// Everything on, with the usual delays; everything off, as an options file of zeros.
inline const Opties kAllOn{.rechterkant = true,
                           .Loopvertraging = 40,
                           .volglijnen = true,
                           .Lijnvertraging = 20,
                           .MetBitBlt = true,
                           .overgang = true};
inline const Opties kAllOff{.rechterkant = false,
                            .Loopvertraging = 0,
                            .volglijnen = false,
                            .Lijnvertraging = 0,
                            .MetBitBlt = false,
                            .overgang = false};

// Steps run one after the other from a timer, also inside the game's loops and inside modal
// boxes. A step answers false to be tried again a little later.
class Script : public QObject {
 public:
  using Step = std::function<bool()>;

  Script() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
  }

  Script& then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
  }
  // A step that is done at its first try.
  Script& act(std::function<void()> action) {
    return then([action] {
      action();
      return true;
    });
  }
  void start() { timer_.start(); }
  Script& keyTap(QWidget* widget, Qt::Key key) {
    return then([=] {
      QTest::keyClick(widget, key);
      return true;
    });
  }
  // A Ctrl shortcut to the window, which a closed message box may have left inactive.
  Script& shortcut(QWidget* window, Qt::Key key) {
    return then([=] {
      window->activateWindow();
      if (!QTest::qWaitForWindowActive(window)) ADD_FAILURE() << "window not active";
      QTest::keyClick(window, key, Qt::ControlModifier);
      return true;
    });
  }
  // Waits for a modal message box, notes its title and text, and presses a button.
  Script& answer(QMessageBox::StandardButton button) {
    return then([this, button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return false;
      boxes.push_back({box->windowTitle().toStdString(), box->text().toStdString()});
      box->button(button)->click();
      return true;
    });
  }
  // Waits for the introduction screen, hands it to `look`, and closes it.
  Script& closeSplash(std::function<void(Splash&)> look = [](Splash&) {}) {
    return then([] { return visibleSplash() != nullptr; }).act([look] {
      look(*visibleSplash());
      visibleSplash()->close();
    });
  }
  // Waits for `window`'s note of a long job, keeps its text and presses its button.
  Script& stopJob(QWidget& window, QString& note) {
    return then([&window, &note] {
      auto* shown = window.findChild<QProgressDialog*>();
      if (!shown || !shown->isVisible()) return false;
      note = shown->labelText();
      shown->findChild<QPushButton*>()->click();
      return true;
    });
  }
  bool finished() const { return steps_.empty() && !dispatched_; }

  struct Seen {
    std::string title;
    std::string text;
  };
  std::vector<Seen> boxes;

 private:
  // Each step runs from a timer of its own: a step that opens a modal box is still running
  // while the box's loop runs the next steps, and a timer never fires inside its own slot.
  void tick() {
    if (dispatched_) return;
    if (steps_.empty()) {
      timer_.stop();
      return;
    }
    dispatched_ = true;
    QTimer::singleShot(0, this, [this] {
      dispatched_ = false;
      Step step = std::move(steps_.front());
      steps_.pop_front();
      if (!step()) steps_.push_front(std::move(step));
    });
  }

  QTimer timer_;
  std::deque<Step> steps_;
  bool dispatched_ = false;
};

struct PlayWindowRig {
  PlayWindowRig() : shared(folder.root().string()) {
    dir().mkpath("levels");
    dir().mkpath("geluid");
    KeyState::instance().changeHands();
  }

  QDir dir() const { return QDir(QString::fromStdString(folder.root().string())); }
  std::string path(const char* name) const { return folder.path(name); }

  Afspelen& window() {
    if (!window_) {
      window_ = std::make_unique<Afspelen>(
          shared, PlayServices{sound, navigator, files, desktop, gamePictures()});
    }
    return *window_;
  }
  // The player's column as the rules have it.
  int col() { return window().game().play().gameState().col; }
  // Shows the window and lets its activation run.
  Afspelen& shown() {
    window().show();
    QTest::qWait(20);
    return window();
  }

  void writeOptions(const Opties& options) const {
    folder.write("Opties.dat", encodeOptions(options));
  }

  // Makes the level the one to play from a file.
  void chooseFile(const Doolhof& doolhof, const char* name = "levels/proef.dwb") {
    writeLevelFile(path(name), doolhof);
    chosen = LevelRef::file(path(name));
  }

  TempFolder folder;
  SharedState shared;
  LevelRef chosen;  // the level chooseFile wrote
  dwaalbos::testing::RecordingSound sound;
  dwaalbos::testing::RecordingNavigator navigator;
  dwaalbos::testing::AnsweringDialogs files;
  dwaalbos::testing::RecordingDesktop desktop;

 private:
  std::unique_ptr<Afspelen> window_;
};

// Runs the script against the started game, then ends the game from outside; a script that
// takes too long fails the test rather than hang it.
inline void runUntilDone(Script& script, Afspelen& window, int limitMs = 10000) {
  script.start();
  if (!QTest::qWaitFor([&] { return script.finished(); }, limitMs))
    ADD_FAILURE() << "script did not finish";
  window.end();
}

// A started level in the play window, and a script to run against its game.
class PlayWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { rig.writeOptions(kQuickOptions); }

  // Starts the chosen level and runs the script against its game until it is done.
  void play(int limitMs = 10000) {
    Afspelen& window = rig.shown();
    window.start(rig.chosen);
    runUntilDone(script, window, limitMs);
  }
  Script& waitFor(std::function<bool()> condition) { return script.then(std::move(condition)); }

  PlayWindowRig rig;
  Script script;
};

}  // namespace rig
