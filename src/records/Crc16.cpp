#include "records/Crc16.h"

namespace marrowby {

std::uint32_t CrcAccumulator = 0;

std::uint32_t Crc16Update(const std::uint8_t *bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned index = ((CrcAccumulator >> 8) ^ bytes[i]) & 0xFF;
        CrcAccumulator = ((CrcAccumulator << 8) & 0xFFFF) ^ Crc16Table[index];
    }
    return CrcAccumulator;
}

std::uint16_t crc16Of(std::span<const std::uint8_t> bytes)
{
    CrcAccumulator = 0;
    return static_cast<std::uint16_t>(Crc16Update(bytes.data(), bytes.size()) & 0xFFFF);
}

} // namespace marrowby
