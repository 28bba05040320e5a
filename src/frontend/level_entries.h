#pragma once

#include <QStyledItemDelegate>

class QListWidget;

namespace dwaalbos {

class LevelSet;
struct BestResults;

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

// Draws an entry with its best result right-aligned beside the name.
class EntryDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace dwaalbos
