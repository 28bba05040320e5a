// The best results file: round trip, only better results kept, damaged or huge files never
// trusted.
#include "level/scores.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_folder.h"

using namespace dwaalbos;

TEST(Scores, KeepsTheFewestMovesPerStandardLevel) {
  TempFolder folder;
  const std::string path = folder.path("Scores.dat");
  const PlayerFile file{path, folder.path(".dwaalbos.lock")};
  EXPECT_EQ(readBestResults(path).of(5), 0);
  EXPECT_TRUE(recordBestResult(file, 5, 40));
  EXPECT_TRUE(recordBestResult(file, 43, 300));
  EXPECT_FALSE(recordBestResult(file, 5, 41));
  EXPECT_FALSE(recordBestResult(file, 5, 40));
  EXPECT_TRUE(recordBestResult(file, 5, 39));
  for (int number : {0, 44}) EXPECT_FALSE(recordBestResult(file, number, 10)) << number;
  const BestResults results = readBestResults(path);
  EXPECT_EQ(results.of(5), 39);
  EXPECT_EQ(results.of(43), 300);
  EXPECT_EQ(results.of(6), 0);
}

TEST(Scores, ADamagedFileReadsAsNoResultsAndIsRewrittenWhole) {
  TempFolder folder;
  const std::string path = folder.path("Scores.dat");
  const PlayerFile file{path, folder.path(".dwaalbos.lock")};
  for (const std::string& damage :
       {std::string("DWSC\x05"), std::string(90, 'x'), "DWSC" + std::string(200, '\x01')}) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << damage;
    EXPECT_EQ(readBestResults(path).of(1), 0);
    EXPECT_TRUE(recordBestResult(file, 2, 7));
    EXPECT_EQ(readBestResults(path).of(2), 7);
    EXPECT_EQ(readBestResults(path).of(1), 0);
  }
  std::filesystem::resize_file(path, std::uintmax_t{1} << 30);  // sparse: costs no disk
  EXPECT_EQ(readBestResults(path).of(2), 0);
  ASSERT_TRUE(recordBestResult(file, 1, 9));
  EXPECT_EQ(std::filesystem::file_size(path), 90u);
}
