#pragma once

#include <QWidget>

#include "level/best_solutions.h"
#include "level/scores.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace dwaalbos {

class Afspelen;
class LevelSet;
struct SharedState;

// `Standaard`, the standard level chooser: per level set the levels the player has unlocked,
// each as its name, " door " and its maker, marked when completed, and a button that plays the
// chosen one; a completed level's best solution can be watched. A window of its own; the play
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
  QLabel* detail;            // the highlighted level's best result and its shortest solution
  QPushButton* watchButton;  // replays the highlighted level's best solution

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void formActivate();
  void playChosen(QListWidget* list, int firstNumber);
  void showDetail(int levelNumber);
  void watchChosen();

  SharedState& shared_;
  Afspelen& play_;
  BestResults best_;
  BestSolutions solutions_;
  int highlighted_ = 0;  // the level whose detail is shown; 0 for none
};

}  // namespace dwaalbos
