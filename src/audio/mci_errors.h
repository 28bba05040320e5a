#pragma once

namespace dwaalbos::mci {

// Answers of the sequencer's command strings: 0 for success, otherwise one of these codes.
// The numbers follow the multimedia command interface the game was written against.
constexpr unsigned kOk = 0;
constexpr unsigned kUnrecognizedKeyword = 259;
constexpr unsigned kUnrecognizedCommand = 261;
constexpr unsigned kHardware = 262;
constexpr unsigned kInvalidDeviceName = 263;
constexpr unsigned kDeviceOpen = 265;
constexpr unsigned kMissingCommandString = 267;
constexpr unsigned kBadInteger = 270;
constexpr unsigned kMissingParameter = 273;
constexpr unsigned kFileNotFound = 275;
constexpr unsigned kOutOfRange = 282;
constexpr unsigned kMissingDeviceName = 292;
constexpr unsigned kNoClosingQuote = 294;
constexpr unsigned kInvalidFile = 296;

}  // namespace dwaalbos::mci
