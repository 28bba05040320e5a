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
// (Engine::verder, openLevel, overnieuw ...).
class Host {
 public:
  virtual ~Host() = default;

  // What the rules showed since the last call, in order (MoveOutcome::shown). A host that
  // holds the presentation (holdPresentation) plays it at the move's pace.
  virtual void playShown(std::span<const Shown> items) = 0;
  // The board of a new game, the player on his start square: with the ring transition when
  // asked, else plainly.
  virtual void revealBoard(const GameState& start, bool withTransition) = 0;
  // `leeg` on screen: the board picture cleared to black.
  virtual void clearBoard() = 0;
  // Shows the play window, or gives it the focus when it is shown (`Beginnen`).
  virtual void showAndFocus() = 0;

  // Captions: the name and maker beside the board (already "Geennaam"/"Anoniem" where empty),
  // the window title.
  virtual void setLevelCaptions(const std::string& naam, const std::string& maker) = 0;
  virtual void setTitle(const std::string& title) = 0;
  // The moves made in this attempt, and whether one can be taken back or played again.
  virtual void showMoves(int moves, bool canUndo, bool canRedo) = 0;
  // The follow-line delay was set to 20 by the first playback: the panel's box shows it.
  virtual void followDelayChanged() = 0;

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
