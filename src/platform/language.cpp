#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace dwaalbos {
namespace {

std::string lookUp(const char* context, const char* dutch) {
  return QCoreApplication::translate(context, dutch).toStdString();
}

// The translator named `role` holds `file` from `folder` from now on, or nothing when `file`
// is empty or cannot be read. It belongs to the application, so it goes with it.
void load(const QString& role, const QString& file, const QString& folder) {
  QCoreApplication* application = QCoreApplication::instance();
  if (auto* old = application->findChild<QTranslator*>(role, Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  if (file.isEmpty()) return;
  auto* loaded = new QTranslator(application);
  loaded->setObjectName(role);
  if (loaded->load(file, folder)) QCoreApplication::installTranslator(loaded);
  else delete loaded;
}

}  // namespace

void speakLanguage(Language language, const std::string& translationsFolder) {
  const bool english = language == Language::English;
  // The level texts answer in the new language before any window asks for its texts again.
  useLanguage(language, &lookUp);
  load(QStringLiteral("game"), english ? QStringLiteral("dwaalbos_en") : QString(),
       QString::fromStdString(translationsFolder));
  load(QStringLiteral("toolkit"), english ? QString() : QStringLiteral("qtbase_nl"),
       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void speakStartingLanguage(const GamePaths& paths, const Environment& environment) {
  speakLanguage(languageAtStart(paths.language(), environment), paths.translations());
}

}  // namespace dwaalbos
