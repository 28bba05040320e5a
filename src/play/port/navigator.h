#pragma once

#include <functional>

#include "play/session/level_ref.h"

namespace dwaalbos {

// How the windows hand over to each other. The application implements it and creates each
// window on first use; windows and their tests only see this interface.
class Navigator {
 public:
  virtual ~Navigator() = default;

  virtual void showMenu() = 0;        // the main menu again (its activation restarts it)
  virtual void showPlayWindow() = 0;  // not modal
  // The play window over the editor, playing `level` as a test play; `back` runs when the
  // player is back in the editor, telling whether the level was completed.
  virtual void testPlay(const LevelRef& level, std::function<void(bool completed)> back) = 0;
  virtual void showChooser() = 0;                   // the standard level chooser
  virtual void showEditor() = 0;                    // the editor from the main menu
  virtual void openInEditor(const char* path) = 0;  // the editor on a level file ("b")
  virtual void enableEditor(bool enabled) = 0;
  virtual void quitProgram() = 0;            // close the sound library and leave the event loop
  virtual void chooseZoom(int percent) = 0;  // every window at this step, kept for next time
};

}  // namespace dwaalbos
