// The best solutions file: its bytes, only shorter solutions kept, damaged files never trusted.
#include "level/best_solutions.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

using namespace dwaalbos;

namespace {

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The file holding the solution "RRD" of level 2 and "S" of level 43.
const std::string kTwoLevels = std::string("DWOP\x01\x00\x02\x00", 8) +
                               std::string("\x02\x00\x03\x00RRD", 7) +
                               std::string("\x2B\x00\x01\x00S", 5);

}  // namespace

TEST(BestSolutions, KeepsTheShortestSolutionPerStandardLevelInItsDocumentedBytes) {
  TempFolder folder;
  const std::string path = folder.path("Oplossingen.dat");
  const PlayerFile file{path, folder.path(".dwaalbos.lock")};
  EXPECT_FALSE(readBestSolutions(path).damaged);
  EXPECT_TRUE(recordBestSolution(file, 2, "RRDL"));
  EXPECT_TRUE(recordBestSolution(file, 43, "S"));
  EXPECT_FALSE(recordBestSolution(file, 2, "RRDLU"));
  EXPECT_FALSE(recordBestSolution(file, 2, "UUDD"));
  EXPECT_TRUE(recordBestSolution(file, 2, "RRD"));
  EXPECT_EQ(folder.read("Oplossingen.dat"), bytesOf(kTwoLevels));
  const BestSolutions read = readBestSolutions(path);
  EXPECT_FALSE(read.damaged);
  EXPECT_EQ(read.of(2), "RRD");
  EXPECT_EQ(read.of(43), "S");
  EXPECT_EQ(read.of(1), "");
  for (int number : {0, 44}) EXPECT_FALSE(recordBestSolution(file, number, "L")) << number;
  for (const std::string& moves :
       {std::string(), std::string("LX"), std::string(kLongestSolution + 1, 'L')})
    EXPECT_FALSE(recordBestSolution(file, 1, moves)) << moves.size();
  EXPECT_TRUE(recordBestSolution(file, 1, std::string(kLongestSolution, 'L')));
  EXPECT_EQ(readBestSolutions(path).of(1).size(), kLongestSolution);
}

TEST(BestSolutions, ADamagedOrHugeFileReadsAsNoneSaysSoAndIsRewrittenWhole) {
  TempFolder folder;
  const std::string path = folder.path("Oplossingen.dat");
  const PlayerFile file{path, folder.path(".dwaalbos.lock")};
  const std::string damages[] = {
      kTwoLevels.substr(0, kTwoLevels.size() - 1),  // cut short in a move string
      kTwoLevels.substr(0, 7),                      // cut short in the header
      kTwoLevels + "L",                             // a byte after the last level
      "XWOP" + kTwoLevels.substr(4),
      kTwoLevels.substr(0, 4) + '\x02' + kTwoLevels.substr(5),    // another version
      kTwoLevels.substr(0, 6) + '\x03' + kTwoLevels.substr(7),    // counts a level too many
      kTwoLevels.substr(0, 6) + '\x01' + kTwoLevels.substr(7),    // counts a level too few
      kTwoLevels.substr(0, 15) + '\x02' + kTwoLevels.substr(16),  // level 2 twice
      kTwoLevels.substr(0, 15) + '\x2C' + kTwoLevels.substr(16),  // level 44
      kTwoLevels.substr(0, 12) + 'X' + kTwoLevels.substr(13),     // not a move letter
      std::string("DWOP\x01\x00\x01\x00\x01\x00\x00\x00", 12),    // an empty solution
      std::string("DWOP\x01\x00\x2C\x00", 8),                     // 44 levels
  };
  for (const std::string& damage : damages) {
    folder.write("Oplossingen.dat", bytesOf(damage));
    const BestSolutions read = readBestSolutions(path);
    EXPECT_TRUE(read.damaged) << damage;
    EXPECT_EQ(read.of(2), "") << damage;
    EXPECT_TRUE(recordBestSolution(file, 5, "UU"));
    EXPECT_FALSE(readBestSolutions(path).damaged);
    EXPECT_EQ(readBestSolutions(path).of(5), "UU");
  }
  // A huge file is read only as far as a valid one can reach.
  std::filesystem::resize_file(path, std::uintmax_t{1} << 30);  // sparse: costs no disk
  EXPECT_TRUE(readBestSolutions(path).damaged);
  ASSERT_TRUE(recordBestSolution(file, 1, "D"));
  EXPECT_EQ(std::filesystem::file_size(path), 13u);
}
