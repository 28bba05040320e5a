#pragma once

#include <functional>
#include <string>

namespace dwaalbos {

enum class GameKey { Left, Right, Up, Down, Space, Enter };
enum class Icon { None, Exclamation, Critical };
// The sample slots the rules play.
enum class Sample {
  None = 0,
  LevelStart = 1,
  Ride = 2,
  Crushed = 3,
  PushAccepted = 4,
  Step = 5,
  Switch = 9,
  Key = 10,
  KeyBlock = 11,
  Completed = 12,
};

// A Yes/No question that stops the game until the host gives the player's answer
// (Engine::answer).
struct Question {
  std::string title;
  std::string text;
};

// The three texts of the introduction screen, composed by the engine.
struct Introduction {
  std::string naam;        // the level name, or "Geennaam"
  std::string maker;       // "Gemaakt door " and the maker, or "Gemaakt door anoniem"
  std::string commentaar;  // "Commentaar: " and the comment, or "Geen commentaar"
};

// Everything the play engine needs from the world outside it. The Qt play window is one host;
// the tests and the command-line tool are others. The engine calls these on its own thread,
// from inside its loops; a host never calls back into a running engine except through the
// engine's command methods (Engine::verder, openLevel, overnieuw ...).
class Host {
 public:
  virtual ~Host() = default;

  // Redraws the board and the player from the engine's state into the current target
  // (`tekenen`); makes the board visible at once when `verversen` is set.
  virtual void tekenen(bool verversen) = 0;
  // Makes what was drawn on the board visible (`Vak.Refresh`).
  virtual void refresh() = 0;
  // Pastes a push block through its mask at pixel (x, y) of the board, without a refresh.
  virtual void pasteBlock(int x, int y) = 0;
  // Draws one follow-line bar between two pixel corners: blue for a block's way, white for
  // the player's ride.
  virtual void drawBar(int x1, int y1, int x2, int y2, bool isBlock) = 0;
  // The board at the start of a game: with the ring transition when asked, else plainly.
  virtual void revealBoard(bool withTransition) = 0;
  // `leeg` on screen: the board picture cleared to black.
  virtual void clearBoard() = 0;
  // Shows the play window, or gives it the focus when it is shown (`Beginnen`).
  virtual void showAndFocus() = 0;

  virtual void sleep(int milliseconds) = 0;
  virtual void playSound(int slot) = 0;

  // A box that tells the player something. The rules do not wait for it; a host that shows
  // the move at its own pace shows the box in its place and goes on once it is closed.
  virtual void message(const std::string& title, const std::string& text, Icon icon) = 0;

  // Captions: the key count (label and menu item), the name and maker beside the board
  // (already "Geennaam"/"Anoniem" where empty), the window title.
  virtual void setKeyCount(int keys) = 0;
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
  // Forgets every key press made until now, also those not yet delivered (`toetsenleeg`).
  virtual void flushKeys() = 0;
  // From holdPresentation() on, a host may keep what a move draws, plays, waits and flushes,
  // and play it at its own pace; present() ends the move, and `shown` runs once the player
  // has seen it all. A host that shows things as they come calls `shown` at once.
  virtual void holdPresentation() {}
  virtual void present(std::function<void()> shown) { shown(); }
  // The player stands on the end square: a short moment of triumph before the board clears.
  virtual void celebrate() {}
};

}  // namespace dwaalbos
