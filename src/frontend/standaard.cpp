#include "standaard.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include "frontend/level_entries.h"
#include "level/progress.h"
#include "level/shared_state.h"
#include "level/standard_solutions.h"
#include "level/texts.h"
#include "platform/window_placement.h"
#include "platform/zoomed_widgets.h"
#include "play/window/afspelen.h"

namespace dwaalbos {
namespace {

constexpr int kFirstOfSet1 = 1;
constexpr int kFirstOfSet2 = kSet1Levels + 1;

QString standing(int completed, int levels) {
  return QStringLiteral("%1 van %2 gehaald").arg(completed).arg(levels);
}

// A list whose entries show their mark and best result; a name too long for it is shortened.
QListWidget* newList(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setItemDelegate(new EntryDelegate(list));
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setTextElideMode(Qt::ElideRight);
  return list;
}

constexpr QSize kMarkSize{14, 14};

constexpr int kWidth = 560;
constexpr int kHeight = 380;

}  // namespace

Standaard::Standaard(SharedState& shared, Afspelen& play) : shared_(shared), play_(play) {
  setWindowTitle(texts::kKiesTitel);
  auto* grid = new QGridLayout(this);
  set1List = newList(this);
  set2List = newList(this);
  set1List->setIconSize(kMarkSize);
  set2List->setIconSize(kMarkSize);
  standing1 = new QLabel(this);
  standing2 = new QLabel(this);
  playSet1Button = new QPushButton(QStringLiteral("Speel dit level"), this);
  playSet2Button = new QPushButton(QStringLiteral("Speel dit level"), this);
  grid->addWidget(new QLabel(QStringLiteral("Level set 1:"), this), 0, 0);
  grid->addWidget(standing1, 0, 0, Qt::AlignRight);
  grid->addWidget(set1List, 1, 0);
  grid->addWidget(playSet1Button, 2, 0);
  grid->addWidget(new QLabel(QStringLiteral("Level set 2:"), this), 0, 1);
  grid->addWidget(standing2, 0, 1, Qt::AlignRight);
  grid->addWidget(set2List, 1, 1);
  grid->addWidget(playSet2Button, 2, 1);
  detail = new QLabel(this);
  grid->addWidget(detail, 3, 0, 1, 2);
  watchButton = new QPushButton(QString::fromUtf8(texts::kBekijkBesteOplossing), this);
  watchButton->setEnabled(false);
  grid->addWidget(watchButton, 4, 0, 1, 2);
  resize(kWidth, kHeight);

  connect(playSet1Button, &QPushButton::clicked, this,
          [this] { playChosen(set1List, kFirstOfSet1); });
  connect(playSet2Button, &QPushButton::clicked, this,
          [this] { playChosen(set2List, kFirstOfSet2); });
  // A double click on a level plays it, as the button under its list would.
  connect(set1List, &QListWidget::itemActivated, this,
          [this] { playChosen(set1List, kFirstOfSet1); });
  connect(set2List, &QListWidget::itemActivated, this,
          [this] { playChosen(set2List, kFirstOfSet2); });
  connect(watchButton, &QPushButton::clicked, this, &Standaard::watchChosen);
  // Escape closes the chooser as its close box does.
  auto* escape = new QAction(this);
  escape->setShortcut(Qt::Key_Escape);
  connect(escape, &QAction::triggered, this, &QWidget::close);
  addAction(escape);
  connect(set1List, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) showDetail(row + kFirstOfSet1);
  });
  connect(set2List, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) showDetail(row + kFirstOfSet2);
  });
}

void Standaard::setZoom(int percent) {
  zoomWidgets(*this, percent);
  set1List->setIconSize(zoomed(kMarkSize, percent));
  set2List->setIconSize(zoomed(kMarkSize, percent));
  resize(zoomed({kWidth, kHeight}, percent));
}

void Standaard::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) formActivate();
}

void Standaard::formActivate() {
  placeOver(*this, play_);
  play_.setEnabled(false);
  const Vordering progress = furthest(
      openProgressForChooser(shared_.paths.locked(shared_.paths.progress())), shared_.bereikt);
  best_ = readBestResults(shared_.paths.scores());
  solutions_ = readBestSolutions(shared_.paths.bestSolutions());
  standing1->setText(standing(
      fillEntries(*set1List, shared_.sets.Levelset1, kSet1Levels, progress.P1, kFirstOfSet1, best_),
      kSet1Levels));
  standing2->setText(standing(
      fillEntries(*set2List, shared_.sets.Levelset2, kSet2Levels, progress.P2, kFirstOfSet2, best_),
      kSet2Levels));
  layout()->activate();  // the counts are shown whole at once
  detail->clear();
  highlighted_ = 0;
  watchButton->setEnabled(false);
}

void Standaard::showDetail(int levelNumber) {
  highlighted_ = levelNumber;
  watchButton->setEnabled(!solutions_.of(levelNumber).empty());
  const int best = best_.of(levelNumber);
  const std::size_t shortest = shortestSolution(levelNumber).size();
  detail->setText(QString::fromUtf8(texts::kBesteEnKortste)
                      .arg(best != 0 ? QString::fromUtf8(texts::kZetten).arg(best)
                                     : QString::fromUtf8(texts::kNogNietGehaald))
                      .arg(shortest));
}

void Standaard::playChosen(QListWidget* list, int firstNumber) {
  if (list->count() == 0) return;
  if (list->currentRow() < 0) list->setCurrentRow(0);
  const int number = list->currentRow() + firstNumber;
  hide();
  play_.regainInput();
  play_.start(LevelRef::standard(number));
}

void Standaard::watchChosen() {
  const std::string_view moves = solutions_.of(highlighted_);
  if (moves.empty()) return;
  hide();
  play_.watch(highlighted_, moves);
}

// Closing only hides the chooser; the play window gets its input back and nothing starts.
void Standaard::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
  play_.regainInput();
}

}  // namespace dwaalbos
