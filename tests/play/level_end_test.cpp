// Completing levels: file levels, standard levels and the progress they unlock.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "level/level_file.h"
#include "level/level_text.h"
#include "level/scores.h"
#include "play_board.h"

using namespace dwaalbos;

namespace {

// A game folder whose standard levels are all a start square beside an end square.
class StandardGame {
 public:
  StandardGame(std::int16_t p1, std::int16_t p2, bool answerYes)
      : shared(folder.root().string()), host(shared, answerYes) {
    folder.write("standaardlevels", setFile(kSet1Records, "een"));
    folder.write("standaardlevels2", setFile(kSet2Records, "twee"));
    Bytes progress;
    putI16(progress, p1);
    putI16(progress, p2);
    folder.write("geluid/Niets.wav", progress);
    shared.readLevelSets();
  }

  void complete(int levelNummer) {
    shared.LevelNummer = levelNummer;
    host.play("R");
  }
  Bytes progress() const { return folder.read("geluid/Niets.wav"); }
  std::string lastText() const { return host.events().back().text; }

  TempFolder folder;
  SharedState shared;
  HeadlessHost host;

 private:
  static Bytes setFile(int records, const std::string& name) {
    Bytes out;
    for (int i = 0; i < records; ++i) {
      Doolhof level;
      level.Vakken.set(1, 1, cell::kStart);
      level.Vakken.set(2, 1, cell::kEnd);
      level.Naam = name + std::to_string(i);
      const Bytes record = encodeLevel(level);
      out.insert(out.end(), record.begin(), record.end());
    }
    return out;
  }
};

}  // namespace

TEST(LevelEnd, AFileLevelEndsWithAMessageAndAnEmptyBoard) {
  PlayBoard game({"SE"});
  game.play("RRR");
  EXPECT_TRUE(game.host.ended());
  EXPECT_EQ(game.sounds(), (std::vector<int>{1, 5, 12}));
  ASSERT_EQ(game.host.events().back().title, "Klaar!");
  EXPECT_EQ(game.host.events().back().text, "Je hebt het level gehaald!");
  EXPECT_EQ(game.at(2, 1), 0);
  EXPECT_EQ(game.host.nameCaption(), "");
}

TEST(LevelEnd, ATestLevelGoesBackToTheEditorWithoutAMessage) {
  PlayBoard game({"SE"});
  game.shared.Testen = true;
  game.play("R");
  EXPECT_TRUE(game.host.wentToEditor());
  EXPECT_TRUE(game.dialogTitles().empty());
}

TEST(LevelEnd, TheNewestLevelCompletedUnlocksTheNextAndOffersIt) {
  StandardGame game(5, 7, false);
  game.complete(5);
  EXPECT_EQ(game.progress(), (Bytes{6, 0, 7, 0}));
  EXPECT_EQ(game.host.events().back().title, "Volgende?");
  EXPECT_EQ(game.lastText(),
            "Je hebt dit level voor het eerst gehaald, gefeliciteerd!\r\n"
            "Wil je gelijk het volgende level doen?");
  EXPECT_EQ(game.shared.LevelNummer, 6);
}

TEST(LevelEnd, AnOlderLevelCompletedChangesNoProgress) {
  StandardGame game(6, 1, false);
  game.complete(5);
  EXPECT_EQ(game.progress(), (Bytes{6, 0, 1, 0}));
  EXPECT_EQ(game.lastText(), "Je hebt het level gehaald!\r\nVolgende?");
}

TEST(LevelEnd, TheSecondSetWritesOnlyItsOwnValue) {
  StandardGame game(0x1234, 3, false);
  game.complete(26);
  EXPECT_EQ(game.progress(), (Bytes{0x34, 0x12, 4, 0}));
  EXPECT_EQ(game.shared.LevelNummer, 27);
}

TEST(LevelEnd, YesStartsTheNextLevelWithItsIntroduction) {
  StandardGame game(1, 1, true);
  game.complete(1);
  EXPECT_EQ(game.host.introductions(), 2);
  EXPECT_EQ(game.host.introduction().naam, "een2");
  EXPECT_EQ(game.host.introduction().maker, "Gemaakt door anoniem");
  EXPECT_EQ(game.host.introduction().commentaar, "Geen commentaar");
  EXPECT_FALSE(game.host.ended());  // the second level waits for keys
}

TEST(LevelEnd, TheLastLevelOfEachSetOffersItsRewardAndKeepsTheProgress) {
  StandardGame first(23, 20, true);
  first.complete(23);
  EXPECT_EQ(first.progress(), (Bytes{23, 0, 20, 0}));
  EXPECT_EQ(first.host.events().back().title, "Dwaalbos");
  EXPECT_EQ(first.lastText().rfind("Je hebt alle levels gehaald!\r\nHartstikke goed!\r\nPerfect!\r\n", 0), 0u);
  ASSERT_EQ(first.host.opened().size(), 1u);

  StandardGame second(23, 20, false);
  second.complete(43);
  EXPECT_EQ(second.progress(), (Bytes{23, 0, 20, 0}));
  EXPECT_EQ(second.lastText().rfind("Je hebt alle levels van de tweede levelset uitgespeeld!", 0), 0u);
  EXPECT_TRUE(second.host.opened().empty());
}

TEST(LevelEnd, ProgressOutsideItsRangeCountsAsTheNearestValidValue) {
  StandardGame game(24, 21, false);
  game.complete(23);
  EXPECT_EQ(game.lastText().rfind("Je hebt alle levels gehaald!", 0), 0u);
}

// The moves of a completed standard level, undo counted off, become its best result.
TEST(LevelEnd, ACompletedStandardLevelKeepsItsFewestMoves) {
  StandardGame game(5, 1, false);
  game.shared.LevelNummer = 7;
  game.host.play("DUR");
  EXPECT_EQ(readBestResults(game.shared.paths.scores()).of(7), 3);
  game.shared.LevelNummer = 7;
  game.host.play("DZR");
  EXPECT_EQ(readBestResults(game.shared.paths.scores()).of(7), 1);

  std::filesystem::remove(game.shared.paths.scores());
  std::filesystem::create_directory(game.shared.paths.scores());  // refuses even root
  game.shared.LevelNummer = 7;
  game.host.play("R");
  const auto& events = game.host.events();
  EXPECT_TRUE(std::any_of(events.begin(), events.end(),
                          [](const auto& event) { return event.title == "Opslaan mislukt"; }));
}

TEST(LevelEnd, AProgressFileThatCannotBeWrittenIsToldAndTheNextLevelsStayOpenInMemory) {
  StandardGame game(1, 1, true);
  const std::string path = game.folder.path("geluid/Niets.wav");
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);  // no write goes through, not even as root
  game.complete(1);
  game.complete(2);

  std::vector<std::string> titles;
  for (const auto& event : game.host.events()) {
    if (event.sound != 0) continue;
    titles.push_back(event.title);
    if (event.title == "Opslaan mislukt") {
      EXPECT_NE(event.text.find(path), std::string::npos);
    } else {
      // Level 2 counts as the newest although the file never learnt of level 1.
      EXPECT_EQ(event.text.rfind("Je hebt dit level voor", 0), 0u);
    }
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"Opslaan mislukt", "Volgende?", "Opslaan mislukt",
                                              "Volgende?"}));
  EXPECT_EQ(game.shared.bereikt.P1, 3);
  EXPECT_EQ(game.shared.LevelNummer, 3);
}
