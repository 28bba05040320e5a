#include "solver.h"

#include <algorithm>
#include <array>
#include <vector>

#include "play/engine/engine.h"
#include "play/engine/null_host.h"
#include "state_store.h"

namespace dwaalbos {
namespace {

// Plays single moves for the search: no follow lines, every question answered No.
class SearchHost : public NullHost {
 public:
  explicit SearchHost(SharedState& shared) : engine(shared, *this) {
    engine.opties() = Opties{false, 0, false, 0, true, false};
  }

  Engine engine;
};

// Board cells as indices into the few values the level can hold; two to a byte when at most
// sixteen values occur, as in every ordinary level.
class StateCodec {
 public:

  explicit StateCodec(const Board& board) {
    palette_ = {cell::kEmpty, cell::kPushBlock};
    for (int c = 1; c <= 12; ++c)
      for (int r = 1; r <= 12; ++r)
        if (std::find(palette_.begin(), palette_.end(), board.at(c, r)) == palette_.end())
          palette_.push_back(board.at(c, r));
    nibbles_ = palette_.size() <= 16;
    boardBytes_ = nibbles_ ? 72 : 144;
    for (std::size_t i = 0; i < palette_.size(); ++i)
      if (palette_[i] >= 0 && palette_[i] < 16) ordinary_[static_cast<std::size_t>(palette_[i])] = static_cast<std::uint8_t>(i);
  }

  std::size_t bytes() const { return boardBytes_ + 3; }

  void pack(const GameState& state, std::vector<std::uint8_t>& out) const {
    out.resize(bytes());
    const auto& cells = state.veld.flat();
    std::size_t i = 0;
    for (std::size_t row = 1; row <= 12; ++row) {
      const std::int16_t* cell = cells.data() + row * Board::kSide + 1;
      for (int c = 0; c < 12; c += 2, cell += 2, i += 2) {
        const auto first = static_cast<std::uint8_t>(indexOf(cell[0]));
        const auto second = static_cast<std::uint8_t>(indexOf(cell[1]));
        if (nibbles_) {
          out[i / 2] = static_cast<std::uint8_t>(first | second << 4);
        } else {
          out[i] = first;
          out[i + 1] = second;
        }
      }
    }
    out[boardBytes_] = static_cast<std::uint8_t>(state.col - 1 + 12 * (state.row - 1));
    out[boardBytes_ + 1] = state.schakelaar ? 1 : 0;
    out[boardBytes_ + 2] = static_cast<std::uint8_t>(std::min(state.sleutels, 255));
  }

  void unpack(std::span<const std::uint8_t> in, GameState& state) const {
    auto& cells = state.veld.flat();
    std::size_t i = 0;
    for (std::size_t row = 1; row <= 12; ++row) {
      std::int16_t* cell = cells.data() + row * Board::kSide + 1;
      for (int c = 0; c < 12; ++c, ++cell, ++i) {
        const int index = nibbles_ ? in[i / 2] >> (4 * (i % 2)) & 0x0F : in[i];
        *cell = palette_[static_cast<std::size_t>(index)];
      }
    }
    state.col = in[boardBytes_] % 12 + 1;
    state.row = in[boardBytes_] / 12 + 1;
    state.schakelaar = in[boardBytes_ + 1] != 0;
    state.sleutels = in[boardBytes_ + 2];
  }

 private:
  int indexOf(std::int16_t value) const {
    if (value >= 0 && value < 16) return ordinary_[static_cast<std::size_t>(value)];
    return static_cast<int>(std::find(palette_.begin(), palette_.end(), value) - palette_.begin());
  }

  std::vector<std::int16_t> palette_;
  std::array<std::uint8_t, 16> ordinary_{};  // palette index of the codes 0..15
  bool nibbles_ = true;
  std::size_t boardBytes_ = 72;
};

constexpr std::array<std::pair<GameKey, char>, 5> kMoves = {{{GameKey::Left, 'L'},
                                                             {GameKey::Right, 'R'},
                                                             {GameKey::Up, 'U'},
                                                             {GameKey::Down, 'D'},
                                                             {GameKey::Space, 'S'}}};

void resetMove(PlayState& state) {
  state.Gestopt = false;
  state.Gehaald = false;
  state.Opnieuw = false;
  state.DirectOpnieuw = false;
  state.Doorschuiven = false;
}

std::string pathTo(const StateStore& store, std::uint32_t index, char last) {
  std::string moves(1, last);
  for (; store.parent(index) != StateStore::kNone; index = store.parent(index))
    moves += store.move(index);
  std::reverse(moves.begin(), moves.end());
  return moves;
}

}  // namespace

GameKey letterKey(char letter) {
  for (const auto& [key, name] : kMoves)
    if (name == letter) return key;
  return GameKey::Enter;
}

Solution solve(const Doolhof& level, std::size_t stateLimit) {
  SharedState shared("");
  shared.Level = level;
  NullHost host;
  const Engine engine(shared, host);
  return solveFrom(engine.levelStart(), stateLimit);
}

std::optional<std::size_t> placeOnWay(const GameState& state, const GameState& start,
                                      std::string_view moves) {
  SharedState shared("");
  SearchHost host(shared);
  host.engine.setGameState(start);
  auto sameGame = [&state](GameState now) {
    now.richting = state.richting;
    return now == state;
  };
  for (std::size_t played = 0;; ++played) {
    if (sameGame(host.engine.gameState())) return played;
    if (played == moves.size()) return std::nullopt;
    host.engine.act(letterKey(moves[played]));
  }
}

Solution solveFrom(const GameState& start, std::size_t stateLimit) {
  SharedState shared("");
  SearchHost host(shared);
  Engine& engine = host.engine;

  const StateCodec codec(start.veld);
  StateStore store(codec.bytes());
  std::vector<std::uint8_t> packed;
  bool added = false;
  codec.pack(start, packed);
  store.insert(packed, StateStore::kNone, 0, added);

  Solution result;
  GameState before = start;
  std::uint32_t next = 0;
  for (; next < store.size() && store.size() < stateLimit; ++next) {
    codec.unpack(store.state(next), before);
    const bool onSwitch = before.veld.at(before.col, before.row) == cell::kSwitch;
    for (const auto& [key, letter] : kMoves) {
      if (key == GameKey::Space && !onSwitch) continue;
      engine.setGameState(before);
      resetMove(engine.state());
      engine.act(key);
      const MoveOutcome& outcome = engine.lastMove();
      if (outcome.died) continue;
      if (outcome.completed) {
        result = {true, pathTo(store, next, letter), store.size(), store.bytesUsed(), false};
        return result;
      }
      codec.pack(engine.gameState(), packed);
      store.insert(packed, next, letter, added);
    }
  }
  result.states = store.size();
  result.bytes = store.bytesUsed();
  result.limitReached = next < store.size();
  return result;
}

}  // namespace dwaalbos
