#pragma once

#include <cstdint>

namespace marrowby {

// The bytes a record carries besides the settings.
struct RecordContext {
    std::uint8_t cameraLanguage = 2; // 1 when Chinese goes to the camera, else LanguageIndex
    std::uint8_t tvMode = 0;

    bool operator==(const RecordContext &) const = default;
};

} // namespace marrowby
