#include "json_report.h"

#include <cstdio>
#include <sstream>

namespace dwaalbos {
namespace {

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string boardRows(const Board& board) {
  std::string out = "[";
  for (int r = 1; r <= 12; ++r) {
    out += r > 1 ? ",[" : "[";
    for (int c = 1; c <= 12; ++c) out += (c > 1 ? "," : "") + std::to_string(board.at(c, r));
    out += "]";
  }
  return out + "]";
}

std::string eventList(const std::vector<HeadlessHost::Event>& events) {
  std::string out = "[";
  for (std::size_t i = 0; i < events.size(); ++i) {
    const auto& event = events[i];
    if (i > 0) out += ",";
    if (event.sound != 0) {
      out += "{\"sound\":" + std::to_string(event.sound) + "}";
    } else {
      out += "{\"dialog\":{\"title\":" + quoted(event.title) + ",\"text\":" + quoted(event.text) +
             ",\"answer\":" + quoted(event.answer) + "}}";
    }
  }
  return out + "]";
}

}  // namespace

std::string playReport(HeadlessHost& host) {
  const GameState& game = host.game().play().gameState();
  std::ostringstream out;
  out << "{\"board\":" << boardRows(game.veld) << ",\"player\":{\"col\":" << game.col
      << ",\"row\":" << game.row << ",\"dir\":" << static_cast<int>(game.richting)
      << "},\"keys\":" << game.sleutels
      << ",\"switch\":" << (game.schakelaar ? "\"red\"" : "\"blue\"")
      << ",\"level\":" << host.game().level().number
      << ",\"ended\":" << (host.ended() ? "true" : "false")
      << ",\"events\":" << eventList(host.events()) << "}";
  return out.str();
}

std::string solveReport(const Solution& solution) {
  std::ostringstream out;
  // null: the search gave up at its limit, so nobody knows.
  const char* solvable = solution.solvable ? "true" : solution.limitReached ? "null" : "false";
  out << "{\"solvable\":" << solvable << ",\"moves\":" << quoted(solution.moves)
      << ",\"length\":" << solution.moves.size() << ",\"states\":" << solution.states << "}";
  return out.str();
}

std::string generateReport(const GeneratedLevel& made, std::uint32_t seed, Difficulty difficulty,
                           long milliseconds) {
  std::ostringstream out;
  out << "{\"name\":" << quoted(made.level.Naam) << ",\"seed\":" << seed
      << ",\"difficulty\":" << quoted(std::string(difficultyName(difficulty)))
      << ",\"moves\":" << made.figures.moves << ",\"positions\":" << made.figures.states
      << ",\"traps\":" << made.figures.traps.value_or(0)
      << ",\"forced\":" << made.figures.forcedPercent << ",\"milliseconds\":" << milliseconds
      << ",\"solution\":" << quoted(made.solution) << "}";
  return out.str();
}

}  // namespace dwaalbos
