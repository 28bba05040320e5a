// The results file of the levels that are not standard: its bytes, only better results kept,
// a bounded size, damaged files never trusted; and the keys that find a level in it.
#include "level/level_results.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "level/content_key.h"
#include "support/temp_folder.h"

using namespace dwaalbos;

namespace {

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

constexpr std::uint64_t kFirst = 0x0123456789ABCDEFULL;
constexpr std::uint64_t kSecond = 0xFEDCBA9876543210ULL;

// kSecond completed in 7 moves whose way is not known, then kFirst in 3 moves by "RRD"; no
// made levels.
const std::string kLevelsOnly =
    std::string("\x02\x00", 2) +
    std::string("\x10\x32\x54\x76\x98\xBA\xDC\xFE\x07\x00\x00\x00", 12) +
    std::string("\xEF\xCD\xAB\x89\x67\x45\x23\x01\x03\x00\x03\x00RRD", 15);
const std::string kTwoLevels = std::string("DWRE\x02\x00", 6) + kLevelsOnly + std::string(2, '\0');
// The same in the older version, which keeps no made levels.
const std::string kOlderTwoLevels = std::string("DWRE\x01\x00", 6) + kLevelsOnly;
// kTwoLevels, and the level made from 5 is kFirst.
const std::string kWithMade = std::string("DWRE\x02\x00", 6) + kLevelsOnly +
                              std::string("\x01\x00\x05\0\0\0\0\0\0\0", 10) +
                              std::string("\xEF\xCD\xAB\x89\x67\x45\x23\x01", 8);

struct ResultsFile {
  TempFolder folder;
  std::string path = folder.path("Resultaten.dat");
  PlayerFile file{path, folder.path(".dwaalbos.lock")};
  bool record(std::uint64_t key, int moves, std::string_view way) {
    const auto written = recordLevelResult(file, key, moves, way);
    EXPECT_TRUE(!written || *written);
    return written.has_value();
  }
  bool recordMade(std::uint64_t made, std::uint64_t key) {
    const auto written = recordMadeLevel(file, made, key);
    EXPECT_TRUE(!written || *written);
    return written.has_value();
  }
};

// The result the file keeps for `key`; an empty one when it keeps none.
LevelResult keptOf(const std::string& path, std::uint64_t key) {
  const LevelResults results = readLevelResults(path);
  const LevelResult* kept = results.of(key);
  return kept ? *kept : LevelResult{};
}

}  // namespace

TEST(LevelResults, KeepsTheFewestMovesAndShortestWayPerKeyInItsDocumentedBytes) {
  ResultsFile results;
  EXPECT_FALSE(readLevelResults(results.path).damaged);
  EXPECT_TRUE(results.record(kFirst, 5, "RRDLU"));
  EXPECT_TRUE(results.record(kSecond, 7, ""));
  EXPECT_FALSE(results.record(kFirst, 5, "RRDLU"));
  EXPECT_FALSE(results.record(kFirst, 6, "UUDDLR"));
  EXPECT_TRUE(results.record(kFirst, 3, "RRD"));
  EXPECT_FALSE(results.record(kSecond, 8, ""));
  // The level whose result changed last is at the end.
  EXPECT_EQ(results.folder.read("Resultaten.dat"), bytesOf(kTwoLevels));
  const LevelResults read = readLevelResults(results.path);
  ASSERT_FALSE(read.damaged);
  ASSERT_NE(read.of(kFirst), nullptr);
  EXPECT_EQ(*read.of(kFirst), (LevelResult{kFirst, 3, "RRD"}));
  EXPECT_EQ(*read.of(kSecond), (LevelResult{kSecond, 7, ""}));
  EXPECT_EQ(read.of(42), nullptr);
  // A way known later is kept beside the best that came without one.
  EXPECT_TRUE(results.record(kSecond, 9, "LLLLLLLLL"));
  EXPECT_EQ(keptOf(results.path, kSecond), (LevelResult{kSecond, 7, "LLLLLLLLL"}));
  // What cannot be a result is not recorded; a way too long to keep leaves the count alone.
  for (int moves : {0, -1, 65536}) EXPECT_FALSE(results.record(kFirst, moves, "")) << moves;
  EXPECT_FALSE(results.record(kFirst, 2, "LX"));
  EXPECT_TRUE(results.record(kFirst, 1, std::string(kLongestKeptSolution + 1, 'L')));
  EXPECT_EQ(keptOf(results.path, kFirst), (LevelResult{kFirst, 1, "RRD"}));
}

// A generated level's result is found by what it was made from, without making it again.
TEST(LevelResults, FindsAMadeLevelsResultByWhatItWasMadeFrom) {
  ResultsFile results;
  results.folder.write("Resultaten.dat", bytesOf(kOlderTwoLevels));
  const LevelResults older = readLevelResults(results.path);
  ASSERT_FALSE(older.damaged);
  EXPECT_EQ(*older.of(kFirst), (LevelResult{kFirst, 3, "RRD"}));
  EXPECT_EQ(older.ofMade(5), nullptr);

  EXPECT_FALSE(results.recordMade(0, kFirst));
  EXPECT_TRUE(results.recordMade(5, kFirst));
  EXPECT_FALSE(results.recordMade(5, kFirst));
  EXPECT_EQ(results.folder.read("Resultaten.dat"), bytesOf(kWithMade));
  EXPECT_TRUE(results.recordMade(6, 42));  // made, not completed yet
  const LevelResults read = readLevelResults(results.path);
  ASSERT_FALSE(read.damaged);
  EXPECT_EQ(read.ofMade(5), read.of(kFirst));
  EXPECT_EQ(read.ofMade(6), nullptr);
  EXPECT_EQ(read.ofMade(7), nullptr);
  // A result recorded later keeps what was made.
  EXPECT_TRUE(results.record(42, 8, "UUUUDDDD"));
  EXPECT_EQ(keptOf(results.path, 42).best, 8);
  EXPECT_EQ(readLevelResults(results.path).made, read.made);

  // When full, the one kept first goes.
  LevelResults full;
  for (std::uint64_t made = 1; made <= kMostMadeLevels; ++made) full.made.push_back({made, made});
  results.folder.write("Resultaten.dat", encodeLevelResults(full));
  EXPECT_TRUE(results.recordMade(kMostMadeLevels + 1, 9));
  const auto made = readLevelResults(results.path).made;
  EXPECT_EQ(made.size(), kMostMadeLevels);
  EXPECT_EQ(made.front(), (MadeLevel{2, 2}));
  EXPECT_EQ(made.back(), (MadeLevel{kMostMadeLevels + 1, 9}));
}

TEST(LevelResults, AFullFilePushesOutTheLevelWhoseResultChangedLongestAgo) {
  ResultsFile results;
  LevelResults full;
  for (std::uint64_t key = 1; key <= kMostKeptLevels; ++key) full.levels.push_back({key, 10, ""});
  results.folder.write("Resultaten.dat", encodeLevelResults(full));
  results.record(1, 9, "");  // now the newest change
  results.record(kFirst, 4, "LRLR");
  const LevelResults read = readLevelResults(results.path);
  ASSERT_FALSE(read.damaged);
  EXPECT_EQ(read.levels.size(), kMostKeptLevels);
  EXPECT_EQ(read.of(2), nullptr);
  EXPECT_EQ(read.of(1)->best, 9);
  EXPECT_EQ(read.levels.back().key, kFirst);
}

TEST(LevelResults, ADamagedOrHugeFileReadsAsNoneSaysSoAndIsRewrittenWhole) {
  ResultsFile results;
  const std::string keyTwice =
      kTwoLevels.substr(0, 20) + kTwoLevels.substr(8, 8) + kTwoLevels.substr(28);
  const std::string damages[] = {
      kTwoLevels.substr(0, kTwoLevels.size() - 1),  // cut short in an entry
      kTwoLevels.substr(0, 7),                      // cut short in the header
      kTwoLevels + "L",                             // a byte after the last level
      "DWOP" + kTwoLevels.substr(4),
      kTwoLevels.substr(0, 4) + '\x03' + kTwoLevels.substr(5),  // another version
      kOlderTwoLevels + std::string(2, '\0'),                   // made levels in the older version
      kWithMade.substr(0, kWithMade.size() - 1),                // cut short in a made level
      kTwoLevels.substr(0, 35) + std::string("\x01\x00", 2),    // counts a made level too many
      kTwoLevels.substr(0, 35) + std::string("\x01\x10", 2),    // more than may be kept
      kWithMade.substr(0, 37) + std::string(16, '\0'),          // made from 0
      kWithMade.substr(0, 35) + std::string("\x02\x00", 2) + kWithMade.substr(37) +
          kWithMade.substr(37),  // made from one number twice
      keyTwice,
      std::string("DWRE\x01\x00\x01\x10", 8),  // more levels than the file may keep
  };
  for (const std::string& damage : damages) {
    results.folder.write("Resultaten.dat", bytesOf(damage));
    const LevelResults read = readLevelResults(results.path);
    EXPECT_TRUE(read.damaged) << damage.size();
    EXPECT_TRUE(read.levels.empty()) << damage.size();
    EXPECT_TRUE(results.record(5, 2, "UU"));
    EXPECT_EQ(readLevelResults(results.path).levels, (std::vector{LevelResult{5, 2, "UU"}}));
  }
  std::filesystem::resize_file(results.path, std::uintmax_t{1} << 30);  // sparse: costs no disk
  EXPECT_TRUE(readLevelResults(results.path).damaged);
  ASSERT_TRUE(results.record(1, 1, "D"));
  EXPECT_EQ(std::filesystem::file_size(results.path), 23u);
}
