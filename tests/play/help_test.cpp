// Help for a game under way, as the play window asks for it beside its own thread.
#include "play/session/help.h"
#include "play/session/shortest_search.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "play_board.h"

using namespace dwaalbos;
using namespace std::chrono_literals;

namespace {

// The question about the game after `keys`, with its answer.
struct Asked {
  HelpQuestion question;
  HelpAnswer answer;
  GameState back;  // where the answer's way back leads
};

Asked ask(PlayBoard& game, const std::string& keys, HelpQuestion::Kind kind) {
  Asked asked;
  HookedHost host(game.shared, [&](Game& session, int pass) {
    if (pass != static_cast<int>(keys.size())) return;
    asked.question = helpQuestion(kind, session.play(), "");
    asked.answer = answerHelp(asked.question, {});
    if (asked.answer.kind == HelpAnswer::Kind::WayBack && session.rewind(asked.answer.steps))
      asked.back = session.play().gameState();
  });
  host.play(game.level, keys + ".");
  return asked;
}

}  // namespace

// Winnable up to a place of the way and lost after it: the place is found in about log2 of the
// way's length searches, and a way whose first position is lost has none.
TEST(Help, TheLastWinnablePositionIsFoundByHalving) {
  for (const auto& [length, last] :
       {std::pair{1000, 337}, {1000, 999}, {1000, 0}, {1, 0}, {1000, -1}, {0, -1}}) {
    std::vector<GameState> way(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) way[static_cast<std::size_t>(i)].col = i;
    int searches = 0;
    const auto found = lastWinnable(way, [&, last](const GameState& game) {
      ++searches;
      return game.col <= last;
    });
    EXPECT_EQ(found ? static_cast<int>(*found) : -1, last) << length;
    EXPECT_LE(searches, 11) << length;
  }
}

// The key spent on the wrong key block loses the level: the way back leads to where the key
// was still held, however long the player walked on; a level that cannot be won from its start
// offers no way back. A game that can still be won gets its way.
TEST(Help, ALostGameIsLedBackToItsLastWinnablePosition) {
  PlayBoard game({"SkK.E", ".K.##", "#####"});
  for (const auto kind : {HelpQuestion::Kind::Tip, HelpQuestion::Kind::Solution}) {
    std::string keys = "RLDR";
    for (int i = 0; i < 20; ++i) keys += "LR";
    const Asked lost = ask(game, keys + "R", kind);
    ASSERT_EQ(lost.answer.kind, HelpAnswer::Kind::WayBack);
    EXPECT_EQ(std::tuple(lost.back.col, lost.back.row, lost.back.sleutels), std::tuple(1, 2, 1));
  }
  EXPECT_EQ(ask(game, "R", HelpQuestion::Kind::Solution).answer.moves, "RRR");

  PlayBoard walledIn({"S.#E", "..#.", "###."});
  EXPECT_EQ(ask(walledIn, "RD", HelpQuestion::Kind::Tip).answer.kind, HelpAnswer::Kind::Lost);
}

// A search answers through `done`, once; one stopped under way ends at once and answers nothing.
TEST(Help, TheJobAnswersOnItsOwnThreadOrStopsAtOnce) {
  PlayBoard game({"SkK.E", ".K.##", "#####"});
  HelpJob job;
  std::promise<void> answered;
  job.start(helpWork(ask(game, "R", HelpQuestion::Kind::Tip).question),
            [&] { answered.set_value(); });
  ASSERT_EQ(answered.get_future().wait_for(5s), std::future_status::ready);
  EXPECT_FALSE(job.busy());
  ASSERT_TRUE(job.take());
  EXPECT_FALSE(job.take());

  // An open board the search cannot settle quickly: its end lies behind a key block, and no
  // key is left.
  PlayBoard open({"S.X.X.X.X...", "..X.X.X.X.X.", ".X.X.X.X.X..", "..X.X.X.X.X.", ".X.X.X.X.X..",
                  "###########K", "...........E"});
  bool called = false;
  job.start(helpWork(ask(open, "", HelpQuestion::Kind::Solution).question), [&] { called = true; });
  std::this_thread::sleep_for(50ms);
  EXPECT_TRUE(job.busy());
  const auto before = std::chrono::steady_clock::now();
  job.stop();
  EXPECT_LT(std::chrono::steady_clock::now() - before, 100ms);
  EXPECT_FALSE(job.busy());
  EXPECT_FALSE(job.take());
  EXPECT_FALSE(called);
}

// A level's shortest way is searched once beside the game; what is known is for that level.
TEST(Help, TheShortestWayOfALevelIsSearchedOnceBesideTheGame) {
  PlayBoard game({"S.#", "..E"});
  const GameState start = levelStart(readLevelFile(game.level.path).value());
  ShortestSearch search;
  std::promise<void> found;
  search.begin(7, start, [&] { found.set_value(); });
  EXPECT_FALSE(search.of(7));
  ASSERT_EQ(found.get_future().wait_for(5s), std::future_status::ready);
  search.collect();
  ASSERT_TRUE(search.of(7));
  EXPECT_EQ(search.of(7)->moves, 3);
  EXPECT_FALSE(search.of(7)->tooLarge);
  EXPECT_FALSE(search.of(8));
  bool again = false;
  search.begin(7, start, [&] { again = true; });
  std::this_thread::sleep_for(20ms);
  EXPECT_FALSE(again);
  EXPECT_EQ(search.of(7)->moves, 3);
}
