// Games played in the real play window: drawing, keys, pause, level ends, restart, opening
// files, test play and closing.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include "level/cell_codes.h"
#include "platform/board_painter.h"
#include "play/window/board_view.h"
#include "play/window/right_panel.h"
#include "play/window/splash.h"
#include "play_window_rig.h"

using namespace dwaalbos;

namespace {

class PlayWindow : public rig::PlayWindowTest {
 protected:
  // Arms a test play of the level; `back` hears how it ended.
  Afspelen& armTestPlay(
      const Doolhof& level, std::function<void(bool)> back = [](bool) {}) {
    writeLevelFile(rig.shared.paths.testLevel(), level);
    rig.window().armTestPlay(LevelRef::testPlay(rig.shared.paths.testLevel()), std::move(back));
    return rig.window();
  }
};

}  // namespace

TEST_F(PlayWindow, APausedGameIgnoresKeysUntilTheBoardIsClicked) {
  rig.chooseFile(rig::levelFromRows({"S.."}));
  Afspelen& window = rig.window();
  std::string pausedTitle;
  int pausedX = -1;
  bool veiled = false;
  script.act([&] {
    window.menus().levelMenu->popup({0, 0});
    window.menus().levelMenu->close();
  });
  waitFor([&] { return window.windowTitle() == "Klik op het speelvak om verder te gaan"; });
  script.keyTap(&window.board(), Qt::Key_Right);
  script.act([&] {
    pausedX = rig.col();
    veiled = window.board().paused();
    QTest::mouseClick(&window.board(), Qt::LeftButton);
  });
  script.keyTap(&window.board(), Qt::Key_Right);
  waitFor([&] { return rig.col() == 2; }).act([&] {
    pausedTitle = window.windowTitle().toStdString();
  });
  play();
  // The key tapped during the pause did not count afterwards either: one step, not two.
  EXPECT_EQ(pausedX, 1);
  EXPECT_EQ(rig.col(), 2);
  EXPECT_EQ(pausedTitle, "Dwaalbos 6.0:  door ");
  // The board showed the pause as long as it lasted.
  EXPECT_TRUE(veiled);
  EXPECT_FALSE(window.board().paused());
}

// The comment label shows the maker's comment; the completed level clears the board, which
// shows the moves made, and the shortest way once its search beside the game has found it,
// until the next level or clearing brings the start hint back.
TEST_F(PlayWindow, ACompletedLevelFileSaysSoAndClearsTheBoardWithItsResult) {
  rig.chooseFile(rig::levelFromRows({"SE"}, "", "", "Pas op voor de kisten"));
  bool hintInPlay = true;
  script.then([&] { return !(hintInPlay = rig.window().board().showsStartHint()); }).act([&] {
    QTest::mouseClick(&rig::namedChild<QLabel>(rig.window().panel(), "commentLink"),
                      Qt::LeftButton);
  });
  script.answer(QMessageBox::Ok).keyTap(&rig.window().board(), Qt::Key_Right);
  script.answer(QMessageBox::Ok);
  EXPECT_TRUE(rig.shown().board().showsStartHint());
  play();
  EXPECT_FALSE(hintInPlay);
  BoardView& board = rig.window().board();
  ASSERT_TRUE(board.result());
  ASSERT_TRUE(QTest::qWaitFor([&] { return board.result()->shortest != 0; }, 5000));
  EXPECT_EQ(std::tuple(board.result()->moves, board.result()->shortest, board.result()->newBest),
            std::tuple(1, 1, false));
  EXPECT_FALSE(board.showsStartHint());
  EXPECT_EQ(rig::namedChild<QLabel>(rig.window().panel(), "movesLabel").text(), "0");
  EXPECT_EQ(rig.window().windowTitle(), "Dwaalbos 6.0");
  ASSERT_EQ(script.boxes.size(), 2u);
  EXPECT_EQ(script.boxes[0].text, "Pas op voor de kisten");
  EXPECT_EQ(board.image().pixel(200, 200), 0xFF000000u);
  board.clear();
  EXPECT_FALSE(board.result());
  EXPECT_TRUE(board.showsStartHint());
}

// Restarting and closing ask first: No leaves the game as it is, Yes acts. Arrows pressed
// while the question is open do nothing, and a No to closing shows the pause at once.
TEST_F(PlayWindow, RestartAndClosingAskFirst) {
  rig.chooseFile(rig::levelFromRows({"S..E"}));
  Afspelen& window = rig.window();
  int afterNo = -1;
  bool visibleAfterNo = false;
  QString titleAfterNo;
  script.keyTap(&window.board(), Qt::Key_Right);
  waitFor([&] { return rig.col() == 2; });
  script.shortcut(&window, Qt::Key_O);
  script.keyTap(&window.board(), Qt::Key_Right).keyTap(&window.board(), Qt::Key_Right);
  script.act([] { QTest::qWait(100); });
  script.answer(QMessageBox::No).act([&] { afterNo = rig.col(); });
  script.shortcut(&window, Qt::Key_O).answer(QMessageBox::Yes);
  // The window stays until the box is answered.
  waitFor([&] { return rig.col() == 1; }).act([&] { window.close(); });
  script.answer(QMessageBox::No).act([&] {
    visibleAfterNo = window.isVisible() && window.board().paused();
    titleAfterNo = window.windowTitle();
    window.close();
  });
  script.answer(QMessageBox::Yes);
  play();
  EXPECT_EQ(afterNo, 2);
  EXPECT_TRUE(visibleAfterNo);
  EXPECT_EQ(titleAfterNo, "Klik op het speelvak om verder te gaan");
  EXPECT_EQ(script.boxes.size(), 4u);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(rig.navigator.calls, std::vector<std::string>{"menu"});
  EXPECT_EQ(rig.sound.music, std::vector<std::string>{"stop"});
  EXPECT_EQ(window.board().image().pixel(0, 0), 0xFF000000u);
}

// A file that cannot be read is told and the game goes on; a good one replaces the game.
TEST_F(PlayWindow, OpeningALevelFileStartsItOrReportsItAndTheGameGoesOn) {
  rig.chooseFile(rig::levelFromRows({"S.."}));
  rig.folder.write("levels/kapot.dwb", {1, 2, 3});
  writeLevelFile(rig.path("levels/ander.dwb"), rig::levelFromRows({"", "..S"}));
  rig.files.answer = rig.path("levels/kapot.dwb");
  Afspelen& window = rig.window();
  script.shortcut(&window, Qt::Key_E).answer(QMessageBox::Ok);
  script.keyTap(&window.board(), Qt::Key_Right);
  waitFor([&] { return rig.col() == 2; }).act([&] {
    rig.files.answer = rig.path("levels/ander.dwb");
  });
  script.shortcut(&window, Qt::Key_E);
  waitFor([&] { return window.game().play().gameState().row == 2; });
  play();
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_NE(script.boxes[0].text.find("kapot.dwb"), std::string::npos);
  EXPECT_EQ(rig.files.asked.at(0).folder, rig.path("levels"));
  EXPECT_EQ(rig.col(), 3);
}

TEST_F(PlayWindow, ATestPlayStartsOncePerShowingAndReturnsToTheEditor) {
  std::vector<bool> back;
  Afspelen& window =
      armTestPlay(rig::levelFromRows({"SE"}), [&](bool completed) { back.push_back(completed); });
  QSize size;
  bool menusShown = true;
  script.act([&] {
    // The hidden menus' shortcuts are out of reach too: the panel stays away.
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
    size = window.size();
    menusShown = window.menuBar()->isVisible();
    // Regaining the focus starts nothing new.
    window.activateWindow();
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
  EXPECT_EQ(std::count(rig.sound.played.begin(), rig.sound.played.end(), 1), 1);
  EXPECT_EQ(back, std::vector<bool>{true});
  EXPECT_TRUE(script.boxes.empty());
}

// A test play hides the menus, but their shortcuts still take moves back, redo them and ask a
// tip; the counter, the items and the outline follow, and the title counts too, from the moment
// play begins: under the introduction it is the game's name alone.
TEST_F(PlayWindow, UndoRedoAndTipWorkByTheirShortcutsAlsoInATestPlay) {
  Afspelen& window = armTestPlay(rig::levelFromRows({"S..E"}, "Proef"));
  std::string introductionTitle;
  script.closeSplash([&](Splash&) { introductionTitle = window.windowTitle().toStdString(); });
  std::vector<std::string> seen;
  const auto note = [&] {
    seen.push_back(window.windowTitle().toStdString() + " " +
                   rig::namedChild<QLabel>(window.panel(), "movesLabel").text().toStdString() +
                   (window.menus().undoItem->isEnabled() ? "u" : "") +
                   (window.menus().redoItem->isEnabled() ? "r" : ""));
  };
  bool outlined = false;
  script.keyTap(&window.board(), Qt::Key_Right);
  waitFor([this] { return rig.col() == 2; }).act(note);
  script.shortcut(&window, Qt::Key_Z);
  waitFor([this] { return rig.col() == 1; }).act(note);
  script.shortcut(&window, Qt::Key_Y);
  waitFor([this] { return rig.col() == 2; }).act(note);
  script.shortcut(&window, Qt::Key_T).then([&] {
    return outlined = window.board().image().pixel(80 + 2, 20) == qRgb(255, 255, 0);
  });
  window.show();
  rig::runUntilDone(script, window);
  EXPECT_EQ(introductionTitle, "Dwaalbos 6.0");
  EXPECT_EQ(seen, (std::vector<std::string>{"Dwaalbos 6.0: Proef door  — Zetten: 1 1u",
                                            "Dwaalbos 6.0: Proef door  — Zetten: 0 0r",
                                            "Dwaalbos 6.0: Proef door  — Zetten: 1 1u"}));
  EXPECT_TRUE(outlined);
}

TEST_F(PlayWindow, TheMusicButtonsPlayPauseAndStopAndTheListIsReadOnce) {
  rig.dir().mkpath("muziek");
  rig.folder.write("muziek/b.xm", {1});
  rig.folder.write("muziek/A.mid", {1});
  Afspelen& window = rig.shown();
  const auto list = [&] { return &rig::namedChild<QComboBox>(window.panel(), "musicList"); };
  const auto click = [&](const char* button) {
    rig::namedChild<QPushButton>(window.panel(), button).click();
  };
  ASSERT_EQ(list()->count(), 2);
  EXPECT_EQ(list()->itemText(0), "A.mid");
  click("playMusicButton");  // nothing chosen: the empty path
  list()->setCurrentIndex(1);
  click("playMusicButton");
  click("pauseMusicButton");
  list()->setCurrentIndex(0);
  click("playMusicButton");  // resumes, whatever is chosen now
  rig.chooseFile(rig::levelFromRows({"S"}));
  window.start(rig.chosen);  // only a game pauses
  click("stopMusicButton");
  EXPECT_EQ(rig.sound.music, (std::vector<std::string>{"speel ", "speel " + rig.path("muziek/b.xm"),
                                                       "pauzeer", "hervat", "stop"}));
  EXPECT_EQ(window.game().play().phase(), Phase::Paused);
  // The list is made anew only when a test play unloaded the window.
  rig.folder.write("muziek/beek.mid", {1});
  window.hide();
  rig.shown();
  EXPECT_EQ(list()->count(), 2);
  const Shown back[] = {shown::ToEditor{false}};
  window.playShown(back);
  rig.shown();
  EXPECT_EQ(list()->count(), 3);
}

TEST_F(PlayWindow, FollowLineBarsCoverTheirCornersRectangleAndTheKeyCountShowsTwice) {
  Afspelen& window = rig.shown();
  window.clearBoard();
  const Shown shown[] = {
      shown::Bars{{{3, 3, Direction::Up, false}, {3, 3, Direction::Right, true}}, 0},
      shown::KeyCount{3}};
  window.playShown(shown);
  EXPECT_EQ(rig::namedChild<QLabel>(window.panel(), "keyCountLabel").text(), "3");
  EXPECT_EQ(window.menus().firstKeysItem->text(), "Sleutels: 3");
  const QImage& image = window.board().image();
  EXPECT_EQ(image.pixel(98, 58), 0xFFFFFFFFu);
  EXPECT_EQ(image.pixel(103, 80), 0xFF000000u);
  EXPECT_EQ(image.pixel(139, 102), 0xFF0000FFu);
  EXPECT_EQ(image.pixel(140, 100), 0xFF000000u);
  EXPECT_FALSE(window.board().showsStartHint());  // anything shown on a cleared board ends it
}

// The new board shows the player as he last stood, with the ring or without it; the new game
// turns him right, feet together, only afterwards.
TEST_F(PlayWindow, ANewBoardShowsThePlayerAsHeLastStoodThenTurnsHimRight) {
  shown::Reveal start;
  start.veld.copyPlayAreaFrom(rig::levelFromRows({"S#", "kE"}).Vakken);
  QImage expected;
  BoardPainter(rig::gamePictures())
      .tekenen(expected, start.veld, start.schakelaar, {0, 0, 40, 120}, true);
  Afspelen& window = rig.shown();
  for (bool transition : {false, true}) {
    SCOPED_TRACE(transition);
    start.transition = transition;
    // Walked left onto the start square, in his second walking frame.
    const Shown shown[] = {shown::Walk{start.veld, true, 2, 1, Direction::Left, 0, 0}, start,
                           shown::Face{Direction::Right, true}};
    window.clearBoard();
    window.playShown(shown);
    EXPECT_EQ(window.board().cursor().shape(), transition ? Qt::WaitCursor : Qt::ArrowCursor);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window.board().cursor().shape() == Qt::ArrowCursor; }));
    EXPECT_EQ(window.board().image(), expected);
    if (transition) {
      EXPECT_EQ(window.transitionBuffer(), expected);
    }
    EXPECT_EQ(window.pose().kant, 40);
    EXPECT_EQ(window.pose().stap, 0);
  }
}

// The crush's question opens from the window's own loop, the move waiting for it, and the
// game goes on from the answer: Yes starts the level again as it was loaded.
TEST_F(PlayWindow, ACrushIsAskedAfterTheMoveStopsAndYesRestartsTheLevel) {
  rig.chooseFile(rig::levelFromRows({"SXv", ".^<"}));
  bool waited = false;
  script.keyTap(&rig.window().board(), Qt::Key_Right)
      .then([&] {
        waited = rig.window().game().play().lastMove().question.has_value();
        return QApplication::activeModalWidget() != nullptr;
      })
      .answer(QMessageBox::Yes);
  waitFor([&] { return rig.window().game().play().gameRunning() && rig.sound.played.size() == 6; });
  play();
  EXPECT_TRUE(waited);
  EXPECT_EQ(rig.window().game().play().gameState().veld.at(2, 1), cell::kPushBlock);
}

// A key let go, a click anywhere, or closing the introduction screen by the window manager
// starts the level, without walking the player.
TEST_F(PlayWindow, TheIntroductionShowsTheMakerAndAKeyAClickOrClosingStartsTheLevel) {
  rig.chooseFile(rig::levelFromRows({"S.."}, "", "Zoë", ""));
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    rig.window().panel().setMoves(7);  // as a game played before would leave it
    (way == 0 ? rig.shown() : rig.window()).start(rig.chosen);
    Splash* splash = rig::visibleSplash();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->makerLabel->text(), "Gemaakt door Zoë");
    EXPECT_EQ(rig::namedChild<QLabel>(rig.window().panel(), "movesLabel").text(), "0");
    EXPECT_FALSE(rig.window().isEnabled());
    bool running = false;
    script.act(
        [&] { running = rig.window().game().play().gameRunning() && rig.window().isEnabled(); });
    if (way == 0) QTest::keyClick(splash->commentText, Qt::Key_Right);
    else if (way == 1) QTest::mouseClick(splash, Qt::LeftButton, {}, {5, 5});
    else splash->close();
    rig::runUntilDone(script, rig.window());
    EXPECT_TRUE(running);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(rig.col(), 1);
  }
}

// "Laat de oplossing zien" asks first, then walks the way to the end square and puts the player
// back: the level does not end and no move counts. The way is searched beside the window. Its
// shortcut works in a test play too, where the menus are hidden.
TEST_F(PlayWindow, TheSolutionIsShownAfterAskingAndThePlayerIsPutBack) {
  // Each walk is seen for 100 ms.
  rig.writeOptions({.Loopvertraging = 20, .volglijnen = false, .MetBitBlt = true});
  std::vector<bool> back;
  Afspelen& window =
      armTestPlay(rig::levelFromRows({"S..E"}), [&](bool completed) { back.push_back(completed); });
  bool reachedEnd = false;
  script.shortcut(&window, Qt::Key_K).answer(QMessageBox::Yes);
  waitFor([&] {
    reachedEnd = reachedEnd || rig.col() == 4;
    return reachedEnd && window.game().play().phase() == Phase::Playing;
  });
  window.show();
  rig::runUntilDone(script, window);
  EXPECT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes.at(0).text,
            "Wil je de oplossing zien? Je gaat daarna verder waar je was.");
  EXPECT_EQ(rig.col(), 1);
  EXPECT_EQ(window.game().play().history().moves(), 0);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(back.empty());
}

// A tip that takes a while says so, and stopping it gives the game back at once, without an
// answer. The key is spent on the wrong key block, then the player walks on: every position
// since needs a search of the whole room to be known lost.
TEST_F(PlayWindow, ALongSearchForATipSaysSoAndCanBeStopped) {
  rig.chooseFile(
      rig::levelFromRows({"SkK.E#######", "#K.#########", "......######", "..X...######",
                          "...X..######", "..X...######", "......######", "############"}));
  Afspelen& window = rig.window();
  int moves = 0;
  for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                            Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                            Qt::Key_Left, Qt::Key_Left, Qt::Key_Left}) {
    script.keyTap(&window.board(), key);
    waitFor([&, after = ++moves] { return window.game().play().history().moves() == after; });
  }
  QString note;
  script.shortcut(&window, Qt::Key_T).stopJob(window, note);
  script.keyTap(&window.board(), Qt::Key_Up);
  waitFor([&] { return window.game().play().gameState().row == 6; });
  play();
  EXPECT_EQ(note, "Even denken...");
  EXPECT_TRUE(script.boxes.empty());
}
