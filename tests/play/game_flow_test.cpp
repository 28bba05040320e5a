// Starting, restarting and leaving games, and the introduction screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

#include "level/texts.h"
#include "play_board.h"

using namespace dwaalbos;

// A level with a maker shows its introduction first; an anonymous unnamed one starts at once,
// even with a comment.
TEST(GameFlow, OnlyANamedLevelShowsItsIntroductionFirst) {
  PlayBoard game({"S"});
  game.editFile([](Doolhof& level) { level.Maker = "Zoë"; });
  game.play("");
  EXPECT_EQ(game.host.introductions(), 1);
  EXPECT_EQ(game.host.introduction().naam, "Geennaam");
  EXPECT_EQ(game.host.introduction().maker, "Gemaakt door Zoë");
  EXPECT_EQ(game.host.introduction().commentaar, "Geen commentaar");
  EXPECT_EQ(game.host.title(), "Dwaalbos 6.0:  door Zoë");
  game.editFile([](Doolhof& level) { level = {level.Vakken, "", "", "Veel plezier"}; });
  game.play("");
  EXPECT_EQ(game.host.introductions(), 1);
  EXPECT_EQ(game.host.makerCaption(), "Anoniem");
}

TEST(GameFlow, AnUnreadableLevelIsNotStarted) {
  PlayBoard game({"S"});
  EXPECT_FALSE(game.host.play(LevelRef::file(game.folder.path("weg.dwb")), "R"));
  EXPECT_FALSE(game.host.play(LevelRef::standard(44), "R"));
}

// The leftmost, then topmost start square is used; the key count and the facing start afresh.
TEST(GameFlow, EveryGameStartsOnTheLeftmostThenTopmostStartSquareAfresh) {
  PlayBoard game({"...S", ".Sk", ".S"});
  game.play("RD");
  EXPECT_EQ(game.host.keyCount(), 1);
  EXPECT_EQ(game.richting(), Direction::Down);
  game.play("");
  EXPECT_EQ(std::tuple(game.col(), game.row(), game.richting()),
            std::tuple(2, 2, Direction::Right));
  EXPECT_EQ(game.host.keyCount(), 0);
}

// Restarts from inside every pass, as the restart command would: every pass runs at the same
// depth of the stack.
TEST(GameFlow, TenThousandRestartsInARowRunInConstantStack) {
  PlayBoard game({"S"});
  std::uintptr_t deepest = UINTPTR_MAX;
  std::uintptr_t shallowest = 0;
  HookedHost host(game.shared, [&](Game& session, int pass) {
    int here = 0;
    const auto depth = reinterpret_cast<std::uintptr_t>(&here);
    deepest = std::min(deepest, depth);
    shallowest = std::max(shallowest, depth);
    if (pass < 10000) session.overnieuw();
    else session.end();
  });
  host.play(game.level, std::string(10001, '.'));
  EXPECT_EQ(shallowest - deepest, 0u);
}

// The level is read once, when it is chosen: a restart, also one when no game runs, plays it
// as it began, whatever became of its file since.
TEST(GameFlow, ARestartStartsTheLevelAsItWasReadAtItsStart) {
  PlayBoard game({"SE"});
  game.play("R");
  ASSERT_TRUE(game.host.ended());
  game.editFile([](Doolhof& level) { level.Vakken.set(2, 1, cell::kWall); });
  game.host.clearEvents();
  game.host.game().overnieuw();
  game.host.follow();
  EXPECT_EQ(game.at(2, 1), cell::kEnd);
  EXPECT_EQ(game.sounds(), (std::vector<int>{1}));
  std::filesystem::remove(game.level.path);
  game.host.game().overnieuw();
  game.host.follow();
  EXPECT_TRUE(game.host.game().play().gameRunning());
  EXPECT_EQ(game.at(2, 1), cell::kEnd);
}

TEST(GameFlow, ACrushAtTheEndOfARideAsksWhetherToLeave) {
  // The ride ends on the block at (3,2), pushed down onto arrows that bring it back; a crush
  // at the end of a ride hands over to the close handler.
  PlayBoard game({"S>v", "..X<", "..>^"}, false);
  game.play("RDD");
  EXPECT_EQ(game.dialogTitles(), (std::vector<std::string>{"Zelfmoord", "Bevestiging"}));
  EXPECT_FALSE(game.host.ended());  // "No": the game went on, on the emptied board,
  EXPECT_EQ(game.host.title(), texts::kPauzeTitel);  // paused as the close handler leaves it
  EXPECT_EQ(std::pair(game.col(), game.row()), std::pair(3, 2));  // the keys after it did nothing
  // Undo brings back the board before the ride.
  EXPECT_TRUE(game.host.game().zetTerug());
  EXPECT_EQ(std::pair(game.col(), game.row()), std::pair(1, 1));
  EXPECT_EQ(game.at(3, 2), cell::kPushBlock);
}

namespace {

// Plays by hand: the test holds a key and runs a pass, and says when a move has been seen.
// What the session showed is taken whenever the test looks.
class HandHost {
 public:
  explicit HandHost(SharedState& shared) : session(shared) {}
  // One pass, with `key` held if given; the move is not yet seen.
  void pass(std::optional<GameKey> key = std::nullopt) {
    take(session.pass(key ? KeySet{*key} : KeySet{}).shown);
  }
  void seen() { session.presented(); }
  const std::string& title() { return take().title_; }
  int walks() { return take().walks_; }
  const std::vector<int>& paces() { return take().paces_; }  // each walk's frame time
  std::vector<int>& counts() { return take().counts_; }      // the move counter as shown
  const std::vector<int>& waits() { return take().waits_; }
  bool wentToEditor() { return take().toEditor_; }

  Game session;

 private:
  HandHost& take(const std::vector<Shown>& items) {
    for (const Shown& item : items) {
      if (const auto* title = std::get_if<shown::Title>(&item)) title_ = title->text;
      if (const auto* walk = std::get_if<shown::Walk>(&item)) {
        ++walks_;
        paces_.push_back(walk->frameMs);
      }
      if (const auto* moves = std::get_if<shown::Moves>(&item)) counts_.push_back(moves->moves);
      if (const auto* wait = std::get_if<shown::Wait>(&item)) waits_.push_back(wait->ms);
      if (std::holds_alternative<shown::ToEditor>(item)) toEditor_ = true;
    }
    return *this;
  }
  HandHost& take() { return take(session.takeShown()); }

  std::string title_;
  int walks_ = 0;
  std::vector<int> paces_;
  std::vector<int> counts_;
  std::vector<int> waits_;
  bool toEditor_ = false;
};

}  // namespace

// Between a move and the end of its showing no pass plays; a pause stops the keys and says so
// in the title until it is lifted.
TEST(GamePhases, APresentedMoveAndAPauseHoldTheKeys) {
  PlayBoard game({"S..."});
  HandHost host(game.shared);
  ASSERT_TRUE(host.session.start(game.read(game.level)));
  EXPECT_EQ(host.session.play().phase(), Phase::Playing);
  host.pass(GameKey::Right);
  EXPECT_EQ(host.session.play().phase(), Phase::Presenting);
  host.pass(GameKey::Right);
  EXPECT_EQ(host.session.play().gameState().col, 2);
  host.seen();
  EXPECT_EQ(host.session.play().phase(), Phase::Playing);

  host.session.pauze(true);
  EXPECT_EQ(host.session.play().phase(), Phase::Paused);
  EXPECT_EQ(host.title(), "Klik op het speelvak om verder te gaan");
  host.pass(GameKey::Right);
  EXPECT_EQ(host.session.play().gameState().col, 2);
  host.session.pauze(false);
  host.pass(GameKey::Right);
  host.seen();
  EXPECT_EQ(host.session.play().gameState().col, 3);
  EXPECT_EQ(host.title(), "Dwaalbos 6.0:  door ");
}

// While "Zelfmoord" waits for its answer no key, command or second question acts; the answer
// lets the move end, and this refused push the game.
TEST(GamePhases, NothingActsWhileAQuestionIsPending) {
  PlayBoard game({"SXv", ".^<"});
  HandHost host(game.shared);
  host.session.start(game.read(game.level));
  host.pass(GameKey::Right);
  ASSERT_EQ(host.session.play().phase(), Phase::Asking);
  const GameState asked = host.session.play().gameState();
  host.pass(GameKey::Down);
  EXPECT_FALSE(host.session.zetTerug());
  EXPECT_FALSE(host.session.rewind(0));
  host.session.overnieuw();
  host.session.pauze(true);
  host.session.leave();
  EXPECT_EQ(host.session.play().gameState(), asked);
  EXPECT_EQ(host.session.play().lastMove().question->title, "Zelfmoord");
  EXPECT_EQ(host.session.play().phase(), Phase::Asking);
  host.session.answer(false);  // the game ends on the emptied board once the move is seen
  EXPECT_EQ(host.session.play().phase(), Phase::Presenting);
  host.seen();
  EXPECT_EQ(host.session.play().phase(), Phase::Idle);
  EXPECT_EQ(host.session.play().gameState().veld.at(1, 1), cell::kEmpty);
}

// A test play left goes back to the editor, its game gone.
TEST(GamePhases, AGameLeftIsEndedThenGone) {
  PlayBoard game({"S."});
  HandHost host(game.shared);
  host.session.start(game.read(LevelRef::testPlay(game.level.path)));
  host.session.leave();
  EXPECT_TRUE(host.wentToEditor());
  EXPECT_EQ(host.session.play().phase(), Phase::Idle);
  EXPECT_FALSE(host.session.play().gameRunning());
}

// A replay walks the given moves one a pass at the walking pace, the level's end included,
// each followed by a pause the player can follow, and counts them on from the game's count;
// then it puts the player back where he stood, with the game's count; it records nothing: no
// undo, no best result, no progress.
TEST(GamePhases, AReplayShowsTheMovesAndLeavesNoTrace) {
  RecordingProgress recorder;
  PlayBoard game({"S..E"});
  HandHost host(game.shared);
  host.session.keepProgressIn(recorder);
  host.session.setPlayOptions({.Loopvertraging = 7});
  host.session.start(game.read(game.level));
  host.pass(GameKey::Right);
  host.seen();
  host.counts().clear();
  ASSERT_TRUE(host.session.replay({GameKey::Right, GameKey::Right}));
  EXPECT_EQ(host.title(), "De oplossing: druk op een toets om te stoppen");
  for (int col : {3, 4}) {
    host.pass();
    EXPECT_EQ(host.session.play().phase(), Phase::Presenting);
    EXPECT_EQ(host.session.play().gameState().col, col);
    host.seen();
    EXPECT_EQ(host.session.play().phase(), Phase::Replaying);
  }
  host.pass();
  EXPECT_EQ(host.session.play().phase(), Phase::Playing);
  EXPECT_EQ(host.session.play().gameState().col, 2);
  EXPECT_EQ(host.walks(), 3);
  EXPECT_EQ(host.paces(), (std::vector<int>{7, 7, 7}));
  EXPECT_EQ(host.counts(), (std::vector<int>{2, 3, 1}));
  ASSERT_EQ(host.waits().size(), 2u);
  EXPECT_GE(*std::min_element(host.waits().begin(), host.waits().end()), 300);
  EXPECT_EQ(host.session.play().history().moves(), 1);
  EXPECT_EQ(host.title(), "Dwaalbos 6.0:  door ");
  EXPECT_TRUE(recorder.calls.empty());
}

// Any key stops a replay at its next pass, without moving the player; a command that takes a
// move back ends it first.
TEST(GamePhases, AKeyOrAnUndoStopsAReplay) {
  PlayBoard game({"S...E"});
  HandHost host(game.shared);
  host.session.start(game.read(game.level));
  host.session.replay({GameKey::Right, GameKey::Right, GameKey::Right});
  host.pass();
  host.seen();
  host.pass(GameKey::Space);
  EXPECT_EQ(host.session.play().phase(), Phase::Playing);
  EXPECT_EQ(host.session.play().gameState().col, 1);
  EXPECT_EQ(host.walks(), 1);

  host.pass(GameKey::Right);
  host.seen();
  host.session.replay({GameKey::Right, GameKey::Right});
  host.pass();
  host.seen();
  EXPECT_TRUE(host.session.zetTerug());
  EXPECT_EQ(host.session.play().phase(), Phase::Playing);
  EXPECT_EQ(host.session.play().gameState().col, 1);
}
