#pragma once

#include <cstdint>
#include <string>

namespace marrowby {

// What an MMS form hands to the setup.dat writer after its own checks.
// Numbers are list positions or values the form has already range-checked;
// the record stores their low bytes.
struct MmsSettings {
    int sendCode = 0;                // 0..3; the coding is the form's (off, picture sizes, SMS)
    int sendPosition = 0;            // 0..3; position in the form's MMS Status list
    int connectionType = 0;          // 0 "APN", 1 "CSD"
    int picturesPerDay = 0;          // 0..99; 0 means no limit
    std::uint8_t cameraLanguage = 2; // 1 when Chinese goes to the camera, else LanguageIndex
    std::uint8_t tvMode = 0;
    bool international = false;
    bool autoMode = true;      // the operator settings come from a preset
    int countryPosition = 0;   // Auto mode: index into CountryNames
    int operatorPosition = 0;  // Auto mode: index into that country's MmsOperators
    int smsRemoteControl = 25; // 0..24 hours, 25 "Off"

    std::string url;      // at most 50 characters
    std::string apn;      // at most 30
    std::string gateway;  // at most 20
    std::string port;     // at most 10, kept as text
    std::string phone1;   // at most 32 (40 on the K410MG-1080P)
    std::string email;    // at most 40
    std::string account;  // at most 30
    std::string password; // at most 30
    std::string phone2;   // at most 32 (40 on the K410MG-1080P)
    std::string phone3;   // at most 32 (40 on the K410MG-1080P)

    bool operator==(const MmsSettings &) const = default;
};

} // namespace marrowby
