#pragma once

#include "mms/MmsSettings.h"
#include "records/ConfigRecord.h"
#include "records/RecordFile.h"

#include <cstdint>
#include <string_view>

namespace marrowby {

// setup.dat: the settings record, then the URL, APN, gateway, port, phone 1,
// e-mail, account, password, phone 2 and phone 3 as text records.

// Byte 8 of the settings record in Manual mode, in place of a country.
inline constexpr std::uint8_t kManualCountry = 0x80;

// Record 0 before scrambling.
ConfigRecord buildMmsSettingsRecord(const MmsSettings &settings);

// The eleven content records before scrambling.
SealedContent buildMmsRecords(const MmsSettings &settings);

// 18 for international settings, 0 for domestic ones.
std::uint16_t mmsTrailerAddend(const MmsSettings &settings);

// Auto mode, just before writing: the six operator texts become those of the
// preset of the chosen country and operator (empty where it has none).
void loadMmsPreset(MmsSettings &settings);

// Builds the records and seals them as setup.dat in the folder.
WriteResult writeMmsFile(std::string_view folder, const MmsSettings &settings);

} // namespace marrowby
