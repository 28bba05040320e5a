#include "window_placement.h"

#include <QScreen>
#include <QWidget>

namespace dwaalbos {

void placeOver(QWidget& window, const QWidget& owner) {
  const bool placed = owner.isVisible() && owner.testAttribute(Qt::WA_Mapped);
  const QRect area = placed ? owner.frameGeometry() : window.screen()->availableGeometry();
  window.move(area.center() - window.rect().center());
}

}  // namespace dwaalbos
