#include "standaard.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>

#include "frontend/level_entries.h"
#include "level/content_key.h"
#include "level/level_file.h"
#include "level/progress.h"
#include "level/shared_state.h"
#include "level/standard_solutions.h"
#include "level/texts.h"
#include "platform/captions.h"
#include "platform/window_placement.h"
#include "platform/zoomed_widgets.h"
#include "play/generator/generator.h"
#include "play/window/afspelen.h"
#include "play/window/new_maze_dialog.h"

namespace dwaalbos {
namespace {

constexpr int kFirstOfSet1 = 1;
constexpr int kFirstOfSet2 = kSet1Levels + 1;

QString standing(int completed, int levels) {
  return QString::fromStdString(texts::tr(texts::kGehaaldVan)).arg(completed).arg(levels);
}

// A list whose entries show their mark and best result; a name too long for it is shortened.
QListWidget* newList(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setItemDelegate(new EntryDelegate(list));
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setTextElideMode(Qt::ElideRight);
  return list;
}

QPushButton* button(Captions& captions, const char* dutch, QWidget* parent) {
  auto* control = new QPushButton(parent);
  captions.button(control, dutch);
  return control;
}

// A best result in moves, or that the level is not done yet.
QString bestText(int best) {
  return best != 0 ? QString::fromStdString(texts::tr(texts::kZetten)).arg(best)
                   : QString::fromStdString(texts::tr(texts::kNogNietGehaald));
}

QString yourBest(const LevelResult* kept) {
  return QString::fromStdString(texts::tr(texts::kJouwBeste)).arg(bestText(kept ? kept->best : 0));
}

constexpr QSize kMarkSize{14, 14};

constexpr int kWidth = 560;
constexpr int kHeight = 696;

}  // namespace

Standaard::Standaard(SharedState& shared, Afspelen& play) : shared_(shared), play_(play) {
  auto* captions = new Captions(*this, "texts");
  captions->windowTitle(*this, texts::kKiesTitel);
  auto* grid = new QGridLayout(this);
  set1List = newList(this);
  set2List = newList(this);
  set1List->setIconSize(kMarkSize);
  set2List->setIconSize(kMarkSize);
  standing1 = new QLabel(this);
  standing2 = new QLabel(this);
  playSet1Button = button(*captions, texts::kSpeelDitLevel, this);
  playSet2Button = button(*captions, texts::kSpeelDitLevel, this);
  grid->addWidget(captions->label(new QLabel(this), texts::kLevelSet1), 0, 0);
  grid->addWidget(standing1, 0, 0, Qt::AlignRight);
  grid->addWidget(set1List, 1, 0);
  grid->addWidget(playSet1Button, 2, 0);
  grid->addWidget(captions->label(new QLabel(this), texts::kLevelSet2), 0, 1);
  grid->addWidget(standing2, 0, 1, Qt::AlignRight);
  grid->addWidget(set2List, 1, 1);
  grid->addWidget(playSet2Button, 2, 1);
  detail = new QLabel(this);
  grid->addWidget(detail, 3, 0, 1, 2);
  watchButton = button(*captions, texts::kBekijkBesteOplossing, this);
  watchButton->setEnabled(false);
  grid->addWidget(watchButton, 4, 0, 1, 2);
  collectionList = newList(this);
  collectionLevels = newList(this);
  collectionLevels->setIconSize(kMarkSize);
  playCollectionButton = button(*captions, texts::kSpeelDitLevel, this);
  grid->addWidget(captions->label(new QLabel(this), texts::kVerzamelingen), 5, 0);
  grid->addWidget(collectionList, 6, 0);
  grid->addWidget(collectionLevels, 6, 1);
  grid->addWidget(playCollectionButton, 7, 1);
  addNewMazes(*captions, *grid, 8);
  // The lists and counts are filled anew in the new language.
  captions->follow([this] {
    if (isVisible()) formActivate();
  });
  grid->setRowStretch(1, 1);
  grid->setRowStretch(6, 1);
  resize(kWidth, kHeight);
  connect(collectionList, &QListWidget::currentRowChanged, this, &Standaard::showCollection);
  connect(collectionLevels, &QListWidget::currentRowChanged, this,
          &Standaard::showCollectionDetail);
  connect(playCollectionButton, &QPushButton::clicked, this, &Standaard::playCollectionLevel);
  connect(collectionLevels, &QListWidget::itemActivated, this, &Standaard::playCollectionLevel);

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
  zoom_ = percent;
  zoomWidgets(*this, percent);
  set1List->setIconSize(zoomed(kMarkSize, percent));
  set2List->setIconSize(zoomed(kMarkSize, percent));
  collectionLevels->setIconSize(zoomed(kMarkSize, percent));
  dailyList->setIconSize(zoomed(kMarkSize, percent));
  fillDaily();
  resize(zoomed({kWidth, kHeight}, percent));
  fitCollectionsWidth();
}

// A collection's title, author and count show whole at every zoom: the window grows for them,
// as far as two thirds of the screen, which a zoom above 100 % enlarges as it does the window.
void Standaard::fitCollectionsWidth() {
  const int room = screen()->availableGeometry().width() * 2 / 3 * std::max(zoom_, 100) / 100;
  collectionList->setMinimumWidth(std::min(wholeEntriesWidth(*collectionList), room));
}

void Standaard::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) formActivate();
}

void Standaard::formActivate() {
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
  fillCollections();
  fillDaily();
  fitCollectionsWidth();
  layout()->activate();  // the counts are shown whole at once
  placeOver(*this, play_);
  detail->clear();
  highlighted_ = {};
  watchMoves_.clear();
  watchButton->setEnabled(false);
}

void Standaard::showDetail(int levelNumber) {
  highlighted_ = LevelRef::standard(levelNumber);
  watchMoves_ = solutions_.of(levelNumber);
  watchButton->setEnabled(!watchMoves_.empty());
  const int best = best_.of(levelNumber);
  const std::size_t shortest = shortestSolution(levelNumber).size();
  detail->setText(
      QString::fromStdString(texts::tr(texts::kBesteEnKortste)).arg(bestText(best)).arg(shortest));
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
  if (watchMoves_.empty()) return;
  hide();
  play_.watch(highlighted_, watchMoves_);
}

// Read anew at every showing: a collection saved or completed since is shown as it is now.
void Standaard::fillCollections() {
  results_ = readLevelResults(shared_.paths.levelResults());
  shelf_ = collectionShelf(shared_.paths.collectionFolders(), shared_.paths.levels());
  collectionList->clear();
  for (const ShelvedCollection& shelved : shelf_) {
    const Collection& collection = shelved.read.collection;
    const Doolhof& title = collection.title;
    auto* entry = new QListWidgetItem(QString::fromStdString(nameAndMaker(title)));
    entry->setData(kBestResultRole, standing(completedIn(collection, results_),
                                             static_cast<int>(collection.levels.size())));
    collectionList->addItem(entry);
  }
  shownCollection_ = -1;
  collectionLevels->clear();
}

// Its description shows, or what is wrong with its file.
void Standaard::showCollection(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= shelf_.size()) return;
  shownCollection_ = row;
  const CollectionRead& read = shelf_[static_cast<std::size_t>(row)].read;
  fillCollectionEntries(*collectionLevels, read.collection, results_);
  detail->setText(
      QString::fromStdString(read.whole() ? read.collection.title.Commentaar : read.problem));
  highlighted_ = {};
  watchMoves_.clear();
  watchButton->setEnabled(false);
}

void Standaard::showCollectionDetail(int row) {
  if (row < 0 || shownCollection_ < 0) return;
  const ShelvedCollection& shelved = shelf_[static_cast<std::size_t>(shownCollection_)];
  const LevelResult* kept =
      results_.of(contentKey(shelved.read.collection.levels.at(static_cast<std::size_t>(row))));
  highlighted_ = LevelRef::inCollection(shelved.path, row + 1);
  watchMoves_ = kept ? kept->solution : std::string();
  watchButton->setEnabled(!watchMoves_.empty());
  detail->setText(yourBest(kept));
}

void Standaard::playCollectionLevel() {
  if (shownCollection_ < 0 || collectionLevels->count() == 0) return;
  if (collectionLevels->currentRow() < 0) collectionLevels->setCurrentRow(0);
  const LevelRef level = LevelRef::inCollection(
      shelf_[static_cast<std::size_t>(shownCollection_)].path, collectionLevels->currentRow() + 1);
  hide();
  play_.regainInput();
  play_.start(level);
}

// Today's puzzles from `row` down, "Nieuw doolhof..." beside the button that plays them.
void Standaard::addNewMazes(Captions& captions, QGridLayout& grid, int row) {
  dailyList = newList(this);
  dailyList->setIconSize(kMarkSize);
  dailyList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  playDailyButton = button(captions, texts::kSpeelDitLevel, this);
  newMazeButton = button(captions, texts::kNieuwDoolhofKnop, this);
  grid.addWidget(captions.label(new QLabel(this), texts::kPuzzelsVanDeDag), row, 0);
  grid.addWidget(dailyList, row + 1, 0);
  grid.addWidget(playDailyButton, row + 2, 0);
  grid.addWidget(newMazeButton, row + 2, 1);
  connect(dailyList, &QListWidget::currentRowChanged, this, &Standaard::showDailyDetail);
  connect(dailyList, &QListWidget::itemActivated, this, &Standaard::playDaily);
  connect(playDailyButton, &QPushButton::clicked, this, &Standaard::playDaily);
  connect(newMazeButton, &QPushButton::clicked, this, &Standaard::askNewMaze);
}

// Shown whole: one row for each difficulty, no more.
void Standaard::fillDaily() {
  fillDailyEntries(*dailyList, results_);
  dailyList->setFixedHeight(dailyList->sizeHintForRow(0) * dailyList->count() +
                            2 * dailyList->frameWidth());
}

void Standaard::showDailyDetail(int row) {
  if (row < 0) return;
  const Difficulty difficulty = kDifficulties.at(static_cast<std::size_t>(row));
  const LevelResult* kept = results_.ofMade(madeFrom(difficulty, todaysSeed(difficulty)));
  highlighted_ = {};
  watchMoves_.clear();
  watchButton->setEnabled(false);
  detail->setText(yourBest(kept));
}

// Made beside the play window as its own "Nieuw doolhof" makes one, then played.
void Standaard::playDaily() {
  if (dailyList->currentRow() < 0) dailyList->setCurrentRow(0);
  const Difficulty difficulty = kDifficulties.at(static_cast<std::size_t>(dailyList->currentRow()));
  hide();
  play_.regainInput();
  play_.newMaze().make({difficulty, todaysSeed(difficulty)});
}

void Standaard::askNewMaze() {
  hide();
  play_.regainInput();
  play_.newMaze().ask();
}

// Closing only hides the chooser; the play window gets its input back and nothing starts.
void Standaard::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
  play_.regainInput();
}

}  // namespace dwaalbos
