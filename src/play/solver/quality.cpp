#include "quality.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <span>
#include <vector>

#include "compact_state.h"
#include "play/engine/rules.h"
#include "solver.h"
#include "state_store.h"

namespace dwaalbos {
namespace {

constexpr RuleOptions kQuiet{false, 0, 0, true};
constexpr std::string_view kKeys = "LRUDS";

// Every reachable position and the positions each leads to in one move, in breadth-first
// order; moves that crush the player or change nothing are left out.
struct StateGraph {
  explicit StateGraph(const CompactCodec& codec) : store(codec.bytes()) {}

  std::uint32_t indexOf(const CompactCodec& codec, const GameState& state) {
    std::vector<std::uint8_t> packed(codec.bytes());
    codec.pack(state, packed);
    bool added = false;
    return store.insert(packed, StateStore::kNone, 0, added);
  }
  std::span<const std::uint32_t> next(std::uint32_t index) const {
    return {edges.data() + firstEdge[index], edges.data() + firstEdge[index + 1]};
  }

  StateStore store;
  std::vector<std::uint32_t> firstEdge;  // one more than there are positions
  std::vector<std::uint32_t> edges;
  std::vector<bool> completes;  // a move from here completes the level
};

bool explore(const GameState& start, const CompactCodec& codec, StateGraph& graph,
             std::size_t limit) {
  graph.indexOf(codec, start);
  std::vector<std::uint8_t> packed(codec.bytes());
  GameState before = start;
  for (std::uint32_t index = 0; index < graph.store.size(); ++index) {
    if (graph.store.size() > limit) return false;
    const auto stored = graph.store.state(index);
    codec.unpack(stored, before);
    graph.firstEdge.push_back(static_cast<std::uint32_t>(graph.edges.size()));
    graph.completes.push_back(false);
    const bool onSwitch = before.veld.at(before.col, before.row) == cell::kSwitch;
    for (char letter : kKeys) {
      const GameKey key = letterKey(letter);
      if (key == GameKey::Space && !onSwitch) continue;
      const Step step = play(before, key, kQuiet);
      if (step.died) continue;
      if (step.completed) {
        graph.completes.back() = true;
        continue;
      }
      codec.pack(step.next, packed);
      if (std::equal(packed.begin(), packed.end(), stored.begin())) continue;
      bool added = false;
      graph.edges.push_back(graph.store.insert(packed, index, 0, added));
    }
  }
  graph.firstEdge.push_back(static_cast<std::uint32_t>(graph.edges.size()));
  return true;
}

// Which positions can still complete the level: a backward pass from those one move from
// the end.
std::vector<bool> livePositions(const StateGraph& graph) {
  const std::size_t count = graph.completes.size();
  std::vector<std::uint32_t> firstBack(count + 1, 0);
  for (std::uint32_t to : graph.edges) ++firstBack[to + 1];
  std::partial_sum(firstBack.begin(), firstBack.end(), firstBack.begin());
  std::vector<std::uint32_t> back(graph.edges.size());
  std::vector<std::uint32_t> filled(firstBack.begin(), firstBack.end() - 1);
  for (std::uint32_t from = 0; from < count; ++from)
    for (std::uint32_t to : graph.next(from)) back[filled[to]++] = from;

  std::vector<bool> live = graph.completes;
  std::vector<std::uint32_t> queue;
  for (std::uint32_t i = 0; i < count; ++i)
    if (live[i]) queue.push_back(i);
  while (!queue.empty()) {
    const std::uint32_t to = queue.back();
    queue.pop_back();
    for (std::uint32_t k = firstBack[to]; k < firstBack[to + 1]; ++k) {
      if (live[back[k]]) continue;
      live[back[k]] = true;
      queue.push_back(back[k]);
    }
  }
  return live;
}

std::size_t forcedPositions(const GameState& start, std::string_view solution,
                            const CompactCodec& codec, StateGraph& graph,
                            const std::vector<bool>& live) {
  std::vector<std::uint32_t> path;
  GameState game = start;
  std::size_t forced = 0;
  for (char letter : solution) {
    const std::uint32_t here = graph.indexOf(codec, game);
    path.push_back(here);
    std::vector<std::uint32_t> sensible;
    for (std::uint32_t to : graph.next(here)) {
      const bool earlier = std::find(path.begin(), path.end(), to) != path.end();
      if (live[to] && !earlier && std::find(sensible.begin(), sensible.end(), to) == sensible.end())
        sensible.push_back(to);
    }
    if (sensible.size() + (graph.completes[here] ? 1 : 0) <= 1) ++forced;
    game = play(game, letterKey(letter), kQuiet).next;
  }
  return forced;
}

}  // namespace

int LevelQuality::forcedPercent() const {
  return solutionMoves == 0 ? 0 : static_cast<int>(forced * 100 / solutionMoves);
}

LevelQuality measureQuality(const GameState& start, std::string_view solution,
                            std::size_t positionLimit) {
  const CompactCodec codec(start);
  StateGraph graph(codec);
  LevelQuality quality;
  quality.complete = explore(start, codec, graph, positionLimit);
  quality.positions = graph.store.size();
  if (!quality.complete) return quality;
  const std::vector<bool> live = livePositions(graph);
  quality.traps = static_cast<std::size_t>(std::count(live.begin(), live.end(), false));
  quality.solutionMoves = solution.size();
  quality.forced = forcedPositions(start, solution, codec, graph, live);
  return quality;
}

}  // namespace dwaalbos
