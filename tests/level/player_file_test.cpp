// Changes of the player's files by games that run at once, and what a killed game leaves.
#include "level/player_file.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <new>
#include <stdexcept>
#include <thread>

#include "level/best_solutions.h"
#include "level/leftovers.h"
#include "level/progress.h"
#include "level/scores.h"
#include "level/texts.h"
#include "support/temp_folder.h"

using namespace dwaalbos;
namespace fs = std::filesystem;

namespace {

// Two games in processes of their own, each completing a level when told: a new best result,
// a shorter solution and the next level of its set opened, all for round `r`. They wait for
// each round spinning on shared memory, so that both start it at the same moment.
class TwoGames {
 public:
  explicit TwoGames(const TempFolder& folder) {
    void* memory =
        mmap(nullptr, sizeof(Rounds), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) throw std::runtime_error("mmap");
    rounds_ = new (memory) Rounds;
    for (const bool secondSet : {false, true}) {
      pids_[secondSet] = fork();
      if (pids_[secondSet] == 0) play(folder, secondSet);
    }
  }
  ~TwoGames() {
    rounds_->go = kEnd;
    for (const pid_t pid : pids_) waitpid(pid, nullptr, 0);
    munmap(rounds_, sizeof(Rounds));
  }
  // Both complete a level; false when either could not save it.
  bool complete(int round) {
    rounds_->go = round;
    for (const auto& done : rounds_->done)
      while (done < round) std::this_thread::yield();
    return rounds_->saved[0] && rounds_->saved[1];
  }

 private:
  static constexpr int kEnd = 1 << 30;
  struct Rounds {
    std::atomic<int> go{-1};
    std::atomic<int> done[2]{-1, -1};
    std::atomic<bool> saved[2]{false, false};
  };

  [[noreturn]] void play(const TempFolder& folder, bool secondSet) {
    const int level = secondSet ? 24 : 1;
    const std::string lock = folder.path(".dwaalbos.lock");
    for (int r = 0;; ++r) {
      while (rounds_->go < r) std::this_thread::yield();
      if (rounds_->go == kEnd) _exit(0);
      rounds_->saved[secondSet] =
          *recordBestResult({folder.path("Scores.dat"), lock}, level, 1000 - r) &&
          *recordBestSolution({folder.path("Oplossingen.dat"), lock}, level,
                              std::string(200 - r, 'L')) &&
          openLevel({folder.path("Niets.wav"), lock}, secondSet, static_cast<std::int16_t>(r + 2));
      rounds_->done[secondSet] = r;
    }
  }

  Rounds* rounds_;
  pid_t pids_[2] = {};
};

}  // namespace

// Both games complete a level at the same moment; every round, each one's results are there.
TEST(PlayerFileLock, TwoGamesCompletingLevelsAtOnceLoseNoResult) {
  TempFolder folder;
  TwoGames games(folder);
  int lost = 0;
  for (int r = 0; r < 100; ++r) {
    ASSERT_TRUE(games.complete(r)) << r;
    const BestResults best = readBestResults(folder.path("Scores.dat"));
    const BestSolutions solutions = readBestSolutions(folder.path("Oplossingen.dat"));
    const Vordering progress = readProgress(folder.path("Niets.wav")).value();
    const auto wanted = static_cast<std::size_t>(200 - r);
    lost += (best.of(1) != 1000 - r) + (best.of(24) != 1000 - r) +
            (solutions.of(1).size() != wanted) + (solutions.of(24).size() != wanted) +
            (progress.P1 != r + 2) + (progress.P2 != r + 2);
  }
  EXPECT_EQ(lost, 0);
}

// A game that holds the lock (here: another lock of this process) is waited for a second.
TEST(PlayerFileLock, AChangeWaitsNoLongerThanASecondForAnotherGameAndSaysSo) {
  TempFolder folder;
  const PlayerFile scores{folder.path("Scores.dat"), folder.path(".dwaalbos.lock")};
  const FileLock other = FileLock::take(scores.lock);
  ASSERT_TRUE(other);
  const auto start = std::chrono::steady_clock::now();
  const auto written = recordBestResult(scores, 1, 5);
  const auto took = std::chrono::steady_clock::now() - start;
  ASSERT_TRUE(written);
  EXPECT_EQ(written->reason(), texts::kBezet);
  EXPECT_GE(took, std::chrono::seconds(1));
  EXPECT_LT(took, std::chrono::milliseconds(1500));
  EXPECT_FALSE(fs::exists(scores.path));
}

// Only regular files of the names a game leaves, and only when that game no longer runs.
TEST(Leftovers, WhatAKilledGameLeftIsRemovedAtTheStartAndNothingElse) {
  TempFolder root;
  const pid_t ended = fork();
  if (ended == 0) _exit(0);
  waitpid(ended, nullptr, 0);
  const std::string gone = std::to_string(ended);
  const std::string running = std::to_string(getpid());
  const std::string removed[] = {
      ".Opties.dat." + gone + "-0.tmp",
      "test-" + gone + ".dwb",
      ".test-" + gone + ".dwb." + gone + "-7.tmp",
      "geluid/.Niets.wav." + gone + "-12.tmp",
      "levels/.mijn level.dwb." + gone + "-3.tmp",
  };
  const std::string kept[] = {
      ".Opties.dat." + running + "-0.tmp",
      "test-" + running + ".dwb",
      ".brief.txt." + gone + "-0.tmp",
      ".Opties.dat." + gone + "-x.tmp",
      "Opties.dat",
      "levels/.lijst.txt." + gone + "-0.tmp",
      "elders/.a.dwb." + gone + "-0.tmp",
  };
  for (const auto& name : removed) root.write("spel/" + name, {1});
  for (const auto& name : kept) root.write("spel/" + name, {1});
  // A link of a leftover's name, and a game whose levels folder is a link to leftovers: neither
  // is touched.
  const std::string link = root.path("spel/.Scores.dat." + gone + "-0.tmp");
  fs::create_symlink(root.path("spel/Opties.dat"), link);
  fs::create_directory(root.path("ander"));
  fs::create_directory_symlink(root.path("spel/elders"), root.path("ander/levels"));

  removeLeftovers(GamePaths(root.path("spel")));
  removeLeftovers(GamePaths(root.path("ander")));
  for (const auto& name : removed) EXPECT_FALSE(fs::exists(root.path("spel/" + name))) << name;
  for (const auto& name : kept) EXPECT_TRUE(fs::exists(root.path("spel/" + name))) << name;
  EXPECT_TRUE(fs::is_symlink(link));
}
