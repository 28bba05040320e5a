#include "described_files.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>

namespace dwaalbos {

DescribedFiles::DescribedFiles(QString header, FileDescriber describe, QObject* parent)
    : QIdentityProxyModel(parent), header_(std::move(header)), describe_(std::move(describe)) {}

int DescribedFiles::describedColumn() const {
  return sourceModel() ? sourceModel()->columnCount() : 0;
}

int DescribedFiles::columnCount(const QModelIndex& parent) const {
  return QIdentityProxyModel::columnCount(parent) + 1;
}

// The added column's cells carry their row's first cell's pointer, so that they map to it.
QModelIndex DescribedFiles::index(int row, int column, const QModelIndex& parent) const {
  if (column != describedColumn()) return QIdentityProxyModel::index(row, column, parent);
  const QModelIndex first = QIdentityProxyModel::index(row, 0, parent);
  return first.isValid() ? createIndex(row, column, first.internalPointer()) : QModelIndex();
}

QModelIndex DescribedFiles::sibling(int row, int column, const QModelIndex& index) const {
  if (column != describedColumn() && index.column() != describedColumn())
    return QIdentityProxyModel::sibling(row, column, index);
  return this->index(row, column, parent(index));
}

// A cell of the added column stands for its file as the name does: a click or a double click
// on it chooses the file.
QModelIndex DescribedFiles::mapToSource(const QModelIndex& proxyIndex) const {
  if (!proxyIndex.isValid() || proxyIndex.column() != describedColumn())
    return QIdentityProxyModel::mapToSource(proxyIndex);
  return QIdentityProxyModel::mapToSource(
      createIndex(proxyIndex.row(), 0, proxyIndex.internalPointer()));
}

QVariant DescribedFiles::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.column() != describedColumn())
    return QIdentityProxyModel::data(index, role);
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return describedAt(index);
  return {};
}

QVariant DescribedFiles::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && section == describedColumn() && role == Qt::DisplayRole)
    return header_;
  return QIdentityProxyModel::headerData(section, orientation, role);
}

Qt::ItemFlags DescribedFiles::flags(const QModelIndex& index) const {
  if (!index.isValid() || index.column() != describedColumn())
    return QIdentityProxyModel::flags(index);
  return QIdentityProxyModel::flags(mapFromSource(mapToSource(index))) & ~Qt::ItemIsEditable;
}

QString DescribedFiles::describedAt(const QModelIndex& index) const {
  const QFileInfo file(mapToSource(index).data(QFileSystemModel::FilePathRole).toString());
  if (!file.isFile()) return {};
  const qint64 modified = file.lastModified().toMSecsSinceEpoch();
  const auto known = known_.constFind(file.filePath());
  if (known != known_.constEnd() && known->modified == modified) return known->text;
  const QString text = QString::fromStdString(describe_(file.filePath().toStdString()));
  known_.insert(file.filePath(), {modified, text});
  return text;
}

void describeFiles(QFileDialog& dialog, const QString& header, FileDescriber describe) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setViewMode(QFileDialog::Detail);
  auto* files = new DescribedFiles(header, std::move(describe), &dialog);
  dialog.setProxyModel(files);
  auto* view = dialog.findChild<QTreeView*>();
  if (!view) return;
  const int column = files->describedColumn();
  view->header()->moveSection(view->header()->visualIndex(column), 1);
  constexpr int kHeadingLetters = 32;
  view->header()->resizeSection(column, view->fontMetrics().averageCharWidth() * kHeadingLetters);
}

}  // namespace dwaalbos
