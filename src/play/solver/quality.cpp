#include "quality.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <functional>
#include <numeric>
#include <ranges>
#include <set>
#include <span>
#include <vector>

#include "compact_state.h"
#include "play/rules/rules.h"
#include "solver.h"
#include "state_store.h"

namespace dwaalbos {
namespace {

// How far the way back to the solution is looked for from a step aside, when the level is
// too large to explore whole.
constexpr std::size_t kWayBackLimit = 200'000;

using Packed = std::vector<std::uint8_t>;

// Calls visit(completed, next) for every move from the packed position `from` that neither
// crushes the player nor leaves the game as it was; `next` is packed.
void forEachMove(const CompactCodec& codec, std::span<const std::uint8_t> from, GameState& game,
                 const std::function<void(bool, std::span<const std::uint8_t>)>& visit) {
  codec.unpack(from, game);
  Packed packed(codec.bytes());
  const GameState before = game;
  const bool onSwitch = before.veld.at(before.col, before.row) == cell::kSwitch;
  for (const GameKey key : kMoveLetters | std::views::keys) {
    if (key == GameKey::Space && !onSwitch) continue;
    const Step step = play(before, key, kQuietRules);
    if (step.died) continue;
    codec.pack(step.next, packed);
    if (!step.completed && std::equal(packed.begin(), packed.end(), from.begin())) continue;
    visit(step.completed, packed);
  }
}

// Every reachable position and the positions each leads to in one move, in breadth-first
// order.
struct StateGraph {
  explicit StateGraph(const CompactCodec& codec) : store(codec.bytes()) {}

  std::uint32_t indexOf(std::span<const std::uint8_t> packed) {
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
  std::bitset<144> playerCells;
  Packed anyBlocks;  // the packed positions or-ed together: a block bit set stood somewhere
};

bool explore(const CompactCodec& codec, const GameState& start, StateGraph& graph,
             std::size_t limit) {
  Packed packed(codec.bytes());
  codec.pack(start, packed);
  graph.indexOf(packed);
  GameState game = start;
  graph.anyBlocks.assign(codec.bytes(), 0);
  for (std::uint32_t index = 0; index < graph.store.size(); ++index) {
    if (graph.store.size() > limit) return false;
    graph.firstEdge.push_back(static_cast<std::uint32_t>(graph.edges.size()));
    graph.completes.push_back(false);
    const auto position = graph.store.state(index);
    forEachMove(codec, position, game, [&](bool completed, auto next) {
      if (completed) graph.completes.back() = true;
      else graph.edges.push_back(graph.indexOf(next));
    });
    graph.playerCells.set(static_cast<std::size_t>(game.col - 1 + 12 * (game.row - 1)));
    for (std::size_t i = 0; i < position.size(); ++i) graph.anyBlocks[i] |= position[i];
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

// Whether a search from `from` finds the end or a position of the solution, from where the
// solution completes the level. A search cut off by its limit is given the benefit of doubt.
bool findsWayBack(const CompactCodec& codec, std::span<const std::uint8_t> from,
                  const std::set<Packed>& solution, GameState& game) {
  StateStore seen(codec.bytes());
  bool added = false;
  seen.insert(from, StateStore::kNone, 0, added);
  bool found = false;
  for (std::uint32_t index = 0; !found && index < seen.size(); ++index) {
    if (seen.size() > kWayBackLimit) return true;
    forEachMove(codec, seen.state(index), game, [&](bool completed, auto next) {
      found = found || completed || solution.contains(Packed(next.begin(), next.end()));
      seen.insert(next, index, 0, added);
    });
  }
  return found;
}

// The positions `solution` passes through from `start`, packed, the start first.
std::vector<Packed> packedSolution(const CompactCodec& codec, const GameState& start,
                                   std::string_view solution) {
  std::vector<Packed> onSolution;
  GameState game = start;
  for (char letter : solution) {
    onSolution.emplace_back(codec.bytes());
    codec.pack(game, onSolution.back());
    game = play(game, letterKey(letter), kQuietRules).next;
  }
  return onSolution;
}

// The positions on the solution with at most one sensible move; `live` tells whether a
// position off the solution can still complete the level.
std::size_t forcedPositions(const CompactCodec& codec, const std::vector<Packed>& solution,
                            GameState game,
                            const std::function<bool(std::span<const std::uint8_t>)>& live) {
  std::size_t forced = 0;
  for (std::size_t at = 0; at < solution.size(); ++at) {
    std::vector<Packed> sensible;
    bool completes = false;
    forEachMove(codec, solution[at], game, [&](bool completed, auto next) {
      const auto same = [&next](const Packed& other) {
        return std::equal(other.begin(), other.end(), next.begin());
      };
      completes = completes || completed;
      if (completed ||
          std::any_of(solution.begin(), solution.begin() + static_cast<long>(at) + 1, same) ||
          std::any_of(sensible.begin(), sensible.end(), same))
        return;
      const bool onWay =
          std::any_of(solution.begin() + static_cast<long>(at) + 1, solution.end(), same);
      if (onWay || live(next)) sensible.emplace_back(next.begin(), next.end());
    });
    if (sensible.size() + (completes ? 1 : 0) <= 1) ++forced;
  }
  return forced;
}

}  // namespace

int LevelQuality::forcedPercent() const {
  return solutionMoves == 0 ? 0 : static_cast<int>(forced * 100 / solutionMoves);
}

int forcedPercentAtLeast(const GameState& start, std::string_view solution) {
  const CompactCodec codec(start);
  LevelQuality least;
  least.solutionMoves = solution.size();
  least.forced = forcedPositions(codec, packedSolution(codec, start, solution), start,
                                 [](auto) { return true; });
  return least.forcedPercent();
}

LevelQuality measureQuality(const GameState& start, std::string_view solution,
                            std::size_t positionLimit, PastTheLimit past) {
  const CompactCodec codec(start);
  const std::vector<Packed> onSolution = packedSolution(codec, start, solution);

  StateGraph graph(codec);
  LevelQuality quality;
  quality.complete = explore(codec, start, graph, positionLimit);
  quality.positions = graph.store.size();
  quality.solutionMoves = solution.size();
  quality.playerCells = graph.playerCells;
  for (std::size_t i = 0; i < codec.blockCells().size(); ++i) {
    const int flat = codec.blockCells()[i];
    if (CompactCodec::hasBlock(graph.anyBlocks, i))
      quality.blockCells.set(static_cast<std::size_t>(flat % 13 - 1 + 12 * (flat / 13 - 1)));
  }
  if (!quality.complete && past == PastTheLimit::GiveUp) return quality;
  if (!quality.complete) {
    const std::set<Packed> solutionSet(onSolution.begin(), onSolution.end());
    GameState scratch = start;
    quality.forced = forcedPositions(codec, onSolution, start, [&](auto next) {
      return findsWayBack(codec, next, solutionSet, scratch);
    });
    return quality;
  }
  const std::vector<bool> live = livePositions(graph);
  quality.traps = static_cast<std::size_t>(std::count(live.begin(), live.end(), false));
  quality.forced = forcedPositions(codec, onSolution, start,
                                   [&](auto next) { return live[graph.indexOf(next)]; });
  return quality;
}

}  // namespace dwaalbos
