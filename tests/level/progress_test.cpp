#include "level/progress.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

using namespace dwaalbos;

// A missing file starts at one and one; one past the last level is corrected in the file too.
TEST(Progress, TheChooserCreatesAndCorrectsTheFile) {
  TempFolder folder;
  EXPECT_EQ(openProgressForChooser(folder.path("Niets.wav")).P2, 1);
  EXPECT_EQ(folder.read("Niets.wav"), (Bytes{1, 0, 1, 0}));
  folder.write("Niets.wav", {24, 0, 21, 0});
  const auto values = openProgressForChooser(folder.path("Niets.wav"));
  EXPECT_EQ(folder.read("Niets.wav"), (Bytes{23, 0, 20, 0}));
  EXPECT_EQ(values.P1, 23);
  EXPECT_EQ(values.P2, 20);
}

TEST(Progress, OtherValuesOutOfRangeAreClampedButNotRewritten) {
  TempFolder folder;
  folder.write("Niets.wav", {0xF6, 0xFF, 99, 0});  // -10 and 99
  const auto values = openProgressForChooser(folder.path("Niets.wav"));
  EXPECT_EQ(values.P1, 1);
  EXPECT_EQ(values.P2, 20);
  EXPECT_EQ(folder.read("Niets.wav"), (Bytes{0xF6, 0xFF, 99, 0}));
}

TEST(Progress, AShortFileReadsItsMissingValuesAsZero) {
  TempFolder folder;
  folder.write("Niets.wav", {7});
  const auto values = readProgress(folder.path("Niets.wav"));
  ASSERT_TRUE(values);
  EXPECT_EQ(values->P1, 0);
  EXPECT_EQ(values->P2, 0);
  EXPECT_FALSE(readProgress(folder.path("weg.wav")));
}

// Writing one set never changes the other; the second set's write starts a missing first at one.
TEST(Progress, WritingOneSetNeverChangesTheOther) {
  TempFolder folder;
  ASSERT_TRUE(writeSecondSetProgress(folder.path("Niets.wav"), 3));
  EXPECT_EQ(folder.read("Niets.wav"), (Bytes{1, 0, 3, 0}));
  folder.write("Niets.wav", {0x34, 0x12, 5, 0});
  ASSERT_TRUE(writeSecondSetProgress(folder.path("Niets.wav"), 6));
  EXPECT_EQ(folder.read("Niets.wav"), (Bytes{0x34, 0x12, 6, 0}));
  ASSERT_TRUE(writeFirstSetProgress(folder.path("Niets.wav"), 9));
  EXPECT_EQ(folder.read("Niets.wav"), (Bytes{9, 0, 6, 0}));
}
