#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace marrowby {

// Every file the cameras read is a sequence of fixed 60-byte records.
constexpr std::size_t kRecordSize = 60;

// A zero-filled record; bytes a layout does not name stay 0.
struct ConfigRecord {
    std::array<std::uint8_t, kRecordSize> bytes{};

    std::uint8_t &operator[](std::size_t i) { return bytes[i]; }
    std::uint8_t operator[](std::size_t i) const { return bytes[i]; }
    const std::uint8_t *data() const { return bytes.data(); }
    std::uint8_t *data() { return bytes.data(); }
    static constexpr std::size_t size() { return kRecordSize; }

    // Bytes 58 and 59 of every record the program writes.
    void setLineEnd()
    {
        bytes[58] = 0x0D;
        bytes[59] = 0x0A;
    }

    bool operator==(const ConfigRecord &) const = default;
};

} // namespace marrowby
