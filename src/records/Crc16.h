#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace marrowby {

// CRC-16/XMODEM: polynomial 0x1021, initial value 0, no reflection, no final XOR.
// The table is generated at compile time from the polynomial, most significant bit first.
constexpr std::array<std::uint16_t, 256> makeCrc16Table()
{
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned value = i << 8;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 0x8000) ? ((value << 1) ^ 0x1021) : (value << 1);
        table[i] = static_cast<std::uint16_t>(value & 0xFFFF);
    }
    return table;
}

inline constexpr std::array<std::uint16_t, 256> Crc16Table = makeCrc16Table();

// The one running CRC of the process. Crc16Update never resets it: every writer
// sets it to 0 itself right before it starts a checksum and reads it after the last byte.
extern std::uint32_t CrcAccumulator;

// Feeds bytes into CrcAccumulator and returns it.
std::uint32_t Crc16Update(const std::uint8_t *bytes, std::size_t count);

// Convenience for callers that only want the checksum of one buffer.
// Resets CrcAccumulator, feeds the buffer and returns the low 16 bits.
std::uint16_t crc16Of(std::span<const std::uint8_t> bytes);

} // namespace marrowby
