#pragma once

#include <QWidget>

#include <vector>

#include "level/best_solutions.h"
#include "level/collection_shelf.h"
#include "level/level_results.h"
#include "level/scores.h"
#include "play/session/level_ref.h"

class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;

namespace dwaalbos {

class Captions;

class Afspelen;
class LevelSet;
struct SharedState;

// `Standaard`, the standard level chooser: per level set the levels the player has unlocked,
// each as its name, " door " and its maker, marked when completed, and a button that plays the
// chosen one; a completed level's best solution can be watched. Below them the collections,
// shipped and the player's own, each with how many of its levels were completed; the chosen
// one's levels, all open, marked and played the same way. A window of its own; the play
// window takes no input while the chooser is up.
class Standaard : public QWidget {
  Q_OBJECT

 public:
  Standaard(SharedState& shared, Afspelen& play);
  // Lays the window out at a zoom step (percent).
  void setZoom(int percent);

  QListWidget* set1List;
  QListWidget* set2List;
  QPushButton* playSet1Button;
  QPushButton* playSet2Button;
  QLabel* standing1;  // "N van 23 gehaald"
  QLabel* standing2;
  QLabel* detail;               // the highlighted level's best result and its shortest solution
  QPushButton* watchButton;     // replays the highlighted level's best solution
  QListWidget* collectionList;  // "Titel door Maker", with "N van M gehaald"
  QListWidget* collectionLevels;
  QPushButton* playCollectionButton;
  QListWidget* dailyList;  // today's puzzle of each difficulty, in the order of kDifficulties
  QPushButton* playDailyButton;
  QPushButton* newMazeButton;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void formActivate();
  void playChosen(QListWidget* list, int firstNumber);
  void showDetail(int levelNumber);
  void watchChosen();
  void fillCollections();
  void showCollection(int row);
  void showCollectionDetail(int row);
  void playCollectionLevel();
  void addNewMazes(Captions& captions, QGridLayout& grid, int row);
  void fillDaily();
  void showDailyDetail(int row);
  void playDaily();
  void askNewMaze();
  void fitCollectionsWidth();

  SharedState& shared_;
  Afspelen& play_;
  BestResults best_;
  BestSolutions solutions_;
  LevelResults results_;
  std::vector<ShelvedCollection> shelf_;
  int shownCollection_ = -1;  // the row of collectionList whose levels are listed
  LevelRef highlighted_;      // the level whose detail is shown
  std::string watchMoves_;    // its best solution, empty for none
  int zoom_ = 100;
};

}  // namespace dwaalbos
