#pragma once

#include <QImage>
#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "level/byte_io.h"
#include "new_maze.h"
#include "platform/board_painter.h"
#include "play/session/game.h"
#include "play/session/player_help.h"
#include "play/session/shortest_search.h"
#include "play_input.h"
#include "play_menus.h"
#include "presentation.h"
#include "ring_effect.h"
#include "wait_note.h"

namespace dwaalbos {

class BoardView;
class Desktop;
class FileDialogs;
class MusicControls;
class Navigator;
class OptionControls;
class Pictures;
class RightPanel;
class Sound;
class Splash;
class ZoomChoice;
class ZoomedStage;
struct SharedState;

// What the play window uses of the program around it.
struct PlayServices {
  Sound& sound;
  Navigator& navigator;
  FileDialogs& files;
  Desktop& desktop;
  const Pictures& pictures;
};

// `Afspelen`, the play window: the board, the menus and the panel. It runs the session's games
// from its event handlers: it hands in the keys and the commands and plays what the session
// showed.
class Afspelen : public QMainWindow, private PlayInput {
  Q_OBJECT

 public:
  Afspelen(SharedState& shared, const PlayServices& services, QWidget* parent = nullptr);
  ~Afspelen() override;

  const Game& game() const { return game_; }
  PlayMenus& menus() { return menus_; }
  NewMaze& newMaze() { return newMaze_; }
  RightPanel& panel() { return *panel_; }
  BoardView& board() { return *vak_; }
  const QImage& transitionBuffer() const { return transitionBuffer_; }
  const Opties& opties() const;

  // Starts `level`, ending any game under way; false when it cannot be read.
  bool start(const LevelRef& level);
  // Ends the game under way without a new one.
  void end();
  // Another control takes the input (true) or gives it back.
  void pause(bool on) override;

  // The next showing plays `level` alone on the board, as a test play; `back` runs once the
  // game has gone back to the editor, telling whether the level was completed.
  void armTestPlay(const LevelRef& level, std::function<void(bool completed)> back);
  // Gives the window its input back after another of the game's windows had it.
  void regainInput();
  // Starts a level whose `moves` then play for the player to watch, once its introduction is
  // dismissed.
  void watch(const LevelRef& level, std::string_view moves);
  // Sizes the window for a zoom step (percent); the game itself stays in board pixels.
  void setZoom(int percent);
  int zoom() const { return zoom_; }

  const ManPose& pose() const { return pose_; }
  // The board of a new game; the ring transition plays from the presentation's timer.
  void revealBoard(const shown::Reveal& start);
  // `leeg` on screen: the board picture cleared to black.
  void clearBoard();
  // How the completed level went, on the cleared board.
  void showResult(const shown::Result& result);
  // Plays what the session showed, in order: at once, or at the move's pace while a move is held.
  void playShown(std::span<const Shown> items);
  // Draws the game as it is now (a tip shown or gone); refreshes when asked.
  void tekenen(bool verversen);

  // `slaoptiesop` without a word to the player, for a program that is ending.
  WriteResult writeOptions();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void forgetKeys() override;
  void playWith(const PlayOptions& options) override;

  void playSession();
  void playMove(const std::vector<Shown>& shown);
  void showIntroduction(const Introduction& texts);
  void toMenu();
  void toEditor(bool completed);
  void connectLevelMenu();
  void activate();
  bool ownBoxActive() const;
  void startTestPlay();
  void applySize();
  void leave();
  void onStartStandard();
  void onOpenLevelFile();
  void onRestart();
  void onExit();
  void saveOptions();
  void onCommentClicked();
  void onTip();
  void onShowSolution();
  void askHelp(HelpQuestion::Kind kind);
  void searchShortest();
  void shortestFound();
  void helpAnswered();
  void stopHelp();
  void endHelp();
  void takeHelp(const HelpAnswer& answer);
  void showTip(const Tip& tip);
  void offerWayBack(std::optional<std::size_t> steps);
  void verderFromSplash();
  QImage& target() { return inBuffer_ ? transitionBuffer_ : vakImage(); }
  QImage& vakImage();
  void drawAt(const Board& veld, bool schakelaar, int col, int row, bool verversen, bool bitBlt);
  void draw(const Board& veld, bool schakelaar, const ManPose& man, bool bitBlt);
  void walk(const shown::Walk& walk, bool bitBlt);
  void followLines(const shown::Bars& bars);
  void celebrate(int col, int row);
  void message(const std::string& title, const std::string& text, Icon icon);
  void setKeyCount(int keys);
  void copyRing(const std::vector<RingBlock>& ring);
  void showNewBoard(const shown::Reveal& start, bool bitBlt);
  void showAndFocus();
  void showMoves(int moves, bool canUndo, bool canRedo);
  void setLevelCaptions(const std::string& naam, const std::string& maker);
  void setTitle(const std::string& title);
  void showTitle();
  void whenStill(QAction* action, std::function<void()> command);
  void drive(int afterMilliseconds = 0);
  bool mayPlay() const;
  void drivePass();
  bool askPending();

  SharedState& shared_;
  PlayServices services_;
  Game game_;
  BoardPainter painter_;
  PlayMenus menus_;
  Presentation presentation_;
  QTimer driver_;
  BoardView* vak_;
  RightPanel* panel_;
  OptionControls* options_;
  MusicControls* music_;
  std::unique_ptr<Splash> splash_;
  QImage transitionBuffer_;   // where the transition's board is drawn first
  bool inBuffer_ = false;     // drawing goes to the transition's buffer
  ManPose pose_;              // the player as the board last showed him
  bool testPending_ = false;  // a test play waits to start for this showing
  LevelRef testLevel_;
  std::function<void(bool completed)> testBack_;  // set while a test play is armed or runs
  bool testLayout_ = false;
  QString title_;  // the game's title, without the move count a test play adds
  int moves_ = 0;
  bool activated_ = false;  // the options were loaded since the window last lost the input
  bool unloaded_ = false;   // closed after a test play: the next showing loads it anew
  std::optional<std::pair<int, int>> tipCell_;    // the square a tip points at, while shown
  std::optional<std::vector<GameKey>> watching_;  // a solution to replay once play begins
  bool optionsFailureTold_ = false;
  bool optionsInFile_ = true;  // the options file holds the options in force
  ZoomChoice* zoomChoice_;
  ZoomedStage* stage_;
  int zoom_ = 100;
  int sizedForZoom_ = 0;  // the step the window was last given the size of
  WaitNote helpNote_{*this, [this] { stopHelp(); }};  // "Even denken..."
  std::uint64_t resultKey_ = 0;  // the level whose result the board shows, when not standard
  ShortestSearch shortest_;
  // A new maze starts with its introduction, as a level file does; its shortest way is known.
  NewMaze newMaze_{*this, [this](GeneratedLevel made, MazeRequest asked) {
                     start(LevelRef::newMaze(std::move(made.level), std::move(made.solution),
                                             {static_cast<int>(asked.difficulty), *asked.seed}));
                   }};
  PlayerHelp help_;  // last: its search ends before the rest goes
};

}  // namespace dwaalbos
