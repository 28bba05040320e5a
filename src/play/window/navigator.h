#pragma once

namespace dwaalbos {

// How the windows hand over to each other. The application implements it and creates each
// window on first use; windows and their tests only see this interface.
class Navigator {
 public:
  virtual ~Navigator() = default;

  virtual void showMenu() = 0;          // the main menu again (its activation restarts it)
  virtual void showPlayWindow() = 0;    // not modal; its activation starts a test play
  virtual void showChooser() = 0;       // the standard level chooser
  virtual void showEditor() = 0;        // the editor from the main menu
  virtual void openInEditor(const char* path) = 0;  // the editor on a level file ("b")
  virtual void returnToEditor() = 0;    // back from a test play: enable and run the editor
  virtual void enableEditor(bool enabled) = 0;
  virtual void quitProgram() = 0;       // close the sound library and leave the event loop
};

}  // namespace dwaalbos
