#pragma once

#include <QString>

#include "platform/pictures.h"

namespace dwaalbos::testsupport {

// The game folder the build made, and its pictures, read once for all tests of a program.
inline QString gameFolder() { return qEnvironmentVariable("DWAALBOS_GAME_DIR"); }

inline const Pictures& gamePictures() {
  static const Pictures pictures(gameFolder());
  return pictures;
}

}  // namespace dwaalbos::testsupport
