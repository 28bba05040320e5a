// An idle game must cost nearly nothing: the play window's main loop waits for events while no
// key is held. The idle cases run five seconds of wall time and report the processor time the
// whole process used in it, as a percentage of one core (counter "core_percent"; target < 2).
// A step's frames must lie at least the walking delay apart (counters "shortest_ms" and
// "longest_ms" at a delay of 300).
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <vector>

#include <benchmark/benchmark.h>

#include "play/window/board_view.h"
#include "play/window/play_window_rig.h"

using namespace dwaalbos;

namespace {

constexpr int kIdleMs = 5000;

double processSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Runs `idle` once per iteration and reports the process's share of one core meanwhile.
template <typename Idle>
void measure(benchmark::State& state, Idle idle) {
  double cpu = 0;
  for (auto _ : state) {
    const double before = processSeconds();
    idle();
    cpu += processSeconds() - before;
  }
  state.counters["core_percent"] = 100.0 * cpu / (double(state.iterations()) * kIdleMs / 1000.0);
}

// A level under way, nobody touching a key.
void idleGame(benchmark::State& state) {
  rig::PlayWindowRig rig;
  rig.chooseFile(rig::levelFromRows({"S.E"}));
  Afspelen& window = rig.shown();
  measure(state, [&] {
    QTimer::singleShot(kIdleMs, &window, [&] { window.end(); });
    window.start(rig.chosen);
  });
}
BENCHMARK(idleGame)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The play window shown between games.
void idleWindow(benchmark::State& state) {
  rig::PlayWindowRig rig;
  rig.shown();
  measure(state, [] {
    QEventLoop loop;
    QTimer::singleShot(kIdleMs, &loop, &QEventLoop::quit);
    loop.exec();
  });
}
BENCHMARK(idleWindow)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The ring transition that reveals a new board: as fast as the machine draws and shows it.
void ringTransition(benchmark::State& state) {
  rig::PlayWindowRig rig;
  Afspelen& window = rig.shown();
  for (auto _ : state) {
    window.clearBoard();
    window.revealBoard({window.game().play().gameState().veld, true, 1, 1, true});
  }
}
BENCHMARK(ringTransition)->Unit(benchmark::kMillisecond)->UseRealTime();

// When the board was painted, in milliseconds since the clock started.
class FrameTimes : public QObject {
 public:
  QElapsedTimer clock;
  std::vector<double> at;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) at.push_back(double(clock.nsecsElapsed()) / 1e6);
    return false;
  }
};

// One step right at a walking delay of 300 ms: the intervals between its five frames.
void walkingFrames(benchmark::State& state) {
  constexpr int kDelayMs = 300;
  rig::PlayWindowRig rig;
  Opties slow = rig::kQuickOptions;
  slow.Loopvertraging = kDelayMs;
  rig.writeOptions(slow);
  rig.chooseFile(rig::levelFromRows({"S..........."}));
  Afspelen& window = rig.shown();
  FrameTimes frames;
  window.board().installEventFilter(&frames);
  double shortest = kDelayMs * 10;
  double longest = 0;
  for (auto _ : state) {
    window.start(rig.chosen);
    QTest::qWait(50);
    frames.at.clear();
    frames.clock.start();
    QTest::keyClick(&window.board(), Qt::Key_Right);
    const bool walked = QTest::qWaitFor([&] { return frames.at.size() >= 5; }, 10 * kDelayMs);
    QTest::qWait(2 * kDelayMs);  // the step's last frame and its pause
    window.end();
    if (!walked) state.SkipWithError("the step was not shown");
    for (std::size_t i = 1; i < std::min<std::size_t>(frames.at.size(), 5); ++i) {
      shortest = std::min(shortest, frames.at[i] - frames.at[i - 1]);
      longest = std::max(longest, frames.at[i] - frames.at[i - 1]);
    }
  }
  state.counters["shortest_ms"] = shortest;
  state.counters["longest_ms"] = longest;
}
BENCHMARK(walkingFrames)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The largest board a 3840 x 2160 screen takes: the play window at 300 % and then made as
// large as the screen less a title bar of 30 pixels, the board as large as that leaves room
// for (2040 x 2040 pixels offscreen). A level with every object, drawn whole and shown
// (`tekenen`), or one walking frame of a step.
constexpr QSize kFourKWindow(3840, 2160 - 30);

Afspelen& largestBoard(rig::PlayWindowRig& rig) {
  rig.chooseFile(rig::levelFromRows({"S..#", ".>v#X", ".^<.k", "###KE", "..sbr+"}));
  Afspelen& window = rig.shown();
  window.setZoom(300);
  window.resize(kFourKWindow);
  window.start(rig.chosen);
  QTest::qWait(50);
  return window;
}

void reportBoard(benchmark::State& state, Afspelen& window) {
  state.counters["board_px"] = window.board().image().width();
  if (window.board().width() <= 1440) state.SkipWithError("the board did not grow with the window");
}

void largestRedraw(benchmark::State& state) {
  rig::PlayWindowRig rig;
  Afspelen& window = largestBoard(rig);
  for (auto _ : state) window.tekenen(true);
  reportBoard(state, window);
}
BENCHMARK(largestRedraw)->Unit(benchmark::kMillisecond);

void largestWalkingFrame(benchmark::State& state) {
  rig::PlayWindowRig rig;
  Afspelen& window = largestBoard(rig);
  const GameState game = window.game().play().gameState();
  const Shown step[] = {shown::Walk{game.veld, game.schakelaar, 1, 1, Direction::Down, 0, 0}};
  for (auto _ : state) window.playShown(step);
  state.SetItemsProcessed(state.iterations() * 5);  // five frames a step
  reportBoard(state, window);
}
BENCHMARK(largestWalkingFrame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("DWAALBOS_GAME_DIR", DWAALBOS_GAME_DIR);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
