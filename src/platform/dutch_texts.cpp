#include "dutch_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace dwaalbos {

void useDutchToolkitTexts() {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load("qtbase_nl", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
  else delete translator;
}

}  // namespace dwaalbos
