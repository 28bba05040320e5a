// dwaalbos-tool as level designers and outside checks run it.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "play_board.h"

namespace {

struct ToolRun {
  int exitCode = -1;
  std::string out;
};

ToolRun tool(const std::string& arguments) {
  const char* game = std::getenv("DWAALBOS_GAME_DIR");
  const std::string command =
      std::string(game ? game : "game") + "/dwaalbos-tool " + arguments + " 2>/dev/null";
  ToolRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer;
  while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
    run.out.append(buffer.data(), n);
  run.exitCode = WEXITSTATUS(pclose(pipe));
  return run;
}

}  // namespace

TEST(Tool, PlayReportsBoardPlayerAndEventsAsJson) {
  PlayBoard level({"S#", ".k", "...E"});
  const ToolRun run = tool("play " + level.level.path + " RDR");
  EXPECT_EQ(run.exitCode, 0);
  const std::string empty = ",[0,0,0,0,0,0,0,0,0,0,0,0]";
  std::string rows = "[5,1,0,0,0,0,0,0,0,0,0,0]" + empty + ",[0,0,0,6,0,0,0,0,0,0,0,0]";
  for (int row = 4; row <= 12; ++row) rows += empty;
  EXPECT_EQ(run.out, "{\"board\":[" + rows +
                         "],\"player\":{\"col\":2,\"row\":2,\"dir\":4},\"keys\":1,"
                         "\"switch\":\"red\",\"level\":0,\"ended\":false,\"events\":[{\"sound\":1},"
                         "{\"sound\":5},{\"sound\":5},{\"sound\":10}]}\n");
}

TEST(Tool, DialogsCarryTheirTextAnswerAndLineBreaks) {
  PlayBoard level({"SXv", ".^<"});
  const ToolRun run = tool("play " + level.level.path + " R --answer yes");
  EXPECT_NE(run.out.find("{\"dialog\":{\"title\":\"Zelfmoord\",\"text\":\"Je hebt een orginele "
                         "manier van zelfmoord gedaan: Je zelf dood duwen!\\r\\nWil je overnieuw "
                         "beginnen?\",\"answer\":\"yes\"}}"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\"ended\":false"), std::string::npos);  // restarted, waiting for keys
}

TEST(Tool, StandardLevelsPlayFromAGameFolderWithItsProgress) {
  PlayBoard level({"SE"});
  const auto record = dwaalbos::encodeLevel(dwaalbos::readLevelFile(level.level.path).value());
  dwaalbos::Bytes set;
  for (int i = 0; i < 3; ++i) set.insert(set.end(), record.begin(), record.end());
  level.folder.write("standaardlevels", set);
  level.folder.write("geluid/Niets.wav", {2, 0, 1, 0});
  const ToolRun run = tool("play --game " + level.folder.root().string() + " --level 2 R");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("\"level\":3"), std::string::npos);
  EXPECT_EQ(level.folder.read("geluid/Niets.wav"), (dwaalbos::Bytes{3, 0, 1, 0}));
  EXPECT_EQ(tool("play --game " + level.folder.root().string() + " --level 30 R").exitCode, 2);
}

TEST(Tool, SolveAnswersTheShortestMovesAndItsExitCode) {
  PlayBoard solvable({"S.E"});
  const ToolRun yes = tool("solve " + solvable.level.path);
  EXPECT_EQ(yes.exitCode, 0);
  EXPECT_EQ(yes.out, "{\"solvable\":true,\"moves\":\"RR\",\"length\":2,\"states\":3}\n");
  PlayBoard walled({"S#E", "##."});
  EXPECT_EQ(tool("solve " + walled.level.path).exitCode, 1);
}

TEST(Tool, GenerateWritesTheLevelAndPrintsItsFigures) {
  TempFolder folder;
  const std::string path = folder.path("nieuw.dwb");
  const ToolRun run = tool("generate --difficulty makkelijk --seed 48213 --out " + path);
  ASSERT_EQ(run.exitCode, 0);
  const auto level = dwaalbos::readLevelFile(path);
  ASSERT_TRUE(level);
  EXPECT_EQ(level->Commentaar, "Makkelijk 48213");
  for (const char* field :
       {"\"name\":", "\"seed\":48213,", "\"difficulty\":\"Makkelijk\"",
        "\"moves\":", "\"positions\":", "\"traps\":", "\"forced\":", "\"milliseconds\":"})
    EXPECT_NE(run.out.find(field), std::string::npos) << field;
}

TEST(Tool, CollectAndCheckACollection) {
  PlayBoard first({"S.E"});
  PlayBoard walled({"S#E", "##."});
  const std::string out = first.folder.path("set.dws");
  const std::string solvable = first.level.path;
  EXPECT_EQ(
      tool("collect " + out + " --title Bos --maker Ik " + solvable + " " + solvable).exitCode, 0);
  const ToolRun check = tool("check " + out);
  EXPECT_EQ(check.exitCode, 0);
  EXPECT_NE(check.out.find("2\t2\t3\t0\t"), std::string::npos) << check.out;
  EXPECT_EQ(tool("collect " + out + " --title Bos --maker Ik " + solvable + " " + walled.level.path)
                .exitCode,
            0);
  EXPECT_EQ(tool("check " + out).exitCode, 1);

  // A damaged file is told of, and the level before the damage is still checked.
  dwaalbos::Bytes cut = fileBytes(out);
  cut.resize(cut.size() - 1);
  first.folder.write("cut.dws", cut);
  const ToolRun damaged = tool("check " + first.folder.path("cut.dws"));
  EXPECT_EQ(damaged.exitCode, 1);
  EXPECT_NE(damaged.out.find("\n1\t2\t"), std::string::npos) << damaged.out;
}

// Wrong arguments are refused as a usage error (64), a file that cannot be read or a wrong
// value as 2; no half-made collection is left behind.
TEST(Tool, BadInputIsRefusedWithItsExitCode) {
  PlayBoard level({"S.E"});
  const std::string out = level.folder.path("set.dws");
  const std::string good = level.level.path;
  const std::pair<std::string, int> cases[] = {
      {"solve /nonexistent.dwb", 2},
      {"play", 64},
      {"play x.dwb RQ", 64},
      {"play /nonexistent.dwb RZY", 2},  // undo and redo are keys
      {"play --level 0 R", 64},
      {"generate --difficulty zwaar --seed 5", 2},
      {"generate --difficulty meester --seed 0", 2},
      {"generate --difficulty meester --seed 1000000", 2},
      {"generate --difficulty meester --seed 12x", 2},
      {"generate --difficulty meester --seed -3", 2},
      {"collect " + out + " --title T " + good, 2},    // no maker
      {"collect " + out + " --title T --maker M", 2},  // no level
      {"collect " + out + " --title T --maker M --colour x " + good, 2},
      {"collect " + out + " --title T --maker M /nonexistent.dwb", 2},
      {"check", 2},
      {"check /nonexistent.dws", 2}};
  for (const auto& [arguments, code] : cases)
    EXPECT_EQ(tool(arguments).exitCode, code) << arguments;
  EXPECT_FALSE(dwaalbos::fileExists(out));
}
