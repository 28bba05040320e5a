#pragma once

#include <initializer_list>
#include <string>

namespace dwaalbos {

enum class GameKey { Left, Right, Up, Down, Space, Enter };

// Some of the game keys, as a front end found them at the start of a pass.
class KeySet {
 public:
  KeySet() = default;
  KeySet(std::initializer_list<GameKey> keys) {
    for (GameKey key : keys) add(key);
  }
  void add(GameKey key) { bits_ |= bit(key); }
  bool has(GameKey key) const { return (bits_ & bit(key)) != 0; }
  bool empty() const { return bits_ == 0; }
  bool operator==(const KeySet&) const = default;

 private:
  static unsigned bit(GameKey key) { return 1u << static_cast<unsigned>(key); }
  unsigned bits_ = 0;
};
enum class Icon { None, Exclamation, Critical };
// The sample slots the rules play.
enum class Sample {
  None = 0,
  LevelStart = 1,
  Ride = 2,
  Crushed = 3,
  PushAccepted = 4,
  Step = 5,
  Switch = 9,
  Key = 10,
  KeyBlock = 11,
  Completed = 12,
};

// A Yes/No question that stops the game until the front end gives the player's answer.
struct Question {
  std::string title;
  std::string text;
};

// The three texts of the introduction screen, composed by the level play.
struct Introduction {
  std::string naam;        // the level name, or "Geennaam"
  std::string maker;       // "Gemaakt door " and the maker, or "Gemaakt door anoniem"
  std::string commentaar;  // "Commentaar: " and the comment, or "Geen commentaar"
};

}  // namespace dwaalbos
