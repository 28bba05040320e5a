#include "desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace dwaalbos {

namespace {

QUrl toUrl(const std::string& pathOrAddress) {
  const auto text = QString::fromStdString(pathOrAddress);
  const QUrl address(text);
  const bool hasScheme = address.isValid() && address.scheme().size() > 1;
  return hasScheme ? address : QUrl::fromLocalFile(text);
}

}  // namespace

bool SystemDesktop::openDocument(const std::string& pathOrAddress) {
  return QDesktopServices::openUrl(toUrl(pathOrAddress));
}

bool SystemDesktop::startProgram(const std::string& path) {
  const QFileInfo program(QString::fromStdString(path));
  if (!program.isFile() || !program.isExecutable()) return false;
  return QProcess::startDetached(program.absoluteFilePath(), {}, program.absolutePath());
}

}  // namespace dwaalbos
