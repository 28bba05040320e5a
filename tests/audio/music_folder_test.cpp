#include <filesystem>

#include "audio/music_folder.h"
#include "audio_fixture.h"

namespace dwaalbos::audiotest {
namespace {

namespace fs = std::filesystem;

class MusicFolderTest : public AudioTest {};

TEST_F(MusicFolderTest, ListsPlainVisibleFilesByNameIgnoringCase) {
  EXPECT_TRUE(allTunes(folder).empty());
  EXPECT_TRUE(allTunes(folder + "/bestaat niet").empty());
  for (const char* name :
       {"b.mid", "Zee.spc", "a.xm", "B.mod", "A.XM", "leesmij.txt", ".verborgen.mid"})
    temp.write(std::string("muziek/") + name, {1});
  fs::create_directory(musicFile("map.mid"));
  fs::create_symlink(musicFile("a.xm"), musicFile("c.xm"));
  fs::create_symlink(musicFile("map.mid"), musicFile("d.mid"));

  std::vector<std::string> names;
  for (const Tune& muziekje : allTunes(folder)) {
    names.push_back(muziekje.naam);
    EXPECT_EQ(muziekje.pad, folder + "/muziek/" + muziekje.naam);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"A.XM", "a.xm", "b.mid", "B.mod", "c.xm",
                                             "leesmij.txt", "Zee.spc"}));
}

}  // namespace
}  // namespace dwaalbos::audiotest
