#pragma once

#include <QStyledItemDelegate>

class QListWidget;

namespace dwaalbos {

class LevelSet;
struct BestResults;
struct Collection;
struct LevelResults;

// The chooser's lists at a glance: each entry reads "Naam door Maker" as ever, with a mark
// before it when the level was completed and its best result at the right.
//
// Fills `list` with levels 1..`unlocked` of `set`, whose first level is number `firstNumber`
// of the two sets. A level counts as completed when a later one is open or a best result was
// kept for it. Answers how many levels of the whole set are completed.
// Each entry holds its best result's text under this role, empty when there is none.
inline constexpr int kBestResultRole = Qt::UserRole;

int fillEntries(QListWidget& list, const LevelSet& set, int setLevels, int unlocked,
                int firstNumber, const BestResults& best);

// The same for a collection's levels, all open, marked when a result was kept for them:
// answers how many are.
int fillCollectionEntries(QListWidget& list, const Collection& collection,
                          const LevelResults& results);
// How many of the collection's levels a result was kept for.
int completedIn(const Collection& collection, const LevelResults& results);

// Today's puzzle of each difficulty, in the order of kDifficulties: its name, marked when a
// result was kept for it, with that result. The levels are not made for this: they are found
// by what they are made from.
void fillDailyEntries(QListWidget& list, const LevelResults& results);

// Draws an entry with its best result right-aligned beside the name.
class EntryDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The width `list` takes to show every entry whole, its result too, frame and scroll bar
// included.
int wholeEntriesWidth(const QListWidget& list);

}  // namespace dwaalbos
