#include "file_dialogs.h"

#include <QFileDialog>

namespace dwaalbos {

namespace {

std::string ask(QWidget* parent, const FileDialogSpec& spec, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, QString::fromStdString(spec.title),
                     QString::fromStdString(spec.folder), QString::fromStdString(spec.filter));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QString::fromStdString(spec.defaultSuffix));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

std::string SystemFileDialogs::askOpenFile(QWidget* parent, const FileDialogSpec& spec) {
  return ask(parent, spec, QFileDialog::AcceptOpen);
}

std::string SystemFileDialogs::askSaveFile(QWidget* parent, const FileDialogSpec& spec) {
  return ask(parent, spec, QFileDialog::AcceptSave);
}

}  // namespace dwaalbos
