#include "level/level_sets.h"

#include <gtest/gtest.h>

#include "level/level_file.h"
#include "support/temp_folder.h"

using namespace dwaalbos;

namespace {

Bytes setOf(int records, const std::string& prefix) {
  Bytes out;
  for (int i = 0; i < records; ++i) {
    Doolhof level;
    level.Naam = prefix + std::to_string(i);
    const Bytes record = encodeLevel(level);
    out.insert(out.end(), record.begin(), record.end());
  }
  return out;
}

}  // namespace

TEST(LevelSets, LevelNumbersSelectElementsAcrossBothSets) {
  TempFolder folder;
  folder.write("standaardlevels", setOf(kSet1Records, "een-"));
  folder.write("standaardlevels2", setOf(30, "twee-"));  // records beyond the set are not read
  LevelSets sets{readLevelSet(folder.path("standaardlevels"), kSet1Records),
                 readLevelSet(folder.path("standaardlevels2"), kSet2Records)};
  EXPECT_EQ(sets.byNumber(1)->Naam, "een-1");
  EXPECT_EQ(sets.byNumber(23)->Naam, "een-23");
  EXPECT_EQ(sets.byNumber(24)->Naam, "twee-1");
  EXPECT_EQ(sets.byNumber(43)->Naam, "twee-20");
  EXPECT_EQ(sets.byNumber(0), nullptr);
  EXPECT_EQ(sets.byNumber(44), nullptr);
  EXPECT_EQ(sets.Levelset2.size(), kSet2Records);
  EXPECT_EQ(numberWithinSet(23), 23);
  EXPECT_EQ(numberWithinSet(24), 1);
}

TEST(LevelSets, AShortFileLacksOnlyTheLevelsItDoesNotHold) {
  TempFolder folder;
  Bytes data = setOf(4, "k");
  data.resize(data.size() - 1);  // the fourth record is cut short
  folder.write("standaardlevels", data);
  LevelSets sets{readLevelSet(folder.path("standaardlevels"), kSet1Records), {}};
  EXPECT_EQ(sets.Levelset1.size(), 3);
  EXPECT_EQ(sets.byNumber(2)->Naam, "k2");
  EXPECT_EQ(sets.byNumber(3), nullptr);
  EXPECT_EQ(sets.byNumber(24), nullptr);
}
