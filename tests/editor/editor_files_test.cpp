#include <QAction>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "editor/level_printout.h"
#include "editor_fixture.h"
#include "level/cell_codes.h"
#include "level/level_file.h"

namespace dwaalbos::testing {
namespace {

Doolhof sampleLevel() {
  Doolhof level;
  level.Vakken.set(1, 1, cell::kStart);
  level.Vakken.set(12, 12, cell::kEnd);
  level.Vakken.set(6, 7, cell::kUnused);
  level.Naam = "Bospad";
  level.Maker = "Ria";
  level.Commentaar = "Twee regels\r\nmet één é";
  return level;
}

class EditorFiles : public EditorTest {
 protected:
  std::string levelPath(const char* name) const {
    return folder.path(std::string("levels/") + name);
  }
};

// Open shows board and texts, the enemy included; save writes the record exactly, the index-zero
// cells kept as the file had them. Texts the player left alone keep their bytes, a lone CR or LF
// and a name longer than a text box takes by itself too; an edited text has CR LF line breaks.
TEST_F(EditorFiles, OpenShowsTheLevelAndSaveWritesTheExactRecord) {
  Doolhof level = sampleLevel();
  level.Vakken.set(0, 5, 7);
  ASSERT_TRUE(writeLevelFile(levelPath("bron.dwb"), level));
  dialogs.answer = levelPath("bron.dwb");
  editor->onOpen();
  EXPECT_EQ(editor->commentBox().toPlainText(), QString::fromUtf8("Twee regels\nmet één é"));
  const QImage& picture = editor->Vak().picture();
  bool drawn = false;
  for (int y = 240; y < 280 && !drawn; ++y)
    for (int x = 200; x < 240 && !drawn; ++x) drawn = picture.pixel(x, y) != kBoardBackground;
  EXPECT_TRUE(drawn);

  dialogs.answer = levelPath("bewaard.dwb");
  editor->onSave();
  EXPECT_EQ(fileBytes(dialogs.answer), encodeLevel(level));
  EXPECT_EQ(dialogs.asked.back().folder, folder.path("levels"));

  level.Naam = std::string(40000, 'n');
  level.Maker = "Ria\nen Wim";
  level.Commentaar = "een\rtwee\r\ndrie\n";
  ASSERT_TRUE(writeLevelFile(levelPath("vreemd.dwb"), level));
  ASSERT_TRUE(editor->openen(levelPath("vreemd.dwb")));
  editor->onSave();
  EXPECT_EQ(fileBytes(dialogs.answer), encodeLevel(level));
  editor->commentBox().setPlainText(editor->commentBox().toPlainText() + "!");
  editor->onSave();
  level.Commentaar = "een\r\ntwee\r\ndrie\r\n!";
  EXPECT_EQ(readLevelFile(dialogs.answer), level);
}

TEST_F(EditorFiles, OpeningAMissingOrBrokenFileIsToldAndChangesNothing) {
  ASSERT_TRUE(writeLevelFile(levelPath("bron.dwb"), sampleLevel()));
  editor->openen(levelPath("bron.dwb"));
  const Board before = editor->veld();

  answerNextBox(boxes, QMessageBox::Ok, 2);
  EXPECT_FALSE(editor->openen(levelPath("bestaat-niet.dwb")));
  EXPECT_FALSE(fileExists(levelPath("bestaat-niet.dwb")));
  folder.write("levels/kapot.dwb", Bytes(200, 1));
  EXPECT_FALSE(editor->openen(levelPath("kapot.dwb")));

  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[1].text.find(levelPath("kapot.dwb")), std::string::npos);
  EXPECT_EQ(editor->veld(), before);
  EXPECT_EQ(editor->nameBox().text(), "Bospad");
}

// Save, export and test each into a place nobody can write: a missing folder, or a folder
// where the file should be.
TEST_F(EditorFiles, AFailedWriteNamesTheFileAndKeepsTheLevel) {
  setTexts("Blijft", "", "");
  QTest::keyClick(&editor->Vak(), Qt::Key_1);
  std::filesystem::create_directory(state.paths.testLevel());
  const struct {
    void (Editor::*command)();
    std::string path;
  } commands[] = {{&Editor::onSave, folder.path("weg/level.dwb")},
                  {&Editor::onExport, folder.path("weg/bord.bmp")},
                  {&Editor::onTest, state.paths.testLevel()}};
  for (const auto& [command, path] : commands) {
    boxes.clear();
    dialogs.answer = path;
    answerNextBox(boxes);
    (editor.get()->*command)();
    ASSERT_EQ(boxes.size(), 1u) << path;
    EXPECT_NE(boxes[0].text.find(path), std::string::npos);
  }
  EXPECT_TRUE(navigator.calls.empty());
  EXPECT_EQ(editor->nameBox().text(), "Blijft");
  EXPECT_TRUE(editor->unsavedChanges());  // until a save succeeds
  dialogs.answer = levelPath("goed.dwb");
  editor->onSave();
  EXPECT_FALSE(editor->unsavedChanges());
}

TEST_F(EditorFiles, CancelledDialogsChangeNothing) {
  setTexts("Blijft", "", "");
  dialogs.answer.clear();
  editor->onOpen();
  editor->onSave();
  editor->onExport();
  EXPECT_EQ(dialogs.asked.size(), 3u);
  EXPECT_EQ(editor->nameBox().text(), "Blijft");
  EXPECT_TRUE(std::filesystem::is_empty(folder.path("levels")));
}

TEST_F(EditorFiles, ExportWritesA480By480BitmapOnWhite) {
  QTest::keyClick(&editor->Vak(), Qt::Key_1);
  dialogs.answer = folder.path("bord.bmp");
  editor->onExport();
  const Bytes bytes = fileBytes(folder.path("bord.bmp"));
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes[28], 24);  // bits per pixel
  const QImage exported(QString::fromStdString(folder.path("bord.bmp")));
  ASSERT_EQ(exported.size(), QSize(480, 480));
  EXPECT_EQ(exported.pixel(479, 479), qRgb(255, 255, 255));
  EXPECT_NE(exported.pixel(20, 20), qRgb(255, 255, 255));  // the wall
  // The board on screen is back on its own colour.
  EXPECT_EQ(editor->Vak().picture().pixel(479, 479), kBoardBackground);
  // The screen's grid, on from the start, is not in the picture; the menu takes it away.
  const auto gridSeen = [this] {
    const QImage seen = editor->Vak().grab().toImage();
    return seen.pixel(40, 300) != seen.pixel(60, 300) && seen.pixel(60, 40) != seen.pixel(60, 60);
  };
  EXPECT_TRUE(gridSeen());
  for (int x = 0; x < 480; ++x) ASSERT_EQ(exported.pixel(x, 300), qRgb(255, 255, 255)) << x;
  for (int y = 0; y < 480; ++y) ASSERT_EQ(exported.pixel(300, y), qRgb(255, 255, 255)) << y;
  const auto actions = editor->findChildren<QAction*>();
  const auto grid = std::find_if(actions.begin(), actions.end(),
                                 [](QAction* action) { return action->text() == "&Raster"; });
  ASSERT_NE(grid, actions.end());
  (*grid)->trigger();
  EXPECT_FALSE(gridSeen());
}

// To the default printer, one page; without a printer printing only tells so.
TEST_F(EditorFiles, PrintSendsOnePageToTheDefaultPrinterIfThereIsOne) {
  answerNextBox(boxes);
  editor->onPrint();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find("printer"), std::string::npos);
  printers.pdfPath = folder.path("afdruk.pdf");
  editor->onPrint();
  QFile pdf(QString::fromStdString(printers.pdfPath));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
  EXPECT_EQ(editor->Vak().picture().pixel(479, 479), kBoardBackground);
}

TEST(LevelPrintout, BoardSitsInASevenPixelFrameWithTheTextsBelow) {
  QImage board(480, 480, QImage::Format_RGB32);
  board.fill(qRgb(0, 200, 0));
  QImage page(1600, 1800, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter painter(&page);
  drawPrintout(painter, board, "Bospad", "Ria");
  painter.end();

  for (int k = 0; k < 7; ++k) {
    EXPECT_EQ(page.pixel(k, 700), qRgb(0, 0, 0)) << k;         // left
    EXPECT_EQ(page.pixel(700, 1449 + k), qRgb(0, 0, 0)) << k;  // bottom
  }
  EXPECT_EQ(page.pixel(7, 7), qRgb(0, 200, 0));
  EXPECT_EQ(page.pixel(1448, 1448), qRgb(0, 200, 0));
  EXPECT_EQ(page.pixel(1456, 700), qRgb(255, 255, 255));

  QImage blank(1600, 343, QImage::Format_RGB32);
  blank.fill(Qt::white);
  EXPECT_NE(page.copy(0, 1457, 1600, 343), blank);  // the texts
}

}  // namespace
}  // namespace dwaalbos::testing
