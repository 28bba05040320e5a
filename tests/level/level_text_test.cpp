#include "level/level_text.h"

#include <gtest/gtest.h>

using namespace dwaalbos;

namespace {

const char* kSource =
    "naam: Proef\n"
    "maker: Wim\n"
    "commentaar: een\n"
    "commentaar: twee\n"
    "bord:\n"
    ".#sbrSEkKX!<\n"
    "^v>+........\n"
    "............\n............\n............\n............\n"
    "............\n............\n............\n............\n"
    "............\n...........E\n";

}  // namespace

TEST(LevelText, ParsesTextsAndEverySymbol) {
  const auto parsed = parseLevelText(kSource);
  const auto& level = std::get<Doolhof>(parsed);
  EXPECT_EQ(level.Naam, "Proef");
  EXPECT_EQ(level.Commentaar, "een\r\ntwee");
  for (int code = 0; code <= 11; ++code) EXPECT_EQ(level.Vakken.at(code + 1, 1), code);
  EXPECT_EQ(level.Vakken.at(4, 2), 15);
  EXPECT_EQ(level.Vakken.at(12, 12), 6);
}

// Also a comment whose last line is empty, and a stray carriage return before a line's end.
TEST(LevelText, FormatThenParseIsTheSameLevel) {
  for (const std::string extra : {"", "commentaar:\n", "commentaar: drie\r\r\n"}) {
    std::string source = kSource;
    source.insert(source.find("bord:"), extra);
    const auto level = std::get<Doolhof>(parseLevelText(source));
    EXPECT_EQ(std::get<Doolhof>(parseLevelText(formatLevelText(level))), level) << extra;
  }
}

TEST(LevelText, MistakesNameTheirLine) {
  auto error = std::get<LevelTextError>(parseLevelText("naam: x\nbord:\n....\n"));
  EXPECT_EQ(error.line, 3);
  error = std::get<LevelTextError>(parseLevelText("kleur: rood\n"));
  EXPECT_EQ(error.line, 1);
  std::string badSymbol = kSource;
  badSymbol[badSymbol.find(".#s")] = 'Q';
  EXPECT_EQ(std::get<LevelTextError>(parseLevelText(badSymbol)).line, 6);
  // A row one symbol too long would shift every later cell of a hand-written level.
  std::string longRow = kSource;
  longRow.insert(longRow.find("^v>+"), ".");
  EXPECT_EQ(std::get<LevelTextError>(parseLevelText(longRow)).line, 7);
  EXPECT_TRUE(std::holds_alternative<LevelTextError>(parseLevelText("naam: zonder bord\n")));
}
