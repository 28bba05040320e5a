#include "level/command_line.h"

#include <gtest/gtest.h>

using dwaalbos::CommandLine;
using dwaalbos::parseCommandLine;

TEST(CommandLine, FirstLetterChoosesPlayOrEditInEitherCase) {
  EXPECT_EQ(parseCommandLine({"a/tmp/x.dwb"}).action, CommandLine::Action::Play);
  EXPECT_EQ(parseCommandLine({"A/tmp/x.dwb"}).path, "/tmp/x.dwb");
  EXPECT_EQ(parseCommandLine({"b/tmp/x.dwb"}).action, CommandLine::Action::Edit);
  const auto edit = parseCommandLine({"B/levels/mijn.dwb"});
  EXPECT_EQ(edit.action, CommandLine::Action::Edit);
  EXPECT_EQ(edit.path, "/levels/mijn.dwb");
}

// What a file manager passes when the player opens a file with the game.
TEST(CommandLine, AnAbsolutePathByItselfPlaysThatFile) {
  const auto play = parseCommandLine({"/home/mijn", "levels/een.dws"});
  EXPECT_EQ(play.action, CommandLine::Action::Play);
  EXPECT_EQ(play.path, "/home/mijn levels/een.dws");
}

TEST(CommandLine, ArgumentsAreJoinedWithSingleSpaces) {
  const auto play = parseCommandLine({"a/home/mijn", "levels/een", "level.dwb"});
  EXPECT_EQ(play.path, "/home/mijn levels/een level.dwb");
  EXPECT_EQ(parseCommandLine({"a", "/x.dwb"}).path, "/x.dwb");
  EXPECT_EQ(parseCommandLine({"B", "/mijn", "x.dwb"}).path, "/mijn x.dwb");
}

TEST(CommandLine, NothingIsNoneAndAnyOtherFirstCharacterIsUnknown) {
  EXPECT_EQ(parseCommandLine({}).action, CommandLine::Action::None);
  EXPECT_EQ(parseCommandLine({"c/tmp/x.dwb"}).action, CommandLine::Action::Unknown);
  EXPECT_EQ(parseCommandLine({"x.dwb"}).action, CommandLine::Action::Unknown);
  EXPECT_EQ(parseCommandLine({"", "a"}).action, CommandLine::Action::Unknown);
}
