// Every file the game writes: a write that fails says why and leaves the old file as it was,
// a link at the name is replaced and never written through, and readers take only regular
// files and no more than a valid file can hold.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>

#include "level/file_messages.h"
#include "level/game_paths.h"
#include "level/level_file.h"
#include "level/options_file.h"
#include "level/progress.h"
#include "level/scores.h"
#include "level/system_reason.h"
#include "level/zoom.h"
#include "support/temp_folder.h"

using namespace dwaalbos;
namespace fs = std::filesystem;

namespace {

using Writer = std::function<WriteResult(const std::string&)>;

struct NamedWriter {
  const char* name;
  Writer write;
};

// The shipped file a copy starts from lies beside the copy's place, and so does the lock.
std::string shippedFor(const std::string& path) { return path + ".bron"; }
PlayerFile locked(const std::string& path) { return {path, path + ".lock"}; }

const NamedWriter kWriters[] = {
    {"Progress", [](const std::string& p) { return openLevel(locked(p), true, 3); }},
    {"LevelFile", [](const std::string& p) { return writeLevelFile(p, Doolhof{}); }},
    {"TestLevel", [](const std::string& p) { return writeTestLevel(p, Doolhof{}); }},
    {"Options", [](const std::string& p) { return saveOptions(p, Opties{}); }},
    {"Scores", [](const std::string& p) { return *recordBestResult(locked(p), 5, 12); }},
    {"Zoom", [](const std::string& p) { return writeZoom(p, 150); }},
    {"Copy", [](const std::string& p) { return copyFile(shippedFor(p), p); }},
};

// While it lives, no file of this process may grow past `bytes`: a write beyond fails with
// EFBIG half-way, as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = old_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int);
};

class EveryWriter : public ::testing::TestWithParam<NamedWriter> {
 protected:
  TempFolder folder;
  std::string path = folder.path("bestand");
  void SetUp() override {
    for (const char* shipped : {"bestand.bron", "los.bron"})
      folder.write(shipped, Bytes(300, 0x5A));
    folder.write("bestand.lock", {});
  }
};

TEST_P(EveryWriter, AWriteIntoAMissingFolderFailsAndTheMessageSaysWhereAndWhy) {
  const std::string missing = folder.path("weg/bestand");
  const WriteResult result = GetParam().write(missing);
  ASSERT_FALSE(result);
  EXPECT_EQ(result.reason(), "Het bestand of de map bestaat niet");
  const std::string text = notSavedText(missing, result);
  EXPECT_NE(text.find(missing), std::string::npos);
  EXPECT_NE(text.find(result.reason()), std::string::npos);
}

TEST_P(EveryWriter, AWriteThatFailsHalfWayLeavesTheOldFileAsItWas) {
  const Bytes old(5000, 0x41);
  folder.write("bestand", old);
  const auto entries = [&] { return std::distance(fs::directory_iterator(folder.root()), {}); };
  const auto before = entries();
  {
    const FileSizeLimit full(1);
    const WriteResult result = GetParam().write(path);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.reason(), std::strerror(EFBIG));
  }
  EXPECT_EQ(folder.read("bestand"), old);
  EXPECT_EQ(entries(), before);  // the new file is gone again
}

TEST_P(EveryWriter, ALinkAtTheNameIsReplacedAndWhatItPointsToIsLeftAlone) {
  folder.write("elders", {1, 2, 3});
  fs::create_symlink(folder.path("elders"), path);
  fs::create_symlink(folder.path("nergens"), folder.path("los"));
  ASSERT_TRUE(GetParam().write(path));
  ASSERT_TRUE(GetParam().write(folder.path("los")));
  EXPECT_EQ(folder.read("elders"), (Bytes{1, 2, 3}));
  EXPECT_FALSE(fs::exists(folder.path("nergens")));
  for (const auto& name : {path, folder.path("los")})
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(name))) << name;
}

TEST_P(EveryWriter, ANewFileGetsTheModeTheUmaskAllows) {
  const mode_t old = umask(027);
  const WriteResult result = GetParam().write(path);
  umask(old);
  ASSERT_TRUE(result);
  EXPECT_EQ(fs::status(path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

INSTANTIATE_TEST_SUITE_P(Files, EveryWriter, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// A file of a kind the game writes from its start, grown huge (sparse: no disk): its end
// beyond what a valid one holds is left out at once, and the write says how much.
TEST(PlayersFiles, AHugeFileWrittenFromItsStartShrinksToWhatAValidOneHolds) {
  const struct {
    const char* name;
    Writer write;
    std::size_t largest;
  } kinds[] = {
      {"Opties.dat", [](const std::string& p) { return saveOptions(p, Opties{}); },
       kLargestOptionsFile},
      {"Niets.wav", [](const std::string& p) { return openLevel(locked(p), false, 3); },
       kProgressBytes},
      {"groot.dwb", [](const std::string& p) { return writeLevelFile(p, Doolhof{}); },
       kLargestRecordBytes},
  };
  constexpr std::uintmax_t kHuge = std::uintmax_t{1} << 30;
  TempFolder folder;
  for (const auto& kind : kinds) {
    const std::string path = folder.path(kind.name);
    folder.write(kind.name, {});
    fs::resize_file(path, kHuge);
    const auto start = std::chrono::steady_clock::now();
    const WriteResult written = kind.write(path);
    const auto took = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(written) << kind.name;
    EXPECT_LT(took, std::chrono::milliseconds(50)) << kind.name;
    EXPECT_EQ(fs::file_size(path), kind.largest) << kind.name;
    EXPECT_EQ(written.dropped(), kHuge - kind.largest) << kind.name;
    EXPECT_NE(droppedTailText(path, written).find(std::to_string(kHuge - kind.largest)),
              std::string::npos);
  }
}

TEST(PlayersFiles, AFailedCopyLeavesNothingAndTheShippedFileServes) {
  TempFolder root;
  root.write("data/Opties.dat", Bytes(12, 0xFF));
  fs::create_directory(root.path("own"));
  const GamePaths paths(root.path("data"), root.path("own"));
  {
    const FileSizeLimit full(4);
    EXPECT_EQ(paths.options(), root.path("data/Opties.dat"));
  }
  EXPECT_TRUE(fs::is_empty(root.path("own")));
  EXPECT_EQ(paths.options(), root.path("own/Opties.dat"));  // a later start copies it
  EXPECT_EQ(root.read("own/Opties.dat"), Bytes(12, 0xFF));
}

// Nobody may make a folder in /sys, root included; the file's own write would only say that
// its folder is missing.
TEST(PlayersFiles, AFolderThatCannotBeMadeIsToldWithItsOwnReason) {
  if (!fs::is_directory("/sys/kernel")) GTEST_SKIP() << "no /sys here";
  const GamePaths paths("/nergens", "/sys/dwaalbos-speler");
  const std::string path = paths.options();
  const WriteResult written = paths.explained(path, saveOptions(path, Opties{}));
  ASSERT_FALSE(written);
  ASSERT_NE(mkdir("/sys/dwaalbos-speler", 0777), 0);
  EXPECT_EQ(written.reason(), systemReason(errno));
  EXPECT_NE(written.reason(), std::strerror(ENOENT));
}

// Two games test-playing at once each keep their own test level, beside each other.
TEST(PlayersFiles, EachRunningGameHasATestLevelOfItsOwn) {
  TempFolder root;
  const fs::path ours = GamePaths(root.path("spel")).testLevel();
  const pid_t other = fork();
  if (other == 0) {
    const fs::path theirs = GamePaths(root.path("spel")).testLevel();
    _exit(theirs != ours && theirs.parent_path() == ours.parent_path() ? 0 : 1);
  }
  int status = -1;
  waitpid(other, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(FileReads, AHugeFileIsReadOnlyAsFarAsAValidOneCanReach) {
  TempFolder folder;
  Doolhof level;
  level.Naam = "Groot";
  folder.write("groot.dwb", encodeLevel(level));
  fs::resize_file(folder.path("groot.dwb"), 200u << 20);  // sparse: costs no disk
  EXPECT_EQ(readFileStart(folder.path("groot.dwb"), kLargestRecordBytes)->size(),
            kLargestRecordBytes);
  EXPECT_EQ(readLevelFile(folder.path("groot.dwb")), level);
}

// A pipe with no writer would block a reader for good; a folder or a device holds no file.
TEST(FileReads, OnlyRegularFilesAreRead) {
  TempFolder folder;
  ASSERT_EQ(mkfifo(folder.path("pijp").c_str(), 0600), 0);
  fs::create_directory(folder.path("map"));
  const std::string places[] = {folder.path("pijp"), folder.path("map"), "/dev/zero"};
  for (const std::string& path : places) {
    EXPECT_FALSE(readFileStart(path, 100)) << path;
    EXPECT_FALSE(readLevelFile(path)) << path;
    EXPECT_EQ(loadOptions(path), decodeOptions({})) << path;
  }
}

TEST(FileReads, TheReasonAnUnreadableLevelGivesTellsMissingFromDamaged) {
  TempFolder folder;
  folder.write("kapot.dwb", Bytes(20, 1));
  EXPECT_NE(levelNotReadText(folder.path("weg.dwb")).find("bestaat niet"), std::string::npos);
  EXPECT_NE(levelNotReadText(folder.path("kapot.dwb")).find("geen geldig"), std::string::npos);
}
