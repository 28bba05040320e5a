#include "frontend/application.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <sys/inotify.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "editor/editor.h"
#include "editor/editor_board.h"
#include "frontend/menu.h"
#include "frontend/standaard.h"
#include "level/cell_codes.h"
#include "level/level_file.h"
#include "level/options_file.h"
#include "play/window/afspelen.h"
#include "play/window/board_view.h"
#include "play/window/play_menus.h"
#include "play/window/right_panel.h"
#include "play/window/splash.h"
#include "support/game_on_temp_folder.h"
#include "support/introduction_screen.h"
#include "support/named_child.h"
#include "support/temp_folder.h"
#include "support/test_levels.h"
#include "support/window_fakes.h"

namespace dwaalbos::testing {
namespace {

class ApplicationStart : public ::testing::Test, protected GameOnTempFolder<AnsweringDialogs> {
 protected:
  void start(std::vector<std::string> arguments) {
    application.start(parseCommandLine(arguments));
    QTest::qWait(20);
  }

  std::vector<SeenBox> boxes;
};

// The editor chosen in the menu later starts empty, as it always does from there.
TEST_F(ApplicationStart, LetterBOpensTheNamedFileInTheEditor) {
  Doolhof level;
  level.Vakken.set(3, 9, cell::kPushBlock);
  ASSERT_TRUE(writeLevelFile(folder.path("mijn level.dwb"), level));
  start({"B" + folder.path("mijn"), "level.dwb"});
  EXPECT_TRUE(application.editor().isVisible());
  EXPECT_EQ(application.editor().veld().at(3, 9), cell::kPushBlock);
  EXPECT_FALSE(application.menu().isVisible());
  application.showEditor();
  EXPECT_EQ(application.editor().veld().at(3, 9), cell::kEmpty);
}

// The stored options hold from the first level on: with the transition off, no ring plays.
TEST_F(ApplicationStart, LetterAPlaysTheNamedFileWithTheStoredOptions) {
  folder.write("Opties.dat",
               encodeOptions({.volglijnen = false, .MetBitBlt = true, .overgang = false}));
  Doolhof level;
  level.Vakken.set(2, 1, cell::kStart);
  ASSERT_TRUE(writeLevelFile(folder.path("vrij.dwb"), level));
  start({"a" + folder.path("vrij.dwb")});
  Afspelen& play = application.play();
  EXPECT_TRUE(play.game().play().gameRunning());
  EXPECT_FALSE(play.menus().transitionItem->isChecked());
  EXPECT_EQ(play.board().cursor().shape(), Qt::ArrowCursor);  // the ring shows an hourglass
}

// "a" falls back to the main menu, "b" to the editor with an empty level; both name the file.
TEST_F(ApplicationStart, AnUnreadableLevelOnTheCommandLineIsToldThenTheGameGoesOn) {
  folder.write("kapot.dwb", Bytes(100, 7));
  answerNextBox(boxes, QMessageBox::Ok, 2);
  start({"a" + folder.path("weg.dwb")});
  EXPECT_TRUE(application.menu().isVisible());
  EXPECT_FALSE(application.play().isVisible());
  application.menu().hide();

  start({"b" + folder.path("kapot.dwb")});
  EXPECT_TRUE(application.editor().isVisible());
  EXPECT_EQ(application.editor().veld().at(1, 1), cell::kEmpty);

  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[0].text.find(folder.path("weg.dwb")), std::string::npos);
  EXPECT_NE(boxes[1].text.find(folder.path("kapot.dwb")), std::string::npos);
}

// Without arguments, or with unknown ones, the menu comes first. Damaged files are told first.
TEST_F(ApplicationStart, TheMenuComesFirstAndAMissingSetIsToldAtStartAndTheOtherStillPlays) {
  std::filesystem::remove(folder.path("standaardlevels2"));
  folder.write("Oplossingen.dat", {'D', 'W', 'O', 'P'});
  application.state().readLevelSets();
  answerNextBox(boxes, QMessageBox::Ok, 4);
  start({});
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[0].text.find(folder.path("standaardlevels2")), std::string::npos);
  EXPECT_NE(boxes[0].text.find("0 van de 20"), std::string::npos);
  EXPECT_NE(boxes[1].text.find(folder.path("Oplossingen.dat") + "\" is beschadigd"),
            std::string::npos);
  EXPECT_NE(application.state().sets.byNumber(23), nullptr);
  EXPECT_TRUE(application.menu().animating());
  application.menu().hide();
  start({"zomaar", "iets"});
  EXPECT_TRUE(application.menu().isVisible());
  EXPECT_EQ(boxes.size(), 4u);
}

TEST_F(ApplicationStart, ATestPlayOpensOverTheEditorWithoutTheLastLevelsTitle) {
  start({"x"});
  application.play().setWindowTitle("Dwaalbos 6.0: Oud door Iemand");
  application.showEditor();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&application.editor()));
  application.editor().move(300, 200);
  QTest::keyClick(&application.editor().Vak(), Qt::Key_5);
  application.editor().onTest();
  EXPECT_EQ(application.play().windowTitle(), "Dwaalbos 6.0");
  const QPoint offset =
      application.play().geometry().center() - application.editor().geometry().center();
  EXPECT_LE(offset.manhattanLength(), 40);
}

// A level's texts and a file's name are shown as written in every window, never read as
// markup: a picture they name is not opened.
TEST_F(ApplicationStart, WhatAFileHoldsIsShownAsWrittenEverywhere) {
  folder.write("plaatje", {});
  const int opened = inotify_init1(IN_NONBLOCK);
  ASSERT_GE(inotify_add_watch(opened, folder.path("plaatje").c_str(), IN_OPEN), 0);
  const std::string picture = "<img src=\"" + folder.path("plaatje") + "\">";
  Doolhof level = levelFromRows({"SE"});
  level.Naam = "a<b en c>d [*]" + picture;
  level.Maker = "<b>Ik</b>\x01\x07";
  level.Commentaar = picture + "\x1b[31m<h1>groot</h1>";
  const std::string path = folder.path("<b>eng<br>.dwb");
  ASSERT_TRUE(writeLevelFile(path, level));
  application.state().sets.Levelset1 = LevelSet(std::vector<Doolhof>(kSet1Records, level));

  answerNextBox(boxes);
  start({"a" + folder.path(picture + ".dwb")});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].plain);
  EXPECT_NE(boxes[0].text.find(folder.path(picture + ".dwb")), std::string::npos);
  application.menu().hide();

  start({"a" + path});
  Splash* splash = testsupport::visibleSplash();
  ASSERT_TRUE(splash);
  EXPECT_EQ(splash->nameLabel->text().toStdString(), level.Naam);
  EXPECT_NE(splash->makerLabel->text().toStdString().find(level.Maker), std::string::npos);
  EXPECT_NE(splash->commentText->toPlainText().toStdString().find(level.Commentaar),
            std::string::npos);
  splash->verder();
  QTest::qWait(20);
  const RightPanel& panel = application.play().panel();
  const auto& panelName = testsupport::namedChild<QLabel>(panel, "levelNameLabel");
  const auto& panelMaker = testsupport::namedChild<QLabel>(panel, "levelMakerLabel");
  EXPECT_EQ(panelName.text().toStdString(), level.Naam);
  EXPECT_EQ(panelMaker.text().toStdString(), level.Maker);
  for (const QLabel* label : std::initializer_list<const QLabel*>{
           splash->nameLabel, splash->makerLabel, &panelName, &panelMaker})
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();

  application.showChooser();
  EXPECT_EQ(application.chooser().set1List->item(0)->text().toStdString(),
            level.Naam + " door " + level.Maker);
  application.chooser().close();

  application.openInEditor(path.c_str());
  EXPECT_EQ(application.editor().nameBox().text().toStdString(), level.Naam);
  EXPECT_EQ(application.editor().makerBox().text().toStdString(), level.Maker);
  char event[256];
  EXPECT_LT(read(opened, event, sizeof event), 0) << "the picture was opened";
  close(opened);
}

}  // namespace
}  // namespace dwaalbos::testing
