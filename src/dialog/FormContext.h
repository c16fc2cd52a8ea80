#pragma once

#include <cstdint>

namespace marrowby {

class Services;
struct CameraState;

// What a form is handed when it is made: the chosen model, the language of its
// texts and messages, the bytes every record carries besides the form's own
// values, the services it may use and, for a camera form, the camera state it
// reads and writes. A form reads nothing else of the program's state.
struct FormContext {
    int modelIndex = 1;                 // 1..19, or 0 from a stored preference
    int languageIndex = 2;              // 1..15; index of every text table
    std::uint8_t cameraLanguage = 2;    // the camera language byte of every record
    std::uint8_t tvMode = 0;            // written unchanged into every record
    Services *services = nullptr;       // never null in a context the shell hands out
    CameraState *cameraState = nullptr; // the window loop's camera settings and clock
};

} // namespace marrowby
