#include "level/level_file.h"

#include <gtest/gtest.h>

#include "level/cp1252.h"
#include "support/temp_folder.h"

using namespace dwaalbos;

// The texts are stored as Windows-1252, the cells little-endian with the column fastest; a
// cell outside the play area is kept too.
TEST(LevelFile, EncodesCellsAndTextsByteForByteAndDecodesThemBack) {
  Doolhof level;
  level.Naam = "é€";
  level.Maker = "Zoë";
  level.Commentaar = "Regel één\r\nRegel twee: “aanhalingstekens”";
  level.Vakken.set(2, 1, 15);
  level.Vakken.set(0, 1, -2);
  const Bytes bytes = encodeLevel(level);
  ASSERT_EQ(bytes.size(), 346u + 3 + 41);
  EXPECT_EQ(bytes[2 * (2 + 13)], 15);
  EXPECT_EQ(bytes[2 * (2 + 13) + 1], 0);
  EXPECT_EQ(bytes[2 * 13], 0xFE);
  EXPECT_EQ(bytes[2 * 13 + 1], 0xFF);
  EXPECT_EQ(Bytes(bytes.begin() + 338, bytes.begin() + 347),
            (Bytes{2, 0, 0xE9, 0x80, 3, 0, 'Z', 'o', 0xEB}));
  ByteReader reader(bytes);
  EXPECT_EQ(decodeLevel(reader), level);
}

// A level file keeps the tail of a longer file it overwrites; the test level does not.
TEST(LevelFile, OverwritingALongerFileKeepsItsTailUnlessItIsTheTestLevel) {
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
  ASSERT_TRUE(writeTestLevel(path, shortLevel));
  EXPECT_EQ(folder.read("lang.dwb"), encodeLevel(shortLevel));
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

  // From a file too: the file is read beyond its first few kilobytes only when it must be.
  TempFolder folder;
  folder.write("lang.dwb", bytes);
  EXPECT_EQ(readLevelFile(folder.path("lang.dwb")), read);
  folder.write("kort.dwb", Bytes(bytes.begin(), bytes.begin() + 5000));
  EXPECT_FALSE(readLevelFile(folder.path("kort.dwb")));
}

// That every byte string survives the way through UTF-8 is the fuzzer's to check.
TEST(Cp1252, UnknownAndMalformedCharactersBecomeQuestionMarks) {
  EXPECT_EQ(cp1252ToUtf8("\x80\xEB"), "€ë");
  EXPECT_EQ(utf8ToCp1252("a😀b"), "a?b");
  EXPECT_EQ(utf8ToCp1252("x\xC3"), "x?");
  EXPECT_EQ(utf8ToCp1252("\xFF"), "?");
}
