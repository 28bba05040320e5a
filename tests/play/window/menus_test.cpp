// The play window's menus, panel and options, as the player works them.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

#include "play/window/board_view.h"
#include "play/window/delay_setting.h"
#include "play/window/right_panel.h"
#include "play/window/splash.h"
#include "play_window_rig.h"

using namespace dwaalbos;
using rig::PlayWindowRig;

TEST(PlayMenus, ItemsDisabledByDesignStaySoAroundADialog) {
  PlayWindowRig rig;
  PlayMenus& m = rig.window().menus();
  rig.window().setEnabled(false);
  rig.window().setEnabled(true);
  for (QAction* item :
       {m.undoItem, m.redoItem, m.firstArrowsItem, m.secondPlayerMenu->menuAction()})
    EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
  EXPECT_TRUE(m.secondArrowsItem->isEnabled());
}

// The panel widens the window; the mark is saved at once, so showing the window again, which
// reads the file, keeps it.
TEST(PlayMenus, ThePanelWidensTheWindowAndTheMarkIsKept) {
  PlayWindowRig rig;
  Opties options = rig::kAllOn;
  options.rechterkant = false;
  rig.writeOptions(options);
  Afspelen& window = rig.shown();
  EXPECT_EQ(window.width(), 484);
  EXPECT_FALSE(window.panel().isVisible());
  QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
  EXPECT_TRUE(window.menus().rightSideItem->isChecked());
  EXPECT_EQ(window.width(), 652);
  EXPECT_TRUE(window.panel().isVisible());
  EXPECT_EQ(window.panel().geometry().topLeft(), QPoint(484, 0));
  window.hide();
  rig.shown();
  EXPECT_TRUE(window.menus().rightSideItem->isChecked());
  EXPECT_EQ(window.width(), 652);
}

// A change to the file made while another program had the input holds once the window has it
// back; so does one made while the introduction was up (after "Volgende?", say), for the level
// it starts. The window's own boxes and dialogs are no activation (DelayDialog below).
TEST(PlayMenus, TheFileIsReadAgainWheneverTheWindowGetsTheInputBack) {
  PlayWindowRig rig;
  rig.writeOptions(rig::kQuickOptions);
  Afspelen& window = rig.shown();
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  Opties slower = rig::kQuickOptions;
  slower.Loopvertraging = 300;
  rig.writeOptions(slower);
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(rig::namedChild<QLineEdit>(window.panel(), "walkingDelayBox").text(), "300");

  rig.chooseFile(rig::levelFromRows({"S.."}, "bos"));
  window.start(rig.chosen);
  Splash* splash = rig::visibleSplash();
  ASSERT_NE(splash, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(splash));
  rig.writeOptions(rig::kAllOn);
  splash->close();
  EXPECT_EQ(window.board().cursor().shape(), Qt::WaitCursor);  // the ring plays
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.board().cursor().shape() == Qt::ArrowCursor; }));
  window.end();
}

// Every mark and box shows the options as loaded; the delays are held to the dialogs' limits.
TEST(PlayMenus, LoadedOptionsShowInEveryMarkAndBox) {
  const struct {
    Opties stored;
    const char* walkingDelayBox;
    const char* lineDelayBox;
  } cases[] = {{{false, 32767, false, 9999, false, false}, "999", "9999"},
               {{true, 300, true, -32768, true, true}, "300", "0"}};
  for (const auto& [on, walkingDelayBox, lineDelayBox] : cases) {
    PlayWindowRig rig;
    rig.writeOptions(on);
    Afspelen& window = rig.shown();
    const auto& walkingBox = rig::namedChild<QLineEdit>(window.panel(), "walkingDelayBox");
    const auto& lineBox = rig::namedChild<QLineEdit>(window.panel(), "lineDelayBox");
    EXPECT_EQ(walkingBox.text(), walkingDelayBox);
    EXPECT_EQ(window.opties().Loopvertraging, walkingBox.text().toInt());
    EXPECT_EQ(lineBox.text(), lineDelayBox);
    EXPECT_EQ(window.opties().Lijnvertraging, lineBox.text().toInt());
    EXPECT_EQ(window.menus().rightSideItem->isChecked(), on.rechterkant);
    EXPECT_EQ(rig::namedChild<QCheckBox>(window.panel(), "followLinesBox").isChecked(),
              on.volglijnen);
    EXPECT_EQ(lineBox.isEnabled(), on.volglijnen);
    EXPECT_EQ(window.menus().pictureDrawingItem->isChecked(), !on.MetBitBlt);
    EXPECT_EQ(rig::namedChild<QCheckBox>(window.panel(), "transitionBox").isChecked(), on.overgang);
  }
}

TEST(PlayMenus, OptionsThatCannotBeSavedAreToldOnceAndStayInForce) {
  PlayWindowRig rig;
  rig.dir().mkpath("Opties.dat");  // a folder where the file should be
  Afspelen& window = rig.shown();
  std::vector<dwaalbos::testing::SeenBox> boxes;
  dwaalbos::testing::answerNextBox(boxes);
  QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);  // panel on
  QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);  // the chooser: saves
  QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find(rig.path("Opties.dat")), std::string::npos);
  EXPECT_TRUE(window.menus().rightSideItem->isChecked());
  // The file does not hold them, so showing the window again does not read them back.
  window.hide();
  rig.shown();
  EXPECT_TRUE(window.menus().rightSideItem->isChecked());
}

// Every change the player makes, by a mark or by a box, shows in the other control of its
// option, gives the board its input back and is in the file at once, the bytes after the
// options kept. A level start's raster drawing is not the player's choice and is not stored.
TEST(PlayMenus, EveryChangeOfAnOptionShowsInBothControlsAndIsSavedAtOnce) {
  PlayWindowRig rig;
  Bytes file = encodeOptions(rig::kAllOn);
  file.insert(file.end(), {9, 9});
  rig.folder.write("Opties.dat", file);
  Afspelen& window = rig.shown();
  PlayMenus& m = window.menus();
  const Opties& opties = window.opties();
  const auto ctrl = [&](Qt::Key key) { QTest::keyClick(&window, key, Qt::ControlModifier); };
  const auto box = [&](const char* name) -> QWidget& {
    return rig::namedChild<QWidget>(window.panel(), name);
  };
  const auto click = [&](const char* name) { QTest::mouseClick(&box(name), Qt::LeftButton); };
  const auto type = [&](const char* name, Qt::Key digit) {
    box(name).setFocus();
    QTest::keyClick(&box(name), digit);
  };
  const auto checked = [&](const char* name) {
    return rig::namedChild<QCheckBox>(window.panel(), name).isChecked();
  };
  const std::function<void()> changes[] = {[&] { ctrl(Qt::Key_P); },
                                           [&] { click("followLinesBox"); },
                                           [&] { ctrl(Qt::Key_N); },
                                           [&] {
                                             click("transitionBox");
                                             EXPECT_TRUE(window.board().hasFocus());
                                           },
                                           [&] { ctrl(Qt::Key_A); },
                                           [&] { ctrl(Qt::Key_B); },
                                           [&] { ctrl(Qt::Key_A); },
                                           [&] { type("walkingDelayBox", Qt::Key_7); },
                                           [&] { type("lineDelayBox", Qt::Key_3); },
                                           [&] { ctrl(Qt::Key_R); }};
  Bytes before = rig.folder.read("Opties.dat");
  for (std::size_t i = 0; i < std::size(changes); ++i) {
    SCOPED_TRACE(i);
    changes[i]();
    EXPECT_EQ(m.followLinesItem->isChecked(), opties.volglijnen);
    EXPECT_EQ(checked("followLinesBox"), opties.volglijnen);
    EXPECT_EQ(box("lineDelayBox").isEnabled(), opties.volglijnen);
    EXPECT_EQ(m.transitionItem->isChecked(), opties.overgang);
    EXPECT_EQ(checked("transitionBox"), opties.overgang);
    EXPECT_EQ(m.rasterDrawingItem->isChecked(), opties.MetBitBlt);
    EXPECT_EQ(m.pictureDrawingItem->isChecked(), !opties.MetBitBlt);
    EXPECT_NE(rig.folder.read("Opties.dat"), before);
    before = rig.folder.read("Opties.dat");
  }
  rig.chooseFile(rig::levelFromRows({"S"}));
  window.start(rig.chosen);
  EXPECT_TRUE(opties.MetBitBlt);
  ctrl(Qt::Key_S);  // the chooser saves too
  Bytes expected = encodeOptions({false, 407, true, 203, false, true});
  expected.insert(expected.end(), {9, 9});
  EXPECT_EQ(rig.folder.read("Opties.dat"), expected);
  window.end();
}

// The answers' arithmetic has tests of its own; these see it reach the panel and the game.
TEST(DelayDialog, EachDialogSetsItsBoxAndTheGamesDelayAndTheBoxesTakeDigitsOnly) {
  PlayWindowRig rig;
  rig.writeOptions(rig::kAllOn);
  Afspelen& window = rig.shown();
  auto& walkingBox = rig::namedChild<QLineEdit>(window.panel(), "walkingDelayBox");
  auto& lineBox = rig::namedChild<QLineEdit>(window.panel(), "lineDelayBox");
  for (const auto& [shortcut, box] :
       {std::pair{Qt::Key_L, &walkingBox}, std::pair{Qt::Key_V, &lineBox}}) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // Runs inside the dialog's own loop.
    QTimer::singleShot(0, [] {
      QWidget* dialog = QApplication::activeModalWidget();
      dialog->findChild<QLineEdit*>()->setText("120");
      QMetaObject::invokeMethod(dialog, "accept");
    });
    QTest::keyClick(&window, shortcut, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "120");
  }
  EXPECT_EQ(window.opties().Loopvertraging, 120);
  EXPECT_EQ(window.opties().Lijnvertraging, 120);
  EXPECT_EQ(decodeOptions(rig.folder.read("Opties.dat")).Lijnvertraging, 120);

  walkingBox.setFocus();
  walkingBox.selectAll();
  QTest::keyClicks(&walkingBox, "7x.5");
  EXPECT_EQ(window.opties().Loopvertraging, 75);
  QTest::keyClicks(&walkingBox, "123");
  EXPECT_EQ(walkingBox.text(), "751");  // three digits at most
  // Backspace is dropped; Delete takes the character after the cursor.
  QTest::keyClick(&walkingBox, Qt::Key_Backspace);
  QTest::keyClick(&walkingBox, Qt::Key_Home);
  QTest::keyClick(&walkingBox, Qt::Key_Delete);
  EXPECT_EQ(walkingBox.text(), "51");
  EXPECT_EQ(window.opties().Loopvertraging, 51);

  // A digit typed over a selection made with the mouse replaces it.
  lineBox.setFocus();
  QTest::mousePress(&lineBox, Qt::LeftButton, {}, {2, 10});
  QTest::mouseMove(&lineBox, {40, 10});
  QTest::mouseRelease(&lineBox, Qt::LeftButton, {}, {40, 10});
  ASSERT_EQ(lineBox.selectedText(), "120");
  QTest::keyClicks(&lineBox, "12345");
  EXPECT_EQ(window.opties().Lijnvertraging, 1234);
}

// Opening a menu pauses (played through in the play tests); a shortcut does not.
TEST(PlayPause, TheOptionControlsPauseWhenTheyTakeTheInputAShortcutDoesNot) {
  PlayWindowRig rig;
  rig.writeOptions(rig::kAllOn);
  Afspelen& window = rig.shown();
  rig.chooseFile(rig::levelFromRows({"S"}));
  window.start(rig.chosen);  // only a game pauses
  QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
  EXPECT_NE(window.game().play().phase(), Phase::Paused);
  // The follow-line box does not pause.
  const std::pair<const char*, bool> controls[] = {{"walkingDelayBox", true},
                                                   {"followLinesBox", true},
                                                   {"transitionBox", true},
                                                   {"musicList", true},
                                                   {"lineDelayBox", false}};
  for (const auto& [name, pauses] : controls) {
    window.pause(false);
    rig::namedChild<QWidget>(window.panel(), name).setFocus(Qt::TabFocusReason);
    EXPECT_EQ(window.game().play().phase() == Phase::Paused, pauses) << name;
  }
}

// The dialogs' arithmetic: the number is read from the start of the answer; answers outside
// the limits give forty; cancel or an empty answer gives zero.
TEST(DelaySetting, AnswersAreReadFromTheirStartAndHeldToTheirLimits) {
  EXPECT_EQ(leadingNumber("  -5abc"), -5);
  EXPECT_EQ(leadingNumber("abc"), 0);
  EXPECT_EQ(leadingNumber("99999999999999999999"), INT_MAX);
  EXPECT_EQ(delayBoxText(kLoopDelay, "-5"), "40");
  EXPECT_EQ(delayBoxText(kLoopDelay, "1000"), "40");
  EXPECT_EQ(delayBoxText(kLineDelay, "9999"), "9999");
  EXPECT_EQ(delayBoxText(kLineDelay, "10000"), "40");
  EXPECT_EQ(delayBoxText(kLoopDelay, std::nullopt), "0");
  EXPECT_EQ(delayBoxText(kLineDelay, ""), "0");
  EXPECT_EQ(delayBoxText(kLineDelay, "25 ms"), "25");
}
