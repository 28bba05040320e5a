#include "collection_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

#include "platform/zoomed_dialogs.h"

namespace dwaalbos {
namespace {

constexpr QSize kSizeAt100{380, 420};

// "3. Bospad (Ria)": the level's place, its name and maker on one line.
QString levelLine(std::size_t place, const Doolhof& level) {
  QString line = QString("%1. %2").arg(place + 1).arg(forBox(level.Naam));
  if (!level.Maker.empty()) line += QString(" (%1)").arg(forBox(level.Maker));
  return line.replace('\n', ' ');
}

}  // namespace

CollectionDialog::CollectionDialog(Collection collection, QWidget* parent)
    : QDialog(parent), collection_(std::move(collection)) {
  setWindowTitle(tr("Verzameling bewerken"));
  titleBox_ = new QLineEdit(forBox(collection_.title.Naam));
  makerBox_ = new QLineEdit(forBox(collection_.title.Maker));
  for (QLineEdit* box : {titleBox_, makerBox_}) box->setMaxLength(kLongestText);
  descriptionBox_ = new QPlainTextEdit(forBox(collection_.title.Commentaar));
  descriptionBox_->setTabChangesFocus(true);
  readTexts_ = {{{titleBox_->text(), collection_.title.Naam},
                 {makerBox_->text(), collection_.title.Maker},
                 {descriptionBox_->toPlainText(), collection_.title.Commentaar}}};

  auto* form = new QFormLayout;
  form->addRow(tr("&Titel:"), titleBox_);
  form->addRow(tr("&Maker:"), makerBox_);
  form->addRow(tr("&Beschrijving:"), descriptionBox_);

  levelList_ = new QListWidget;
  auto* levelsLabel = new QLabel(tr("Le&vels:"));
  levelsLabel->setBuddy(levelList_);
  upButton_ = new QPushButton(tr("Om&hoog"));
  downButton_ = new QPushButton(tr("Om&laag"));
  outButton_ = new QPushButton(tr("&Eruit halen"));
  connect(upButton_, &QPushButton::clicked, this, &CollectionDialog::moveUp);
  connect(downButton_, &QPushButton::clicked, this, &CollectionDialog::moveDown);
  connect(outButton_, &QPushButton::clicked, this, &CollectionDialog::takeOut);
  connect(levelList_, &QListWidget::currentRowChanged, this, &CollectionDialog::enableButtons);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {upButton_, downButton_, outButton_}) buttons->addWidget(button);
  buttons->addStretch();
  auto* levels = new QHBoxLayout;
  levels->addWidget(levelList_);
  levels->addLayout(buttons);

  auto* answer = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(answer, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(answer, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(levelsLabel);
  layout->addLayout(levels, 1);
  layout->addWidget(answer);
  showLevels(0);
  zoomDialog(*this, kSizeAt100);
}

Collection CollectionDialog::collection() const {
  Collection shown = collection_;
  shown.title.Naam = readTexts_[0].forFile(titleBox_->text());
  shown.title.Maker = readTexts_[1].forFile(makerBox_->text());
  shown.title.Commentaar = readTexts_[2].forFile(descriptionBox_->toPlainText());
  return shown;
}

void CollectionDialog::move(int step) {
  const int from = levelList_->currentRow();
  const int to = from + step;
  auto& levels = collection_.levels;
  if (from < 0 || to < 0 || to >= static_cast<int>(levels.size())) return;
  std::swap(levels[static_cast<std::size_t>(from)], levels[static_cast<std::size_t>(to)]);
  showLevels(to);
}

void CollectionDialog::takeOut() {
  const int row = levelList_->currentRow();
  if (row < 0) return;
  collection_.levels.erase(collection_.levels.begin() + row);
  showLevels(row);
}

// The list anew, its current row `current` or the last one when there are fewer.
void CollectionDialog::showLevels(int current) {
  levelList_->clear();
  for (std::size_t i = 0; i < collection_.levels.size(); ++i)
    levelList_->addItem(levelLine(i, collection_.levels[i]));
  levelList_->setCurrentRow(std::min(current, levelList_->count() - 1));
  enableButtons();
}

void CollectionDialog::enableButtons() {
  const int row = levelList_->currentRow();
  upButton_->setEnabled(row > 0);
  downButton_->setEnabled(row >= 0 && row + 1 < levelList_->count());
  outButton_->setEnabled(row >= 0);
}

}  // namespace dwaalbos
