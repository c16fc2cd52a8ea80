#pragma once

#include <cstdint>

namespace marrowby {

// What a form is handed when it is made: the chosen model, the language of its
// texts and messages, and the bytes every record carries besides the form's own
// values. A form reads nothing else of the program's state.
struct FormContext {
    int modelIndex = 1;              // 1..19, or 0 from a stored preference
    int languageIndex = 2;           // 1..15; index of every text table
    std::uint8_t cameraLanguage = 2; // the camera language byte of every record
    std::uint8_t tvMode = 0;         // written unchanged into every record
};

} // namespace marrowby
