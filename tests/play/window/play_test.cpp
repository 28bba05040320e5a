// Games played in the real play window: drawing, keys, pause, level ends, restart, opening
// files, test play and closing.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "level/cell_codes.h"
#include "platform/board_painter.h"
#include "play/window/board_view.h"
#include "play/window/right_panel.h"
#include "play_window_rig.h"

using namespace dwaalbos;
using rig::PlayWindowRig;
using rig::Script;

namespace {

constexpr const char* kPauseTitle = "Klik op het speelvak om verder te gaan";


QImage expectedBoard(const GameState& game, const ManPose& pose, bool metBitBlt) {
  QImage expected;
  BoardPainter(rig::gamePictures()).tekenen(expected, game.veld, game.schakelaar, pose, metBitBlt);
  return expected;
}

class PlayWindow : public ::testing::Test {
 protected:
  void SetUp() override { rig.writeOptions(rig::kQuickOptions); }

  // Starts the chosen level and runs the script against its game until it is done.
  void play() {
    Afspelen& window = rig.shown();
    window.engine().begi();
    rig::runUntilDone(script, window);
  }
  Script& waitFor(std::function<bool()> condition) { return script.then(std::move(condition)); }

  PlayWindowRig rig;
  Script script;
};

}  // namespace

TEST_F(PlayWindow, TheBoardShowsEveryObjectAsThePainterDrawsIt) {
  rig.chooseFile(rig::levelFromRows({"S#sbrEkKX<^v", ">+.........!"}));
  QImage seen;
  QImage expected;
  QImage otherPath;
  waitFor([&] {
    rig.window().tekenen(true);
    seen = rig.window().board().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const GameState& game = rig.window().engine().gameState();
    expected = expectedBoard(game, rig.window().pose(), true);
    otherPath = expectedBoard(game, rig.window().pose(), false);
    return true;
  });
  play();
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(otherPath, expected);
}

TEST_F(PlayWindow, ArrowKeysWalkThePlayerAndTheTitleNamesTheLevel) {
  rig.chooseFile(rig::levelFromRows({"S.."}));
  std::string title;
  script.keyTap(&rig.window().board(), Qt::Key_Right);
  waitFor([&] { return rig.col() == 2; });
  waitFor([&] {
    title = rig.window().windowTitle().toStdString();
    return true;
  });
  play();
  EXPECT_EQ(rig.col(), 2);
  EXPECT_EQ(title, "Dwaalbos 6.0:  door ");
  EXPECT_EQ(rig.sound.played, (std::vector<int>{1, 5}));
}

TEST_F(PlayWindow, APausedGameIgnoresKeysUntilTheBoardIsClicked) {
  rig.chooseFile(rig::levelFromRows({"S.."}));
  Afspelen& window = rig.window();
  std::string pausedTitle;
  int pausedX = -1;
  script.then([&] {
    window.menus().mnufile->popup({0, 0});
    window.menus().mnufile->close();
    return true;
  });
  waitFor([&] { return window.windowTitle() == kPauseTitle; });
  script.keyTap(&window.board(), Qt::Key_Right);
  script.then([&] {
    pausedX = rig.col();
    QTest::mouseClick(&window.board(), Qt::LeftButton);
    return true;
  });
  script.keyTap(&window.board(), Qt::Key_Right);
  waitFor([&] { return rig.col() == 2; });
  waitFor([&] {
    pausedTitle = window.windowTitle().toStdString();
    return true;
  });
  play();
  // The key tapped during the pause did not count afterwards either: one step, not two.
  EXPECT_EQ(pausedX, 1);
  EXPECT_EQ(rig.col(), 2);
  EXPECT_EQ(pausedTitle, "Dwaalbos 6.0:  door ");
}

TEST_F(PlayWindow, ACompletedLevelFileSaysSoAndClearsTheBoardWithTheStartHint) {
  rig.chooseFile(rig::levelFromRows({"SE"}));
  bool hintInPlay = true;
  script.then([&] { return !(hintInPlay = rig.window().board().showsStartHint()); })
      .keyTap(&rig.window().board(), Qt::Key_Right)
      .answer(QMessageBox::Ok);
  EXPECT_TRUE(rig.shown().board().showsStartHint());
  play();
  EXPECT_FALSE(hintInPlay);
  EXPECT_TRUE(rig.window().board().showsStartHint());
  EXPECT_EQ(rig.window().windowTitle(), "Dwaalbos 6.0");
  EXPECT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(rig.window().board().image().pixel(200, 200), 0xFF000000u);
  EXPECT_EQ(rig.window().panel().Naamcaption->text(), "");
  EXPECT_FALSE(rig.window().engine().gameRunning());
}

TEST_F(PlayWindow, RestartAsksFirstAndNoLeavesTheLevelAsItIs) {
  rig.chooseFile(rig::levelFromRows({"S.."}));
  Afspelen& window = rig.window();
  int afterNo = -1;
  script.keyTap(&window.board(), Qt::Key_Right);
  waitFor([&] { return rig.col() == 2; });
  script.shortcut(&window, Qt::Key_O).answer(QMessageBox::No).then([&] {
    afterNo = rig.col();
    return true;
  });
  script.shortcut(&window, Qt::Key_O).answer(QMessageBox::Yes);
  waitFor([&] { return rig.col() == 1; });
  play();
  EXPECT_EQ(afterNo, 2);
  ASSERT_EQ(script.boxes.size(), 2u);
  EXPECT_EQ(script.boxes[0].title, "Bevestiging");
  EXPECT_EQ(script.boxes[0].text, "Zeker weten?");
  EXPECT_EQ(rig.col(), 1);
}

TEST_F(PlayWindow, OpeningALevelFileStopsTheGameAndStartsTheChosenOne) {
  rig.chooseFile(rig::levelFromRows({"S.."}));
  writeLevelFile(rig.path("levels/ander.dwb"), rig::levelFromRows({"..S"}));
  rig.files.answer = rig.path("levels/ander.dwb");
  Afspelen& window = rig.window();
  script.shortcut(&window, Qt::Key_E);
  waitFor([&] { return rig.col() == 3; });
  play();
  ASSERT_EQ(rig.files.asked.size(), 1u);
  EXPECT_EQ(rig.files.asked[0].title, "Dwaalbos level selecteren");
  EXPECT_EQ(rig.files.asked[0].filter, "Dwaalbos levels (*.dwb)");
  EXPECT_EQ(rig.files.asked[0].folder, rig.path("levels"));
  EXPECT_EQ(rig.shared.LevelBestand, rig.path("levels/ander.dwb"));
}

TEST_F(PlayWindow, AnUnreadableFileIsReportedAndTheGameGoesOn) {
  rig.chooseFile(rig::levelFromRows({"S.."}));
  rig.folder.write("levels/kapot.dwb", {1, 2, 3});
  rig.files.answer = rig.path("levels/kapot.dwb");
  Afspelen& window = rig.window();
  bool stillRunning = false;
  script.shortcut(&window, Qt::Key_E).answer(QMessageBox::Ok);
  script.keyTap(&window.board(), Qt::Key_Right);
  waitFor([&] { return rig.col() == 2; });
  script.then([&] {
    stillRunning = window.engine().gameRunning();
    return true;
  });
  play();
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_NE(script.boxes[0].text.find("kapot.dwb"), std::string::npos);
  EXPECT_TRUE(stillRunning);
}

TEST_F(PlayWindow, TheCommentLabelShowsTheMakersComment) {
  rig.chooseFile(rig::levelFromRows({"S"}, "", "", "Pas op voor de kisten"));
  Afspelen& window = rig.window();
  script.then([&] {
    window.engine().state().Pauze = true;
    QTest::mouseClick(window.panel().Label9, Qt::LeftButton);
    return true;
  });
  script.answer(QMessageBox::Ok);
  play();
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].title, "Commentaar van de maker");
  EXPECT_EQ(script.boxes[0].text, "Pas op voor de kisten");
}

TEST_F(PlayWindow, ClosingAsksAndYesGoesBackToTheMenu) {
  rig.chooseFile(rig::levelFromRows({"S.."}));
  Afspelen& window = rig.window();
  bool visibleAfterNo = false;
  script.then([&] {
    window.close();
    return true;
  });
  script.answer(QMessageBox::No).then([&] {
    visibleAfterNo = window.isVisible();
    window.close();
    return true;
  });
  script.answer(QMessageBox::Yes);
  play();
  EXPECT_TRUE(visibleAfterNo);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(rig.navigator.calls, std::vector<std::string>{"menu"});
  EXPECT_EQ(rig.sound.music, std::vector<std::string>{"stop"});
  EXPECT_EQ(window.board().image().pixel(0, 0), 0xFF000000u);
}

TEST_F(PlayWindow, ATestPlayStartsOncePerShowingAndReturnsToTheEditor) {
  writeLevelFile(rig.path("test.dwb"), rig::levelFromRows({"SE"}));
  rig.shared.Testen = true;
  Afspelen& window = rig.window();
  QSize size;
  bool menusShown = true;
  bool panelMark = false;
  script.then([&] {
    // The hidden menus' shortcuts are out of reach too.
    panelMark = window.menus().mnurechts->isChecked();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
    size = window.size();
    menusShown = window.menuBar()->isVisible();
    // Regaining the focus starts nothing new.
    window.activateWindow();
    return true;
  });
  script.keyTap(&window.board(), Qt::Key_Right);
  window.show();
  rig::runUntilDone(script, window);
  // The player is seen on the end square for a moment before the editor returns.
  QTest::qWait(200);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 2000));
  EXPECT_EQ(size, QSize(484, 492));
  EXPECT_FALSE(menusShown);
  EXPECT_EQ(window.menus().mnurechts->isChecked(), panelMark);
  EXPECT_EQ(std::count(rig.sound.played.begin(), rig.sound.played.end(), 1), 1);
  EXPECT_EQ(rig.navigator.calls, std::vector<std::string>{"return"});
  EXPECT_TRUE(rig.shared.testCompleted);
  EXPECT_TRUE(script.boxes.empty());
}

TEST_F(PlayWindow, TheMusicButtonsPlayPauseAndStop) {
  rig.dir().mkpath("muziek");
  rig.folder.write("muziek/b.xm", {1});
  rig.folder.write("muziek/A.mid", {1});
  Afspelen& window = rig.shown();
  RightPanel& panel = window.panel();
  ASSERT_EQ(panel.Combo1->count(), 2);
  EXPECT_EQ(panel.Combo1->itemText(0), "A.mid");
  EXPECT_EQ(panel.Combo1->currentText(), "Muziekjes");
  panel.Command1->click();  // nothing chosen: the empty path
  panel.Combo1->setCurrentIndex(1);
  panel.Command1->click();
  panel.Command2->click();
  panel.Combo1->setCurrentIndex(0);
  panel.Command1->click();  // resumes, whatever is chosen now
  window.engine().state().Pauze = false;
  panel.Command5->click();
  EXPECT_EQ(rig.sound.music,
            (std::vector<std::string>{"speel ", "speel " + rig.path("muziek/b.xm"), "pauzeer",
                                      "hervat", "stop"}));
  EXPECT_TRUE(window.engine().state().Pauze);
}

TEST_F(PlayWindow, FollowLineBarsCoverTheirCornersRectangle) {
  Afspelen& window = rig.shown();
  window.clearBoard();
  const Shown bars = shown::Bars{{{3, 3, Direction::Up, false}, {3, 3, Direction::Right, true}}, 0};
  window.playShown({&bars, 1});
  const QImage& image = window.board().image();
  EXPECT_EQ(image.pixel(98, 58), 0xFFFFFFFFu);
  EXPECT_EQ(image.pixel(102, 97), 0xFFFFFFFFu);
  EXPECT_EQ(image.pixel(103, 80), 0xFF000000u);
  EXPECT_EQ(image.pixel(98, 103), 0xFF000000u);
  EXPECT_EQ(image.pixel(100, 98), 0xFF0000FFu);
  EXPECT_EQ(image.pixel(139, 102), 0xFF0000FFu);
  EXPECT_EQ(image.pixel(140, 100), 0xFF000000u);
  EXPECT_FALSE(window.board().showsStartHint());  // anything shown on a cleared board ends it
}

TEST_F(PlayWindow, TheRingTransitionEndsWithTheNewBoard) {
  shown::Reveal start;
  start.veld.copyPlayAreaFrom(rig::levelFromRows({"S#", "kE"}).Vakken);
  start.transition = true;
  Afspelen& window = rig.shown();
  window.clearBoard();
  window.revealBoard(start);
  EXPECT_EQ(window.board().cursor().shape(), Qt::WaitCursor);  // shown from the event loop
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.board().cursor().shape() == Qt::ArrowCursor; }));
  EXPECT_EQ(window.board().image(), window.picture1());
  // A new game's player faces the front, feet together.
  EXPECT_EQ(window.board().image(),
            expectedBoard({start.veld}, {0, 0, 0, 40}, window.engine().opties().MetBitBlt));
}

TEST_F(PlayWindow, TheKeyCountShowsOnThePanelAndInTheMenu) {
  Afspelen& window = rig.window();
  const Shown count = shown::KeyCount{3};
  window.playShown({&count, 1});
  EXPECT_EQ(window.panel().SleutelsJ->text(), "3");
  EXPECT_EQ(window.menus().MnusleutelsZev->text(), "Sleutels: 3");
}

TEST_F(PlayWindow, TheMusicListIsMadeAnewOnlyWhenATestPlayUnloadedTheWindow) {
  rig.dir().mkpath("muziek");
  rig.folder.write("muziek/bos.xm", {1});
  Afspelen& window = rig.shown();
  rig.folder.write("muziek/beek.mid", {1});
  window.hide();
  rig.shown();
  EXPECT_EQ(window.panel().Combo1->count(), 1);
  window.toEditor(false);
  rig.shown();
  EXPECT_EQ(window.panel().Combo1->count(), 2);
  EXPECT_EQ(window.panel().Combo1->currentText(), "Muziekjes");
}

// Undo, redo and the tip through their shortcuts: the counter, the items and the outline follow.
TEST_F(PlayWindow, UndoRedoAndTipWorkFromTheLevelMenu) {
  rig.chooseFile(rig::levelFromRows({"S..E"}));
  Afspelen& window = rig.window();
  std::vector<std::string> counts;
  auto note = [&] {
    counts.push_back(window.panel().zetten->text().toStdString() +
                     (window.menus().mnuzetterug->isEnabled() ? "u" : "") +
                     (window.menus().mnuzetopnieuw->isEnabled() ? "r" : ""));
    return true;
  };
  script.keyTap(&window.board(), Qt::Key_Right);
  waitFor([&] { return rig.col() == 2; }).then(note);
  script.shortcut(&window, Qt::Key_Z);
  waitFor([&] { return rig.col() == 1; }).then(note);
  script.shortcut(&window, Qt::Key_Y);
  waitFor([&] { return rig.col() == 2; }).then(note);
  bool outlined = false;
  script.shortcut(&window, Qt::Key_T).then([&] {
    outlined = window.board().image().pixel(80 + 2, 20) == qRgb(255, 255, 0);
    return true;
  });
  play();
  EXPECT_EQ(counts, (std::vector<std::string>{"1u", "0r", "1u"}));
  EXPECT_TRUE(outlined);  // the next square, (3, 1)
}

// The crush's question opens from the window's own loop, the move waiting for it, and the
// game goes on from the answer: Yes starts the level again as it was loaded.
TEST_F(PlayWindow, ACrushIsAskedAfterTheMoveStopsAndYesRestartsTheLevel) {
  rig.chooseFile(rig::levelFromRows({"SXv", ".^<"}));
  bool waited = false;
  script.keyTap(&rig.window().board(), Qt::Key_Right)
      .then([&] {
        waited = rig.window().engine().lastMove().question.has_value();
        return QApplication::activeModalWidget() != nullptr;
      })
      .answer(QMessageBox::Yes);
  waitFor([&] { return rig.window().engine().gameRunning() && rig.sound.played.size() == 6; });
  play();
  EXPECT_TRUE(waited);
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].title, "Zelfmoord");
  EXPECT_EQ(rig.sound.played, (std::vector<int>{1, 4, 5, 5, 3, 1}));
  EXPECT_EQ(rig.window().engine().gameState().veld.at(2, 1), cell::kPushBlock);
  EXPECT_EQ(rig.col(), 1);
}
