#pragma once

#include <QString>

class QWidget;

namespace dwaalbos::irunin {

// The menu tells the player the word; spaces typed around it do not matter, case does.
bool isPassword(const QString& typed);

// Asks for the password until it is right (true) or the player gives up (false).
bool askPassword(QWidget* parent);

}  // namespace dwaalbos::irunin
