#pragma once

#include <functional>
#include <span>
#include <string>

#include "game_state.h"
#include "host_types.h"

namespace dwaalbos {

// What the play engine needs from the world outside it besides the list of what it showed.
// The Qt play window is one host; the tests and the command-line tool are others. The engine
// hands over what it showed before each of these calls, so a host sees everything in order.
// A host never calls back into a running engine except through the engine's command methods
// (Engine::verder, start, overnieuw ...).
class Host {
 public:
  virtual ~Host() = default;

  // What the rules showed since the last call, in order (MoveOutcome::shown). A host that
  // holds the presentation (holdPresentation) plays it at the move's pace.
  virtual void playShown(std::span<const Shown> items) = 0;
  // Disables the play window and shows the introduction screen; dismissing it must call
  // Engine::verder. A host without a screen calls it at once.
  virtual void showIntroduction(const Introduction& texts) = 0;
  // The play window's close handler: saves what it keeps and calls Engine::leave.
  virtual void closeWindow() = 0;
  // The player left the game outside a test play: the play window goes, the menu shows.
  virtual void toMenu() = 0;
  // `naareditor`'s window part: hide the play window, enable and run the editor, telling it
  // whether the test level was completed.
  virtual void toEditor(bool completed) = 0;
  // Opens a page or a mail link with the desktop's handler.
  virtual void openDocument(const std::string& address) = 0;

  // "Down, or pressed since the last query" for one key; the query clears the pressed mark.
  virtual bool keyState(GameKey key) = 0;
  // From holdPresentation() on, a host may keep what a move shows and what its own calls
  // show, and play it at its own pace; present() ends the move, and `shown` runs once the
  // player has seen it all. A host that shows things as they come calls `shown` at once.
  virtual void holdPresentation() {}
  virtual void present(std::function<void()> shown) { shown(); }
};

}  // namespace dwaalbos
