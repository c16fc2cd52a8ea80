#include "mms/MmsRecordFile.h"

#include "operators/OperatorPresets.h"
#include "records/RecordText.h"

namespace marrowby {

namespace {

std::uint8_t lowByte(int value)
{
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace

ConfigRecord buildMmsSettingsRecord(const MmsSettings &settings)
{
    ConfigRecord record;
    record[0] = lowByte(settings.sendCode);
    record[1] = lowByte(settings.sendPosition + 1);
    record[2] = lowByte(settings.connectionType);
    record[3] = lowByte(settings.picturesPerDay / 10);
    record[4] = lowByte(settings.picturesPerDay % 10);
    record[5] = settings.cameraLanguage;
    record[6] = settings.tvMode;
    record[7] = settings.international ? 1 : 0;
    record[8] = settings.autoMode ? lowByte(settings.countryPosition) : kManualCountry;
    record[9] = settings.autoMode ? lowByte(settings.operatorPosition) : 0;
    record[10] = lowByte(settings.smsRemoteControl);
    record[55] = settings.autoMode ? 1 : 0;
    record.setLineEnd();
    return record;
}

SealedContent buildMmsRecords(const MmsSettings &settings)
{
    return {
        buildMmsSettingsRecord(settings),
        textRecord(settings.url),
        textRecord(settings.apn),
        textRecord(settings.gateway),
        textRecord(settings.port),
        textRecord(settings.phone1),
        textRecord(settings.email),
        textRecord(settings.account),
        textRecord(settings.password),
        textRecord(settings.phone2),
        textRecord(settings.phone3),
    };
}

std::uint16_t mmsTrailerAddend(const MmsSettings &settings)
{
    return settings.international ? TrailerAddend::MmsInternational : TrailerAddend::MmsDomestic;
}

void loadMmsPreset(MmsSettings &settings)
{
    const MmsPreset preset = mmsPreset(settings.countryPosition, settings.operatorPosition);
    settings.url = preset.url;
    settings.apn = preset.apn;
    settings.gateway = preset.gateway;
    settings.port = preset.port;
    settings.account = preset.account;
    settings.password = preset.password;
}

WriteResult writeMmsFile(std::string_view folder, const MmsSettings &settings)
{
    return SealedFile::write(
        folder, kSetupFileName, buildMmsRecords(settings), mmsTrailerAddend(settings));
}

} // namespace marrowby
