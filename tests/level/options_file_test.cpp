#include "level/options_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

using namespace dwaalbos;

TEST(OptionsFile, SixLittleEndianValuesWithMarksAsMinusOne) {
  Opties options{true, 40, false, 300, true, false};
  EXPECT_EQ(encodeOptions(options),
            (Bytes{0xFF, 0xFF, 40, 0, 0, 0, 0x2C, 0x01, 0xFF, 0xFF, 0, 0}));
  EXPECT_EQ(decodeOptions(encodeOptions(options)), options);
}

// Any non-zero mark is set; what a short file lacks reads as zero.
TEST(OptionsFile, AShortFileReadsItsMissingValuesAsZero) {
  EXPECT_EQ(decodeOptions(Bytes{1, 0, 7, 0, 1}), (Opties{true, 7, false, 0, false, false}));
}

TEST(OptionsFile, AnAbsentFileIsCreatedEmptyAndReadsAsZero) {
  TempFolder folder;
  const auto path = folder.path("Opties.dat");
  EXPECT_EQ(loadOptions(path), decodeOptions({}));
  EXPECT_TRUE(fileExists(path));
  EXPECT_TRUE(folder.read("Opties.dat").empty());
  EXPECT_EQ(loadOptions(folder.path("ontbrekende-map/Opties.dat")), decodeOptions({}));
}
