#include "records/RecordFraming.h"

#include "records/Crc16.h"

namespace marrowby {

void MenuFileFraming(ConfigRecord &record)
{
    CrcAccumulator = 0;
    const std::uint32_t crc = Crc16Update(record.data(), 50);
    record[56] = static_cast<std::uint8_t>(crc & 0xFF);
    record[57] = static_cast<std::uint8_t>((crc >> 8) & 0xFF);
    record.setLineEnd();
}

} // namespace marrowby
