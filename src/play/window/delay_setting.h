#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dwaalbos {

// One of the two delays the player sets by typing a number: its dialog's texts and limit.
struct DelaySetting {
  const char* title;
  const char* question;
  const char* limitLine;
  int maximum;
};

inline constexpr DelaySetting kLoopDelay{"Vertraging lopen",
                                         "Wat is de vertraging van het lopen in miliseconden?",
                                         "Het maximum is 999 miliseconden", 999};
inline constexpr DelaySetting kLineDelay{"Vertraging volgpijlen",
                                         "Wat is de vertraging van de volgpijlen in miliseconden?",
                                         "Het maximum is 9999 miliseconden", 9999};

// The number at the start of a text: leading blanks and a sign are allowed, reading stops at
// the first other character, no digits give 0. Values beyond the int range saturate.
int leadingNumber(std::string_view text);

// The dialog's prompt for the delay the box now shows.
std::string delayPrompt(const DelaySetting& setting, const std::string& boxText);

// What the box shows after the dialog: the number the answer starts with (0 for an empty
// answer or Cancel), or "40" when that number lies outside 0..maximum.
std::string delayBoxText(const DelaySetting& setting, const std::optional<std::string>& answer);

}  // namespace dwaalbos
