#pragma once

class QLabel;
class QMessageBox;
class QString;

namespace dwaalbos {

// Text that comes from a file or from the player is shown exactly as written, wherever it
// appears: never read as markup, so a level named "<img src=...>" opens nothing and "a<b"
// loses no letters. The format is set before the text, as the toolkit reads markup as soon as
// it is given the text.
void showPlain(QLabel& label, const QString& text);
void showPlain(QMessageBox& box, const QString& text);
// A window title as written: the toolkit would take "[*]" for its "modified" mark.
QString plainTitle(const QString& text);

}  // namespace dwaalbos
