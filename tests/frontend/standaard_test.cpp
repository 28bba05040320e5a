// The standard level chooser: what it lists for the player's progress and what it starts.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <filesystem>

#include "../play/window/play_window_rig.h"
#include "frontend/level_entries.h"
#include "frontend/standaard.h"
#include "level/best_solutions.h"
#include "level/collection_file.h"
#include "level/content_key.h"
#include "level/level_results.h"
#include "level/scores.h"
#include "level/standard_solutions.h"
#include "play/generator/generator.h"
#include "play/window/new_maze_dialog.h"
#include "play/window/splash.h"

using namespace dwaalbos;

namespace {

LevelSet namedSet(int levels, const std::string& prefix) {
  std::vector<Doolhof> elements{rig::levelFromRows({""})};
  for (int i = 1; i <= levels; ++i)
    elements.push_back(rig::levelFromRows({"S"}, prefix + std::to_string(i), "Wubbe"));
  return LevelSet(elements);
}

// What a list shows in its rows, as names or (`kBestResultRole`) as best results.
std::vector<std::string> entries(const QListWidget* list, int role = Qt::DisplayRole) {
  std::vector<std::string> texts;
  for (int i = 0; i < list->count(); ++i)
    texts.push_back(list->item(i)->data(role).toString().toStdString());
  return texts;
}

class Chooser : public ::testing::Test {
 protected:
  void SetUp() override {
    rig.writeOptions(rig::kAllOff);
    rig.shared.sets.Levelset1 = namedSet(23, "Een ");
    rig.shared.sets.Levelset2 = namedSet(20, "Twee ");
    rig.shown();
  }
  Standaard& open() {
    chooser = std::make_unique<Standaard>(rig.shared, rig.window());
    chooser->show();
    return *chooser;
  }
  rig::PlayWindowRig rig;
  std::unique_ptr<Standaard> chooser;
};

}  // namespace

// The progress file holds the last level reached of each set; without one, level one of each.
TEST_F(Chooser, ListsTheUnlockedLevelsUpToTheLastOfASetAndClosingStartsNothing) {
  EXPECT_EQ(entries(open().set1List), std::vector<std::string>{"Een 1 door Wubbe"});
  EXPECT_EQ(entries(chooser->set2List), std::vector<std::string>{"Twee 1 door Wubbe"});
  EXPECT_FALSE(rig.window().isEnabled());
  // Closing returns to the play window and starts nothing.
  chooser->close();
  EXPECT_TRUE(rig.window().isEnabled());
  EXPECT_EQ(rig.window().game().level().number, 0);
  EXPECT_TRUE(rig.sound.played.empty());

  rig.folder.write("geluid/Niets.wav", {24, 0, 3, 0});
  Standaard& window = open();
  EXPECT_EQ(window.set1List->count(), 23);
  EXPECT_EQ(
      entries(window.set2List),
      (std::vector<std::string>{"Twee 1 door Wubbe", "Twee 2 door Wubbe", "Twee 3 door Wubbe"}));
}

TEST_F(Chooser, NothingSelectedPlaysTheFirstLevelOfTheSetAndTheThirdEntryLevelTwentySix) {
  rig.folder.write("geluid/Niets.wav", {1, 0, 5, 0});
  Standaard& window = open();
  window.playSet2Button->click();
  EXPECT_EQ(rig.window().game().level().number, 24);
  EXPECT_FALSE(window.isVisible());
  // The level begins with its introduction, which holds the play window's input.
  Splash* splash = rig::visibleSplash();
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(splash->nameLabel->text(), "Twee 1");
  splash->hide();

  open().set2List->setCurrentRow(2);
  chooser->playSet2Button->click();
  EXPECT_EQ(rig.window().game().level().number, 26);
}

// Completed: every level before the newest, and any with a best result kept. The highlighted
// level shows its best and its shortest solution.
TEST_F(Chooser, EachLevelShowsWhetherItWasCompletedWithItsBestAndEachSetItsCount) {
  rig.folder.write("geluid/Niets.wav", {3, 0, 1, 0});
  recordBestResult(rig.shared.paths.locked(rig.shared.paths.scores()), 2, 31);
  recordBestResult(rig.shared.paths.locked(rig.shared.paths.scores()), 24, 12);
  Standaard& window = open();
  EXPECT_EQ(window.standing1->text(), "2 van 23 gehaald");
  EXPECT_EQ(window.standing2->text(), "1 van 20 gehaald");
  EXPECT_EQ(entries(window.set1List, kBestResultRole),
            (std::vector<std::string>{"", "31 zetten", ""}));
  EXPECT_EQ(entries(window.set2List, kBestResultRole), std::vector<std::string>{"12 zetten"});
  const auto mark = [&](QListWidget* list, int row) {
    return list->item(row)->icon().pixmap(16).toImage();
  };
  EXPECT_EQ(mark(window.set1List, 0), mark(window.set2List, 0));
  EXPECT_NE(mark(window.set1List, 0), mark(window.set1List, 2));

  window.set1List->setCurrentRow(1);
  EXPECT_EQ(window.detail->text().toStdString(), "Jouw beste: 31 zetten — kortst mogelijk: " +
                                                     std::to_string(shortestSolution(2).size()) +
                                                     " zetten");
  window.set1List->setCurrentRow(0);
  EXPECT_EQ(window.detail->text().toStdString().substr(0, 28), "Jouw beste: nog niet gehaald");
}

// Only a level with a kept solution can be watched; watching it plays it once the
// introduction is dismissed.
TEST_F(Chooser, ACompletedLevelsBestSolutionCanBeWatched) {
  ASSERT_TRUE(
      recordBestSolution(rig.shared.paths.locked(rig.shared.paths.bestSolutions()), 1, "RRL"));
  Standaard& window = open();
  EXPECT_FALSE(window.watchButton->isEnabled());
  window.set2List->setCurrentRow(0);
  EXPECT_FALSE(window.watchButton->isEnabled());
  window.set1List->setCurrentRow(0);
  ASSERT_TRUE(window.watchButton->isEnabled());
  window.watchButton->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(rig.window().game().level().number, 1);
  Splash* splash = rig::visibleSplash();
  ASSERT_NE(splash, nullptr);
  splash->verder();
  EXPECT_EQ(rig.window().game().play().phase(), Phase::Replaying);
}

// A name too long for the list ends in "…" before the best result, which stays in view: the
// right of the row shows the result's grey, none of the name's black. An unnamed level is
// listed as " door " alone; what a short set file lacks is not listed.
TEST_F(Chooser, ALongNameIsShortenedAndItsBestResultStaysInViewAndAShortSetListsWhatItHas) {
  const std::string longName = "Een heel erg lange naam die nooit in de lijst past";
  rig.shared.sets.Levelset1 = LevelSet(
      std::vector<Doolhof>{rig::levelFromRows({""}), rig::levelFromRows({"S"}, longName, "Wubbe"),
                           rig::levelFromRows({"S"}), rig::levelFromRows({"S"}, "Een 3", "Wubbe")});
  rig.folder.write("geluid/Niets.wav", {5, 0, 1, 0});
  recordBestResult(rig.shared.paths.locked(rig.shared.paths.scores()), 1, 31);
  QListWidget& list = *open().set1List;
  EXPECT_EQ(entries(&list),
            (std::vector<std::string>{longName + " door Wubbe", " door ", "Een 3 door Wubbe"}));
  QApplication::processEvents();
  const QImage shown = list.viewport()->grab().toImage();
  const QRect row = list.visualItemRect(list.item(0)).intersected(list.viewport()->rect());
  int black = 0;
  int grey = 0;
  for (int y = row.top(); y <= row.bottom(); ++y)
    for (int x = row.right() - row.width() / 5; x <= row.right(); ++x) {
      const int level = qGray(shown.pixel(x, y));
      black += level < 60;
      grey += level >= 60 && level < 200;
    }
  EXPECT_EQ(black, 0);
  EXPECT_GT(grey, 0);
}

// Below the sets the collections, shipped ones first and "Mijn levels" last, each with how many
// of its levels were completed; a chosen one lists all its levels, marked, with their bests;
// a damaged one its levels before the damage and what is wrong.
TEST_F(Chooser, CollectionsListTheirLevelsAllOpenWithTheirMarksAndBests) {
  const Collection proef{rig::levelFromRows({"S"}, "Proef", "Tante Truus", "Twee korte"),
                         {rig::levelFromRows({"SE"}, "een", "Wubbe"),
                          rig::levelFromRows({"S", "E"}, "twee", "Wubbe")}};
  std::filesystem::create_directories(rig.path("verzamelingen"));
  ASSERT_TRUE(writeCollection(rig.path("verzamelingen/proef.dws"), proef));
  Bytes broken = encodeCollection(proef).value();
  broken.resize(broken.size() - 5);
  rig.folder.write("verzamelingen/kapot.dws", broken);
  rig.folder.write("verzamelingen/geen.dws", Bytes{1, 2, 3});
  const GamePaths& paths = rig.shared.paths;
  recordLevelResult(paths.locked(paths.levelResults()), contentKey(proef.levels[1]), 3, "DUD");
  Standaard& window = open();
  EXPECT_EQ(entries(window.collectionList),
            (std::vector<std::string>{"Proef door Tante Truus", "Proef door Tante Truus",
                                      "Mijn levels"}));
  EXPECT_EQ(entries(window.collectionList, kBestResultRole),
            (std::vector<std::string>{"0 van 1 gehaald", "1 van 2 gehaald", "0 van 0 gehaald"}));

  window.collectionList->setCurrentRow(0);
  EXPECT_EQ(entries(window.collectionLevels), std::vector<std::string>{"een door Wubbe"});
  EXPECT_NE(window.detail->text().indexOf(QStringLiteral("kapot.dws")), -1);
  window.collectionList->setCurrentRow(1);
  EXPECT_EQ(window.detail->text(), "Twee korte");
  EXPECT_EQ(entries(window.collectionLevels),
            (std::vector<std::string>{"een door Wubbe", "twee door Wubbe"}));
  EXPECT_EQ(window.collectionLevels->item(1)->data(kBestResultRole).toString(), "3 zetten");
  window.collectionLevels->setCurrentRow(0);
  EXPECT_FALSE(window.watchButton->isEnabled());
  window.collectionLevels->setCurrentRow(1);
  EXPECT_EQ(window.detail->text(), "Jouw beste: 3 zetten");
  ASSERT_TRUE(window.watchButton->isEnabled());
  window.watchButton->click();
  EXPECT_EQ(rig.window().game().level().element, 2);
  rig::visibleSplash()->verder();
  EXPECT_EQ(rig.window().game().play().phase(), Phase::Replaying);
  rig.window().end();

  // A level saved since is in "Mijn levels" the next time; any level plays from its list.
  ASSERT_TRUE(writeLevelFile(rig.shared.paths.levels() + "/nieuw.dwb",
                             rig::levelFromRows({"SE"}, "nieuw", "ik")));
  Standaard& again = open();
  again.collectionList->setCurrentRow(2);
  EXPECT_EQ(entries(again.collectionLevels), std::vector<std::string>{"nieuw door ik"});
  again.collectionList->setCurrentRow(1);
  again.collectionLevels->setCurrentRow(1);
  again.playCollectionButton->click();
  EXPECT_FALSE(again.isVisible());
  EXPECT_EQ(rig.window().game().level().path, rig.path("verzamelingen/proef.dws"));
  EXPECT_EQ(rig.window().game().level().element, 2);
}

// Today's puzzles are listed by difficulty without being made; one is marked with its best once
// a result is kept for the level made from its number, and none for another day's.
TEST_F(Chooser, TodaysPuzzlesShowTheirResultsAndChoosingOneMakesAndPlaysIt) {
  const GamePaths& paths = rig.shared.paths;
  rig.window().newMaze().keepMadeIn(paths);  // as the game does
  const auto today = [](Difficulty difficulty) {
    return madeFrom(difficulty, todaysSeed(difficulty));
  };
  recordMadeLevel(paths.locked(paths.levelResults()), today(Difficulty::Meester), 77);
  recordLevelResult(paths.locked(paths.levelResults()), 77, 120, "");
  recordMadeLevel(paths.locked(paths.levelResults()),
                  madeFrom(Difficulty::Gemiddeld, todaysSeed(Difficulty::Gemiddeld) % 999'999 + 1),
                  78);
  recordLevelResult(paths.locked(paths.levelResults()), 78, 40, "");
  Standaard& window = open();
  EXPECT_EQ(entries(window.dailyList),
            (std::vector<std::string>{"Makkelijk", "Gemiddeld", "Moeilijk", "Meester"}));
  const auto bests = [&] { return entries(chooser->dailyList, kBestResultRole); };
  EXPECT_EQ(bests(), (std::vector<std::string>{"", "", "", "120 zetten"}));
  window.dailyList->setCurrentRow(3);
  EXPECT_EQ(window.detail->text(), "Jouw beste: 120 zetten");
  EXPECT_FALSE(window.watchButton->isEnabled());

  window.dailyList->setCurrentRow(0);
  window.playDailyButton->click();
  EXPECT_FALSE(window.isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return rig.window().game().level().generated.has_value(); }));
  const Doolhof made = *rig.window().game().level().content;
  EXPECT_EQ(made.Commentaar, "Makkelijk " + std::to_string(todaysSeed(Difficulty::Makkelijk)));
  // Its result, once kept, shows the next time without the level being made again.
  recordLevelResult(paths.locked(paths.levelResults()), contentKey(made), 15, "");
  rig.window().end();
  open();
  EXPECT_EQ(bests(), (std::vector<std::string>{"15 zetten", "", "", "120 zetten"}));
}

// "Nieuw doolhof..." asks the play window's question; cancelling it starts nothing.
TEST_F(Chooser, NewMazeAsksForADifficultyOverThePlayWindow) {
  Standaard& window = open();
  QTimer::singleShot(0, [this] {
    auto* dialog = dynamic_cast<NewMazeDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->parentWidget(), &rig.window());
    dialog->reject();
  });
  window.newMazeButton->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(rig.window().isEnabled());
  EXPECT_FALSE(rig.window().game().level().generated);
  EXPECT_FALSE(rig.window().newMaze().busy());
}

// A collection's title, author and count are never shortened, at any zoom step: the window
// grows for them.
TEST_F(Chooser, ACollectionsTitleAuthorAndCountShowWholeAtEveryZoomStep) {
  std::filesystem::create_directories(rig.path("verzamelingen"));
  for (const auto& [file, title, maker] :
       {std::tuple("bosrand.dws", "Bosrand", "Dwaalbos"),
        std::tuple("beek.dws", "Langs de beek naar het hoge bos", "Tante Truus")})
    ASSERT_TRUE(writeCollection(rig.path("verzamelingen") + "/" + file,
                                {rig::levelFromRows({"S"}, title, maker),
                                 std::vector<Doolhof>(12, rig::levelFromRows({"SE"}))}));
  Standaard& window = open();
  QListWidget& list = *window.collectionList;
  for (const int percent : {100, 150, 200, 300}) {
    window.setZoom(percent);
    window.hide();
    window.show();
    QApplication::processEvents();
    const QFontMetrics metrics = list.fontMetrics();
    ASSERT_EQ(list.count(), 3);
    for (int row = 0; row < list.count(); ++row) {
      const QListWidgetItem& entry = *list.item(row);
      const int shown = metrics.horizontalAdvance(entry.text()) +
                        metrics.horizontalAdvance(entry.data(kBestResultRole).toString()) +
                        metrics.height();
      EXPECT_LE(shown, list.viewport()->width()) << percent << " %: " << entry.text().toStdString();
    }
  }
}
