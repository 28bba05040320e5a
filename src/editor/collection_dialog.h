#pragma once

#include <QDialog>

#include <array>

#include "editor/box_text.h"
#include "level/collection_file.h"

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace dwaalbos {

// Sets a collection's title, author and description, and moves its levels up and down or takes
// them out. The collection on the file changes only when the player confirms.
class CollectionDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CollectionDialog(Collection collection, QWidget* parent = nullptr);

  // The collection as the dialog shows it.
  Collection collection() const;

  void moveUp() { move(-1); }
  void moveDown() { move(1); }
  void takeOut();

  QLineEdit& titleBox() { return *titleBox_; }
  QLineEdit& makerBox() { return *makerBox_; }
  QPlainTextEdit& descriptionBox() { return *descriptionBox_; }
  QListWidget& levelList() { return *levelList_; }

 private:
  void move(int step);
  void showLevels(int current);
  void enableButtons();

  Collection collection_;              // its levels in the order shown
  std::array<ReadText, 3> readTexts_;  // title, author, description
  QLineEdit* titleBox_;
  QLineEdit* makerBox_;
  QPlainTextEdit* descriptionBox_;
  QListWidget* levelList_;
  QPushButton* upButton_;
  QPushButton* downButton_;
  QPushButton* outButton_;
};

}  // namespace dwaalbos
