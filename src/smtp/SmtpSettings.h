#pragma once

#include <cstdint>
#include <string>

namespace marrowby {

// The two layouts of the smtp.dat settings record; they differ in bytes 6..8.
enum class SmtpLayout {
    K600,
    K200
};

// What an SMTP form hands to the smtp.dat writer after its own checks.
struct SmtpSettings {
    bool autoMode = true;            // the GPRS settings come from a preset
    int countryIndex = 0;            // position in GprsCountryList; not stored in Manual mode
    int operatorIndex = 0;           // position in the form's operator list; 0 in Manual mode
    int picturesPerDay = 0;          // 0..99; 0 means no limit
    std::uint8_t cameraLanguage = 2; // 1 when Chinese goes to the camera, else LanguageIndex
    int smtpStatus = 1;              // K600 layout only: 0 "Off", 1 "VGA", 2 "SMS"
    int smsInterval = 25;            // 0..24 hours, 25 "Off"

    std::string apn;            // at most 32 characters
    std::string account;        // at most 32
    std::string gprsPassword;   // at most 32
    std::string smtpServer;     // at most 40
    std::string port;           // at most 10, kept as text
    std::string senderEmail;    // at most 40 (K600) or 32 (K200)
    std::string senderPassword; // at most 32
    std::string phoneNumber;    // at most 30
    std::string recipientEmail; // at most 40 (K600) or 32 (K200)

    bool operator==(const SmtpSettings &) const = default;
};

} // namespace marrowby
