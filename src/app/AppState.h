#pragma once

#include <cstdint>

namespace marrowby {

// The process-wide choices every window and record builder reads.
struct AppState {
    int LanguageIndex = 2;              // 1..15; index of every text table
    bool ChineseSystem = false;         // the system language is Chinese (PRC)
    bool ChineseCameraLanguage = false; // the camera runs in Chinese while the UI cannot show it
    int ModelIndex = 1;                 // 1..19, or 0 from a stored preference
    int TvMode = 0;                     // written unchanged into every record

    // The camera language byte of every record.
    std::uint8_t cameraLanguageByte() const
    {
        return ChineseCameraLanguage ? 1 : static_cast<std::uint8_t>(LanguageIndex & 0xFF);
    }
    std::uint8_t tvModeByte() const { return static_cast<std::uint8_t>(TvMode & 0xFF); }

    // What the language preference stores: 1 when Chinese goes to the camera.
    int storedLanguage() const { return ChineseCameraLanguage ? 1 : LanguageIndex; }
};

AppState &appState();

} // namespace marrowby
