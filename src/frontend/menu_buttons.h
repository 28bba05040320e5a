#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>

#include "level/translation.h"

class QPainter;

namespace dwaalbos {

class Pictures;

// The main menu's three picture buttons: their two looks cut from the button sheet of the
// language the game speaks (`Men` in Dutch) and scaled into their places, and the areas that take
// the mouse.
class MenuButtons {
 public:
  // The buttons are 375 pixels wide, centred in the 440-pixel menu.
  static constexpr int kWidth = 375;
  static constexpr int kLeft = (440 - kWidth) / 2;

  explicit MenuButtons(const Pictures& pictures);

  // The buttons' captions in the language the game speaks from now on.
  void speak(Language language);

  // Button 1..3, highlighted when it is `keuze`.
  void draw(QPainter& painter, int keuze) const;
  // The same over a painter that shows the menu `zoom` times as large, cut from the large
  // sheet at the device's own pixels.
  void drawSharp(QPainter& painter, int keuze, qreal zoom) const;
  // The button whose mouse area holds the point, 0 for none.
  static int areaAt(QPoint point);
  // The pointer shown over the buttons.
  const QCursor& pointer() const { return pointer_; }

 private:
  struct Look {
    QImage normal;
    QImage highlighted;
    QPoint place;
    QImage largeNormal;
    QImage largeHighlighted;
    mutable QImage sharpNormal;  // the last size drawn sharp
    mutable QImage sharpHighlighted;
  };
  const Pictures& pictures_;
  std::array<Look, 3> looks_;
  QCursor pointer_;
};

}  // namespace dwaalbos
