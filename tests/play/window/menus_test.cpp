// The play window's menus, panel and options, as the player works them.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <QComboBox>
#include <QLineEdit>

#include "play/window/board_view.h"
#include "play/window/right_panel.h"
#include "play_window_rig.h"

using namespace dwaalbos;
using rig::PlayWindowRig;
using rig::Script;

namespace {

struct Item {
  QAction* action;
  const char* caption;
  const char* shortcut;
  bool checked;
  bool enabled;
};

}  // namespace

TEST(PlayMenus, CaptionsShortcutsMarksAndDisabledItemsAsDesigned) {
  PlayWindowRig rig;
  PlayMenus& m = rig.window().menus();
  const Item items[] = {
      {m.mnufile->menuAction(), "&Level", "", false, true},
      {m.mnustandard, "&Start met standaard levels", "Ctrl+S", false, true},
      {m.mnuopen, "O&pen zelfgemaakt level", "Ctrl+E", false, true},
      {m.mnuover, "&Overnieuw", "Ctrl+O", false, true},
      {m.mnuzetterug, "&Zet terug", "Ctrl+Z", false, false},
      {m.mnuzetopnieuw, "Zet &opnieuw", "Ctrl+Y", false, false},
      {m.mnutip, "&Tip", "Ctrl+T", false, true},
      {m.mnumenu, "&Afsluiten naar menu", "Ctrl+M", false, true},
      {m.mnuexit, "&Helemaal afsluiten", "Ctrl+H", false, true},
      {m.mnustat->menuAction(), "&Status", "", false, true},
      {m.mnujan->menuAction(), "Status &Zev Dizoz", "", false, true},
      {m.MnusleutelsZev, "Sleutels: 0", "", false, true},
      {m.MnupijlenZev, "Pijlen:     0", "", false, false},
      {m.mnuver->menuAction(), "Status &Rud Dizoz", "", false, false},
      {m.Mnusleutelsver, "Sleutels: 0", "", false, true},
      {m.mnupijlenver, "Pijlen:     0", "", false, true},
      {m.Mnuoptie->menuAction(), "&Opties", "", false, true},
      {m.mnurechts, "&Rechterkant", "Ctrl+R", true, true},
      {m.mnuloop, "&Vertraging met lopen", "Ctrl+L", false, true},
      {m.mnuvolg, "V&olg pijlen met lijnen", "Ctrl+P", true, true},
      {m.mnuvertrlijn, "V&ertraging van lijnen", "Ctrl+V", false, true},
      {m.mnubitblt, "Teken met &Bitblt", "Ctrl+B", true, true},
      {m.mnupp, "Teken met &Paintpicture", "Ctrl+A", false, true},
      {m.mnuovergang, "&Overvang bij nieuw level", "Ctrl+N", true, true},
  };
  for (const Item& item : items) {
    SCOPED_TRACE(item.caption);
    EXPECT_EQ(item.action->text().toStdString(), item.caption);
    EXPECT_EQ(item.action->shortcut().toString().toStdString(), item.shortcut);
    EXPECT_EQ(item.action->isChecked(), item.checked);
    EXPECT_EQ(item.action->isEnabled(), item.enabled);
  }
  // Disabled items stay so when the window is disabled and enabled again around a dialog.
  rig.window().setEnabled(false);
  rig.window().setEnabled(true);
  EXPECT_FALSE(m.mnuver->menuAction()->isEnabled());
  // Separators where the design has them.
  EXPECT_EQ(m.mnufile->actions().size(), 10);
  EXPECT_EQ(m.Mnuoptie->actions().size(), 13);  // and the zoom steps last
}

TEST(PlayMenus, ThePanelWidensTheWindowAndTheMarkFollowsTheFile) {
  PlayWindowRig rig;
  rig.writeOptions({0, 0, 40, 0, 0xFF, 0xFF, 20, 0, 0xFF, 0xFF, 0xFF, 0xFF});
  Afspelen& window = rig.shown();
  EXPECT_EQ(window.width(), 484);
  EXPECT_FALSE(window.panel().isVisible());
  QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
  EXPECT_TRUE(window.menus().mnurechts->isChecked());
  EXPECT_EQ(window.width(), 652);
  EXPECT_TRUE(window.panel().isVisible());
  EXPECT_EQ(window.panel().geometry().topLeft(), QPoint(484, 0));
}

TEST(PlayMenus, LoadingSetsEveryMarkBoxAndDelay) {
  PlayWindowRig rig;
  rig.writeOptions({0xFF, 0xFF, 0x2C, 0x01, 0, 0, 0x0F, 0x27, 0, 0, 0, 0});
  Afspelen& window = rig.shown();
  RightPanel& panel = window.panel();
  PlayMenus& m = window.menus();
  EXPECT_EQ(panel.loopcap->text(), "300");
  EXPECT_EQ(window.engine().opties().Loopvertraging, 300);
  EXPECT_FALSE(m.mnuvolg->isChecked());
  EXPECT_FALSE(panel.Check1->isChecked());
  EXPECT_FALSE(panel.snelcap->isEnabled());
  EXPECT_EQ(panel.snelcap->text(), "9999");
  EXPECT_FALSE(m.mnubitblt->isChecked());
  EXPECT_TRUE(m.mnupp->isChecked());
  EXPECT_FALSE(window.engine().opties().MetBitBlt);
  EXPECT_FALSE(m.mnuovergang->isChecked());
  EXPECT_FALSE(panel.Check2->isChecked());
  EXPECT_FALSE(window.engine().opties().overgang);
}

TEST(PlayMenus, LoadedDelaysAreHeldToTheDialogsLimits) {
  PlayWindowRig rig;
  rig.writeOptions({0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0x00, 0x80, 0, 0, 0, 0});  // 32767, -32768
  Afspelen& window = rig.shown();
  EXPECT_EQ(window.engine().opties().Loopvertraging, 999);
  EXPECT_EQ(window.panel().loopcap->text(), "999");
  EXPECT_EQ(window.engine().opties().Lijnvertraging, 0);
  EXPECT_EQ(window.panel().snelcap->text(), "0");
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
  EXPECT_EQ(boxes[0].title, "Opslaan mislukt");
  EXPECT_NE(boxes[0].text.find(rig.path("Opties.dat")), std::string::npos);
  EXPECT_TRUE(window.menus().mnurechts->isChecked());
}

TEST(PlayMenus, AnAbsentOptionsFileIsCreatedAndEverythingIsOff) {
  PlayWindowRig rig;
  Afspelen& window = rig.shown();
  EXPECT_TRUE(QFile::exists(QString::fromStdString(rig.path("Opties.dat"))));
  EXPECT_FALSE(window.menus().mnurechts->isChecked());
  EXPECT_EQ(window.panel().loopcap->text(), "0");
  EXPECT_FALSE(window.panel().Check1->isChecked());
  EXPECT_TRUE(window.menus().mnupp->isChecked());
  EXPECT_FALSE(window.panel().Check2->isChecked());
}

TEST(PlayMenus, FollowLinesMarkAndCheckBoxAlwaysAgree) {
  PlayWindowRig rig;
  rig.writeOptions({0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 20, 0, 0xFF, 0xFF, 0xFF, 0xFF});
  Afspelen& window = rig.shown();
  RightPanel& panel = window.panel();
  QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
  EXPECT_FALSE(window.menus().mnuvolg->isChecked());
  EXPECT_FALSE(panel.Check1->isChecked());
  EXPECT_FALSE(panel.snelcap->isEnabled());
  EXPECT_FALSE(window.engine().opties().volglijnen);
  QTest::mouseClick(panel.Check1, Qt::LeftButton);
  EXPECT_TRUE(window.menus().mnuvolg->isChecked());
  EXPECT_TRUE(panel.snelcap->isEnabled());
  EXPECT_TRUE(window.engine().opties().volglijnen);
  // Ticking the box gives the game back its input.
  EXPECT_FALSE(window.engine().state().Pauze);
}

TEST(PlayMenus, TransitionMarkAndCheckBoxAlwaysAgree) {
  PlayWindowRig rig;
  rig.writeOptions({0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 20, 0, 0xFF, 0xFF, 0xFF, 0xFF});
  Afspelen& window = rig.shown();
  QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
  EXPECT_FALSE(window.panel().Check2->isChecked());
  EXPECT_FALSE(window.engine().opties().overgang);
  QTest::mouseClick(window.panel().Check2, Qt::LeftButton);
  EXPECT_TRUE(window.menus().mnuovergang->isChecked());
  EXPECT_TRUE(window.engine().opties().overgang);
  EXPECT_TRUE(window.board().hasFocus());
}

TEST(PlayMenus, TheTwoDrawingMarksAreAlwaysOpposite) {
  PlayWindowRig rig;
  rig.writeOptions({0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 20, 0, 0xFF, 0xFF, 0xFF, 0xFF});
  Afspelen& window = rig.shown();
  PlayMenus& m = window.menus();
  QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
  EXPECT_FALSE(m.mnupp->isChecked() == m.mnubitblt->isChecked());
  EXPECT_FALSE(window.engine().opties().MetBitBlt);
  QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
  EXPECT_TRUE(m.mnubitblt->isChecked());
  EXPECT_FALSE(m.mnupp->isChecked());
  EXPECT_TRUE(window.engine().opties().MetBitBlt);
}

TEST(PlayMenus, OptionsAreSavedOnTheCommandsThatLeaveOrStartLevels) {
  PlayWindowRig rig;
  rig.writeOptions({0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 20, 0, 0xFF, 0xFF, 0xFF, 0xFF, 9, 9});
  Afspelen& window = rig.shown();
  QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);  // transition off
  QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);  // the chooser: saves
  EXPECT_EQ(rig.navigator.calls, std::vector<std::string>{"chooser"});
  EXPECT_EQ(rig.readFile("Opties.dat"),
            (Bytes{0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 20, 0, 0xFF, 0xFF, 0, 0, 9, 9}));
  QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);  // panel off
  QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);  // quit: saves, closes the sound
  EXPECT_EQ(rig.readFile("Opties.dat")[0], 0);
  EXPECT_TRUE(rig.sound.closed);
  EXPECT_EQ(rig.navigator.calls.back(), "quit");
}

TEST(PlayMenus, ActivationReloadsTheFileOverChangesNotSaved) {
  PlayWindowRig rig;
  rig.writeOptions({0xFF, 0xFF, 40, 0, 0xFF, 0xFF, 20, 0, 0xFF, 0xFF, 0xFF, 0xFF});
  Afspelen& window = rig.shown();
  QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
  window.hide();
  window.show();
  QTest::qWait(20);
  EXPECT_TRUE(window.menus().mnuvolg->isChecked());
}

class DelayDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    rig.writeOptions({0xFF, 0xFF, 40, 0, 0xFF, 0xFF, 20, 0, 0xFF, 0xFF, 0xFF, 0xFF});
    rig.shown();
  }
  // Opens the dialog with its shortcut and answers it.
  void answer(Qt::Key shortcut, std::optional<QString> typed) {
    script.input(typed).start();
    rig.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.window()));
    QTest::keyClick(&rig.window(), shortcut, Qt::ControlModifier);
    ASSERT_TRUE(script.finished());
  }
  PlayWindowRig rig;
  Script script;
};

TEST_F(DelayDialog, WalkingDelayTakesTheAnswerWithinItsLimit) {
  answer(Qt::Key_L, QStringLiteral("120"));
  EXPECT_EQ(script.inputs[0].title, "Vertraging lopen");
  EXPECT_EQ(script.inputs[0].text, "40");
  EXPECT_EQ(rig.window().panel().loopcap->text(), "120");
  EXPECT_EQ(rig.window().engine().opties().Loopvertraging, 120);
  answer(Qt::Key_L, QStringLiteral("1000"));
  EXPECT_EQ(rig.window().panel().loopcap->text(), "40");
  EXPECT_EQ(rig.window().engine().opties().Loopvertraging, 40);
  answer(Qt::Key_L, QStringLiteral("-5"));
  EXPECT_EQ(rig.window().engine().opties().Loopvertraging, 40);
}

TEST_F(DelayDialog, FollowLineDelayAllowsFourDigitsAndCancelGivesZero) {
  answer(Qt::Key_V, QStringLiteral("1000"));
  EXPECT_EQ(script.inputs[0].title, "Vertraging volgpijlen");
  EXPECT_EQ(rig.window().panel().snelcap->text(), "1000");
  EXPECT_EQ(rig.window().engine().opties().Lijnvertraging, 1000);
  answer(Qt::Key_V, std::nullopt);
  EXPECT_EQ(rig.window().panel().snelcap->text(), "0");
  EXPECT_EQ(rig.window().engine().opties().Lijnvertraging, 0);
}

TEST_F(DelayDialog, TheBoxesTakeDigitsOnly) {
  RightPanel& panel = rig.window().panel();
  panel.loopcap->setFocus();
  panel.loopcap->selectAll();
  QTest::keyClicks(panel.loopcap, "7x.5");
  EXPECT_EQ(panel.loopcap->text(), "75");
  EXPECT_EQ(rig.window().engine().opties().Loopvertraging, 75);
  QTest::keyClick(panel.loopcap, Qt::Key_Backspace);
  EXPECT_EQ(panel.loopcap->text(), "75");
  QTest::keyClicks(panel.loopcap, "123");
  EXPECT_EQ(panel.loopcap->text(), "751");  // three digits at most

  panel.snelcap->setFocus();
  panel.snelcap->selectAll();
  QTest::keyClicks(panel.snelcap, "12345");
  EXPECT_EQ(panel.snelcap->text(), "1234");
  EXPECT_EQ(rig.window().engine().opties().Lijnvertraging, 1234);
}

TEST(PlayPause, OpeningAMenuPausesAShortcutDoesNot) {
  PlayWindowRig rig;
  Afspelen& window = rig.shown();
  window.engine().state().Pauze = false;
  QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
  EXPECT_FALSE(window.engine().state().Pauze);
  window.menus().Mnuoptie->popup({0, 0});
  EXPECT_TRUE(window.engine().state().Pauze);
  window.menus().Mnuoptie->close();
  QTest::mouseClick(&window.board(), Qt::LeftButton);
  EXPECT_FALSE(window.engine().state().Pauze);
}

TEST(PlayPause, TheOptionControlsPauseWhenTheyTakeTheInput) {
  PlayWindowRig rig;
  rig.writeOptions({0xFF, 0xFF, 40, 0, 0xFF, 0xFF, 20, 0, 0xFF, 0xFF, 0xFF, 0xFF});
  Afspelen& window = rig.shown();
  RightPanel& panel = window.panel();
  for (QWidget* control : std::initializer_list<QWidget*>{panel.loopcap, panel.Combo1}) {
    window.engine().state().Pauze = false;
    control->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(window.engine().state().Pauze);
  }
  // The follow-line box does not pause.
  window.engine().state().Pauze = false;
  panel.snelcap->setFocus(Qt::TabFocusReason);
  EXPECT_FALSE(window.engine().state().Pauze);
}
