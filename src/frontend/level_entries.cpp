#include "level_entries.h"

#include <QAbstractItemView>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>

#include <algorithm>

#include "level/collection_file.h"
#include "level/content_key.h"
#include "level/level_results.h"
#include "level/level_sets.h"
#include "level/scores.h"
#include "level/texts.h"
#include "level/translation.h"
#include "play/generator/generator.h"
#include "play/window/new_maze_dialog.h"

namespace dwaalbos {
namespace {

constexpr int kMarkPixels = 64;  // drawn large, brought down to the list's icon size

// A green tick for a completed level; an empty mark of the same size keeps names in line.
QIcon mark(bool completed) {
  QPixmap pixmap(kMarkPixels, kMarkPixels);
  pixmap.fill(Qt::transparent);
  if (completed) {
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(10, 34);
    tick.lineTo(26, 50);
    tick.lineTo(54, 14);
    painter.setPen(QPen(QColor(0x1E, 0x5A, 0x14), 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.setPen(QPen(QColor(0x4C, 0xB0, 0x30), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
  }
  return QIcon(pixmap);
}

void addEntry(QListWidget& list, const QString& text, bool done, int moves) {
  auto* entry = new QListWidgetItem(mark(done), text);
  if (moves != 0)
    entry->setData(kBestResultRole, QString::fromStdString(texts::tr(texts::kZetten)).arg(moves));
  list.addItem(entry);
}

// The name and maker as the lists always showed them, " door " even without a maker.
void addEntry(QListWidget& list, const std::string& name, const Doolhof& level, bool done,
              int moves) {
  addEntry(list,
           QString::fromStdString(filled(texts::tr(texts::kNaamDoorMaker), {name, level.Maker})),
           done, moves);
}

int bestIn(const LevelResults& results, const Doolhof& level) {
  const LevelResult* kept = results.of(contentKey(level));
  return kept ? kept->best : 0;
}

// The room an entry's best result takes at the right, a gap before it included.
int resultRoom(const QFontMetrics& metrics, const QString& best) {
  return best.isEmpty() ? 0 : metrics.horizontalAdvance(best) + metrics.height();
}

}  // namespace

int fillEntries(QListWidget& list, const LevelSet& set, int setLevels, int unlocked,
                int firstNumber, const BestResults& best) {
  list.clear();
  int completed = 0;
  for (int i = 1; i <= setLevels; ++i) {
    const int moves = best.of(firstNumber + i - 1);
    const bool done = i < unlocked || moves != 0;
    completed += done;
    const Doolhof* level = i <= unlocked ? set.element(i) : nullptr;
    // A standard level's name is shown in the chosen language; its maker is a name.
    if (level) addEntry(list, standaardTekst(level->Naam), *level, done, moves);
  }
  return completed;
}

int fillCollectionEntries(QListWidget& list, const Collection& collection,
                          const LevelResults& results) {
  list.clear();
  for (const Doolhof& level : collection.levels) {
    const int moves = bestIn(results, level);
    addEntry(list, level.Naam, level, moves != 0, moves);
  }
  return completedIn(collection, results);
}

int completedIn(const Collection& collection, const LevelResults& results) {
  return static_cast<int>(std::ranges::count_if(
      collection.levels, [&](const Doolhof& level) { return bestIn(results, level) != 0; }));
}

void fillDailyEntries(QListWidget& list, const LevelResults& results) {
  list.clear();
  for (const Difficulty difficulty : kDifficulties) {
    const LevelResult* kept = results.ofMade(madeFrom(difficulty, todaysSeed(difficulty)));
    addEntry(list, QString::fromStdString(shownName(difficulty)), kept != nullptr,
             kept ? kept->best : 0);
  }
}

// A long name ends in "…" within the list's visible width, rather than being cut off by its edge.
void EntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
  QStyleOptionViewItem visible = option;
  if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget))
    visible.rect.setRight(std::min(option.rect.right(), view->viewport()->width() - 1));
  const QString best = index.data(kBestResultRole).toString();
  if (best.isEmpty()) {
    QStyledItemDelegate::paint(painter, visible, index);
    return;
  }
  const int room = resultRoom(option.fontMetrics, best);
  QStyleOptionViewItem name = visible;
  name.rect.setRight(visible.rect.right() - room);
  // The row's background reaches under the result too.
  QStyleOptionViewItem row = visible;
  initStyleOption(&row, index);
  row.text.clear();
  row.icon = QIcon();
  row.state &= ~QStyle::State_HasFocus;
  option.widget->style()->drawControl(QStyle::CE_ItemViewItem, &row, painter, option.widget);
  QStyledItemDelegate::paint(painter, name, index);
  const bool selected = option.state & QStyle::State_Selected;
  painter->save();
  painter->setPen(
      option.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
  painter->drawText(visible.rect.adjusted(0, 0, -option.fontMetrics.height() / 2, 0),
                    Qt::AlignRight | Qt::AlignVCenter, best);
  painter->restore();
}

QSize EntryDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QSize name = QStyledItemDelegate::sizeHint(option, index);
  return {name.width() + resultRoom(option.fontMetrics, index.data(kBestResultRole).toString()),
          name.height()};
}

int wholeEntriesWidth(const QListWidget& list) {
  QStyleOptionViewItem option;
  option.initFrom(&list);
  option.font = list.font();
  option.decorationSize = list.iconSize();
  int widest = 0;
  for (int row = 0; row < list.count(); ++row) {
    const QModelIndex index = list.model()->index(row, 0);
    widest = std::max(widest, list.itemDelegateForIndex(index)->sizeHint(option, index).width());
  }
  return widest + 2 * list.frameWidth() + list.verticalScrollBar()->sizeHint().width();
}

}  // namespace dwaalbos
