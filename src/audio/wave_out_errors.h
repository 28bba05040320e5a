#pragma once

#include <string>

namespace dwaalbos::waveout {

// Error codes of the audio output, as the SPC player reports them.
constexpr int kOk = 0;
constexpr int kError = 1;
constexpr int kAllocated = 4;
constexpr int kInvalidHandle = 5;
constexpr int kNoDriver = 6;
constexpr int kNoMemory = 7;
constexpr int kInvalidParameter = 11;
constexpr int kBadFormat = 32;

// The description of a code, one line for a message box.
std::string waveOutGetErrorText(int code);

}  // namespace dwaalbos::waveout
