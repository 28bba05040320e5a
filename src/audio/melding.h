#pragma once

#include <functional>
#include <string>

namespace dwaalbos {

// How the sound tells the player about a problem: the application shows a message box with
// this title and text and the critical-stop icon. Texts break lines with CR LF.
using Melding = std::function<void(const std::string& titel, const std::string& tekst)>;

}  // namespace dwaalbos
