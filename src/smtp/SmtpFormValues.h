#pragma once

#include <array>
#include <string>

namespace marrowby {

// Positions of the SMTP forms' lists.
inline constexpr int kSmtpAutoMode = 0;
inline constexpr int kSmtpManualMode = 1;
inline constexpr int kSmtpStatusVga = 1;
inline constexpr int kSmsRemoteOff = 25; // after the hours "0".."24"
inline constexpr int kSmsRemoteEntries = 26;

// What an SMTP form holds apart from its controls: the edits' texts after the
// last take-in (UTF-8) and the lists' selected positions. The output folder is
// the form layer's own value and not part of it.
struct SmtpFormValues {
    int mode = kSmtpAutoMode;             // list 1087: 0 Auto, 1 Manual
    int smtpStatus = kSmtpStatusVga;      // K600 form only: 0 Off, 1 VGA, 2 SMS
    int country = 0;                      // position in the country list
    int operatorIndex = 0;                // position in the operator list
    int smsRemoteControl = kSmsRemoteOff; // 0..24 hours, 25 Off
    int picturesPerDay = 0;               // 0..99, 0 no limit

    std::string apn;
    std::string account;
    std::string gprsPassword;
    std::string smtpServer;
    std::string port;
    std::string senderPassword;
    std::string senderEmail;
    std::string email1;
    // Email 2 to Email 5 of the K600 form: hidden rows, never written.
    std::array<std::string, 4> hiddenEmails;
    std::string phoneNumber;

    bool autoMode() const { return mode == kSmtpAutoMode; }
    bool operator==(const SmtpFormValues &) const = default;
};

} // namespace marrowby
