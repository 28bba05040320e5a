// The real game program, ended by the signals a desktop session or a terminal sends.
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "level/level_file.h"
#include "support/game_pictures.h"
#include "support/temp_folder.h"
#include "support/window_fakes.h"

namespace dwaalbos::testing {
namespace {

namespace fs = std::filesystem;

// A copy of the program beside links to the staged data, so that its options file is ours.
void stageGame(const TempFolder& folder) {
  for (const auto& entry : fs::directory_iterator(testsupport::gameFolder().toStdString())) {
    const auto name = entry.path().filename();
    if (name == "Opties.dat") continue;
    if (name == "dwaalbos") fs::copy_file(entry.path(), folder.root() / name);
    else fs::create_symlink(fs::absolute(entry.path()), folder.root() / name);
  }
}

TEST(Termination, EachSignalEndsThePlayingGameAtOnceWithItsOptionsWritten) {
  TempFolder folder;
  stageGame(folder);
  Doolhof level;
  level.Vakken.set(1, 1, 5);
  ASSERT_TRUE(writeLevelFile(folder.path("proef.dwb"), level));
  const std::string options = folder.path("Opties.dat");

  for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
    fs::remove(options);
    QProcess game;
    game.start(QString::fromStdString(folder.path("dwaalbos")),
               {QString::fromStdString("a" + folder.path("proef.dwb"))});
    ASSERT_TRUE(game.waitForStarted(5000));
    // The play window reads its options when it first shows, creating an empty file.
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(options); }, 20000)) << number;
    // The level's opening ring transition holds the window for about a second; the signal
    // comes to a game at rest.
    QTest::qWait(1500);
    ::kill(static_cast<pid_t>(game.processId()), number);
    EXPECT_TRUE(game.waitForFinished(1000)) << "signal " << number;
    if (game.state() != QProcess::NotRunning) {
      game.kill();
      game.waitForFinished();
    }
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit) << number;
    EXPECT_EQ(game.exitCode(), 0) << number;
    EXPECT_EQ(fs::file_size(options), 12u) << number;
  }
}

}  // namespace
}  // namespace dwaalbos::testing
