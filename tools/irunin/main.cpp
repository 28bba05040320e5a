// irunin.bin: the bonus for those who finished the first level set. It asks the password the
// menu told them and then opens the secret place in the forest.
#include <QApplication>
#include <QDir>

#include "forest_scene.h"
#include "password.h"
#include "platform/language.h"

namespace {

// The game folder it was copied into, or an installed game's data: the package puts this
// program in <prefix>/lib/dwaalbos and the pictures in <prefix>/share/dwaalbos.
QString gameFolder() {
  const QDir own(QCoreApplication::applicationDirPath());
  if (own.exists("plaatjes")) return own.path();
  return QDir::cleanPath(own.filePath("../../share/dwaalbos"));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  dwaalbos::speakLanguage(dwaalbos::Language::Dutch, {});
  if (!dwaalbos::irunin::askPassword(nullptr)) return 0;
  dwaalbos::irunin::ForestScene scene(gameFolder());
  scene.show();
  return QApplication::exec();
}
