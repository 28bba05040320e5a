#pragma once

#include <QString>

#include <string>

namespace dwaalbos {

inline constexpr int kLongestText = 65535;  // what a level text's 16-bit length can count

// Level texts keep their line breaks as CR LF; the text boxes work with LF.
QString forBox(const std::string& text);
std::string fromBox(QString text);

// A level text as read from its file beside what its box showed of it: while the box still
// shows that, the text is saved as read, line ends and all. The boxes show a lone CR or LF as a
// line break, which would be saved as CR LF.
struct ReadText {
  QString shown;
  std::string read;

  std::string forFile(const QString& now) const { return now == shown ? read : fromBox(now); }
};

}  // namespace dwaalbos
