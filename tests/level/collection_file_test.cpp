#include "level/collection_file.h"

#include <gtest/gtest.h>

#include "level/content_key.h"
#include "level/cp1252.h"
#include "level/my_levels.h"
#include "support/temp_folder.h"
#include "support/test_levels.h"

using namespace dwaalbos;
using dwaalbos::testing::levelFromRows;

namespace {

Collection collectionOf(std::size_t levels) {
  Collection collection;
  collection.title = levelFromRows({}, "Bosrand", "Dwaalbos", "Twaalf levels");
  for (std::size_t i = 0; i < levels; ++i)
    collection.levels.push_back(levelFromRows({"S.E"}, "level " + std::to_string(i + 1)));
  return collection;
}

}  // namespace

TEST(CollectionFile, RoundTripsByteForByte) {
  Collection collection = collectionOf(3);
  collection.title.Vakken.set(0, 5, 127);                  // a cell that is never played
  collection.title.Maker = cp1252ToUtf8("a\x81\r\n\xe9");  // a byte no code page defines
  const Bytes data = *encodeCollection(collection);
  TempFolder folder;
  folder.write("in.dws", data);
  const CollectionRead read = readCollection(folder.path("in.dws"));
  ASSERT_TRUE(read.whole()) << read.problem;
  EXPECT_EQ(read.collection, collection);
  ASSERT_TRUE(writeCollection(folder.path("out.dws"), read.collection));
  EXPECT_EQ(folder.read("out.dws"), data);
}

TEST(CollectionFile, ADamagedFileOffersTheLevelsBeforeTheDamage) {
  TempFolder folder;
  Bytes cut = *encodeCollection(collectionOf(3));
  cut.resize(cut.size() - 10);
  folder.write("cut.dws", cut);
  const CollectionRead read = readCollection(folder.path("cut.dws"));
  EXPECT_TRUE(read.titled);
  EXPECT_EQ(read.collection.levels.size(), 2u);
  EXPECT_EQ(read.problem, "Het bestand \"" + folder.path("cut.dws") +
                              "\" is beschadigd.\r\nLevel 3 is afgebroken.\r\n"
                              "Er zijn 2 levels te spelen.");

  struct Case {
    Bytes data;
    std::string says;
  };
  for (const Case& c : {Case{{}, "Het is geen Dwaalbos-verzameling."},
                        Case{Bytes(kEmptyRecordBytes - 1), "Het is geen Dwaalbos-verzameling."},
                        Case{Bytes(kEmptyRecordBytes + 1),
                             "Level 1 is afgebroken.\r\n"
                             "Er is geen level te spelen."}}) {
    folder.write("bad.dws", c.data);
    const CollectionRead bad = readCollection(folder.path("bad.dws"));
    EXPECT_TRUE(bad.collection.levels.empty());
    EXPECT_NE(bad.problem.find(c.says), std::string::npos) << bad.problem;
  }
  EXPECT_NE(readCollection(folder.path("none.dws")).problem.find("Het bestaat niet."),
            std::string::npos);
}

TEST(CollectionFile, HoldsAtMost999Levels) {
  TempFolder folder;
  EXPECT_TRUE(encodeCollection(collectionOf(kMostCollectionLevels)));
  const Collection tooMany = collectionOf(kMostCollectionLevels + 1);
  EXPECT_FALSE(encodeCollection(tooMany));
  EXPECT_FALSE(writeCollection(folder.path("big.dws"), tooMany));
  EXPECT_FALSE(fileExists(folder.path("big.dws")));

  Bytes data = *encodeCollection(collectionOf(kMostCollectionLevels));
  const Bytes extra = encodeLevel(tooMany.levels.back());
  data.insert(data.end(), extra.begin(), extra.end());
  folder.write("big.dws", data);
  const CollectionRead read = readCollection(folder.path("big.dws"));
  EXPECT_EQ(read.collection.levels.size(), kMostCollectionLevels);
  EXPECT_NE(read.problem.find("hoogstens 999 levels"), std::string::npos) << read.problem;
}

TEST(MyLevels, ListsEverySavedLevelByFileNameAndTellsOfTheOthers) {
  TempFolder folder;
  ASSERT_TRUE(writeLevelFile(folder.path("b.dwb"), levelFromRows({"SE"}, "B")));
  folder.write("a.dwb", Bytes(10));  // not a whole level
  folder.write("c.txt", encodeLevel(levelFromRows({"SE"}, "C")));
  EXPECT_EQ(myLevels(folder.root().string()).collection.levels.size(), 1u);

  ASSERT_TRUE(writeLevelFile(folder.path("a2.dwb"), levelFromRows({"SE"}, "A2")));  // newly saved
  const MyLevels mine = myLevels(folder.root().string());
  EXPECT_EQ(mine.collection.title.Naam, "Mijn levels");
  ASSERT_EQ(mine.collection.levels.size(), 2u);
  EXPECT_EQ(mine.collection.levels[0].Naam, "A2");
  EXPECT_EQ(mine.collection.levels[1].Naam, "B");
  EXPECT_EQ(mine.files[0], folder.path("a2.dwb"));
  ASSERT_EQ(mine.problems.size(), 1u);
  EXPECT_NE(mine.problems[0].find(folder.path("a.dwb")), std::string::npos);
  EXPECT_TRUE(myLevels(folder.path("missing")).collection.levels.empty());
}

TEST(ContentKey, FollowsTheLevelNotItsFile) {
  TempFolder folder;
  const Doolhof level = levelFromRows({"S.kKE"}, "Naam", "Maker", "Commentaar");
  ASSERT_TRUE(writeLevelFile(folder.path("een.dwb"), level));
  ASSERT_TRUE(makeFolders(folder.path("ander")));
  ASSERT_TRUE(copyFile(folder.path("een.dwb"), folder.path("ander/twee.dwb")));
  EXPECT_EQ(contentKey(*readLevelFile(folder.path("ander/twee.dwb"))), contentKey(level));
  Doolhof unplayed = level;
  unplayed.Vakken.set(0, 5, 1);
  EXPECT_EQ(contentKey(unplayed), contentKey(level));

  std::vector<Doolhof> changed(5, level);
  changed[0].Vakken.set(12, 12, 1);
  changed[1].Naam += " ";
  changed[2].Maker = "maker";
  changed[3].Commentaar += "\r\n";
  changed[4].Vakken.set(3, 1, 0);
  for (const Doolhof& other : changed) EXPECT_NE(contentKey(other), contentKey(level));
}
