// Completing levels: file levels, standard levels and the progress they unlock.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "level/best_solutions.h"
#include "level/collection_file.h"
#include "level/content_key.h"
#include "level/level_results.h"
#include "level/scores.h"
#include "level/texts.h"
#include "play/session/own_levels.h"
#include "play_board.h"

using namespace dwaalbos;

namespace {

// A game folder whose standard levels are all a named start square beside an end square,
// with `progress` as its progress file, or none when it is empty.
class StandardGame : public PlayBoard {
 public:
  explicit StandardGame(const Bytes& progress, bool answerYes = false)
      : PlayBoard({"SE"}, answerYes) {
    const Doolhof level = dwaalbos::testing::levelFromRows({"SE"}, "bos");
    dwaalbos::testing::writeEmptyStandardSets(folder, level, level);
    std::filesystem::create_directory(folder.path("geluid"));
    if (!progress.empty()) folder.write("geluid/Niets.wav", progress);
    shared.readLevelSets();
  }

  void complete(int levelNummer, const std::string& keys = "R") {
    host.play(LevelRef::standard(levelNummer), keys);
  }
  Bytes progress() const { return folder.read("geluid/Niets.wav"); }
};

}  // namespace

// A file level ends with a message and an empty board; a test level goes back to the editor.
TEST(LevelEnd, AFileLevelEndsWithAMessageAndAnEmptyBoard) {
  PlayBoard game({"SE"});
  game.play("RRR");
  EXPECT_TRUE(game.host.ended());
  ASSERT_TRUE(game.host.result());
  EXPECT_EQ(game.host.result()->moves, 1);
  EXPECT_EQ(game.sounds(), (std::vector<int>{1, 5, 12}));
  EXPECT_EQ(game.dialogTitles(), std::vector<std::string>{"Klaar!"});
  EXPECT_EQ(game.at(2, 1), 0);
  EXPECT_EQ(game.host.nameCaption(), "");
  game.host.clearEvents();
  game.host.play(LevelRef::testPlay(game.level.path), "R");
  EXPECT_TRUE(game.host.wentToEditor());
  EXPECT_TRUE(game.dialogTitles().empty());
}

// A collection's levels follow each other through "Volgende?" with the standard texts; each
// keeps its best and its way by what it is, so that a renamed file still finds them.
TEST(LevelEnd, ACollectionLevelOffersItsNextAndKeepsItsBestByItsContent) {
  PlayBoard game({"SE"}, true);
  const Collection collection{dwaalbos::testing::levelFromRows({"SE"}, "Proef"),
                              {dwaalbos::testing::levelFromRows({"SE"}, "een"),
                               dwaalbos::testing::levelFromRows({"S", "E"}, "twee")}};
  const std::string path = game.folder.path("proef.DWS");
  ASSERT_TRUE(writeCollection(path, collection));
  ASSERT_TRUE(game.host.play(levelAt(path), "RD"));
  const auto boxes = [&game] {
    std::vector<std::string> texts;
    for (const auto& event : game.host.events())
      if (event.sound == 0) texts.push_back(event.title + ": " + event.text);
    return texts;
  };
  EXPECT_EQ(boxes(), (std::vector<std::string>{std::string("Volgende?: ") + texts::kEersteKeer,
                                               std::string("Klaar!: ") + texts::kGehaald}));
  EXPECT_EQ(game.host.game().level().element, 2);
  const LevelResults kept = readLevelResults(game.folder.path("Resultaten.dat"));
  EXPECT_EQ(kept.levels, (std::vector<LevelResult>{{contentKey(collection.levels[0]), 1, "R"},
                                                   {contentKey(collection.levels[1]), 1, "D"}}));

  std::filesystem::rename(path, game.folder.path("elders.dws"));
  game.host.clearEvents();
  game.host.play(LevelRef::inCollection(game.folder.path("elders.dws"), 1), "R");
  EXPECT_EQ(boxes().front(), std::string("Volgende?: ") + texts::kNogEens);
  ASSERT_TRUE(game.host.result());
  EXPECT_EQ(game.host.result()->key, contentKey(collection.levels[0]));
  // A level file is kept the same way; a test play keeps nothing.
  game.host.play(game.level, "R");
  game.host.play(LevelRef::testPlay(game.folder.path("elders.dws")), "R");
  EXPECT_EQ(readLevelResults(game.folder.path("Resultaten.dat")).levels.size(), 3u);
  EXPECT_FALSE(game.host.play(LevelRef::inCollection(game.folder.path("elders.dws"), 3), ""));
}

// A generated level's end offers the next maze of its difficulty: Yes asks the front end to
// make it, No ends as a file level's end does.
TEST(LevelEnd, AGeneratedLevelOffersTheNextNumberOfItsDifficulty) {
  for (const bool yes : {true, false}) {
    PlayBoard game({"SE"}, yes);
    const LevelRef made =
        LevelRef::newMaze(dwaalbos::testing::levelFromRows({"SE"}, "Nieuw"), "R", {2, 41});
    ASSERT_TRUE(game.host.play(made, "R"));
    EXPECT_EQ(game.dialogTitles(), std::vector<std::string>{"Volgende?"}) << yes;
    EXPECT_TRUE(game.host.ended());
    EXPECT_EQ(game.at(2, 1), cell::kEmpty);
    const auto& next = game.host.nextMaze();
    ASSERT_EQ(next.has_value(), yes);
    EXPECT_EQ(next.value_or(shown::NextMaze{2, 42}).seed, 42u);
    EXPECT_EQ(next.value_or(shown::NextMaze{2, 42}).difficulty, 2);
  }
}

// Only the newest level of a set unlocks the next; the last level of each set offers its
// reward instead; progress out of its range counts as the nearest valid value.
TEST(LevelEnd, ACompletedStandardLevelMovesItsSetsProgressOnlyWhenItWasTheNewest) {
  const struct {
    Bytes before;
    int level;
    Bytes after;
    const char* text;
  } cases[] = {
      {{5, 0, 7, 0},
       5,
       {6, 0, 7, 0},
       "Je hebt dit level voor het eerst gehaald, gefeliciteerd!\r\nWil je"},
      {{6, 0, 1, 0}, 5, {6, 0, 1, 0}, "Je hebt het level gehaald!\r\nVolgende?"},
      {{0x34, 0x12, 3, 0}, 26, {0x34, 0x12, 4, 0}, "Je hebt dit level voor het eerst"},
      {{23, 0, 20, 0}, 23, {23, 0, 20, 0}, "Je hebt alle levels gehaald!\r\nHartstikke goed!\r\n"},
      {{23, 0, 20, 0}, 43, {23, 0, 20, 0}, "Je hebt alle levels van de tweede levelset"},
      {{24, 0, 21, 0}, 23, {24, 0, 21, 0}, "Je hebt alle levels gehaald!"},
      // The file is always both values: without one, the other set starts at 1.
      {{}, 1, {2, 0, 1, 0}, "Je hebt dit level voor het eerst"}};
  for (const auto& c : cases) {
    StandardGame game(c.before);
    game.complete(c.level);
    EXPECT_EQ(game.progress(), c.after) << c.level;
    EXPECT_EQ(game.host.events().back().text.rfind(c.text, 0), 0u) << c.level;
  }
}

TEST(LevelEnd, YesStartsTheNextLevelOrOpensTheReward) {
  StandardGame next({1, 0, 1, 0}, true);
  next.complete(1);
  EXPECT_EQ(next.host.introductions(), 2);
  EXPECT_EQ(next.host.game().level().number, 2);
  EXPECT_FALSE(next.host.ended());  // the second level waits for keys
  StandardGame last({23, 0, 20, 0}, true);
  last.complete(23);
  EXPECT_EQ(last.host.opened().size(), 1u);
}

// The moves of a completed standard level, undo counted off, become its best result, and
// the keys that made them its best solution; the cleared board is told how it went, and a
// result that beats an earlier one as a new best.
TEST(LevelEnd, ACompletedStandardLevelKeepsItsFewestMovesAndTheirKeys) {
  StandardGame game({5, 0, 1, 0});
  // The kept moves and keys, and what the cleared board was told.
  const auto kept = [&](const std::string& keys) {
    game.complete(7, keys);
    const auto& r = game.host.result().value();
    return std::tuple(readBestResults(game.shared.paths.scores()).of(7),
                      readBestSolutions(game.shared.paths.bestSolutions()).of(7), r.levelNumber,
                      r.moves, r.newBest);
  };
  EXPECT_EQ(kept("DUR"), std::tuple(3, "DUR", 7, 3, false));
  EXPECT_EQ(kept("DZR"), std::tuple(1, "R", 7, 1, true));
  EXPECT_EQ(kept("LR"), std::tuple(1, "R", 7, 1, false));  // a turn at the edge is no move

  std::filesystem::remove(game.shared.paths.scores());
  std::filesystem::create_directory(game.shared.paths.scores());  // refuses even root
  game.host.clearEvents();
  game.complete(7);
  // The level end is heard first; the refused write is told after it, before the offer.
  std::vector<std::string> order;
  for (const auto& event : game.host.events())
    order.push_back(event.sound != 0 ? std::to_string(event.sound) : event.title);
  EXPECT_EQ(order, (std::vector<std::string>{"1", "5", "12", "Opslaan mislukt", "Volgende?"}));
}

TEST(LevelEnd, AProgressFileThatCannotBeWrittenIsToldAndTheNextLevelsStayOpenInMemory) {
  StandardGame game({}, true);
  const std::string path = game.folder.path("geluid/Niets.wav");
  std::filesystem::create_directory(path);  // no write goes through, not even as root
  game.complete(1);
  game.complete(2);

  EXPECT_EQ(game.dialogTitles(), (std::vector<std::string>{"Opslaan mislukt", "Volgende?",
                                                           "Opslaan mislukt", "Volgende?"}));
  for (const auto& event : game.host.events()) {
    if (event.sound != 0) continue;
    // Level 2 counts as the newest although the file never learnt of level 1.
    if (event.title == "Opslaan mislukt") EXPECT_NE(event.text.find(path), std::string::npos);
    else EXPECT_EQ(event.text.rfind("Je hebt dit level voor", 0), 0u);
  }
  EXPECT_EQ(game.shared.bereikt.P1, 3);
  EXPECT_EQ(game.host.game().level().number, 3);
}

// Kept progress elsewhere (as a replay must) leaves the game folder's files alone.
TEST(LevelEnd, AGameGivenItsOwnProgressPortWritesNoFiles) {
  RecordingProgress recorder;
  recorder.told = shown::Tell{"Opslaan mislukt", "kapot", Icon::Critical};
  StandardGame game({5, 0, 1, 0});
  game.host.game().keepProgressIn(recorder);
  game.complete(1);
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"best 1 1", "open 0 2"}));
  EXPECT_EQ(game.progress(), (Bytes{5, 0, 1, 0}));
  EXPECT_FALSE(std::filesystem::exists(game.folder.path("Scores.dat")));
  const auto& events = game.host.events();
  EXPECT_TRUE(std::any_of(events.begin(), events.end(),
                          [](const auto& event) { return event.text == "kapot"; }));
}
