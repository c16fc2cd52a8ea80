#include "smtp/SmtpRecordFile.h"

#include "operators/OperatorPresets.h"
#include "records/RecordText.h"

#include <algorithm>

namespace marrowby {

namespace {

std::uint8_t lowByte(int value)
{
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace

ConfigRecord buildSmtpSettingsRecord(const SmtpSettings &settings, SmtpLayout layout)
{
    ConfigRecord record;
    record[1] = lowByte(settings.operatorIndex);
    record[2] = settings.autoMode ? lowByte(settings.countryIndex) : kManualGprsCountry;
    record[3] = lowByte(settings.picturesPerDay / 10);
    record[4] = lowByte(settings.picturesPerDay % 10);
    record[5] = settings.cameraLanguage;
    if (layout == SmtpLayout::K600) {
        record[6] = lowByte(settings.smtpStatus);
        record[7] = lowByte(settings.smsInterval);
        record[8] = 1;
    } else {
        record[6] = 1;
        record[7] = 1;
        record[8] = lowByte(settings.smsInterval);
    }
    record[55] = settings.autoMode ? 1 : 0;
    record.setLineEnd();
    return record;
}

ConfigRecord senderUserNameRecord(std::string_view senderEmail)
{
    ConfigRecord converted;
    PutRecordText(senderEmail, converted);

    // The copy is bounded by the address's length in characters, whatever the
    // conversion made of it, and by the record itself.
    const std::size_t limit = std::min(utf16Length(senderEmail), kRecordSize);
    ConfigRecord record;
    std::size_t copied = 0;
    while (copied < limit && converted[copied] != '@') {
        record[copied] = converted[copied];
        ++copied;
    }
    record[57] = static_cast<std::uint8_t>(copied & 0xFF);
    record.setLineEnd();
    return record;
}

SealedContent buildSmtpRecords(const SmtpSettings &settings, SmtpLayout layout)
{
    return {
        buildSmtpSettingsRecord(settings, layout),
        textRecord(settings.apn),
        textRecord(settings.account),
        textRecord(settings.gprsPassword),
        textRecord(settings.smtpServer),
        textRecord(settings.port),
        textRecord(settings.senderEmail),
        textRecord(settings.senderPassword),
        textRecord(settings.phoneNumber),
        senderUserNameRecord(settings.senderEmail),
        textRecord(settings.recipientEmail),
    };
}

void loadGprsPreset(SmtpSettings &settings)
{
    const GprsPreset preset = gprsPreset(settings.countryIndex, settings.operatorIndex);
    settings.apn = preset.apn;
    settings.account = preset.account;
    settings.gprsPassword = preset.password;
}

WriteResult writeSmtpFile(std::string_view folder, const SmtpSettings &settings, SmtpLayout layout)
{
    return SealedFile::write(
        folder, kSmtpFileName, buildSmtpRecords(settings, layout), TrailerAddend::Smtp);
}

} // namespace marrowby
