#include "level/level_file.h"

#include <gtest/gtest.h>

#include "level/cp1252.h"
#include "support/temp_folder.h"

using namespace dwaalbos;

namespace {

Doolhof everyCode() {
  Doolhof level;
  int code = 0;
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 12; ++c) level.Vakken.set(c, r, static_cast<std::int16_t>(code++ % 16));
  level.Vakken.set(0, 3, 9);  // outside the play area, yet kept in the record
  level.Naam = "Één keer €5";
  level.Maker = "Zoë";
  level.Commentaar = "Regel één\r\nRegel twee: “aanhalingstekens”";
  return level;
}

}  // namespace

// The texts are stored as Windows-1252, the cells little-endian with the column fastest.
TEST(LevelFile, EncodesCellsAndTextsByteForByte) {
  Doolhof level;
  level.Naam = "é€";
  level.Vakken.set(2, 1, 15);
  level.Vakken.set(0, 1, -2);
  const Bytes bytes = encodeLevel(level);
  ASSERT_EQ(bytes.size(), 346u);
  EXPECT_EQ(bytes[2 * (2 + 13)], 15);
  EXPECT_EQ(bytes[2 * (2 + 13) + 1], 0);
  EXPECT_EQ(bytes[2 * 13], 0xFE);
  EXPECT_EQ(bytes[2 * 13 + 1], 0xFF);
  EXPECT_EQ(Bytes(bytes.begin() + 338, bytes.end()), (Bytes{2, 0, 0xE9, 0x80, 0, 0, 0, 0}));
}

TEST(LevelFile, WriteThenReadGivesTheSameLevel) {
  TempFolder folder;
  const Doolhof level = everyCode();
  ASSERT_TRUE(writeLevelFile(folder.path("alles.dwb"), level));
  EXPECT_EQ(readLevelFile(folder.path("alles.dwb")), level);
}

TEST(LevelFile, OverwritingALongerFileKeepsItsTailAndReadsTheNewLevel) {
  TempFolder folder;
  const auto path = folder.path("lang.dwb");
  Doolhof longLevel;
  longLevel.Commentaar = std::string(500, 'x');
  ASSERT_TRUE(writeLevelFile(path, longLevel));
  Doolhof shortLevel;
  shortLevel.Naam = "kort";
  ASSERT_TRUE(writeLevelFile(path, shortLevel));
  EXPECT_EQ(folder.read("lang.dwb").size(), kEmptyRecordBytes + 500);
  EXPECT_EQ(readLevelFile(path), shortLevel);
}

TEST(LevelFile, TheTestLevelHoldsExactlyOneRecord) {
  TempFolder folder;
  const auto path = folder.path("test.dwb");
  folder.write("test.dwb", Bytes(2000, 0x41));
  Doolhof level;
  level.Naam = "proef";
  ASSERT_TRUE(writeTestLevel(path, level));
  EXPECT_EQ(folder.read("test.dwb"), encodeLevel(level));
}

TEST(LevelFile, DamagedFilesAreRefused) {
  TempFolder folder;
  EXPECT_FALSE(readLevelFile(folder.path("bestaat-niet.dwb")));
  folder.write("leeg.dwb", {});
  EXPECT_FALSE(readLevelFile(folder.path("leeg.dwb")));

  Doolhof level;
  level.Naam = "abc";
  Bytes whole = encodeLevel(level);
  for (std::size_t cut :
       {std::size_t{1}, std::size_t{337}, std::size_t{339}, std::size_t{342}, whole.size() - 1}) {
    folder.write("kort.dwb", Bytes(whole.begin(), whole.begin() + static_cast<long>(cut)));
    EXPECT_FALSE(readLevelFile(folder.path("kort.dwb"))) << "cut at " << cut;
  }

  Bytes lying = whole;
  lying[338] = 0xFF;  // the name claims 255 bytes the file does not hold
  folder.write("liegt.dwb", lying);
  EXPECT_FALSE(readLevelFile(folder.path("liegt.dwb")));
}

TEST(LevelFile, OverlongTextsAreCutToWhatTheLengthFieldHolds) {
  Doolhof level;
  level.Commentaar = std::string(70000, 'y');
  const Bytes bytes = encodeLevel(level);
  EXPECT_EQ(bytes.size(), kEmptyRecordBytes + 65535);
  ByteReader reader(bytes);
  const auto read = decodeLevel(reader);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Commentaar.size(), 65535u);
}

// That every byte string survives the way through UTF-8 is the fuzzer's to check.
TEST(Cp1252, UnknownAndMalformedCharactersBecomeQuestionMarks) {
  EXPECT_EQ(cp1252ToUtf8("\x80\xEB"), "€ë");
  EXPECT_EQ(utf8ToCp1252("a😀b"), "a?b");
  EXPECT_EQ(utf8ToCp1252("x\xC3"), "x?");
  EXPECT_EQ(utf8ToCp1252("\xFF"), "?");
}
