#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "frontend/menu_buttons.h"
#include "frontend/menu_picture.h"
#include "frontend/starfield.h"

class QLabel;

namespace dwaalbos {

class Desktop;
class Navigator;
class Pictures;
class Sound;
class ZoomChoice;
struct SharedState;

// The main menu "Dwaalbos 6.0: Menu": three picture buttons over a field of drifting grey
// dots, worked with the cursor keys and Enter or with the mouse. It is the program's first
// window; closing it ends the program.
class Menu : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 440;
  static constexpr int kHeight = 300;
  static constexpr int kFrameMilliseconds = 16;  // about 60 frames a second

  Menu(SharedState& state, Sound& sound, Navigator& navigator, Desktop& desktop,
       const Pictures& pictures);

  // One pass of the menu loop: one frame of dots and buttons, the typing of the
  // description, and the keys and mouse choices. The menu's timer calls it while it is shown.
  void frame();

  int keuze() const { return Keuze; }
  std::string uitleg() const;
  bool animating() const { return timer_.isActive(); }
  // Sizes the window for a zoom step (percent); the animation stays in its own pixels.
  void setZoom(int percent);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void activate();
  void runWhileVisible();
  void typeDescription();
  void readArrowKeys();
  void highlight(int button);
  void actOnChoice();
  void openHelp();
  void pressOnHelpButton(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  bool bonusUnlocked() const;
  void startBonusProgram();
  void toetsenleeg();
  QPoint unzoomed(QPointF point) const;
  void drawAnew();
  QImage sharpTitleAndButtons(QSize pixels);
  void showChanges();

  SharedState& state_;
  Sound& sound_;
  Navigator& navigator_;
  Desktop& desktop_;

  MenuPicture picture_{{kWidth, kHeight}};
  int drawnKeuze_ = 0;  // the highlighted button in `picture_`
  QImage title_;
  QImage titleLarge_;  // four times as large, for a zoomed menu
  QImage titleShown_;  // the title at the pixels the menu last showed it with
  MenuButtons buttons_;
  QLabel* descriptionLabel;
  QTimer timer_;
  std::mt19937 random_;
  Starfield Sterren{kWidth, kHeight};
  std::vector<MenuPicture::Dot> dots_;  // one frame's paints, kept for the next frame

  float Hoek = 0;
  long Teller = 0;
  int Keuze = 1;
  bool Weg = false;
  int Gekozen = 0;
  int pressedButton_ = 0;
  bool pausedForDialog_ = false;
  ZoomChoice* zoomChoice_;
  double scale_ = 100.0;  // the percent the menu is shown at in the window's present size
  QRect shown_{0, 0, kWidth, kHeight};  // where in the window
};

}  // namespace dwaalbos
