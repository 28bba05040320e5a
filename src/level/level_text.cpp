#include "level_text.h"

#include <sstream>
#include <vector>

#include "cell_kinds.h"

namespace dwaalbos {
namespace {

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    auto line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// Spaces around a value do not count, nor a stray carriage return that a written file could
// not keep.
std::string_view trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

void appendCommentLine(std::string& comment, std::string_view line) {
  if (!comment.empty()) comment += "\r\n";
  comment += line;
}

std::variant<Doolhof, LevelTextError> parseBoard(const std::vector<std::string_view>& lines,
                                                 std::size_t first, Doolhof level) {
  for (int row = 1; row <= 12; ++row) {
    const std::size_t index = first + static_cast<std::size_t>(row - 1);
    const int lineNumber = static_cast<int>(index) + 1;
    if (index >= lines.size()) return LevelTextError{lineNumber, "the board needs 12 rows"};
    const auto line = lines[index];
    if (line.size() != 12) return LevelTextError{lineNumber, "a board row needs 12 symbols"};
    for (int col = 1; col <= 12; ++col) {
      const int code = codeOfSymbol(line[static_cast<std::size_t>(col - 1)]);
      if (code < 0) return LevelTextError{lineNumber, "unknown board symbol"};
      level.Vakken.set(col, row, static_cast<std::int16_t>(code));
    }
  }
  for (std::size_t i = first + 12; i < lines.size(); ++i)
    if (!trimmed(lines[i]).empty())
      return LevelTextError{static_cast<int>(i) + 1, "text after the board"};
  return level;
}

}  // namespace

char symbolOfCode(int code) { return cellKind(code).symbol; }

int codeOfSymbol(char symbol) {
  for (const CellKind& kind : kCellKinds)
    if (kind.symbol == symbol) return kind.code;
  return -1;
}

std::variant<Doolhof, LevelTextError> parseLevelText(std::string_view text) {
  const auto lines = splitLines(text);
  Doolhof level;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto line = lines[i];
    if (trimmed(line).empty()) continue;
    const auto colon = line.find(':');
    const auto key = trimmed(line.substr(0, colon));
    const auto value =
        colon == std::string_view::npos ? std::string_view{} : trimmed(line.substr(colon + 1));
    const int lineNumber = static_cast<int>(i) + 1;
    if (colon == std::string_view::npos) return LevelTextError{lineNumber, "expected 'key: value'"};
    if (key == "naam") level.Naam = value;
    else if (key == "maker") level.Maker = value;
    else if (key == "commentaar") appendCommentLine(level.Commentaar, value);
    else if (key == "bord") return parseBoard(lines, i + 1, std::move(level));
    else return LevelTextError{lineNumber, "unknown key"};
  }
  return LevelTextError{static_cast<int>(lines.size()), "no board"};
}

std::string formatLevelText(const Doolhof& level) {
  std::ostringstream out;
  out << "naam: " << level.Naam << '\n' << "maker: " << level.Maker << '\n';
  // Every line of the comment, an empty last one included.
  std::string_view comment = level.Commentaar;
  while (!level.Commentaar.empty()) {
    const auto end = comment.find("\r\n");
    out << "commentaar: " << comment.substr(0, end) << '\n';
    if (end == std::string_view::npos) break;
    comment.remove_prefix(end + 2);
  }
  out << "bord:\n";
  for (int row = 1; row <= 12; ++row) {
    for (int col = 1; col <= 12; ++col) out << symbolOfCode(level.Vakken.at(col, row));
    out << '\n';
  }
  return out.str();
}

}  // namespace dwaalbos
