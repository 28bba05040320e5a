// The menu, the editor and the play window at every zoom step, against pictures kept in
// golden/. After a deliberate change of the look, write them anew with
//   DWAALBOS_WRITE_GOLDEN=1 ctest -R Zoomed
// and look at every picture before committing it.
#include <QApplication>
#include <QMenu>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

#include "editor/editor.h"
#include "frontend/application.h"
#include "frontend/menu.h"
#include "frontend/standaard.h"
#include "level/cell_codes.h"
#include "level/zoom.h"
#include "platform/board_painter.h"
#include "play/window/afspelen.h"
#include "play/window/board_view.h"
#include "support/game_pictures.h"
#include "support/temp_folder.h"
#include "support/test_levels.h"
#include "support/window_fakes.h"
#include "golden_pictures.h"

namespace dwaalbos::testing {
namespace {

const Doolhof kLevel = levelFromRows({"S..#", ".>v#X", ".^<.k", "###KE", "..sbr+"}, "Zoom");

class Zoomed : public ::testing::TestWithParam<int> {
 protected:
  Zoomed()
      : application(GamePaths(testsupport::gameFolder().toStdString(), folder.root().string()),
                    {sound, desktop, dialogs, printers}) {
    folder.write("level.dwb", encodeLevel(kLevel));
    application.chooseZoom(GetParam());
  }

  QString name(const char* window) const {
    return QStringLiteral("%1-%2").arg(window).arg(GetParam());
  }

  TempFolder folder;
  RecordingSound sound;
  RecordingDesktop desktop;
  AnsweringDialogs dialogs;
  PdfPrinters printers;
  Application application;
};

TEST_P(Zoomed, MenuEditorAndPlayWindowLookAsKept) {
  EXPECT_EQ(readZoom(folder.path("Zoom.dat")), GetParam());
  Menu& menu = application.menu();
  menu.show();
  menu.frame();
  EXPECT_EQ(menu.size(), QSize(440, 300) * GetParam() / 100);
  EXPECT_TRUE(looksLike(menu.grab().toImage(), name("menu")));
  menu.hide();

  Editor& editor = application.editor();
  ASSERT_TRUE(editor.openen(folder.path("level.dwb")));
  editor.show();
  EXPECT_TRUE(looksLike(editor.grab().toImage(), name("editor")));
  editor.hide();

  Afspelen& play = application.play();
  BoardPainter(testsupport::gamePictures())
      .tekenen(play.board().image(), kLevel.Vakken, true, {0, 0, 40, 80}, true);
  play.board().setBackground(kBoardBackground);
  play.show();
  EXPECT_TRUE(looksLike(play.grab().toImage(), name("play")));
}

INSTANTIATE_TEST_SUITE_P(Steps, Zoomed, ::testing::ValuesIn(kZoomSteps));

// A step chosen in one window holds for all of them and is kept; one that cannot be kept is
// told and holds for this run.
TEST(Zoom, ChosenInOneWindowEveryWindowFollowsAndTheStepIsKept) {
  TempFolder folder;
  RecordingSound sound;
  RecordingDesktop desktop;
  AnsweringDialogs dialogs;
  PdfPrinters printers;
  Application application(
      GamePaths(testsupport::gameFolder().toStdString(), folder.root().string()),
      {sound, desktop, dialogs, printers});
  Afspelen& play = application.play();
  Editor& editor = application.editor();
  const QSize editorAt100 = editor.centralWidget()->size();
  play.show();
  play.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&play));

  const auto zoomMenu = play.menus().Mnuoptie->actions().last()->menu();
  ASSERT_TRUE(zoomMenu);
  EXPECT_EQ(zoomMenu->title(), "&Zoom");
  zoomMenu->actions().at(3)->trigger();
  EXPECT_EQ(application.zoom(), 200);
  EXPECT_TRUE(zoomMenu->actions().at(3)->isChecked());
  EXPECT_EQ(readZoom(folder.path("Zoom.dat")), 200);
  EXPECT_EQ(play.board().size(), QSize(960, 960));
  EXPECT_EQ(editor.centralWidget()->size(), editorAt100 * 2);
  EXPECT_GE(play.width(), 960);
  EXPECT_DOUBLE_EQ(application.chooser().font().pointSizeF(),
                   2 * QApplication::font().pointSizeF());

  QTest::keyClick(&play, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(application.zoom(), 150);
  QTest::keyClick(&play, Qt::Key_Plus, Qt::ControlModifier);
  QTest::keyClick(&play, Qt::Key_Plus, Qt::ControlModifier);
  QTest::keyClick(&play, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(application.zoom(), 300);

  std::filesystem::remove(folder.path("Zoom.dat"));
  std::filesystem::create_directory(folder.path("Zoom.dat"));
  std::vector<SeenBox> boxes;
  answerNextBox(boxes);
  zoomMenu->actions().at(0)->trigger();
  EXPECT_EQ(application.zoom(), 75);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Opslaan mislukt");
  EXPECT_NE(boxes[0].text.find("Zoom.dat"), std::string::npos);
}

}  // namespace
}  // namespace dwaalbos::testing
