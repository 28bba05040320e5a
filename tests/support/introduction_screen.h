#pragma once

#include <QApplication>

#include "play/window/splash.h"

namespace dwaalbos::testsupport {

// The level's introduction screen while it is on show.
inline Splash* visibleSplash() {
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* splash = qobject_cast<Splash*>(top); splash && splash->isVisible()) return splash;
  return nullptr;
}

}  // namespace dwaalbos::testsupport
