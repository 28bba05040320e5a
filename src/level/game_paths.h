#pragma once

#include <functional>
#include <string>
#include <vector>

#include "byte_io.h"
#include "player_file.h"
#include "translation.h"

namespace dwaalbos {

// Where the game's files are. The shipped data lies in one folder; the files the game writes
// for its player (options, progress, the test level, saved levels) lie in the player's
// folder, which is the data folder itself when the player may write there.
class GamePaths {
 public:
  // Data and the player's files in one folder.
  explicit GamePaths(std::string folder) : GamePaths(folder, folder) {}
  // The bonus program lies with the data unless it is given a folder of its own.
  GamePaths(std::string dataFolder, std::string playerFolder, std::string programFolder = {})
      : data_(std::move(dataFolder)), player_(std::move(playerFolder)),
        programs_(programFolder.empty() ? data_ : std::move(programFolder)) {}

  const std::string& folder() const { return data_; }  // the shipped data
  const std::string& playerFolder() const { return player_; }

  std::string standaardlevels() const { return data("standaardlevels"); }
  std::string standaardlevels2() const { return data("standaardlevels2"); }
  std::string exampleLevels() const { return data("levels"); }
  std::string sounds() const { return data("geluid"); }
  std::string music() const { return data("muziek"); }
  // The help page in the language the game speaks.
  std::string helpPage() const {
    return data(currentLanguage() == Language::English ? "help/help_en.htm" : "help/help.htm");
  }
  std::string translations() const { return data("translations"); }
  std::string bonusProgram() const { return programs_ + "/irunin.bin"; }

  std::string progress() const { return playerFile("geluid/Niets.wav"); }
  std::string options() const { return playerFile("Opties.dat"); }
  std::string scores() const { return playerFile("Scores.dat"); }
  std::string bestSolutions() const { return playerFile("Oplossingen.dat"); }
  // Best results and solutions of every level that is not a standard one.
  std::string levelResults() const { return playerFile("Resultaten.dat"); }
  // Private to this running game, so that two games testing at once keep their own levels;
  // the game removes it when the test is over.
  std::string testLevel() const;
  std::string zoom() const { return playerFile("Zoom.dat"); }
  std::string volume() const { return playerFile("Volume.dat"); }
  std::string language() const { return playerFile("Taal.dat"); }
  std::string levels() const;       // where the player's own levels are saved
  std::string collections() const;  // where the player's own collections are saved
  // Where collections lie: the shipped ones' folder, then the player's own when it is another.
  std::vector<std::string> collectionFolders() const;
  // The lock every change of a file that other games may change too holds (PlayerFile).
  std::string lockFile() const;
  PlayerFile locked(std::string path) const { return {std::move(path), lockFile()}; }

  // A file the game writes, by its name below the data folder. A separate player's folder
  // is made on first use, and a shipped file the player has no copy of yet is copied there
  // as his starting point; from then on his own copy is the one read and written.
  std::string playerFile(const std::string& name) const;

  // The result of a write to one of the player's files, with the reason its folder cannot be
  // made when that is why the write failed.
  WriteResult explained(const std::string& path, const WriteResult& written) const;

 private:
  std::string data(const char* name) const { return data_ + "/" + name; }
  // A folder of the player's, made when it lies apart from the data.
  std::string ownFolder(const char* name) const;
  bool separate() const { return player_ != data_; }

  std::string data_;
  std::string player_;
  std::string programs_;
};

// What the choice of folders depends on besides the folders themselves.
struct Surroundings {
  std::string xdgDataHome;  // $XDG_DATA_HOME, empty when unset
  std::string home;         // $HOME
  std::function<bool(const std::string& folder)> mayWrite;
};

// The environment of this process; a folder is writable when access(2) says so.
Surroundings systemSurroundings();

// The data lies beside the program (a game folder, copied anywhere) or in ../share/dwaalbos
// (an installed game, whose bonus program is in ../lib/dwaalbos). A game folder the player may
// write to keeps his files; otherwise, and always for an installed game, whose files belong to the
// system's package manager, they go to $XDG_DATA_HOME/dwaalbos (by default
// ~/.local/share/dwaalbos).
GamePaths findGamePaths(const std::string& programFolder, const Surroundings& around);

}  // namespace dwaalbos
