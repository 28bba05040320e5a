// The open dialog's list of levels: what each file is, beside its name.
#include "platform/described_files.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <utility>
#include <vector>

#include "level/collection_file.h"
#include "level/level_file.h"
#include "support/temp_folder.h"

using namespace dwaalbos;

namespace {

Doolhof named(const std::string& naam, const std::string& maker = "") {
  Doolhof level;
  level.Naam = naam;
  level.Maker = maker;
  return level;
}

class LevelDialog : public ::testing::Test {
 protected:
  // A dialog on the folder, with its files described by `describe`, all `fileCount` listed.
  void open(FileDescriber describe, int fileCount) {
    dialog = std::make_unique<QFileDialog>(nullptr, QString(),
                                           QString::fromStdString(folder.root().string()),
                                           QStringLiteral("Levels (*.dwb *.dws)"));
    describeFiles(*dialog, QStringLiteral("Naam en maker"), std::move(describe));
    model = dialog->proxyModel();
    files = qobject_cast<QFileSystemModel*>(model->sourceModel());
    view = dialog->findChild<QTreeView*>();
    ASSERT_TRUE(model && files && view);
    dialog->show();
    // The folder's files arrive in batches from the model's own thread, after the parents'.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return model->rowCount(view->rootIndex()) == fileCount; }, 10000));
  }
  int describedColumn() const { return model->columnCount() - 1; }
  QModelIndex nameOf(const std::string& name) const {
    return model->mapFromSource(files->index(QString::fromStdString(folder.path(name))));
  }
  std::pair<QString, QString> row(const std::string& name) const {
    const QModelIndex index = nameOf(name);
    return {index.data().toString(), index.siblingAtColumn(describedColumn()).data().toString()};
  }

  TempFolder folder;
  std::unique_ptr<QFileDialog> dialog;
  QAbstractProxyModel* model = nullptr;
  QFileSystemModel* files = nullptr;
  QTreeView* view = nullptr;
};

}  // namespace

// A collection is described by its title record; a file without a whole record by nothing.
// The column stands second, and a click on it chooses the file as a click on the name does.
TEST_F(LevelDialog, ShowsNameAndMakerOfALevelTitleAndAuthorOfACollectionNothingForDamage) {
  ASSERT_TRUE(writeLevelFile(folder.path("beek.dwb"), named("Beek", "Wim")));
  ASSERT_TRUE(writeCollection(folder.path("bos.dws"), {named("Bosrand", "Dwaal"), {named("een")}}));
  folder.write("kapot.dwb", Bytes(340, 7));
  folder.write("kapot.dws", Bytes(20, 0));
  open(levelFileHeading, 4);
  using Row = std::pair<QString, QString>;
  EXPECT_EQ(row("beek.dwb"), Row("beek.dwb", "Beek door Wim"));
  EXPECT_EQ(row("bos.dws"), Row("bos.dws", "Bosrand door Dwaal"));
  EXPECT_EQ(row("kapot.dwb"), Row("kapot.dwb", ""));
  EXPECT_EQ(row("kapot.dws"), Row("kapot.dws", ""));
  EXPECT_EQ(model->headerData(describedColumn(), Qt::Horizontal).toString(), "Naam en maker");
  EXPECT_EQ(view->header()->visualIndex(describedColumn()), 1);

  view->setCurrentIndex(nameOf("bos.dws").siblingAtColumn(describedColumn()));
  EXPECT_EQ(dialog->selectedFiles(), QStringList{QString::fromStdString(folder.path("bos.dws"))});
}

// Of 500 files only the rows drawn are read, each once until it changes.
TEST_F(LevelDialog, ReadsOnlyTheFilesInViewAndEachAgainOnlyWhenItChanged) {
  for (int i = 0; i < 500; ++i) folder.write(std::to_string(1000 + i) + ".dwb", Bytes(344, 0));
  std::vector<std::string> reads;
  open(
      [&](const std::string& path) {
        reads.push_back(path);
        return "x";
      },
      500);
  view->viewport()->repaint();
  const std::size_t firstReads = reads.size();
  EXPECT_GT(firstReads, 0u);
  EXPECT_LT(firstReads, 100u);
  view->viewport()->repaint();
  ASSERT_EQ(reads.size(), firstReads);

  const std::string shown = model->mapToSource(view->indexAt({2, 2}))
                                .data(QFileSystemModel::FilePathRole)
                                .toString()
                                .toStdString();
  std::filesystem::last_write_time(
      shown, std::filesystem::last_write_time(shown) + std::chrono::seconds(10));
  view->viewport()->repaint();
  ASSERT_EQ(reads.size(), firstReads + 1);
  EXPECT_EQ(reads.back(), shown);
}
