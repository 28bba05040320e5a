#include "zoomed_dialogs.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "zoomed_style.h"
#include "zoomed_widgets.h"

namespace dwaalbos {
namespace {

// The panel writes in 10 pixels at 100 %; a box's few lines are read at once, a little larger.
constexpr int kBoxTextPixels = 12;

}  // namespace

void zoomDialog(QWidget& dialog, QSize sizeAt100) {
  const int percent = currentZoom();
  QFont font = QApplication::font();
  font.setPixelSize(static_cast<int>(std::lround(kBoxTextPixels * percent / 100.0)));
  dialog.setFont(font);
  if (sizeAt100.isEmpty()) return;
  QSize size = zoomed(sizeAt100, percent);
  if (const QScreen* screen = dialog.screen())
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  dialog.resize(size);
}

}  // namespace dwaalbos
