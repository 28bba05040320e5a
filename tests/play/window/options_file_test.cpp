// The options file as the play window reads and writes it.
#include <gtest/gtest.h>

#include "level/options_file.h"
#include "support/temp_folder.h"

using namespace dwaalbos;

TEST(OptionsFile, SixLittleEndianValuesWithMarksAsMinusOne) {
  Opties options{true, 40, false, 300, true, false};
  EXPECT_EQ(encodeOptions(options),
            (Bytes{0xFF, 0xFF, 40, 0, 0, 0, 0x2C, 0x01, 0xFF, 0xFF, 0, 0}));
  EXPECT_EQ(decodeOptions(encodeOptions(options)), options);
}

TEST(OptionsFile, ValuesBeyondAShortFileReadAsZero) {
  const auto options = decodeOptions(Bytes{0xFF, 0xFF, 7, 0, 1});
  EXPECT_TRUE(options.rechterkant);
  EXPECT_EQ(options.Loopvertraging, 7);
  EXPECT_FALSE(options.volglijnen);
  EXPECT_EQ(options.Lijnvertraging, 0);
  EXPECT_FALSE(options.MetBitBlt);
  EXPECT_FALSE(options.overgang);
}

TEST(OptionsFile, AnyNonZeroMarkIsSet) {
  EXPECT_TRUE(decodeOptions(Bytes{1, 0}).rechterkant);
}

TEST(OptionsFile, AnAbsentFileIsCreatedEmptyAndReadsAsZero) {
  TempFolder folder;
  const auto path = folder.path("Opties.dat");
  EXPECT_EQ(loadOptions(path), decodeOptions({}));
  EXPECT_TRUE(fileExists(path));
  EXPECT_TRUE(folder.read("Opties.dat").empty());
}

TEST(OptionsFile, SavingKeepsTheBytesAfterTheTwelfth) {
  TempFolder folder;
  folder.write("Opties.dat", Bytes(16, 0x55));
  ASSERT_TRUE(saveOptions(folder.path("Opties.dat"), Opties{false, 5, true, 6, false, true}));
  const Bytes stored = folder.read("Opties.dat");
  ASSERT_EQ(stored.size(), 16u);
  EXPECT_EQ(Bytes(stored.begin(), stored.begin() + 12),
            (Bytes{0, 0, 5, 0, 0xFF, 0xFF, 6, 0, 0, 0, 0xFF, 0xFF}));
  EXPECT_EQ(Bytes(stored.begin() + 12, stored.end()), Bytes(4, 0x55));
}

TEST(OptionsFile, AFileThatCannotBeCreatedReadsAsZero) {
  TempFolder folder;
  EXPECT_EQ(loadOptions(folder.path("ontbrekende-map/Opties.dat")), decodeOptions({}));
}
