#include "level/options_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

using namespace dwaalbos;

TEST(OptionsFile, SixLittleEndianValuesWithMarksAsMinusOne) {
  Opties options{
      .Loopvertraging = 40, .volglijnen = false, .Lijnvertraging = 300, .MetBitBlt = true};
  EXPECT_EQ(encodeOptions(options), (Bytes{0xFF, 0xFF, 40, 0, 0, 0, 0x2C, 0x01, 0xFF, 0xFF, 0, 0}));
  EXPECT_EQ(decodeOptions(encodeOptions(options)), options);
}

// Any non-zero mark is set; what a short file lacks reads as zero.
TEST(OptionsFile, AShortFileReadsItsMissingValuesAsZero) {
  const Opties expected{.rechterkant = true,
                        .Loopvertraging = 7,
                        .volglijnen = false,
                        .Lijnvertraging = 0,
                        .MetBitBlt = false,
                        .overgang = false};
  EXPECT_EQ(decodeOptions(Bytes{1, 0, 7, 0, 1}), expected);
}

TEST(OptionsFile, AnAbsentFileIsCreatedEmptyAndReadsAsZero) {
  TempFolder folder;
  const auto path = folder.path("Opties.dat");
  EXPECT_EQ(loadOptions(path), decodeOptions({}));
  EXPECT_TRUE(fileExists(path));
  EXPECT_TRUE(folder.read("Opties.dat").empty());
  EXPECT_EQ(loadOptions(folder.path("ontbrekende-map/Opties.dat")), decodeOptions({}));
}
