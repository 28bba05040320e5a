#include "new_maze_dialog.h"

#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <chrono>

#include "level/texts.h"
#include "platform/zoomed_dialogs.h"
#include "play/generator/daily_seed.h"
#include "play/generator/generator.h"

namespace dwaalbos {
namespace {

std::chrono::year_month_day today() {
  const QDate date = QDate::currentDate();
  return std::chrono::year_month_day{std::chrono::year(date.year()),
                                     std::chrono::month(static_cast<unsigned>(date.month())),
                                     std::chrono::day(static_cast<unsigned>(date.day()))};
}

}  // namespace

std::uint32_t todaysSeed(Difficulty difficulty) { return dailySeed(today(), difficulty); }

NewMazeDialog::NewMazeDialog(QWidget* parent, Difficulty difficulty) : QDialog(parent) {
  setWindowTitle(QString::fromStdString(texts::tr(texts::kNieuwDoolhofTitle)));
  difficultyBox = new QComboBox(this);
  for (const Difficulty each : kDifficulties)
    difficultyBox->addItem(QString::fromStdString(shownName(each)));
  difficultyBox->setCurrentIndex(static_cast<int>(difficulty));
  seedBox = new QLineEdit(this);
  seedBox->setValidator(new QIntValidator(1, static_cast<int>(kLargestSeed), seedBox));

  auto* form = new QFormLayout;
  form->addRow(QString::fromStdString(texts::tr(texts::kMoeilijkheid)), difficultyBox);
  form->addRow(QString::fromStdString(texts::tr(texts::kNummer)), seedBox);

  auto* buttons = new QDialogButtonBox(this);
  makeButton = buttons->addButton(QString::fromStdString(texts::tr(texts::kMaken)),
                                  QDialogButtonBox::AcceptRole);
  makeButton->setDefault(true);
  dailyButton = buttons->addButton(QString::fromStdString(texts::tr(texts::kPuzzelVanDeDag)),
                                   QDialogButtonBox::ActionRole);
  buttons->addButton(QString::fromStdString(texts::tr(texts::kAnnuleren)),
                     QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // A number out of range makes nothing rather than a fresh maze the player did not ask for.
  connect(seedBox, &QLineEdit::textChanged, this, [this] {
    makeButton->setEnabled(seedBox->text().isEmpty() || seedBox->hasAcceptableInput());
  });
  connect(dailyButton, &QPushButton::clicked, this, [this] {
    seedBox->setText(QString::number(todaysSeed(request().difficulty)));
    accept();
  });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  zoomDialog(*this);
}

MazeRequest NewMazeDialog::request() const {
  MazeRequest chosen{kDifficulties[static_cast<std::size_t>(difficultyBox->currentIndex())], {}};
  bool number = false;
  const uint seed = seedBox->text().toUInt(&number);
  if (number && seed >= 1 && seed <= kLargestSeed) chosen.seed = seed;
  return chosen;
}

}  // namespace dwaalbos
