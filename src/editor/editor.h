#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QRgb>
#include <QString>
#include <QTimer>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "box_text.h"
#include "cursor_repeat.h"
#include "edit_history.h"
#include "level/board.h"
#include "level/byte_io.h"
#include "level/collection_file.h"
#include "level/doolhof.h"
#include "platform/board_painter.h"
#include "platform/file_dialogs.h"
#include "verdict.h"

class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;

namespace dwaalbos {

class Captions;
class EditorBoard;
class LanguageMenu;
class LegendPicture;
class LiveVerdict;
class Navigator;
class Pictures;
class Printers;
class ZoomChoice;
class ZoomedStage;
struct SharedState;

// The level editor "Dwaalbos 6.0 level editor": the board with its cursor on the left, the
// legend of the object keys and the level's texts on the right, and the menu "&Level" with
// the file commands. It edits its own working board `Veld`; `Level` is only the image that
// files are read into and written from. A test play gets the level written to a file and a
// way back.
class Editor : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kCursorPassMilliseconds = 85;

  Editor(SharedState& state, Navigator& navigator, const Pictures& pictures, FileDialogs& dialogs,
         Printers& printers);
  ~Editor() override;

  // From the main menu: an empty level, the window shown, the cursor loop on.
  void activate();
  // From the command line: the window shown with the level file `path`, or with an empty
  // level after a message when that file cannot be read.
  void metcommand(const std::string& path);
  // Back from a test play (`naareditor`): enabled again, showing the tested level and whether
  // it was completed.
  void terugVanTest(bool completed);
  // Loads a level file into the editor. A file that is missing or holds no whole level is
  // reported and leaves the editor as it was (false); opening never writes.
  bool openen(const std::string& path);
  // Sizes the window for a zoom step (percent); the player may resize it from there.
  void setZoom(int percent);
  const Board& veld() const { return Veld_; }
  const Doolhof& level() const { return Level_; }

  // The commands of the menu "&Level".
  void onNew();
  void onOpen();
  void onSave();
  void onExport();
  void onPrint();
  void onTest();
  void onExit();
  // The commands of the menu "&Verzameling": the level, once proved solvable, added to a new or
  // an existing collection; a collection's texts and order of levels edited.
  void onAddToCollection();
  void onEditCollection();
  // Ctrl+Z and Ctrl+Y: back and forward over the changes of the board and the texts.
  void undo();
  void redo();
  // Options > "Toon oplossing": the shortest solution drawn over the board until it changes.
  void toonOplossing();

  // One pass of the cursor loop: the arrow keys move the cursor. The loop's
  // timer calls it while the editor is the active window and not stopped.
  void cursorPass();
  bool cursorLoopRunning() const { return loop_.isActive(); }

  // Chooses the object a left click on the board places, as the legend or a key does.
  void chooseObject(int code);
  // Whether the board or the texts changed since the level was last opened, saved or begun.
  bool unsavedChanges() const { return changed_; }

  EditorBoard& Vak() { return *Vak_; }
  QLineEdit& nameBox() { return *nameBox_; }
  QLineEdit& makerBox() { return *makerBox_; }
  QPlainTextEdit& commentBox() { return *commentBox_; }
  // The solver's verdict on the level as it stands, beside the board.
  const QLabel& Oordeel() const { return *Oordeel_; }
  // Options > "T&aal": the application makes every window speak the language chosen.
  LanguageMenu& languageMenu() const { return *languageMenu_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildMenu();
  QMenu* menuTitled(const char* dutch);
  template <class Receiver, class Command>
  QAction* command(QMenu* menu, const char* dutch, Receiver* receiver, Command command);
  void retranslate();
  void buildLegend();
  void buildProperties();
  void onBoardKey(QKeyEvent* event);
  void onBoardPress(int column, int row, Qt::MouseButton button);
  void onBoardDrag(int column, int row, Qt::MouseButton button);
  void paintCell(int column, int row, Qt::MouseButton button);
  // A change joins the one before when both have the same non-zero group.
  void place(int column, int row, std::int16_t code, int group);
  // `question` is in the language the game speaks.
  bool mayDiscard(const std::string& question);
  void clearLevel();
  void edtekenen(QRgb background = kBoardBackground);
  void levelFromEditor();
  // Tells the player when a file was not written; true when it was.
  bool reportIfNotSaved(const std::string& path, const WriteResult& result);
  void showTexts();
  void bringForward();
  void startSession();
  void markChosen();
  void showTitle(bool testCompleted = false);
  void setStoppen(bool stoppen);
  void updateLoop();
  FileDialogSpec levelDialog() const;
  FileDialogSpec collectionFileDialog() const;
  // The verdict on the board as it stands; a search under way is waited for.
  Verdict settledVerdict();
  // The collection in the file, or nothing after telling the player why it cannot be changed.
  std::optional<Collection> changeableCollection(const std::string& path);

  struct EditedLevel {
    Board veld;
    QString naam, maker, commentaar;
    bool operator==(const EditedLevel&) const = default;
  };
  enum { kKeyGroup = 0, kNaamGroup, kMakerGroup, kCommentaarGroup, kFirstStroke };
  void buildHistory();
  EditedLevel edited() const;
  void freshHistory();
  void recordChange(int group);
  void textChanged(int group);
  void restore(const EditedLevel* level);
  void buildVerdict();
  void showVerdict();

  SharedState& state_;
  Navigator& navigator_;
  Doolhof Level_;  // the level as read from or written to a file
  Board Veld_;     // the working board
  BoardPainter painter_;
  FileDialogs& dialogs_;
  Printers& printers_;

  EditorBoard* Vak_;
  QLineEdit* nameBox_;
  QLineEdit* makerBox_;
  QPlainTextEdit* commentBox_;
  QComboBox* backgroundList_;
  std::array<ReadText, 3> readTexts_;  // name, maker, comment
  std::vector<LegendPicture*> legend_;
  int chosen_ = 1;
  // Until the player chooses an object, a click on the board only gives it the keyboard.
  bool chosenByPlayer_ = false;
  bool changed_ = false;
  QTimer loop_;
  QElapsedTimer clock_;
  std::array<CursorRepeat, 4> repeats_;  // left, right, up, down
  bool Stoppen = true;
  ZoomChoice* zoomChoice_ = nullptr;
  ZoomedStage* stage_ = nullptr;
  int zoom_ = 100;
  EditHistory<EditedLevel> history_;
  int stroke_ = kFirstStroke;  // each mouse stroke is a group of its own
  LiveVerdict* verdict_;
  Captions* captions_;
  LanguageMenu* languageMenu_ = nullptr;
  bool testCompleted_ = false;
  QLabel* Oordeel_ = nullptr;
  QAction* toonOplossing_ = nullptr;
};

}  // namespace dwaalbos
