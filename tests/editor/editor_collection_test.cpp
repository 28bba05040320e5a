#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>

#include <set>

#include "editor/collection_dialog.h"
#include "editor_fixture.h"
#include "level/collection_file.h"
#include "level/file_messages.h"
#include "level/texts.h"
#include "support/test_levels.h"

namespace dwaalbos::testing {
namespace {

const Doolhof kBospad = levelFromRows({"S..", "##E"}, "Bospad", "Ria");
const Doolhof kOmweg = levelFromRows({"S#E", "..."}, "Omweg", "Wim", "Om de muur heen");

// A collection's title record: only its texts mean something.
Doolhof titled(const char* naam, const char* maker) {
  Doolhof title;
  title.Naam = naam;
  title.Maker = maker;
  return title;
}

// A box's text as the box shows it: its CR LF line breaks become LF.
std::string asShown(std::string text) {
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
  return text;
}

class EditorCollections : public EditorTest {
 protected:
  // The level in the editor, read from a file as the player would open it.
  void edit(const Doolhof& level) {
    folder.write("levels/bewerkt.dwb", encodeLevel(level));
    ASSERT_TRUE(editor->openen(folder.path("levels/bewerkt.dwb")));
  }

  // Adds the editor's level to `file` (as the player names it in the dialog), answering the
  // box that follows.
  void addTo(const std::string& file) {
    dialogs.answer = folder.path(file);
    answerNextBox(boxes);
    editor->onAddToCollection();
  }

  std::string collectionPath() const { return folder.path("bos.dws"); }
};

// Added at once after opening, while the live verdict is still searching: the search is waited
// for, not taken as a refusal. A new collection is named after its file and made by the level's
// maker; a second level goes after the first and the collection's texts stay.
TEST_F(EditorCollections, AddingMakesACollectionThenExtendsIt) {
  edit(kBospad);
  addTo("bos");
  EXPECT_EQ(dialogs.asked.back().folder, state.paths.collections());
  Collection expected{titled("bos", "Ria"), {kBospad}};
  EXPECT_EQ(readCollection(collectionPath()).collection, expected);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Het level is nu level 1 van \"bos\".");

  edit(kOmweg);
  addTo("bos.dws");
  expected.levels.push_back(kOmweg);
  const CollectionRead read = readCollection(collectionPath());
  EXPECT_TRUE(read.whole());
  EXPECT_EQ(read.collection, expected);
  EXPECT_EQ(boxes.back().text, "Het level is nu level 2 van \"bos\".");
}

// A level file chosen by mistake stays a level file: the collection gets a name of its own.
TEST_F(EditorCollections, ALevelFileIsNeverTurnedIntoACollection) {
  edit(kBospad);
  addTo("levels/bewerkt.dwb");
  EXPECT_EQ(fileBytes(folder.path("levels/bewerkt.dwb")), encodeLevel(kBospad));
  EXPECT_EQ(readCollection(folder.path("levels/bewerkt.dwb.dws")).collection.levels,
            std::vector{kBospad});
}

// No file is asked for when the level is not proved solvable; the box gives the verdict.
TEST_F(EditorCollections, OnlyALevelProvedSolvableIsAdded) {
  const struct {
    Doolhof level;
    const char* verdict;
  } cases[] = {{levelFromRows({"..E"}), "Geen begin"},
               {levelFromRows({"S#.", "##.", "..E"}), "Niet oplosbaar"}};
  for (const auto& [level, verdict] : cases) {
    SCOPED_TRACE(verdict);
    boxes.clear();
    edit(level);
    addTo("bos.dws");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, asShown(texts::kAlleenOplosbaar + std::string(verdict)));
  }
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_FALSE(fileExists(collectionPath()));
}

// Writing a damaged collection anew would lose what follows the damage; a full one says why it
// takes no more. Either file stays as it was.
TEST_F(EditorCollections, ADamagedOrFullCollectionIsLeftAsItWas) {
  Bytes damaged = *encodeCollection({kOmweg, {kOmweg, kOmweg}});
  damaged.resize(damaged.size() - 5);
  Collection full{kOmweg, std::vector<Doolhof>(kMostCollectionLevels, kOmweg)};
  const struct {
    const char* file;
    Bytes bytes;
    std::string told;
  } cases[] = {{"kapot.dws", damaged,
                collectionBrokenText(folder.path("kapot.dws"), 2) + texts::kBeschadigdBlijft},
               {"vol.dws", *encodeCollection(full),
                notSavedText(folder.path("vol.dws"), WriteResult::failed(texts::kHoogstens999))}};
  edit(kBospad);
  for (const auto& [file, bytes, told] : cases) {
    SCOPED_TRACE(file);
    boxes.clear();
    folder.write(file, bytes);
    addTo(file);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, asShown(told));
    EXPECT_EQ(fileBytes(folder.path(file)), bytes);
  }
  boxes.clear();
  dialogs.answer = folder.path("kapot.dws");
  answerNextBox(boxes);
  editor->onEditCollection();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, asShown(cases[0].told));
  EXPECT_EQ(fileBytes(folder.path("kapot.dws")), damaged);
}

// The dialog's changes reach the file only when the player confirms them.
TEST_F(EditorCollections, EditingWritesTheDialogsCollectionOnlyWhenConfirmed) {
  const Collection before{titled("Bos", "Ria"), {kBospad, kOmweg}};
  ASSERT_TRUE(writeCollection(collectionPath(), before));
  dialogs.answer = collectionPath();
  for (const bool confirm : {false, true}) {
    QTimer::singleShot(0, [confirm] {
      auto* dialog = qobject_cast<CollectionDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->titleBox().setText("Bosrand");
      dialog->moveDown();
      confirm ? dialog->accept() : dialog->reject();
    });
    editor->onEditCollection();
    const Collection expected =
        confirm ? Collection{titled("Bosrand", "Ria"), {kOmweg, kBospad}} : before;
    EXPECT_EQ(readCollection(collectionPath()).collection, expected);
  }
}

// Moving past either end changes nothing; taking out the last level leaves the one above it
// chosen. Texts left alone keep their bytes, line ends and all; an edited one gets CR LF.
TEST(CollectionDialog, MovesTakesOutAndKeepsUntouchedTexts) {
  const Doolhof a = levelFromRows({"SE"}, "A", "Ria"), b = levelFromRows({"SE"}, "B"),
                c = levelFromRows({"SE"}, "C");
  Collection collection{{}, {a, b, c}};
  collection.title.Naam = "Bos\nrand";
  collection.title.Commentaar = "een\rtwee";
  CollectionDialog dialog(collection);
  EXPECT_EQ(dialog.levelList().item(0)->text(), "1. A (Ria)");
  dialog.moveUp();
  EXPECT_EQ(dialog.collection(), collection);
  dialog.moveDown();
  dialog.moveDown();
  dialog.moveDown();
  EXPECT_EQ(dialog.collection().levels, (std::vector{b, c, a}));
  EXPECT_EQ(dialog.levelList().item(2)->text(), "3. A (Ria)");
  dialog.takeOut();
  EXPECT_EQ(dialog.collection().levels, (std::vector{b, c}));
  EXPECT_EQ(dialog.levelList().currentRow(), 1);
  dialog.moveUp();
  dialog.takeOut();
  dialog.takeOut();
  dialog.takeOut();
  EXPECT_TRUE(dialog.collection().levels.empty());

  EXPECT_EQ(dialog.collection().title.Naam, "Bos\nrand");
  EXPECT_EQ(dialog.collection().title.Commentaar, "een\rtwee");
  dialog.descriptionBox().setPlainText(dialog.descriptionBox().toPlainText() + "!");
  EXPECT_EQ(dialog.collection().title.Commentaar, "een\r\ntwee!");
}

// Alt and a letter opens one menu only.
TEST_F(EditorCollections, EveryMenuHasItsOwnAccessLetter) {
  std::set<QChar> letters;
  for (const QAction* title : editor->menuBar()->actions()) {
    const QString text = title->text();
    const qsizetype amp = text.indexOf('&');
    ASSERT_GE(amp, 0) << qPrintable(text);
    EXPECT_TRUE(letters.insert(text.at(amp + 1).toLower()).second) << qPrintable(text);
  }
  EXPECT_EQ(letters.size(), 4u);
}

}  // namespace
}  // namespace dwaalbos::testing
