// Standard levels played through the real window, key by key, with the shortest solution the
// solver finds: the window's keys, rides and switch reach the same end as the rules do.
#include <QApplication>
#include <QLabel>

#include <cstdlib>

#include "play/window/splash.h"
#include "play/window/board_view.h"
#include "play/solver/solver.h"
#include "play_window_rig.h"

using namespace dwaalbos;
using rig::Script;

namespace {

Qt::Key qtKey(char move) {
  switch (move) {
    case 'L': return Qt::Key_Left;
    case 'R': return Qt::Key_Right;
    case 'U': return Qt::Key_Up;
    case 'D': return Qt::Key_Down;
    default: return Qt::Key_Space;
  }
}

class StandardLevelsInTheWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    rig.writeOptions(rig::kQuickOptions);
    SharedState built(testsupport::gameFolder().toStdString());
    built.readLevelSets();
    rig.shared.sets = built.sets;
  }

  // The facing is left out: a turn alone changes nothing a move must change.
  GameState now() {
    GameState game = rig.window().engine().gameState();
    game.richting = Direction::None;
    return game;
  }

  // Each key is tapped once the previous one has changed the game: every move of a shortest
  // solution does, and a key tapped before the window took the previous one would be lost.
  void scriptMoves(const std::string& moves) {
    auto before = std::make_shared<GameState>();
    for (char move : moves) {
      script.then([this, before, move] {
        *before = now();
        QTest::keyClick(&rig.window().board(), qtKey(move));
        return true;
      });
      script.then([this, before] { return !(now() == *before); });
    }
  }

  // Starts the standard level through its introduction and plays the solution in it.
  void playLevel(int levelNummer) {
    const Doolhof* level = rig.shared.sets.byNumber(levelNummer);
    ASSERT_NE(level, nullptr);
    const Solution solution = solve(*level);
    ASSERT_TRUE(solution.solvable);
    scriptMoves(solution.moves);
    script.answer(QMessageBox::No);
    rig.shared.LevelNummer = levelNummer;
    Afspelen& window = rig.shown();
    window.engine().begi();
    Splash* splash = rig::visibleSplash();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->Naam->text().toStdString(), level->Naam);
    QTest::mouseClick(splash->Naam, Qt::LeftButton);
    rig::runUntilDone(script, window, 30000);
  }

  rig::PlayWindowRig rig;
  Script script;
};

}  // namespace

TEST_F(StandardLevelsInTheWindow, TheGateKeeperOfTheFirstSetIsCompleted) {
  playLevel(15);
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].title, "Volgende?");
}

TEST_F(StandardLevelsInTheWindow, TheIcePalaceOfTheSecondSetIsCompleted) {
  playLevel(26);
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].title, "Volgende?");
}
