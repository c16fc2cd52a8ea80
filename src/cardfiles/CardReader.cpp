#include "cardfiles/CardReader.h"

#include "camera/MenuFields.h"

#include "mms/MmsRecordFile.h"
#include "operators/OperatorTables.h"
#include "records/ConfigRecord.h"
#include "records/Crc16.h"
#include "records/RecordFile.h"
#include "records/RecordFraming.h"
#include "records/RecordText.h"
#include "smtp/SmtpRecordFile.h"

#include <algorithm>
#include <array>

namespace marrowby::inspect {

namespace {

// The first 60 bytes of a menu.dat, or the 720 of a sealed file, with whatever
// is missing read as zero: a short file is still shown as far as it goes.
template <std::size_t N> std::array<std::uint8_t, N> padded(std::span<const std::uint8_t> bytes)
{
    std::array<std::uint8_t, N> out{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), N), out.begin());
    return out;
}

void checkSize(std::size_t size, std::size_t expected, std::vector<Finding> &findings)
{
    if (size != expected) {
        findings.push_back({.code = FindingCode::WrongSize,
            .value = static_cast<long long>(size),
            .expected = static_cast<long long>(expected)});
    }
}

void checkLineEnd(const std::uint8_t *record, int index, std::vector<Finding> &findings)
{
    if (record[58] != 0x0D || record[59] != 0x0A)
        findings.push_back({.code = FindingCode::MissingLineEnd, .record = index});
}

void unexpectedByte(std::vector<Finding> &findings, int record, int byte, int value, int expected)
{
    findings.push_back({.code = FindingCode::UnexpectedByte,
        .record = record,
        .byte = byte,
        .value = value,
        .expected = expected});
}

void outOfRange(
    std::vector<Finding> &findings, Field field, int record, int byte, int value, int low, int high)
{
    findings.push_back({.code = FindingCode::OutOfRange,
        .record = record,
        .byte = byte,
        .field = field,
        .value = value,
        .low = low,
        .high = high});
}

// ---------------------------------------------------------------------------
// menu.dat

// The name the reader gives each menu field.
// clang-format off
constexpr std::pair<MenuField, Field> kMenuFieldNames[] = {
    {MenuField::CameraMode, Field::CameraMode},           {MenuField::ImageSize, Field::ImageSize},
    {MenuField::VideoSize, Field::VideoSize},             {MenuField::PictureNo, Field::PictureNo},
    {MenuField::VideoLength, Field::VideoLength},         {MenuField::TimeStamp, Field::TimeStamp},
    {MenuField::Interval, Field::Interval},               {MenuField::SenseLevel, Field::SenseLevel},
    {MenuField::Timer, Field::Timer},                     {MenuField::SidePir, Field::SidePir},
    {MenuField::TimeLapse, Field::TimeLapse},             {MenuField::TimeLapseHour, Field::TimeLapseHour},
    {MenuField::TimeLapseMinute, Field::TimeLapseMinute}, {MenuField::TimeLapseSecond, Field::TimeLapseSecond},
    {MenuField::ClockYear, Field::ClockYear},             {MenuField::ClockMonth, Field::ClockMonth},
    {MenuField::ClockDay, Field::ClockDay},               {MenuField::ClockHour, Field::ClockHour},
    {MenuField::ClockMinute, Field::ClockMinute},         {MenuField::ClockSecond, Field::ClockSecond},
    {MenuField::TimerStartHour, Field::TimerStartHour},   {MenuField::TimerStartMinute, Field::TimerStartMinute},
    {MenuField::TimerStopHour, Field::TimerStopHour},     {MenuField::TimerStopMinute, Field::TimerStopMinute},
    {MenuField::SerialNo, Field::SerialNo},               {MenuField::SerialDigit1, Field::SerialDigit1},
    {MenuField::SerialDigit2, Field::SerialDigit2},       {MenuField::SerialDigit3, Field::SerialDigit3},
    {MenuField::SerialDigit4, Field::SerialDigit4},       {MenuField::CameraLanguage, Field::CameraLanguage},
    {MenuField::TvMode, Field::TvMode},                   {MenuField::Timer2, Field::Timer2},
    {MenuField::Timer2StartHour, Field::Timer2StartHour}, {MenuField::Timer2StartMinute, Field::Timer2StartMinute},
    {MenuField::Timer2StopHour, Field::Timer2StopHour},   {MenuField::Timer2StopMinute, Field::Timer2StopMinute},
    {MenuField::SdCycle, Field::SdCycle},                 {MenuField::K500SdCycle, Field::SdCycle},
    {MenuField::BeepSound, Field::BeepSound},             {MenuField::WirelessDigit1, Field::WirelessPwd1},
    {MenuField::WirelessDigit2, Field::WirelessPwd2},     {MenuField::WirelessDigit3, Field::WirelessPwd3},
    {MenuField::WirelessDigit4, Field::WirelessPwd4},     {MenuField::WirelessPasswordOn, Field::WirelessPwdOn},
    {MenuField::LongitudeDirection, Field::LongitudeDirection},
    {MenuField::LongitudeDegrees, Field::LongitudeDegrees},
    {MenuField::LongitudeMinutes, Field::LongitudeMinutes},
    {MenuField::LongitudeSeconds, Field::LongitudeSeconds},
    {MenuField::LatitudeDirection, Field::LatitudeDirection},
    {MenuField::LatitudeDegrees, Field::LatitudeDegrees},
    {MenuField::LatitudeMinutes, Field::LatitudeMinutes},
    {MenuField::LatitudeSeconds, Field::LatitudeSeconds},
    {MenuField::DateFormat, Field::DateFormat},           {MenuField::SidePirCopy, Field::SidePirCopy},
};
// clang-format on

Field fieldName(MenuField field)
{
    for (const auto &[menu, name] : kMenuFieldNames) {
        if (menu == field)
            return name;
    }
    return Field::SidePirCopy; // not reached: every menu byte has its name
}

// Minutes 1..60, or seconds 0..60 stored as 128..188.
bool validInterval(int v)
{
    return (v >= 1 && v <= 60) || (v >= 128 && v <= 188);
}

MenuReading readMenuLayout(const std::array<std::uint8_t, kMenuFileSize> &b, MenuLayout layout)
{
    MenuReading r;
    r.layout = layout;
    // Fields a layout does not store keep CameraSettings' own defaults.
    r.settings = CameraSettings{};
    std::array<bool, 56> named{};
    for (const MenuByte &m : menuBytes(layout)) {
        const Field field = fieldName(m.field);
        const int v = b[static_cast<std::size_t>(m.byte)];
        named[static_cast<std::size_t>(m.byte)] = true;
        if (m.fixed) {
            if (v != m.low)
                unexpectedByte(r.findings, 0, m.byte, v, m.low);
            continue;
        }
        if (m.field == MenuField::SidePirCopy) {
            if (v != b[9])
                unexpectedByte(r.findings, 0, m.byte, v, b[9]);
            continue;
        }
        const bool inRange
            = m.field == MenuField::Interval ? validInterval(v) : (v >= m.low && v <= m.high);
        if (!inRange)
            outOfRange(r.findings, field, 0, m.byte, v, m.low, m.high);
        r.fields.push_back({.field = field, .record = 0, .byte = m.byte, .value = v});
        keepRecordValue(m.field, v, r.settings, r.extras, r.context);
    }
    for (int i = 0; i < 56; ++i) {
        if (!named[static_cast<std::size_t>(i)] && i != 48 && b[static_cast<std::size_t>(i)] != 0)
            unexpectedByte(r.findings, 0, i, b[static_cast<std::size_t>(i)], 0);
    }
    return r;
}

// ---------------------------------------------------------------------------
// Sealed files

using Record = std::array<std::uint8_t, kRecordSize>;

Record contentRecord(const std::array<std::uint8_t, kSealedFileSize> &file, int index)
{
    Record r{};
    const std::size_t start = static_cast<std::size_t>(index) * kRecordSize;
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(start), kRecordSize, r.begin());
    for (std::size_t i = 0; i < 50; ++i)
        r[i] = RecordUnscramble(r[i]);
    return r;
}

struct TextField {
    Field field;
    std::size_t limit; // the longest text the forms accept
};

// Reads a text record and checks its terminator, its length byte and the
// zero bytes after it.
FieldValue readText(const Record &r, int index, TextField item, std::vector<Finding> &findings)
{
    std::size_t end = 0;
    while (end < 57 && r[end] != 0)
        ++end;
    const std::string oem(reinterpret_cast<const char *>(r.data()), end);
    FieldValue v{.field = item.field, .record = index, .byte = 0, .isText = true};
    v.text = fromOemText(oem);
    v.value = r[57];

    if (end == 57) {
        findings.push_back(
            {.code = FindingCode::TextNotTerminated, .record = index, .field = item.field});
        return v;
    }
    const std::size_t length = utf16Length(v.text);
    if ((length & 0xFF) != r[57]) {
        findings.push_back({.code = FindingCode::TextLength,
            .record = index,
            .byte = 57,
            .field = item.field,
            .value = r[57],
            .expected = static_cast<long long>(length)});
    }
    if (length > item.limit) {
        findings.push_back({.code = FindingCode::TextTooLong,
            .record = index,
            .field = item.field,
            .value = static_cast<long long>(length),
            .high = static_cast<long long>(item.limit)});
    }
    for (std::size_t i = end + 1; i < 57; ++i) {
        if (r[i] != 0) {
            unexpectedByte(findings, index, static_cast<int>(i), r[i], 0);
            break;
        }
    }
    return v;
}

void checkZero(const Record &r, int index, int from, int to, std::vector<Finding> &findings)
{
    for (int i = from; i <= to; ++i) {
        if (r[static_cast<std::size_t>(i)] != 0)
            unexpectedByte(findings, index, i, r[static_cast<std::size_t>(i)], 0);
    }
}

// Adds a numeric field of record 0, checking its range.
void number(SealedInspection &out, Field field, int byte, int value, int low, int high)
{
    if (value < low || value > high)
        outOfRange(out.findings, field, 0, byte, value, low, high);
    out.fields.push_back({.field = field, .record = 0, .byte = byte, .value = value});
}

constexpr TextField kMmsTexts[] = {
    {Field::Url, 50},
    {Field::Apn, 30},
    {Field::Gateway, 20},
    {Field::MmsPort, 10},
    {Field::Phone1, 40},
    {Field::Email, 40},
    {Field::MmsAccount, 30},
    {Field::MmsPassword, 30},
    {Field::Phone2, 40},
    {Field::Phone3, 40},
};

void readMms(const std::array<std::uint8_t, kSealedFileSize> &file, SealedInspection &out)
{
    const Record r = contentRecord(file, 0);
    MmsSettings &m = out.mms;
    m = MmsSettings{};

    number(out, Field::SendCode, 0, r[0], 0, 3);
    m.sendCode = r[0];
    number(out, Field::SendPosition, 1, r[1] - 1, 0, 3);
    m.sendPosition = r[1] - 1;
    number(out, Field::ConnectionType, 2, r[2], 0, 1);
    m.connectionType = r[2];
    if (r[3] > 9)
        outOfRange(out.findings, Field::PicturesPerDay, 0, 3, r[3], 0, 9);
    if (r[4] > 9)
        outOfRange(out.findings, Field::PicturesPerDay, 0, 4, r[4], 0, 9);
    m.picturesPerDay = r[3] * 10 + r[4];
    out.fields.push_back(
        {.field = Field::PicturesPerDay, .record = 0, .byte = 3, .value = m.picturesPerDay});
    number(out, Field::CameraLanguage, 5, r[5], 1, 15);
    m.cameraLanguage = r[5];
    number(out, Field::TvMode, 6, r[6], 0, 255);
    m.tvMode = r[6];
    number(out, Field::PhoneType, 7, r[7], 0, 1);
    m.international = r[7] != 0;

    m.autoMode = r[8] != kManualCountry;
    out.fields.push_back(
        {.field = Field::MmsMode, .record = 0, .byte = 55, .value = m.autoMode ? 0 : 1});
    if (r[55] != (m.autoMode ? 1 : 0)) {
        out.findings.push_back({.code = FindingCode::ModeMismatch,
            .record = 0,
            .byte = 55,
            .field = Field::MmsMode,
            .value = r[55]});
    }
    if (m.autoMode) {
        number(out, Field::MmsCountry, 8, r[8], 0, kCountryCount - 1);
        m.countryPosition = r[8];
        const int operators = r[8] < kCountryCount ? mmsOperatorCount(r[8]) : kMaxOperators;
        number(out, Field::MmsOperator, 9, r[9], 0, std::max(operators, 1) - 1);
        m.operatorPosition = r[9];
    } else if (r[9] != 0) {
        unexpectedByte(out.findings, 0, 9, r[9], 0);
    }
    number(out, Field::SmsRemoteControl, 10, r[10], 0, 25);
    m.smsRemoteControl = r[10];
    checkZero(r, 0, 11, 54, out.findings);
    checkZero(r, 0, 56, 57, out.findings);

    std::string *texts[] = {&m.url, &m.apn, &m.gateway, &m.port, &m.phone1, &m.email, &m.account,
        &m.password, &m.phone2, &m.phone3};
    for (int i = 0; i < 10; ++i) {
        FieldValue v = readText(contentRecord(file, i + 1), i + 1, kMmsTexts[i], out.findings);
        *texts[i] = v.text;
        out.fields.push_back(std::move(v));
    }
}

constexpr TextField kSmtpTexts[] = {
    {Field::Apn, 32},
    {Field::GprsAccount, 32},
    {Field::GprsPassword, 32},
    {Field::SmtpServer, 40},
    {Field::ServerPort, 10},
    {Field::SenderEmail, 40},
    {Field::SenderPassword, 32},
    {Field::SmsPhone, 30},
    {Field::SenderUserName, 40},
    {Field::Email01, 40},
};

bool fitsSmtpLayout(const Record &r, SmtpLayout layout)
{
    if (layout == SmtpLayout::K600)
        return r[6] <= 2 && r[7] <= 25 && r[8] == 1;
    return r[6] == 1 && r[7] == 1 && r[8] <= 25;
}

void readSmtp(const std::array<std::uint8_t, kSealedFileSize> &file, std::optional<SmtpLayout> only,
    SealedInspection &out)
{
    const Record r = contentRecord(file, 0);
    SmtpSettings &s = out.smtp;
    s = SmtpSettings{};

    out.smtpLayouts.clear();
    for (const SmtpLayout layout : {SmtpLayout::K600, SmtpLayout::K200}) {
        if ((!only || *only == layout) && fitsSmtpLayout(r, layout))
            out.smtpLayouts.push_back(layout);
    }
    out.smtpLayout = only.value_or(SmtpLayout::K600);
    if (!out.smtpLayouts.empty())
        out.smtpLayout = out.smtpLayouts.front();

    if (r[0] != 0)
        unexpectedByte(out.findings, 0, 0, r[0], 0);
    s.autoMode = r[2] != kManualGprsCountry;
    out.fields.push_back(
        {.field = Field::SmtpMode, .record = 0, .byte = 55, .value = s.autoMode ? 0 : 1});
    if (r[55] != (s.autoMode ? 1 : 0)) {
        out.findings.push_back({.code = FindingCode::ModeMismatch,
            .record = 0,
            .byte = 55,
            .field = Field::SmtpMode,
            .value = r[55]});
    }
    if (s.autoMode) {
        number(out, Field::GprsCountry, 2, r[2], 0, kGprsCountryCount - 1);
        s.countryIndex = r[2];
        const int operators = r[2] < kGprsCountryCount ? gprsOperatorCount(r[2]) : 8;
        number(out, Field::GprsOperator, 1, r[1], 0, std::clamp(operators, 1, 8) - 1);
    } else {
        // Manual mode offers a single "Other" entry.
        number(out, Field::GprsOperator, 1, r[1], 0, 0);
    }
    s.operatorIndex = r[1];
    if (r[3] > 9)
        outOfRange(out.findings, Field::PicturesPerDay, 0, 3, r[3], 0, 9);
    if (r[4] > 9)
        outOfRange(out.findings, Field::PicturesPerDay, 0, 4, r[4], 0, 9);
    s.picturesPerDay = r[3] * 10 + r[4];
    out.fields.push_back(
        {.field = Field::PicturesPerDay, .record = 0, .byte = 3, .value = s.picturesPerDay});
    number(out, Field::CameraLanguage, 5, r[5], 1, 15);
    s.cameraLanguage = r[5];

    if (out.smtpLayouts.empty()) {
        out.findings.push_back({.code = FindingCode::NoLayoutFits, .record = 0, .byte = 6});
    }
    if (out.smtpLayout == SmtpLayout::K600) {
        number(out, Field::SmtpStatus, 6, r[6], 0, 2);
        s.smtpStatus = r[6];
        number(out, Field::SmsInterval, 7, r[7], 0, 25);
        s.smsInterval = r[7];
    } else {
        number(out, Field::SmsInterval, 8, r[8], 0, 25);
        s.smsInterval = r[8];
    }
    checkZero(r, 0, 9, 54, out.findings);
    checkZero(r, 0, 56, 57, out.findings);

    std::string userName;
    std::string *texts[] = {&s.apn, &s.account, &s.gprsPassword, &s.smtpServer, &s.port,
        &s.senderEmail, &s.senderPassword, &s.phoneNumber, &userName, &s.recipientEmail};
    for (int i = 0; i < 10; ++i) {
        FieldValue v = readText(contentRecord(file, i + 1), i + 1, kSmtpTexts[i], out.findings);
        *texts[i] = v.text;
        out.fields.push_back(std::move(v));
    }

    // Record 9 is derived from the sender e-mail; it must be what the writer
    // makes of the e-mail read back from record 6.
    const Record stored = contentRecord(file, 9);
    const ConfigRecord expected = senderUserNameRecord(s.senderEmail);
    if (!std::equal(stored.begin(), stored.begin() + 58, expected.bytes.begin())) {
        out.findings.push_back(
            {.code = FindingCode::UserNameMismatch, .record = 9, .field = Field::SenderUserName});
    }
}

SealedKind kindOfAddend(std::uint16_t addend)
{
    switch (addend) {
    case TrailerAddend::MmsInternational:
        return SealedKind::MmsInternational;
    case TrailerAddend::MmsDomestic:
        return SealedKind::MmsDomestic;
    case TrailerAddend::Smtp:
        return SealedKind::Smtp;
    default:
        return SealedKind::Unknown;
    }
}

} // namespace

// ---------------------------------------------------------------------------

std::vector<MenuLayout> menuLayouts()
{
    std::vector<MenuLayout> out;
    for (const CameraFamily &family : cameraFamilies())
        out.push_back(family.layout);
    return out;
}

bool writesFactoryMarker(MenuLayout layout)
{
    const std::optional<CameraFamily> family = cameraFamily(layout);
    return family && family->writesFactoryMarker;
}

std::vector<MenuLayout> MenuInspection::fittingLayouts() const
{
    std::vector<MenuLayout> out;
    if (factoryMarker) {
        for (const MenuLayout layout : menuLayouts()) {
            if (writesFactoryMarker(layout))
                out.push_back(layout);
        }
        return out;
    }
    for (const MenuReading &r : readings) {
        if (r.fits())
            out.push_back(r.layout);
    }
    return out;
}

bool MenuInspection::clean() const
{
    return findings.empty() && (factoryMarker || !fittingLayouts().empty());
}

MenuInspection inspectMenu(std::span<const std::uint8_t> bytes, std::optional<MenuLayout> layout)
{
    MenuInspection out;
    out.size = bytes.size();
    const auto b = padded<kMenuFileSize>(bytes);

    checkSize(bytes.size(), kMenuFileSize, out.findings);
    out.storedCrc = static_cast<std::uint16_t>(b[56] | (b[57] << 8));
    out.computedCrc = crc16Of(std::span(b.data(), 50));
    if (out.storedCrc != out.computedCrc) {
        out.findings.push_back({.code = FindingCode::BadCrc,
            .record = 0,
            .byte = 56,
            .value = out.storedCrc,
            .expected = out.computedCrc});
    }
    checkLineEnd(b.data(), 0, out.findings);

    out.factoryMarker = std::equal(b.begin(), b.end(), buildFactoryMarkerRecord().bytes.begin());
    if (out.factoryMarker) {
        if (layout && !writesFactoryMarker(*layout))
            out.findings.push_back({.code = FindingCode::MarkerNotForLayout, .record = 0});
        return out;
    }

    if (layout) {
        out.readings.push_back(readMenuLayout(b, *layout));
    } else {
        for (const MenuLayout each : menuLayouts())
            out.readings.push_back(readMenuLayout(b, each));
    }
    if (out.fittingLayouts().empty())
        out.findings.push_back({.code = FindingCode::NoLayoutFits, .record = 0});
    return out;
}

SealedInspection inspectSealed(std::span<const std::uint8_t> bytes,
    std::optional<FileKind> expected, std::optional<SmtpLayout> layout)
{
    SealedInspection out;
    out.size = bytes.size();
    const auto file = padded<kSealedFileSize>(bytes);

    checkSize(bytes.size(), kSealedFileSize, out.findings);
    for (int i = 0; i < 12; ++i)
        checkLineEnd(file.data() + i * kRecordSize, i, out.findings);

    const std::uint8_t *trailer = file.data() + 11 * kRecordSize;
    for (int i = 0; i < 56; ++i) {
        if (trailer[i] != 0) {
            out.findings.push_back({.code = FindingCode::TrailerNotZero,
                .record = 11,
                .byte = i,
                .value = trailer[i]});
        }
    }
    out.storedCheck = static_cast<std::uint16_t>(trailer[56] | (trailer[57] << 8));
    out.computedCrc = crc16Of(std::span(file.data(), 11 * kRecordSize));
    out.trailerKind = kindOfAddend(static_cast<std::uint16_t>(out.storedCheck - out.computedCrc));
    if (out.trailerKind == SealedKind::Unknown) {
        out.findings.push_back({.code = FindingCode::BadTrailer,
            .record = 11,
            .byte = 56,
            .value = out.storedCheck,
            .expected = out.computedCrc});
    }

    const FileKind fromTrailer
        = out.trailerKind == SealedKind::Smtp ? FileKind::Smtp : FileKind::Setup;
    if (expected && *expected != FileKind::Menu) {
        out.readAs = *expected;
        if (out.trailerKind != SealedKind::Unknown && fromTrailer != *expected) {
            out.findings.push_back({.code = FindingCode::KindMismatch,
                .record = 11,
                .value = static_cast<long long>(out.trailerKind),
                .expected = static_cast<long long>(*expected)});
        }
    } else {
        out.readAs = fromTrailer;
    }

    if (out.readAs == FileKind::Setup) {
        readMms(file, out);
        const bool trailerInternational = out.trailerKind == SealedKind::MmsInternational;
        if ((out.trailerKind == SealedKind::MmsInternational
                || out.trailerKind == SealedKind::MmsDomestic)
            && out.mms.international != trailerInternational) {
            out.findings.push_back({.code = FindingCode::InternationalMismatch,
                .record = 0,
                .byte = 7,
                .field = Field::PhoneType,
                .value = out.mms.international ? 1 : 0,
                .expected = trailerInternational ? 1 : 0});
        }
    } else {
        readSmtp(file, layout, out);
    }
    return out;
}

std::optional<FileKind> fileKindFromName(std::string_view fileName)
{
    std::string lower(fileName);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    if (lower == kMenuFileName)
        return FileKind::Menu;
    if (lower == kSetupFileName)
        return FileKind::Setup;
    if (lower == kSmtpFileName)
        return FileKind::Smtp;
    return std::nullopt;
}

} // namespace marrowby::inspect
