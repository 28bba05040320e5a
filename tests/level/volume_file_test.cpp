// The volume file's round trip and damage.
#include "level/volume_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_folder.h"

using namespace dwaalbos;

TEST(VolumeFile, KeepsBothLevelsFromMuteToFullAndADamagedFileNone) {
  TempFolder folder;
  const std::string path = folder.path("Volume.dat");
  EXPECT_EQ(readVolume(path), std::nullopt);
  for (const Geluidssterkte volume :
       {Geluidssterkte{0, 100}, Geluidssterkte{100, 0}, Geluidssterkte{37, 64}}) {
    ASSERT_TRUE(writeVolume(path, volume));
    EXPECT_EQ(readVolume(path), volume);
  }
  EXPECT_FALSE(writeVolume(path, {101, 50}));
  EXPECT_FALSE(writeVolume(path, {50, -1}));
  EXPECT_EQ(readVolume(path), (Geluidssterkte{37, 64}));
  EXPECT_FALSE(writeVolume(folder.path("geen/map/Volume.dat"), {}));
  // A damaged file knows nothing.
  for (const std::string& damage :
       {std::string(), std::string("DWVL\x32\x00\x32", 7), std::string("DWVL\x65\x00\x32\x00", 8),
        std::string("DWVL\x32\x00\x00\x01", 8), std::string("DWVX\x32\x00\x32\x00", 8),
        std::string("DWVL\x32\x00\x32\x00\x00", 9), std::string(100000, 'x')}) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << damage;
    EXPECT_EQ(readVolume(path), std::nullopt) << damage.size();
  }
  std::ofstream(path, std::ios::binary | std::ios::trunc) << std::string("DWVL\x64\x00\x00\x00", 8);
  EXPECT_EQ(readVolume(path), (Geluidssterkte{100, 0}));
}
