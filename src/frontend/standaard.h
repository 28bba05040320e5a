#pragma once

#include <QWidget>

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
// chosen one. A window
// of its own; the play window takes no input while the chooser is up.
class Standaard : public QWidget {
  Q_OBJECT

 public:
  Standaard(SharedState& shared, Afspelen& play);
  // Lays the window out at a zoom step (percent).
  void setZoom(int percent);

  QListWidget* List1;
  QListWidget* List2;
  QPushButton* Command1;
  QPushButton* Command2;
  QLabel* standing1;  // "N van 23 gehaald"
  QLabel* standing2;
  QLabel* detail;  // the highlighted level's best result and its shortest solution

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void formActivate();
  void playChosen(QListWidget* list, int firstNumber);
  void showDetail(int levelNumber);

  SharedState& shared_;
  Afspelen& play_;
  BestResults best_;
};

}  // namespace dwaalbos
