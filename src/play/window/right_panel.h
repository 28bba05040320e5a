#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace dwaalbos {

class Captions;
class Pictures;

// The panel to the right of the board: the level's data, the status, the options and the
// music controls, top to bottom in that order on a grid with margins (positions are the panel's
// own). It shows what it is given and tells what the player does; others decide what that means.
// Each control has a stable object name ("movesLabel", "walkingDelayBox", "playMusicButton", ...).
class RightPanel : public QWidget {
  Q_OBJECT

 public:
  enum class Delay { walking, line };

  RightPanel(const Pictures& pictures, QWidget* parent);

  void setLevelTitle(const QString& naam, const QString& maker);
  void setKeyCount(int keys);
  void setMoves(int moves);

  QString delayText(Delay delay) const;
  void setDelayText(Delay delay, const QString& text);
  bool followsLines() const;
  void setFollowLines(bool on);
  void setTransition(bool on);

  // The music list shows "Muziekjes" over the names until the player picks one.
  void setTunes(const QStringList& names);
  // The entry whose name the list's field shows; -1 when the field holds anything else.
  int chosenTune() const;

 signals:
  void commentClicked();
  // Each key let go in a delay box, with the text the box then holds.
  void delayTyped(RightPanel::Delay delay, const QString& text);
  void followLinesToggled(bool on);
  void transitionToggled(bool on);
  void tuneActivated();
  void playMusicClicked();
  void pauseMusicClicked();
  void stopMusicClicked();
  // The player moved the input into a control by key or click; the follow-line delay box does
  // not count.
  void controlEntered();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A caption, in the language the game speaks.
  QLabel* label(const char* dutch, int x, int y, int width, int height);
  // A place for what the game shows there.
  QLabel* value(int x, int y, int width, int height);
  QLabel* heading(const char* text, int x, int y, int width);
  QLabel* statusPair(const Pictures& pictures, const char* name, int y);
  void picture(const Pictures& pictures, const char* name, int x, int y, int height);
  void makeDigitBox(QLineEdit* box);
  bool digitBoxEvent(QLineEdit* box, QEvent* event);
  QLineEdit* box(Delay delay) const;
  void button(const char* text, const char* name, int x, int width, void (RightPanel::*clicked)());

  Captions* captions_;
  QLabel* levelNameLabel_;
  QLabel* levelMakerLabel_;
  QLabel* commentLink_;
  QLabel* keyCountLabel_;
  QLabel* movesLabel_;
  QLineEdit* walkingDelayBox_;
  QCheckBox* followLinesBox_;
  QLineEdit* lineDelayBox_;
  QCheckBox* transitionBox_;
  QComboBox* musicList_;
};

}  // namespace dwaalbos
