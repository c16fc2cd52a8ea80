#pragma once

#include "records/ConfigRecord.h"

#include <cstdint>

namespace marrowby {

// Finishes a menu.dat record whose bytes 0..55 are filled: the CRC of bytes 0..49
// goes into bytes 56 (low) and 57 (high), CR LF into 58 and 59.
void MenuFileFraming(ConfigRecord &record);

// Complements a byte and swaps its two halves; used on bytes 0..49 of every
// content record of a sealed file.
constexpr std::uint8_t RecordScramble(std::uint8_t byte)
{
    const unsigned inverted = static_cast<std::uint8_t>(~byte);
    return static_cast<std::uint8_t>(((inverted << 4) | (inverted >> 4)) & 0xFF);
}

// The inverse of RecordScramble: swap the halves back, then complement.
constexpr std::uint8_t RecordUnscramble(std::uint8_t byte)
{
    const unsigned swapped = ((byte << 4) | (byte >> 4)) & 0xFF;
    return static_cast<std::uint8_t>(~swapped);
}

} // namespace marrowby
