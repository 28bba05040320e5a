#include "move_letters.h"

#include "rules.h"

namespace dwaalbos {
namespace {

bool sameBut(GameState a, const GameState& b) {
  a.richting = b.richting;
  return a == b;
}

}  // namespace

GameKey letterKey(char letter) {
  for (const auto& [key, name] : kMoveLetters)
    if (name == letter) return key;
  return GameKey::Enter;
}

std::vector<GameKey> keysOf(std::string_view letters) {
  std::vector<GameKey> keys;
  for (char letter : letters) keys.push_back(letterKey(letter));
  return keys;
}

std::optional<std::string> lettersThrough(std::span<const GameState> states) {
  std::string letters;
  for (std::size_t i = 1; i < states.size(); ++i) {
    const std::size_t before = letters.size();
    for (const auto& [key, letter] : kMoveLetters) {
      const Step step = play(states[i - 1], key, kQuietRules);
      if (!step.died && sameBut(step.next, states[i])) {
        letters += letter;
        break;
      }
    }
    if (letters.size() == before) return std::nullopt;
  }
  return letters;
}

}  // namespace dwaalbos
