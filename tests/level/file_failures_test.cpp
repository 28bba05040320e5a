// Writes that fail must say so, with the system's reason, wherever the file was meant to go.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "level/file_messages.h"
#include "level/level_file.h"
#include "level/options_file.h"
#include "level/progress.h"
#include "support/temp_folder.h"

using namespace dwaalbos;

namespace {

using Writer = std::function<WriteResult(const std::string&)>;

struct NamedWriter {
  const char* name;
  Writer write;
};

const NamedWriter kWriters[] = {
    {"FirstSetProgress", [](const std::string& p) { return writeFirstSetProgress(p, 3); }},
    {"SecondSetProgress", [](const std::string& p) { return writeSecondSetProgress(p, 3); }},
    {"LevelFile", [](const std::string& p) { return writeLevelFile(p, Doolhof{}); }},
    {"TestLevel", [](const std::string& p) { return writeTestLevel(p, Doolhof{}); }},
    {"Options", [](const std::string& p) { return saveOptions(p, Opties{}); }},
};

// Places no process can write to, root included.
enum class Place { MissingFolder, ParentIsAFile };

std::string unwritable(const TempFolder& folder, Place place) {
  switch (place) {
    case Place::MissingFolder: return folder.path("weg/bestand");
    case Place::ParentIsAFile:
      folder.write("gewoon", {1});
      return folder.path("gewoon/bestand");
  }
  return {};
}

class UnwritablePlaces : public ::testing::TestWithParam<std::tuple<NamedWriter, Place>> {};

TEST_P(UnwritablePlaces, TheWriteFailsWithTheSystemsReasonInTheMessage) {
  TempFolder folder;
  const auto& [writer, place] = GetParam();
  const std::string path = unwritable(folder, place);
  const WriteResult result = writer.write(path);
  ASSERT_FALSE(result);
  EXPECT_FALSE(result.reason().empty());
  const std::string text = notSavedText(path, result);
  EXPECT_NE(text.find(path), std::string::npos);
  EXPECT_NE(text.find(result.reason()), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWriter, UnwritablePlaces,
    ::testing::Combine(::testing::ValuesIn(kWriters),
                       ::testing::Values(Place::MissingFolder, Place::ParentIsAFile)),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + "_" +
             std::to_string(static_cast<int>(std::get<1>(info.param)));
    });

}  // namespace

TEST(FileReads, AHugeFileIsReadOnlyAsFarAsAValidOneCanReach) {
  TempFolder folder;
  Doolhof level;
  level.Naam = "Groot";
  folder.write("groot.dwb", encodeLevel(level));
  std::filesystem::resize_file(folder.path("groot.dwb"), 200u << 20);  // sparse: costs no disk
  EXPECT_EQ(readFileStart(folder.path("groot.dwb"), kLargestRecordBytes)->size(),
            kLargestRecordBytes);
  EXPECT_EQ(readLevelFile(folder.path("groot.dwb")), level);
}

TEST(FileReads, TheReasonAnUnreadableLevelGivesTellsMissingFromDamaged) {
  TempFolder folder;
  folder.write("kapot.dwb", Bytes(20, 1));
  EXPECT_NE(levelNotReadText(folder.path("weg.dwb")).find("bestaat niet"), std::string::npos);
  EXPECT_NE(levelNotReadText(folder.path("kapot.dwb")).find("geen geldig"), std::string::npos);
}
