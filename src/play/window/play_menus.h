#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace dwaalbos {

class Captions;
class LanguageMenu;

// The play window's menu bar: "&Level", "&Status" and "&Opties", with their items as the
// window was designed (captions, Ctrl shortcuts, check marks, disabled items), in the language
// the game speaks.
struct PlayMenus {
  explicit PlayMenus(QMenuBar& bar);

  // The three titles, hidden during a test play.
  void setTitlesVisible(bool visible);
  // The first player's live key count, in the language the game speaks.
  void setKeyCount(int keys);

  QMenu* levelMenu;
  QAction* startStandardItem;
  QAction* openLevelFileItem;
  QAction* newMazeItem;
  QAction* saveMazeItem;  // enabled while a new maze is played
  QAction* restartItem;
  QAction* undoItem;
  QAction* redoItem;
  QAction* tipItem;
  QAction* showSolutionItem;
  QAction* toMenuItem;
  QAction* exitItem;

  QMenu* statusMenu;
  QMenu* firstPlayerMenu;
  QAction* firstKeysItem;
  QAction* firstArrowsItem;
  QMenu* secondPlayerMenu;
  QAction* secondKeysItem;
  QAction* secondArrowsItem;

  QMenu* optionsMenu;
  QAction* rightSideItem;
  QAction* walkingDelayItem;
  QAction* followLinesItem;
  QAction* lineDelayItem;
  QAction* rasterDrawingItem;
  QAction* pictureDrawingItem;
  QAction* transitionItem;
  LanguageMenu* languageMenu;

 private:
  Captions* captions_;
  int keys_ = 0;
};

}  // namespace dwaalbos
