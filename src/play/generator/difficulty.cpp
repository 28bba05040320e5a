#include "difficulty.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "level/translation.h"

namespace dwaalbos {
namespace {

// bandOf(levels) over the level table's reference levels of each difficulty.
constexpr std::array<Band, 4> kBands = {{
    {{12, 30}, {17, 497}, {0, 62}, {8, 76}, 14, 45},
    {{17, 69}, {54, 6188}, {0, 8169}, {18, 75}, 43, 570},
    {{38, 180}, {79, 13110}, {0, 48855}, {28, 80}, 82, 6251},
    {{48, 171}, {13917, 199863}, {0, 119223}, {37, 75}, 148, 28379},
}};

template <class Figure>
FigureRange rangeOf(std::vector<Figure> values) {
  if (values.empty()) return {};
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  return {static_cast<std::size_t>(*low), static_cast<std::size_t>(*high)};
}

// The upper middle one of an odd or even number.
std::size_t middleOf(std::vector<std::size_t> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

std::string_view difficultyName(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Makkelijk: return DWAALBOS_TR("difficulty", "Makkelijk");
    case Difficulty::Gemiddeld: return DWAALBOS_TR("difficulty", "Gemiddeld");
    case Difficulty::Moeilijk: return DWAALBOS_TR("difficulty", "Moeilijk");
    case Difficulty::Meester: return DWAALBOS_TR("difficulty", "Meester");
  }
  return {};
}

std::string shownName(Difficulty difficulty) {
  return translated("difficulty", difficultyName(difficulty).data());
}

std::optional<Difficulty> difficultyNamed(std::string_view name) {
  const auto sameText = [name](std::string_view other) {
    return std::equal(name.begin(), name.end(), other.begin(), other.end(), [](char a, char b) {
      return std::tolower(static_cast<unsigned char>(a)) ==
             std::tolower(static_cast<unsigned char>(b));
    });
  };
  for (const Difficulty difficulty : kDifficulties)
    if (sameText(difficultyName(difficulty))) return difficulty;
  return std::nullopt;
}

ReferenceLevels referenceLevels(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Makkelijk: return {1, 1, 8};
    case Difficulty::Gemiddeld: return {1, 9, 23};
    case Difficulty::Moeilijk: return {2, 1, 10};
    case Difficulty::Meester: return {2, 11, 20};
  }
  return {};
}

Band bandOf(std::span<const LevelFigures> levels) {
  std::vector<std::size_t> moves, states, traps;
  std::vector<int> forced;
  for (const LevelFigures& level : levels) {
    moves.push_back(level.moves);
    states.push_back(level.states);
    if (level.traps) traps.push_back(*level.traps);
    forced.push_back(level.forcedPercent);
  }
  return {rangeOf(moves),  rangeOf(states), rangeOf(traps),
          rangeOf(forced), middleOf(moves), middleOf(states)};
}

const Band& bandOf(Difficulty difficulty) { return kBands[static_cast<std::size_t>(difficulty)]; }

bool inside(const Band& band, const LevelFigures& level) {
  return band.moves.contains(level.moves) && band.states.contains(level.states) && level.traps &&
         band.traps.contains(*level.traps) && level.forcedPercent >= 0 &&
         band.forcedPercent.contains(static_cast<std::size_t>(level.forcedPercent));
}

std::string bandText(const Band& band) {
  const auto range = [](const FigureRange& r) {
    return std::to_string(r.low) + "-" + std::to_string(r.high);
  };
  return "moves " + range(band.moves) + " (middle " + std::to_string(band.middleMoves) +
         "), states " + range(band.states) + " (middle " + std::to_string(band.middleStates) +
         "), traps " + range(band.traps) + ", forced " + range(band.forcedPercent) + " %";
}

}  // namespace dwaalbos
