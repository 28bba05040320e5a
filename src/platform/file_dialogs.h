#pragma once

#include <string>
#include <vector>

#include "described_files.h"

class QWidget;

namespace dwaalbos {

// One of the game's file dialogs: its title, its filter in the toolkit's form
// ("Bitmap (*.bmp)"), the folder it starts in (empty: the toolkit's choice) and the
// extension a typed name without one gets, and folders offered beside it. With `describe`,
// the list shows what it says of each file in a column headed `describedAs`.
struct FileDialogSpec {
  std::string title;
  std::string filter;
  std::string folder;
  std::string defaultSuffix;
  std::vector<std::string> places = {};
  std::string describedAs = {};
  FileDescriber describe = {};
};

// The standard open and save dialogs. Both answer the chosen full path, or an empty string
// when the user cancels. Behind an interface so that tests can answer them.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  virtual std::string askOpenFile(QWidget* parent, const FileDialogSpec& request) = 0;
  virtual std::string askSaveFile(QWidget* parent, const FileDialogSpec& request) = 0;
  // A file to add to: an existing one or a new name, never asked to be overwritten.
  virtual std::string askFileToExtend(QWidget* parent, const FileDialogSpec& request) = 0;
};

class SystemFileDialogs : public FileDialogs {
 public:
  std::string askOpenFile(QWidget* parent, const FileDialogSpec& request) override;
  std::string askSaveFile(QWidget* parent, const FileDialogSpec& request) override;
  std::string askFileToExtend(QWidget* parent, const FileDialogSpec& request) override;
};

}  // namespace dwaalbos
