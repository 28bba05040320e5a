#include "level/progress.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

using namespace dwaalbos;
namespace fs = std::filesystem;

namespace {

PlayerFile progressIn(const TempFolder& folder) {
  return {folder.path("Niets.wav"), folder.path(".dwaalbos.lock")};
}

}  // namespace

// A missing file starts at one and one; one past the last level is corrected in the file too.
TEST(Progress, TheChooserCreatesAndCorrectsTheFile) {
  TempFolder folder;
  EXPECT_EQ(openProgressForChooser(progressIn(folder)).P2, 1);
  EXPECT_EQ(folder.read("Niets.wav"), (Bytes{1, 0, 1, 0}));
  folder.write("Niets.wav", {24, 0, 21, 0});
  const auto values = openProgressForChooser(progressIn(folder));
  EXPECT_EQ(folder.read("Niets.wav"), (Bytes{23, 0, 20, 0}));
  EXPECT_EQ(values.P1, 23);
  EXPECT_EQ(values.P2, 20);
}

TEST(Progress, OtherValuesOutOfRangeAreClampedButNotRewritten) {
  TempFolder folder;
  folder.write("Niets.wav", {0xF6, 0xFF, 99, 0});  // -10 and 99
  const auto values = openProgressForChooser(progressIn(folder));
  EXPECT_EQ(values.P1, 1);
  EXPECT_EQ(values.P2, 20);
  EXPECT_EQ(folder.read("Niets.wav"), (Bytes{0xF6, 0xFF, 99, 0}));
}

// Both values are always written and nothing after them: the other set's value byte for byte
// (1 when the file holds none), this set's never lowered.
TEST(Progress, OpeningALevelWritesBothValuesAndKeepsTheOtherSets) {
  const struct {
    Bytes before;  // empty: no file
    bool secondSet;
    std::int16_t next;
    Bytes after;
    std::uint64_t dropped;
  } cases[] = {
      {{}, false, 2, {2, 0, 1, 0}, 0},
      {{}, true, 3, {1, 0, 3, 0}, 0},
      {{0x34, 0x12, 5, 0}, true, 6, {0x34, 0x12, 6, 0}, 0},
      {{5, 0, 0xF6, 0xFF}, false, 6, {6, 0, 0xF6, 0xFF}, 0},
      {{2, 0}, false, 3, {3, 0, 1, 0}, 0},
      {{9, 0, 4, 0}, false, 7, {9, 0, 4, 0}, 0},  // another game got further meanwhile
      {{5, 0, 4, 0, 'x', 'y'}, false, 6, {6, 0, 4, 0}, 2},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    if (!c.before.empty()) folder.write("Niets.wav", c.before);
    const WriteResult written = openLevel(progressIn(folder), c.secondSet, c.next);
    ASSERT_TRUE(written);
    EXPECT_EQ(folder.read("Niets.wav"), c.after) << c.before.size();
    EXPECT_EQ(written.dropped(), c.dropped);
  }
}

// A link at the name is replaced by a file of both values, the other set's as read through it.
TEST(Progress, OpeningALevelThroughALinkKeepsTheOtherSetsValue) {
  TempFolder folder;
  folder.write("elders.wav", {1, 0, 5, 0});
  fs::create_symlink(folder.path("elders.wav"), folder.path("Niets.wav"));
  ASSERT_TRUE(openLevel(progressIn(folder), false, 2));
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder.path("Niets.wav"))));
  EXPECT_EQ(folder.read("Niets.wav"), (Bytes{2, 0, 5, 0}));
  EXPECT_EQ(folder.read("elders.wav"), (Bytes{1, 0, 5, 0}));
}
