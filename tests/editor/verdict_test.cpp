// The solver's verdict beside the editor's board: its answers, the way it draws, and that a
// changed board never shows the answer for the board before.
#include <QLabel>
#include <QTest>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "editor/live_verdict.h"
#include "editor_fixture.h"
#include "level/level_file.h"
#include "support/test_levels.h"

namespace dwaalbos::testing {
namespace {

const QString kBusy = QString::fromUtf8("Nog bezig\u2026");

class EditorVerdict : public EditorTest {
 protected:
  QString shownAfterOpening(const Doolhof& level) {
    const std::string path = folder.path("levels/oordeel.dwb");
    EXPECT_TRUE(writeLevelFile(path, level));
    EXPECT_TRUE(editor->openen(path));
    EXPECT_TRUE(QTest::qWaitFor([this] { return shown() != kBusy; }, 10000));
    return shown();
  }
  QString shown() const { return editor->Oordeel().text(); }
};

TEST_F(EditorVerdict, SaysWhetherAndInHowManyMovesTheLevelCanBeDone) {
  EXPECT_EQ(shown(), "Geen begin");
  EXPECT_EQ(shownAfterOpening(levelFromRows({"S#"})), "Geen eind");
  EXPECT_EQ(shownAfterOpening(levelFromRows({"..E", "##."})), "Geen begin");
  EXPECT_EQ(shownAfterOpening(levelFromRows({"S#E"})), "Oplosbaar in 4 zetten");
  EXPECT_EQ(shownAfterOpening(levelFromRows({"SE"})), "Oplosbaar in 1 zet");
}

// The way goes round the wall; the next change of the board takes it away, and an unsolvable
// level says so and has no way to show.
TEST_F(EditorVerdict, ShowsTheShortestWayOnTheBoardUntilTheNextChange) {
  shownAfterOpening(levelFromRows({"S#E"}));
  editor->toonOplossing();
  EXPECT_EQ(editor->Vak().way(), (std::vector<QPoint>{{1, 1}, {1, 2}, {2, 2}, {3, 2}, {3, 1}}));
  EXPECT_EQ(editor->Vak().picture().pixel(60, 60), kBoardBackground);  // never in the picture

  QTest::keyClick(&editor->Vak(), Qt::Key_Down);
  editor->cursorPass();
  QTest::keyClick(&editor->Vak(), Qt::Key_1);
  EXPECT_TRUE(editor->Vak().way().empty());

  EXPECT_EQ(shownAfterOpening(levelFromRows({"S#E", "##."})), "Niet oplosbaar");
  editor->toonOplossing();
  EXPECT_TRUE(editor->Vak().way().empty());
}

// An open board with twenty blocks, its shortest way along the edge: settled well within the
// second the verdict may take, where a search of every position within 22 moves gave up.
TEST(Verdict, AnOpenBoardWithManyBlocksIsSettledWithinASecond) {
  const Doolhof open = levelFromRows({"S", "", "..X.X.X.X", "...X.X.X.X", "..X.X.X.X", "...X.X.X.X",
                                      "..X.X.X.X", "", "", "", "", "...........E"});
  const auto started = std::chrono::steady_clock::now();
  const Verdict verdict = judgeLevel(open.Vakken, {});
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
  EXPECT_EQ(verdictText(verdict), "Oplosbaar in 22 zetten");
}

// The test play's tips follow the verdict's way.
TEST_F(EditorVerdict, ATestPlayIsGivenTheShortestWay) {
  shownAfterOpening(levelFromRows({"S#E"}));
  editor->onTest();
  EXPECT_EQ(navigator.tested.way, "DRRU");
}

// A search that answers only when the test lets it: the n-th search answers with n + 1 moves.
class HeldSearch {
 public:
  Verdict judge(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    const int mine = started_++;
    changed_.notify_all();
    changed_.wait(lock, [&] { return released_ > mine; });
    stopped_.push_back(stop.stop_requested());
    return {Verdict::Kind::Solvable, std::string(static_cast<std::size_t>(mine + 1), 'R')};
  }
  bool waitStarted(int searches) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return started_ >= searches; });
  }
  void release(int searches = 1) {
    const std::lock_guard lock(mutex_);
    released_ += searches;
    changed_.notify_all();
  }
  int started() {
    const std::lock_guard lock(mutex_);
    return started_;
  }
  std::vector<bool> stopped() {
    const std::lock_guard lock(mutex_);
    return stopped_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int started_ = 0;
  int released_ = 0;
  std::vector<bool> stopped_;
};

class HeldVerdict : public ::testing::Test {
 protected:
  HeldVerdict() {
    QObject::connect(&live, &LiveVerdict::changed, [this] { seen.push_back(live.verdict()); });
  }
  ~HeldVerdict() override { search.release(100); }

  HeldSearch search;
  LiveVerdict live{[this](const Board&, std::stop_token stop) { return search.judge(stop); }};
  std::vector<Verdict> seen;
};

TEST_F(HeldVerdict, AChangeDuringASearchShowsBusyAndThenOnlyTheNewAnswer) {
  const Verdict busy;
  live.levelChanged(levelFromRows({"S.E"}).Vakken);
  ASSERT_TRUE(search.waitStarted(1));
  live.levelChanged(levelFromRows({"S..E"}).Vakken);
  EXPECT_EQ(live.verdict(), busy);
  search.release();  // the first search answers after all, for a board that is gone
  ASSERT_TRUE(search.waitStarted(2));
  QTest::qWait(50);
  EXPECT_EQ(live.verdict(), busy);
  search.release();
  const Verdict second{Verdict::Kind::Solvable, "RR"};
  EXPECT_TRUE(QTest::qWaitFor([&] { return live.verdict() == second; }, 5000));
  EXPECT_EQ(seen, (std::vector<Verdict>{busy, busy, second}));
  EXPECT_EQ(search.stopped(), (std::vector<bool>{true, false}));  // the first was asked to stop
}

// A board plainly without a start or an end needs no search; the same board again none either.
TEST_F(HeldVerdict, ABoardWithoutStartOrEndIsAnsweredAtOnce) {
  live.levelChanged(levelFromRows({"S.."}).Vakken);
  EXPECT_EQ(live.verdict().kind, Verdict::Kind::NoEnd);
  live.levelChanged(levelFromRows({"S.."}).Vakken);
  live.levelChanged(levelFromRows({"..E"}).Vakken);
  EXPECT_EQ(live.verdict().kind, Verdict::Kind::NoStart);
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_EQ(search.started(), 0);
}

}  // namespace
}  // namespace dwaalbos::testing
