#pragma once

#include <QHash>
#include <QIdentityProxyModel>

#include <functional>
#include <string>

class QFileDialog;

namespace dwaalbos {

// What a file holds, in a few words, from its path; empty to show nothing.
using FileDescriber = std::function<std::string(const std::string& path)>;

// A file dialog's list with one column more, after the file's name: what `describe` says of
// each file. A file is described only when its row is drawn, and again only when it has
// changed since, so that a folder of many files opens at once.
class DescribedFiles : public QIdentityProxyModel {
 public:
  DescribedFiles(QString header, FileDescriber describe, QObject* parent = nullptr);

  int columnCount(const QModelIndex& parent = {}) const override;
  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex sibling(int row, int column, const QModelIndex& index) const override;
  QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  int describedColumn() const;

 private:
  struct Described {
    qint64 modified;
    QString text;
  };
  QString describedAt(const QModelIndex& index) const;

  QString header_;
  FileDescriber describe_;
  mutable QHash<QString, Described> known_;  // by path; lives as long as the dialog
};

// Gives `dialog` (the toolkit's own, not the desktop's) the column of `DescribedFiles`, shown
// second and wide enough for a name and a maker at the dialog's font: call it once the dialog
// is zoomed.
void describeFiles(QFileDialog& dialog, const QString& header, FileDescriber describe);

}  // namespace dwaalbos
