#pragma once

#include <functional>
#include <optional>
#include <string>

#include "level/byte_io.h"

class QWidget;

namespace dwaalbos {

enum class BoxIcon { None, Exclamation, Critical, Question };

// The game's message boxes, modal over `parent`. Texts may break lines with CR LF. An empty
// title shows the program's name.
void showMessage(QWidget* parent, const std::string& title, const std::string& text, BoxIcon icon);
// After a write that succeeded but left out the end of a file too long for its kind: says so.
void tellIfCut(QWidget* parent, const std::string& path, const WriteResult& written);
// The same box as showMessage without waiting for it: `closed` runs from the event loop once it is
// closed.
void tellLater(QWidget* parent, const std::string& title, const std::string& text, BoxIcon icon,
               std::function<void()> closed);
// A question with Yes and No buttons: true for Yes. Escape and the close box answer No.
bool askYesNo(QWidget* parent, const std::string& title, const std::string& text, BoxIcon icon);
// The same question without waiting for it: the box opens and `answered` runs with the answer
// once the player gives it, from the event loop.
void askYesNoLater(QWidget* parent, const std::string& title, const std::string& text, BoxIcon icon,
                   std::function<void(bool)> answered);
// The one-line input box, its field starting with `initial`: the typed line, or nothing when
// the box is cancelled.
std::optional<std::string> askLine(QWidget* parent, const std::string& title,
                                   const std::string& prompt, const std::string& initial);

}  // namespace dwaalbos
