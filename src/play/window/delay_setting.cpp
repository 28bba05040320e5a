#include "delay_setting.h"

#include <cctype>
#include <climits>

namespace dwaalbos {

int leadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
  }
  return static_cast<int>(negative ? -value : value);
}

std::string delayTitle(const DelaySetting& setting) {
  return translated("DelaySetting", setting.title);
}

std::string delayPrompt(const DelaySetting& setting, const std::string& boxText) {
  return translated("DelaySetting", setting.question) + "\r\n" +
         translated("DelaySetting", setting.limitLine) + "\r\n" +
         translated("DelaySetting", "Deze vertraging is nu ") + boxText;
}

std::string delayBoxText(const DelaySetting& setting, const std::optional<std::string>& answer) {
  const int number = answer ? leadingNumber(*answer) : 0;
  if (number < 0 || number > setting.maximum) return "40";
  return std::to_string(number);
}

}  // namespace dwaalbos
