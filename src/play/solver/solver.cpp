#include "solver.h"

#include <algorithm>
#include <array>
#include <vector>

#include "play/engine/engine.h"
#include "play/engine/null_host.h"
#include "play/engine/texts.h"
#include "state_store.h"

namespace dwaalbos {
namespace {

// Plays single moves for the search and notes how each one ended.
class SearchHost : public NullHost {
 public:
  explicit SearchHost(SharedState& shared) : engine(shared, *this) {
    engine.opties() = Opties{false, 0, false, 0, true, false};
  }

  Engine engine;
  bool crushed = false;
  bool completed = false;

  void message(const std::string& title, const std::string&, Icon) override {
    if (title == texts::kKlaarTitle) completed = true;
  }
  bool ask(const std::string& title, const std::string&, Icon) override {
    if (title == texts::kZelfmoordTitle) crushed = true;
    return false;
  }
  void closeWindow() override { crushed = true; }
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

  void pack(const SharedState& shared, const PlayState& state, std::vector<std::uint8_t>& out) const {
    out.assign(bytes(), 0);
    for (int i = 0; i < 144; ++i) {
      const auto index = static_cast<std::uint8_t>(indexOf(shared.Veld.at(i % 12 + 1, i / 12 + 1)));
      if (!nibbles_) out[static_cast<std::size_t>(i)] = index;
      else out[static_cast<std::size_t>(i / 2)] |= static_cast<std::uint8_t>(index << (4 * (i % 2)));
    }
    out[boardBytes_] = static_cast<std::uint8_t>(shared.ManX / kCellPixels + 12 * (shared.ManY / kCellPixels));
    out[boardBytes_ + 1] = state.Schakelaar ? 1 : 0;
    out[boardBytes_ + 2] = static_cast<std::uint8_t>(std::min(state.sleutels, 255));
  }

  void unpack(std::span<const std::uint8_t> in, SharedState& shared, PlayState& state) const {
    for (int i = 0; i < 144; ++i) {
      const std::uint8_t index = nibbles_ ? (in[static_cast<std::size_t>(i / 2)] >> (4 * (i % 2))) & 0x0F
                                          : in[static_cast<std::size_t>(i)];
      shared.Veld.set(i % 12 + 1, i / 12 + 1, palette_[index]);
    }
    shared.ManX = in[boardBytes_] % 12 * kCellPixels;
    shared.ManY = in[boardBytes_] / 12 * kCellPixels;
    state.Schakelaar = in[boardBytes_ + 1] != 0;
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

Solution solve(const Doolhof& level, std::size_t stateLimit) {
  SharedState shared("");
  shared.Veld.copyPlayAreaFrom(level.Vakken);
  SearchHost host(shared);
  Engine& engine = host.engine;
  engine.placeOnStart();

  const StateCodec codec(shared.Veld);
  StateStore store(codec.bytes());
  std::vector<std::uint8_t> packed;
  bool added = false;
  codec.pack(shared, engine.state(), packed);
  store.insert(packed, StateStore::kNone, 0, added);

  Solution result;
  SharedState before("");
  PlayState stateBefore;
  std::uint32_t next = 0;
  for (; next < store.size() && store.size() < stateLimit; ++next) {
    codec.unpack(store.state(next), before, stateBefore);
    const bool onSwitch =
        before.Veld.at(before.ManX / kCellPixels + 1, before.ManY / kCellPixels + 1) == cell::kSwitch;
    for (const auto& [key, letter] : kMoves) {
      if (key == GameKey::Space && !onSwitch) continue;
      shared.Veld = before.Veld;
      shared.ManX = before.ManX;
      shared.ManY = before.ManY;
      engine.state().Schakelaar = stateBefore.Schakelaar;
      engine.state().sleutels = stateBefore.sleutels;
      resetMove(engine.state());
      host.crushed = host.completed = false;
      engine.act(key);
      if (host.crushed) continue;
      if (host.completed) {
        result = {true, pathTo(store, next, letter), store.size(), store.bytesUsed(), false};
        return result;
      }
      codec.pack(shared, engine.state(), packed);
      store.insert(packed, next, letter, added);
    }
  }
  result.states = store.size();
  result.bytes = store.bytesUsed();
  result.limitReached = next < store.size();
  return result;
}

}  // namespace dwaalbos
