#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dwaalbos {

class Pictures;

// The panel to the right of the board: the level's data, the status, the options and the
// music controls, top to bottom in that order on a grid with margins (positions are the panel's
// own). Other classes give the controls their behaviour.
class RightPanel : public QWidget {
  Q_OBJECT

 public:
  RightPanel(const Pictures& pictures, QWidget* parent);

  QLabel* levelNameLabel;
  QLabel* levelMakerLabel;
  QLabel* commentLink;            // "Klik hier voor commentaar"
  QLabel* keyCountLabel;          // the key count
  QLabel* movesLabel;             // the moves made in this attempt
  QLineEdit* walkingDelayBox;     // walking delay
  QCheckBox* followLinesBox;      // follow lines
  QLineEdit* lineDelayBox;        // follow-line delay
  QCheckBox* transitionBox;       // transition at a new level
  QComboBox* musicList;           // the music files
  QPushButton* playMusicButton;   // "Speel"
  QPushButton* pauseMusicButton;  // "Pause"
  QPushButton* stopMusicButton;   // "Stop"

 signals:
  void commentClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* label(const char* text, int x, int y, int width, int height);
  QLabel* heading(const char* text, int x, int y, int width);
  void statusPair(const Pictures& pictures, const char* name, int y, QLabel** keyCount);
  void picture(const Pictures& pictures, const char* name, int x, int y, int height);
};

}  // namespace dwaalbos
