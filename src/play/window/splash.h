#pragma once

#include <QSet>
#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace dwaalbos {

class Pictures;

// `Splash`, the level's introduction: its name, its maker and the maker's comment over a
// background picture. A click anywhere on it, or a key, dismisses it (`verder`).
class Splash : public QWidget {
  Q_OBJECT

 public:
  // A window of its own, kept above `owner` (the play window), which it does not belong to:
  // the owner is disabled while the screen is up.
  Splash(const Pictures& pictures, QWidget& owner);

  // Shows the screen with the three texts, centred over the owner.
  void present(const QString& naam, const QString& maker, const QString& commentaar);
  // Lays the screen out at a zoom step (percent).
  void setZoom(int percent);

  QLabel* nameLabel;
  QLabel* makerLabel;
  QPlainTextEdit* commentText;

  // Hides the screen and hands over to the game.
  void verder();

 signals:
  void dismissed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void placeOverOwner();

  QWidget& owner_;
  QSet<int> keysPressedHere_;
};

}  // namespace dwaalbos
