// New mazes asked for in the play window: the dialog, the note while one is made, the made
// level played and kept.
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "play/generator/daily_seed.h"
#include "play/window/board_view.h"
#include "play/window/new_maze_dialog.h"
#include "play/window/splash.h"
#include "play_window_rig.h"

using namespace dwaalbos;

namespace {

class NewMazeWindow : public rig::PlayWindowTest {
 protected:
  void SetUp() override {
    PlayWindowTest::SetUp();
    rig.chooseFile(rig::levelFromRows({"S.."}));
  }
  // Waits for the dialog that Ctrl+D opens, then fills it in and closes it with `button`.
  void chooseInDialog(int difficulty, const char* seed,
                      QPushButton* NewMazeDialog::*button = &NewMazeDialog::makeButton) {
    script.shortcut(&rig.window(), Qt::Key_D).then([=] {
      auto* dialog = dynamic_cast<NewMazeDialog*>(QApplication::activeModalWidget());
      if (!dialog) return false;
      dialog->difficultyBox->setCurrentIndex(difficulty);
      dialog->seedBox->setText(seed);
      if (button) (dialog->*button)->click();
      else dialog->reject();
      return true;
    });
  }
  bool playsTheFile() {
    const LevelRef& level = rig.window().game().level();
    return !level.generated && level.path == rig.chosen.path && !rig.window().newMaze().busy();
  }
};

}  // namespace

// Neither the dialog's "Annuleren" nor the note's, pressed while a "Meester" maze is made,
// changes the game; it goes on.
TEST_F(NewMazeWindow, CancellingTheDialogOrTheMakingChangesNothing) {
  chooseInDialog(3, "1", nullptr);
  script.then([&] { return playsTheFile(); });
  chooseInDialog(3, "1");
  QString note;
  script.stopJob(rig.window(), note).then([&] { return playsTheFile(); });
  script.keyTap(&rig.window().board(), Qt::Key_Right);
  waitFor([&] { return rig.col() == 2; });
  play(20000);
  EXPECT_EQ(note, "Doolhof maken...");
  EXPECT_TRUE(script.boxes.empty());
  EXPECT_TRUE(playsTheFile());
}

// The maze of the number typed starts with its introduction; "Bewaar als level..." writes it
// as a level file the editor reads, and is only offered while a new maze is played.
TEST_F(NewMazeWindow, TheMadeMazeStartsWithItsIntroductionAndIsSavedAsALevel) {
  const Generation expected = generateLevel(Difficulty::Gemiddeld, 48213);
  ASSERT_TRUE(expected.made);
  const QAction* save = rig.window().menus().saveMazeItem;
  const auto offered = [&] {
    emit rig.window().menus().levelMenu->aboutToShow();
    return save->isEnabled();
  };
  bool offeredBefore = true;
  script.act([&] { offeredBefore = offered(); });
  chooseInDialog(1, "48213");
  QString name, comment;
  script.closeSplash([&](Splash& splash) {
    name = splash.nameLabel->text();
    comment = splash.commentText->toPlainText();
  });
  script.then([&] { return rig.window().game().play().gameRunning(); }).act([&] {
    rig.files.answer = rig.path("levels/bewaard.dwb");
    if (offered()) rig.window().menus().saveMazeItem->trigger();
  });
  script.then(
      [&] { return QFile::exists(QString::fromStdString(rig.path("levels/bewaard.dwb"))); });
  play(20000);
  EXPECT_FALSE(offeredBefore);
  EXPECT_EQ(name.toStdString(), expected.made->level.Naam);
  EXPECT_EQ(comment, "Commentaar: Gemiddeld 48213");
  const auto saved = readLevelFile(rig.path("levels/bewaard.dwb"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(encodeLevel(*saved), encodeLevel(expected.made->level));
  EXPECT_EQ(rig.files.asked.at(0).folder, rig.path("levels"));
}

// "Ja" to "Volgende?" after a generated level makes the next number of its difficulty beside
// the window and starts it; its introduction comes up as any new maze's does.
TEST_F(NewMazeWindow, YesAfterAGeneratedLevelMakesAndStartsTheNextNumber) {
  Afspelen& window = rig.shown();
  script.keyTap(&window.board(), Qt::Key_Right).answer(QMessageBox::Yes);
  script.closeSplash();
  window.start(LevelRef::newMaze(rig::levelFromRows({"SE"}), "R", {0, 7}));
  rig::runUntilDone(script, window, 20000);
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].title, "Volgende?");
  const LevelRef& level = window.game().level();
  ASSERT_TRUE(level.generated && level.content);
  EXPECT_EQ(std::pair(level.generated->difficulty, level.generated->seed), std::pair(0, 8u));
  EXPECT_EQ(level.content->Commentaar, "Makkelijk 8");
}

// "Puzzel van de dag" makes today's number of the chosen difficulty; a number out of range
// cannot be made, and an empty one asks for a fresh maze.
TEST(NewMazeDialog, OffersTodaysNumberAndOnlyNumbersInRange) {
  NewMazeDialog dialog(nullptr, Difficulty::Moeilijk);
  EXPECT_EQ(dialog.difficultyBox->currentText(), "Moeilijk");
  EXPECT_FALSE(dialog.request().seed);
  EXPECT_TRUE(dialog.makeButton->isEnabled());
  for (const auto& [typed, makes] : {std::pair("0", false), {"1000000", false}, {"999999", true}}) {
    dialog.seedBox->setText(typed);
    EXPECT_EQ(dialog.makeButton->isEnabled(), makes) << typed;
  }
  dialog.difficultyBox->setCurrentIndex(3);
  dialog.dailyButton->click();
  const QDate today = QDate::currentDate();
  const std::chrono::year_month_day date{std::chrono::year(today.year()),
                                         std::chrono::month(static_cast<unsigned>(today.month())),
                                         std::chrono::day(static_cast<unsigned>(today.day()))};
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.request().difficulty, Difficulty::Meester);
  EXPECT_EQ(dialog.request().seed, dailySeed(date, Difficulty::Meester));
}
