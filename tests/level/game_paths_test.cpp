#include "level/game_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <utility>

#include "support/temp_folder.h"

using namespace dwaalbos;

namespace {

struct Placement {
  const char* name;
  const char* program;  // the program's folder
  bool writable;        // may the data folder be written
  const char* xdg;      // $XDG_DATA_HOME below the machine, "" unset, "~x" the value x
  const char* home;     // $HOME below the machine, "" unset
  const char* data;     // expected data folder
  const char* player;   // expected player's folder
  const char* bonus;    // expected folder of irunin.bin
};

void PrintTo(const Placement& placement, std::ostream* out) { *out << placement.name; }

class GamePathsPlacement : public ::testing::TestWithParam<Placement> {};

// A machine in a temporary folder: a game folder game/, an installed game below usr/, and a
// home folder. Whether the data folder may be written is the test's to say, so that the
// read-only cases hold also for root, who may write anywhere.
TEST_P(GamePathsPlacement, PutsDataAndThePlayersFilesInTheirFolders) {
  const Placement& p = GetParam();
  TempFolder machine;
  machine.write("game/standaardlevels", {1});
  machine.write("usr/share/dwaalbos/standaardlevels", {1});
  machine.write("usr/games/dwaalbos", {});
  const auto below = [&](const char* name) {
    return *name == '\0'  ? std::string()
           : *name == '~' ? std::string(name + 1)
                          : machine.path(name);
  };
  const Surroundings around{below(p.xdg), below(p.home),
                            [&](const std::string&) { return p.writable; }};
  const GamePaths paths = findGamePaths(machine.path(p.program), around);
  EXPECT_EQ(paths.folder(), machine.path(p.data));
  EXPECT_EQ(paths.playerFolder(), below(p.player));
  EXPECT_EQ(paths.bonusProgram(), machine.path(p.bonus) + "/irunin.bin");
}

INSTANTIATE_TEST_SUITE_P(
    Folders, GamePathsPlacement,
    ::testing::Values(
        Placement{"WritableGameFolder", "game", true, "", "home", "game", "game", "game"},
        Placement{"ReadOnlyGameFolder", "game", false, "", "home", "game",
                  "home/.local/share/dwaalbos", "game"},
        Placement{"XdgDataHomeSet", "game", false, "xdg", "home", "game", "xdg/dwaalbos", "game"},
        Placement{"XdgDataHomeRelativeIsIgnored", "game", false, "~relative", "home", "game",
                  "home/.local/share/dwaalbos", "game"},
        Placement{"InstalledGameNeverWritesItsShare", "usr/games", true, "", "home",
                  "usr/share/dwaalbos", "home/.local/share/dwaalbos", "usr/lib/dwaalbos"},
        Placement{"InstalledWithoutHome", "usr/games", false, "", "", "usr/share/dwaalbos",
                  "usr/share/dwaalbos", "usr/lib/dwaalbos"},
        Placement{"NoHomeAtAllKeepsTheDataFolder", "game", false, "", "", "game", "game", "game"}),
    [](const auto& info) { return std::string(info.param.name); });

class PlayersFolder : public ::testing::Test {
 protected:
  TempFolder root;
  GamePaths paths{root.path("data"), root.path("own")};
};

// The copy of a read-only shipped file is the player's to write.
TEST_F(PlayersFolder, IsMadeOnFirstUseStartsFromTheShippedFilesThenKeepsItsOwn) {
  root.write("data/Opties.dat", {1, 2, 3});
  std::filesystem::permissions(root.path("data/Opties.dat"), std::filesystem::perms::owner_read);
  EXPECT_EQ(paths.options(), root.path("own/Opties.dat"));
  EXPECT_EQ(root.read("own/Opties.dat"), (Bytes{1, 2, 3}));
  EXPECT_NE(
      std::filesystem::status(paths.options()).permissions() & std::filesystem::perms::owner_write,
      std::filesystem::perms::none);
  EXPECT_EQ(paths.progress(), root.path("own/geluid/Niets.wav"));
  EXPECT_TRUE(std::filesystem::is_directory(root.path("own/geluid")));
  for (const auto& [folder, name] :
       {std::pair{paths.levels(), "own/levels"}, {paths.collections(), "own/verzamelingen"}}) {
    EXPECT_EQ(folder, root.path(name));
    EXPECT_TRUE(std::filesystem::is_directory(root.path(name)));
  }
  EXPECT_EQ(paths.exampleLevels(), root.path("data/levels"));
  // From then on the player's own file wins over the shipped one.
  root.write("own/Opties.dat", {9});
  EXPECT_EQ(paths.options(), root.path("own/Opties.dat"));
  EXPECT_EQ(root.read("own/Opties.dat"), Bytes{9});
  EXPECT_EQ(root.read("data/Opties.dat"), (Bytes{1, 2, 3}));
}

}  // namespace
