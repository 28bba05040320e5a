#pragma once

#include <string>

namespace dwaalbos {

enum class GameKey { Left, Right, Up, Down, Space, Enter };
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

// A Yes/No question that stops the game until the host gives the player's answer
// (Engine::answer).
struct Question {
  std::string title;
  std::string text;
};

// The three texts of the introduction screen, composed by the engine.
struct Introduction {
  std::string naam;        // the level name, or "Geennaam"
  std::string maker;       // "Gemaakt door " and the maker, or "Gemaakt door anoniem"
  std::string commentaar;  // "Commentaar: " and the comment, or "Geen commentaar"
};

}  // namespace dwaalbos
