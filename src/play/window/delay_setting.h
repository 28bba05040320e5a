#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "level/translation.h"

namespace dwaalbos {

// One of the two delays the player sets by typing a number: its dialog's texts and limit.
struct DelaySetting {
  const char* title;
  const char* question;
  const char* limitLine;
  int maximum;
};

// Its texts are Dutch, shown through `translated` in the DelaySetting context.
inline constexpr DelaySetting kLoopDelay{
    DWAALBOS_TR("DelaySetting", "Vertraging lopen"),
    DWAALBOS_TR("DelaySetting", "Wat is de vertraging van het lopen in miliseconden?"),
    DWAALBOS_TR("DelaySetting", "Het maximum is 999 miliseconden"), 999};
inline constexpr DelaySetting kLineDelay{
    DWAALBOS_TR("DelaySetting", "Vertraging volgpijlen"),
    DWAALBOS_TR("DelaySetting", "Wat is de vertraging van de volgpijlen in miliseconden?"),
    DWAALBOS_TR("DelaySetting", "Het maximum is 9999 miliseconden"), 9999};

// The number at the start of a text: leading blanks and a sign are allowed, reading stops at
// the first other character, no digits give 0. Values beyond the int range saturate.
int leadingNumber(std::string_view text);

// The dialog's title and prompt for the delay the box now shows, in the language the game speaks.
std::string delayTitle(const DelaySetting& setting);
std::string delayPrompt(const DelaySetting& setting, const std::string& boxText);

// What the box shows after the dialog: the number the answer starts with (0 for an empty
// answer or Cancel), or "40" when that number lies outside 0..maximum.
std::string delayBoxText(const DelaySetting& setting, const std::optional<std::string>& answer);

}  // namespace dwaalbos
