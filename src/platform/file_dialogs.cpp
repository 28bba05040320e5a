#include "file_dialogs.h"

#include <QFileDialog>
#include <QList>
#include <QUrl>

#include "zoomed_dialogs.h"

namespace dwaalbos {

namespace {

constexpr QSize kDialogSize{620, 410};  // at 100 %

std::string ask(QWidget* parent, const FileDialogSpec& request, QFileDialog::AcceptMode mode,
                QFileDialog::Options options = {}) {
  QFileDialog dialog(parent, QString::fromStdString(request.title),
                     QString::fromStdString(request.folder),
                     QString::fromStdString(request.filter));
  dialog.setAcceptMode(mode);
  dialog.setOptions(dialog.options() | options);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
  QList<QUrl> sidebar = dialog.sidebarUrls();
  for (const std::string& place : request.places)
    sidebar.append(QUrl::fromLocalFile(QString::fromStdString(place)));
  dialog.setSidebarUrls(sidebar);
  zoomDialog(dialog, kDialogSize);
  if (request.describe)
    describeFiles(dialog, QString::fromStdString(request.describedAs), request.describe);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

std::string SystemFileDialogs::askOpenFile(QWidget* parent, const FileDialogSpec& request) {
  return ask(parent, request, QFileDialog::AcceptOpen);
}

std::string SystemFileDialogs::askSaveFile(QWidget* parent, const FileDialogSpec& request) {
  return ask(parent, request, QFileDialog::AcceptSave);
}

std::string SystemFileDialogs::askFileToExtend(QWidget* parent, const FileDialogSpec& request) {
  return ask(parent, request, QFileDialog::AcceptSave, QFileDialog::DontConfirmOverwrite);
}

}  // namespace dwaalbos
