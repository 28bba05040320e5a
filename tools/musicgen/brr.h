#pragma once

#include <cstdint>
#include <vector>

// BRR, the sound chip's sample format: blocks of 16 samples in 9 bytes, each block a 4-bit
// residue after one of four predictors, scaled by a shift.
namespace dwaalbos::music {

// Encodes `samples` (a multiple of 16 long) as a sample that loops back to its start at its
// end. The first block uses no predictor, so it decodes the same whether entered from the start
// or from the end of the loop.
std::vector<std::uint8_t> encodeBrr(const std::vector<std::int16_t>& samples);

// Decodes blocks as the chip does, from a silent history.
std::vector<std::int16_t> decodeBrr(const std::vector<std::uint8_t>& blocks);

}  // namespace dwaalbos::music
