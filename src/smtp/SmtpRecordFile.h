#pragma once

#include "records/ConfigRecord.h"
#include "records/RecordFile.h"
#include "smtp/SmtpSettings.h"

#include <cstdint>
#include <string_view>

namespace marrowby {

// smtp.dat: the settings record, then the APN, account, GPRS password, SMTP
// server, port, sender e-mail, sender password, phone number, the sender's user
// name and the recipient e-mail.

// Byte 2 of the settings record in Manual mode, in place of a country.
inline constexpr std::uint8_t kManualGprsCountry = 0x80;

// Record 0 before scrambling.
ConfigRecord buildSmtpSettingsRecord(const SmtpSettings &settings, SmtpLayout layout);

// Record 9: the sender e-mail up to its first "@", byte 57 the number of bytes
// kept. An address without "@" is kept whole.
ConfigRecord senderUserNameRecord(std::string_view senderEmail);

// The eleven content records before scrambling.
SealedContent buildSmtpRecords(const SmtpSettings &settings, SmtpLayout layout);

// Auto mode, just before writing: the APN, account and GPRS password become
// those of the preset of the chosen country and operator (empty where it has none).
void loadGprsPreset(SmtpSettings &settings);

// Builds the records and seals them as smtp.dat in the folder.
WriteResult writeSmtpFile(std::string_view folder, const SmtpSettings &settings, SmtpLayout layout);

} // namespace marrowby
