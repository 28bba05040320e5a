// The game's windows on a real X server, played with real key events: what a player's fingers
// do to the boxes, the moves and the editor's cursor.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "editor/editor_board.h"
#include "editor/legend_picture.h"
#include "frontend/application.h"
#include "frontend/level_entries.h"
#include "frontend/menu.h"
#include "frontend/standaard.h"
#include "level/cell_codes.h"
#include "level/collection_file.h"
#include "level/command_line.h"
#include "level/content_key.h"
#include "level/level_file.h"
#include "level/level_results.h"
#include "level/options_file.h"
#include "level/progress.h"
#include "platform/file_dialogs.h"
#include "platform/key_state.h"
#include "platform/language.h"
#include "platform/live_keys.h"
#include "play/window/afspelen.h"
#include "play/window/board_view.h"
#include "play/window/right_panel.h"
#include "support/game_on_temp_folder.h"
#include "support/game_pictures.h"
#include "support/named_child.h"
#include "support/real_player.h"
#include "support/temp_folder.h"
#include "support/test_levels.h"
#include "support/window_fakes.h"
#include "support/x_display.h"

namespace dwaalbos::testing {
namespace {

using namespace std::chrono_literals;

class RealKeyboard : public ::testing::Test, protected GameOnTempFolder<SystemFileDialogs> {
 protected:
  explicit RealKeyboard(const std::string& dataFolder = "") : GameOnTempFolder(dataFolder) {}

  void playerDoes(
      const std::function<void()>& keys, const std::function<void()>& finally = [] {}) {
    EXPECT_TRUE(whilePlayerTypes(keys, finally)) << "the windows did not come back";
  }
  void waitUntilActive(const QWidget& window) {
    EXPECT_TRUE(watch.waitUntilActive(window)) << "window never got the keyboard";
  }
  void waitForBox() { EXPECT_TRUE(watch.waitForBox()) << "no box"; }

  // Opens a level of the given rows in the play window, with a walking delay of `delay` ms;
  // the player dismisses the introduction with a key.
  void openLevel(std::initializer_list<const char*> rows, int delay) {
    const std::string path = folder.path("proef.dwb");
    ASSERT_TRUE(writeLevelFile(path, levelFromRows(rows, "Proef")));
    const Opties options{.rechterkant = false, .Loopvertraging = delay, .volglijnen = false};
    ASSERT_TRUE(saveOptions(folder.path("Opties.dat"), options));
    application.showPlayWindow();
    QTimer::singleShot(50, [this, path] { application.play().start(LevelRef::file(path)); });
  }
  // The square the player stands on once `keys` are done in a level of the given rows; the
  // game, still waiting for keys, is then ended.
  QPoint squareAfter(std::initializer_list<const char*> rows, int delay,
                     const std::function<void()>& keys) {
    openLevel(rows, delay);
    QPoint square;
    playerDoes(keys, [this, &square] {
      const auto& game = application.play().game().play().gameState();
      square = {game.col, game.row};
      application.play().end();
    });
    return square;
  }
  void dismissIntroduction() {
    EXPECT_TRUE(watch.waitUntilActiveKind("dwaalbos::Splash"));
    keyboard.tap("space");
    waitUntilActive(application.play());
  }

  WindowWatch watch;
  FakeKeyboard keyboard;
};

// The Enter that answers a box is still held when the menu appears: the menu must not act on
// it. The boxes: the play window's and the editor's leave questions, and the bonus notice.
TEST_F(RealKeyboard, TheEnterThatAnswersALeaveQuestionOrTheBonusNoticeDoesNotActOnTheMenu) {
  folder.write("geluid/Niets.wav", {23, 0, 1, 0});
  application.start(parseCommandLine({}));
  Menu& menu = application.menu();
  Afspelen& play = application.play();
  Editor& editor = application.editor();
  // Yes with Enter, held on until the menu has been up for a while.
  const auto answerWithHeldEnter = [&] {
    waitForBox();
    keyboard.press("Return");
    waitUntilActive(menu);
    pause(400ms);
    keyboard.release("Return");
    pause(300ms);
  };
  playerDoes([&] {
    waitUntilActive(menu);
    keyboard.tap("Return");
    waitUntilActive(play);
    keyboard.chord("Control_L", "m");
    answerWithHeldEnter();
    keyboard.tap("Down");
    pause(300ms);
    keyboard.tap("Return");
    waitUntilActive(editor);
    keyboard.chord("Alt_L", "l");
    pause(300ms);
    keyboard.tap("w");
    answerWithHeldEnter();
    QTimer::singleShot(0, &menu, [&] {
      // The help button, at whatever zoom fits the test display.
      QTest::mousePress(&menu, Qt::RightButton, Qt::ShiftModifier,
                        QPoint(184, 208) * application.zoom() / 100);
    });
    answerWithHeldEnter();
  });
  EXPECT_TRUE(menu.isVisible());
  EXPECT_FALSE(play.isVisible());
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(watch.boxesShown, 3);
  ASSERT_EQ(desktop.started.size(), 1u);
  EXPECT_TRUE(desktop.opened.empty());
}

// Walking onto the end square with the arrow held on into "Volgende?", past the keyboard's own
// repeat delay: the repeats do not move the box's focus to "Nee", Enter starts the next level,
// and the arrow let go during the box is not stuck.
TEST_F(RealKeyboard, AnArrowHeldIntoTheNextLevelBoxNeitherAnswersItNorSticks) {
  writeEmptyStandardSets(folder, levelFromRows({"S.E"}, "Kort"));
  std::filesystem::create_directories(folder.path("geluid"));
  application.state().readLevelSets();
  application.showPlayWindow();
  QTimer::singleShot(50, [this] { application.play().start(LevelRef::standard(1)); });
  playerDoes(
      [&] {
        dismissIntroduction();
        keyboard.press("Right");
        waitForBox();
        pause(900ms);
        keyboard.release("Right");
        pause(100ms);
        keyboard.tap("Return");
        EXPECT_TRUE(watch.waitUntilActiveKind("dwaalbos::Splash"));
      },
      [&] {
        EXPECT_FALSE(KeyState::instance().anyDown());
        EXPECT_EQ(application.play().game().level().number, 2);
      });
  EXPECT_EQ(watch.boxesShown, 1);
}

// A collection of the player's own, opened from the command line ("a" and the path, as the
// game is started with one): its first level played with
// the arrows, "Volgende?" answered "Ja" with Enter, the second played too. Both results are
// kept, and the chooser counts the collection done.
TEST_F(RealKeyboard, ACollectionsFirstTwoLevelsArePlayedThroughVolgende) {
  const Collection proef{levelFromRows({"S"}, "Proef", "Wim"),
                         {levelFromRows({"S.E"}, "Oost"), levelFromRows({"S", ".", "E"}, "Zuid")}};
  std::filesystem::create_directories(folder.path("verzamelingen"));
  const std::string path = folder.path("verzamelingen/proef.dws");
  ASSERT_TRUE(writeCollection(path, proef));
  ASSERT_TRUE(saveOptions(folder.path("Opties.dat"), {.rechterkant = false, .Loopvertraging = 0}));
  application.start(parseCommandLine({"a" + path}));
  Afspelen& play = application.play();
  int firstElement = 0;
  int secondElement = 0;
  QString standing;
  playerDoes(
      [&] {
        dismissIntroduction();
        onWindows([&] { firstElement = play.game().level().element; });
        keyboard.tap("Right");
        pause(200ms);
        keyboard.tap("Right");
        waitForBox();  // "Volgende?"
        keyboard.tap("Return");
        dismissIntroduction();
        onWindows([&] { secondElement = play.game().level().element; });
        keyboard.tap("Down");
        pause(200ms);
        keyboard.tap("Down");
        waitForBox();  // the collection is done
        keyboard.tap("Return");
        waitUntilActive(play);
      },
      [&] {
        Standaard& chooser = application.chooser();
        chooser.show();
        for (int row = 0; row < chooser.collectionList->count(); ++row)
          if (chooser.collectionList->item(row)->text() == "Proef door Wim")
            standing = chooser.collectionList->item(row)->data(kBestResultRole).toString();
        chooser.close();
        play.end();
      });
  EXPECT_EQ(firstElement, 1);
  EXPECT_EQ(secondElement, 2);
  EXPECT_EQ(watch.boxesShown, 2);
  const LevelResults results = readLevelResults(application.state().paths.levelResults());
  for (const Doolhof& level : proef.levels) {
    const LevelResult* kept = results.of(contentKey(level));
    ASSERT_NE(kept, nullptr) << level.Naam;
    EXPECT_EQ(kept->best, 2) << level.Naam;
    EXPECT_EQ(kept->solution.size(), 2u) << level.Naam;
  }
  EXPECT_EQ(standing, "2 van 2 gehaald");
}

// With the game's own data, its translations among them.
class RealKeyboardWithTheGamesData : public RealKeyboard {
 protected:
  RealKeyboardWithTheGamesData() : RealKeyboard(testsupport::gameFolder().toStdString()) {}
  ~RealKeyboardWithTheGamesData() override { speakLanguage(Language::Dutch, {}); }
};

// The window's title and every caption of its menus, read on the window's thread.
QStringList menuTexts(QWidget& window) {
  QStringList texts;
  onWindows([&] {
    texts << window.windowTitle();
    for (const QMenu* menu : window.findChildren<QMenu*>()) texts << menu->title();
    for (const QAction* action : window.findChildren<QAction*>()) texts << action->text();
  });
  return texts;
}

// Opties > Taal > English from the keyboard: the play window's menus and its next box speak
// English at once. The game started again on the same folder speaks English from the start,
// and Options > Language > Nederlands there brings back every Dutch text.
TEST_F(RealKeyboardWithTheGamesData, EnglishChosenInThePlayWindowHoldsAtOnceAndAfterARestart) {
  application.showPlayWindow();
  Afspelen& play = application.play();
  QStringList dutch, english, box, restarted, back;
  playerDoes([&] {
    waitUntilActive(play);
    dutch = menuTexts(play);
    keyboard.chord("Alt_L", "o");
    pause(300ms);
    keyboard.tap("a");
    pause(300ms);
    keyboard.tap("e");
    pause(300ms);
    waitUntilActive(play);
    english = menuTexts(play);
    keyboard.chord("Control_L", "o");  // the restart's question
    waitForBox();
    onWindows([&] {
      if (auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        box << shown->windowTitle() << shown->text() << shown->button(QMessageBox::No)->text();
    });
    keyboard.tap("Escape");
    waitUntilActive(play);
  });
  EXPECT_TRUE(english.contains("&Options")) << english.join('|').toStdString();
  EXPECT_TRUE(english.contains("&Restart")) << english.join('|').toStdString();
  EXPECT_EQ(box, (QStringList{"Confirmation", "Are you sure?", "&No"}));
  play.hide();

  // A new start of the game on the same folder: the language is Dutch until it is read there.
  speakLanguage(Language::Dutch, {});
  const GamePaths& paths = application.state().paths;
  speakStartingLanguage(paths, [](const char*) -> const char* { return nullptr; });
  Application again(paths, {sound, desktop, dialogs, printers});
  again.showPlayWindow();
  playerDoes([&] {
    waitUntilActive(again.play());
    restarted = menuTexts(again.play());
    keyboard.chord("Alt_L", "o");
    pause(300ms);
    keyboard.tap("l");
    pause(300ms);
    keyboard.tap("n");
    pause(300ms);
    waitUntilActive(again.play());
    back = menuTexts(again.play());
  });
  EXPECT_EQ(restarted, english);
  EXPECT_EQ(back, dutch);
}

// A click on the play window while it waits under the introduction gives the keyboard back to
// the introduction, which the player then dismisses with a key.
// The end square is two steps away, and the player taps the arrows twice behind each of the
// window's own boxes and dialogs: the player stays on the start square, and nothing ends.
// Alt+L, O asks the restart question at once: no other item of the menu has that letter.
TEST_F(RealKeyboard, TheIntroductionTakesTheKeyboardBackAndArrowsBehindTheWindowsBoxesDoNotMove) {
  const Afspelen& play = application.play();
  const auto tapBehind = [&](const char* modifier, const char* key) {
    keyboard.chord(modifier, key);
    waitForBox();
    keyboard.tap("Right");
    keyboard.tap("Right");
    pause(300ms);
    keyboard.tap("Escape");
    waitUntilActive(play);
  };
  const QPoint square = squareAfter({"S.E"}, 0, [&] {
    EXPECT_TRUE(watch.waitUntilActiveKind("dwaalbos::Splash"));
    const QPoint corner = play.mapToGlobal(QPoint(4, 4));
    keyboard.clickAt(corner.x(), corner.y());
    pause(500ms);
    dismissIntroduction();
    tapBehind("Control_L", "o");  // "Zeker weten?", answered No
    tapBehind("Control_L", "l");  // the walking delay
    tapBehind("Control_L", "e");  // the file dialog
    keyboard.chord("Alt_L", "l");
    pause(300ms);
    keyboard.tap("o");
    waitForBox();
    keyboard.tap("Escape");
    waitUntilActive(play);
  });
  EXPECT_EQ(square.x(), 1);
  EXPECT_EQ(watch.boxesShown, 4);
}

// With a walking delay of 300 ms a move takes 1.5 s; a tap made meanwhile is forgotten.
TEST_F(RealKeyboard, ATapDuringAMoveIsNotCarriedOutAfterIt) {
  const QPoint square = squareAfter({"S..", "...", "..."}, 300, [&] {
    dismissIntroduction();
    keyboard.tap("Right");
    pause(300ms);
    keyboard.tap("Down");
    pause(2500ms);
  });
  EXPECT_EQ(square, QPoint(2, 1));
}

// One arrow tapped on a still game: every pass asks the display for the keyboard once, all the
// game's keys in one query, and none asks for a single key. Two passes at least: the one that
// moves and the one after the move has been shown.
TEST_F(RealKeyboard, EachPassAsksTheDisplayForTheKeyboardOnce) {
  KeyboardQueries before;
  KeyboardQueries after;
  const QPoint square = squareAfter({"S.."}, 20, [&] {
    dismissIntroduction();
    pause(300ms);
    before = keyboardQueries();
    keyboard.tap("Right");
    pause(600ms);
    after = keyboardQueries();
  });
  EXPECT_EQ(square, QPoint(2, 1));
  const std::uint64_t passes = after.allKeys - before.allKeys;
  std::cout << "passes for one tap: " << passes << "\n";
  EXPECT_GE(passes, 2u);
  EXPECT_LE(passes, 4u);
  EXPECT_EQ(after.oneKey, before.oneKey);
}

// Held past the keyboard's own repeat delay and let go during the third move (each takes
// 0.5 s): the walk ends where that move ends, not one square further.
TEST_F(RealKeyboard, ArrowLetGoMidWalkStopsWhereTheCurrentSquareEnds) {
  const QPoint square = squareAfter({"S..........."}, 100, [&] {
    dismissIntroduction();
    keyboard.press("Right");
    pause(1250ms);
    keyboard.release("Right");
    pause(1500ms);
  });
  EXPECT_EQ(square.x(), 4);
}

// A walking delay chosen with Ctrl+L is in the file at once and holds when the window gets the
// keyboard back, from the level chooser (closed with Escape, which starts nothing) or from
// another window.
TEST_F(RealKeyboard, ADelayChosenWithCtrlLHoldsWhenTheKeyboardComesBackAndEscapeClosesTheChooser) {
  ASSERT_TRUE(saveOptions(folder.path("Opties.dat"), {.Loopvertraging = 40}));
  application.showPlayWindow();
  Afspelen& play = application.play();
  QWidget other;
  other.resize(200, 100);
  QString afterChooser;
  bool chooserShown = true;
  playerDoes([&] {
    waitUntilActive(play);
    keyboard.chord("Control_L", "l");
    waitForBox();
    keyboard.chord("Control_L", "a");
    keyboard.tap("1");
    keyboard.tap("0");
    keyboard.tap("Return");
    waitUntilActive(play);
    keyboard.chord("Control_L", "s");
    EXPECT_TRUE(watch.waitUntilActiveKind("dwaalbos::Standaard"));
    keyboard.tap("Escape");
    waitUntilActive(play);
    QPoint board;
    onWindows([&] {
      afterChooser = testsupport::namedChild<QLineEdit>(play.panel(), "walkingDelayBox").text();
      chooserShown = application.chooser().isVisible();
      board = play.board().mapToGlobal(QPoint(100, 100));
      other.show();
      other.activateWindow();
    });
    waitUntilActive(other);
    keyboard.clickAt(board.x(), board.y());
    waitUntilActive(play);
  });
  EXPECT_EQ(afterChooser, "10");
  EXPECT_FALSE(chooserShown);
  EXPECT_EQ(play.game().play().phase(), Phase::Idle);
  EXPECT_EQ(testsupport::namedChild<QLineEdit>(play.panel(), "walkingDelayBox").text(), "10");
  EXPECT_EQ(play.opties().Loopvertraging, 10);
  EXPECT_EQ(loadOptions(folder.path("Opties.dat")).Loopvertraging, 10);
}

// A crush answered "Nee" clears the board, and Ctrl+Z brings back the game before the push,
// its count with it; answered "Ja", the level starts again, and Ctrl+Z takes that back.
TEST_F(RealKeyboard, CtrlZAfterACrushBringsBackTheGameBeforeThePush) {
  openLevel({"S.Xv", "..^<"}, 0);
  Afspelen& play = application.play();
  std::vector<std::string> seen;
  const auto note = [&] {
    pause(300ms);
    onWindows([&] {
      const GameState& game = play.game().play().gameState();
      seen.push_back(
          std::to_string(game.col) + " " + std::to_string(game.veld.at(3, 1)) + " " +
          testsupport::namedChild<QLabel>(play.panel(), "movesLabel").text().toStdString());
    });
  };
  playerDoes(
      [&] {
        dismissIntroduction();
        keyboard.tap("Right");
        pause(300ms);
        keyboard.tap("Right");
        waitForBox();
        keyboard.tap("Escape");
        waitUntilActive(play);
        note();
        keyboard.chord("Control_L", "z");
        note();
        keyboard.tap("Right");
        waitForBox();
        keyboard.tap("Return");
        waitUntilActive(play);
        note();
        keyboard.chord("Control_L", "z");
        note();
      },
      [&] { application.play().end(); });
  EXPECT_EQ(seen, (std::vector<std::string>{"3 0 0", "2 9 1", "1 9 0", "2 9 1"}));
  EXPECT_EQ(watch.boxesShown, 2);
}

// The key spent on the wrong key block loses the level, and the player walks on for 1,000 moves
// at walking delay 0. Ctrl+T then searches the way back, beside the window, which never keeps
// a 5 ms timer waiting 100 ms; "Ja" lands where the key was still held.
TEST_F(RealKeyboard, TheWayBackIsSearchedWhileTheWindowAnswersAndLandsWhereItCouldStillBeWon) {
  openLevel({"SkK.E#######", "#K.#########", "......######", "..X...######", "...X..######",
             "......######", "############"},
            0);
  Afspelen& play = application.play();
  const auto game = [&] { return readOnWindows([&] { return play.game().play().gameState(); }); };
  QTimer ticks;
  ticks.setInterval(5);
  std::chrono::steady_clock::time_point last;
  std::chrono::steady_clock::duration longest{};
  QObject::connect(&ticks, &QTimer::timeout, [&] {
    const auto now = std::chrono::steady_clock::now();
    longest = std::max(longest, now - last);
    last = now;
  });
  GameState landed;
  int walked = 0;
  playerDoes(
      [&] {
        dismissIntroduction();
        for (const char* key : {"Right", "Down", "Down", "Down", "Down", "Down"}) {
          keyboard.tap(key, 0ms);  // held longer, it would walk on at this pace
          waitFor([&] {
            return readOnWindows([&] { return play.game().play().phase() == Phase::Playing; });
          });
          pause(50ms);
        }
        // To and fro along the room's bottom row.
        for (int sweeps = 0; walked < 1000 && sweeps < 400; ++sweeps) {
          for (const auto& [key, col] : {std::pair{"Right", 6}, {"Left", 1}}) {
            keyboard.press(key);
            waitFor([&] { return game().col == col; }, 5000ms);
            keyboard.release(key);
          }
          walked = readOnWindows([&] { return play.game().play().history().moves(); });
        }
        pause(300ms);
        onWindows([&] {
          last = std::chrono::steady_clock::now();
          ticks.start();
        });
        keyboard.chord("Control_L", "t");
        waitForBox();
        keyboard.tap("Return");
        waitFor([&] { return game().sleutels == 1; }, 20000ms);
        landed = readOnWindows([&] {
          ticks.stop();
          return play.game().play().gameState();
        });
      },
      [&] { play.end(); });
  EXPECT_GE(walked, 1000);
  EXPECT_EQ(std::tuple(landed.col, landed.row, landed.sleutels), std::tuple(2, 1, 1));
  std::cout << "The window's thread waited at most "
            << std::chrono::duration_cast<std::chrono::milliseconds>(longest).count() << " ms\n";
  EXPECT_LT(longest, 100ms);
}

// A click before any object is chosen places nothing; a tap then moves the cursor on from it,
// a held arrow repeats. A real mouse drag paints a row of walls, and Ctrl+Z takes the whole row
// back at once. After typing the maker's name, the click that gives the board the keyboard back
// neither paints nor moves the cursor; the next one paints.
TEST_F(RealKeyboard, AFocusingClickOnTheEditorsBoardOnlyFocusesKeysMoveItsCursorAndCtrlZUndoes) {
  application.start(parseCommandLine({}));
  Editor& editor = application.editor();
  int afterTap = -1;
  int afterHold = -1;
  std::int16_t clicked = -1;
  const std::function<int()> wallsInRow2 = [this] {
    int walls = 0;
    for (int col = 1; col <= 12; ++col)
      walls += application.editor().veld().at(col, 2) == cell::kWall;
    return walls;
  };
  // The player's thread reads the board from the window's thread, as often as it takes the
  // events to arrive.
  const auto becomes = [&](const std::function<int()>& read, int value) {
    return waitFor([&] { return readOnWindows(read) == value; }, 5000ms);
  };
  bool painted = false;
  bool undone = false;
  std::int16_t afterFocusingClick = -1;
  QPoint cursorBefore, cursorAfter;
  bool paintedAfterFocus = false;
  QTimer::singleShot(0, [&] { application.showEditor(); });
  playerDoes([&] {
    waitUntilActive(editor);
    const auto screen = [&](const QWidget& widget, QPoint at) {
      return widget.mapToGlobal(at * application.zoom() / 100);
    };
    const QPoint cell = screen(editor.Vak(), QPoint(100, 100));
    keyboard.clickAt(cell.x(), cell.y());
    pause(300ms);
    onWindows([&] { clicked = application.editor().veld().at(3, 3); });
    keyboard.tap("Right", 140ms);
    pause(300ms);
    onWindows([&] { afterTap = editor.Vak().column(); });
    pause(100ms);
    keyboard.press("Right");
    pause(700ms);
    keyboard.release("Right");
    pause(200ms);
    onWindows([&] { afterHold = editor.Vak().column(); });
    pause(100ms);

    QPoint wall, from, to;
    onWindows([&] {
      for (auto* picture : editor.findChildren<LegendPicture*>())
        if (picture->code() == cell::kWall) wall = picture->mapToGlobal(picture->rect().center());
      from = screen(editor.Vak(), QPoint(60, 60));
      to = screen(editor.Vak(), QPoint(420, 60));
    });
    keyboard.clickAt(wall.x(), wall.y());
    pause(200ms);
    keyboard.dragFromTo(from.x(), from.y(), to.x(), to.y());
    painted = becomes(wallsInRow2, 10);  // columns 2 to 11
    keyboard.chord("Control_L", "z");
    undone = becomes(wallsInRow2, 0);

    QPoint makerBox, empty;
    onWindows([&] {
      makerBox = editor.makerBox().mapToGlobal(editor.makerBox().rect().center());
      empty = screen(editor.Vak(), QPoint(220, 300));  // column 6, row 8
      cursorBefore = editor.Vak().cursor();
    });
    keyboard.clickAt(makerBox.x(), makerBox.y());
    pause(200ms);
    for (const char* letter : {"w", "i", "m"}) keyboard.tap(letter);
    keyboard.clickAt(empty.x(), empty.y());
    pause(300ms);
    onWindows([&] {
      afterFocusingClick = editor.veld().at(6, 8);
      cursorAfter = editor.Vak().cursor();
    });
    keyboard.clickAt(empty.x(), empty.y());
    paintedAfterFocus = becomes([&] { return editor.veld().at(6, 8); }, cell::kWall);
  });
  EXPECT_EQ(clicked, cell::kEmpty);
  EXPECT_EQ(afterTap, 4);  // the click put the cursor on column 3
  // One at the press, then one every 85 ms from 250 ms on, as far as a busy machine keeps
  // the loop's pace.
  EXPECT_GE(afterHold - afterTap, 3);
  EXPECT_LE(afterHold - afterTap, 8);
  EXPECT_TRUE(painted);
  EXPECT_TRUE(undone);
  EXPECT_EQ(editor.makerBox().text(), "wim");
  EXPECT_EQ(afterFocusingClick, cell::kEmpty);
  EXPECT_EQ(cursorAfter, cursorBefore);
  EXPECT_TRUE(paintedAfterFocus);
}

}  // namespace
}  // namespace dwaalbos::testing
