// irunin.bin: the bonus for those who finished the first level set. It asks the password the
// menu told them and then opens the secret place in the forest.
#include <QApplication>

#include "forest_scene.h"
#include "password.h"
#include "platform/dutch_texts.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  dwaalbos::useDutchToolkitTexts();
  if (!dwaalbos::irunin::askPassword(nullptr)) return 0;
  dwaalbos::irunin::ForestScene scene(QCoreApplication::applicationDirPath());
  scene.show();
  return QApplication::exec();
}
