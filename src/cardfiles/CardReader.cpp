#include "cardfiles/CardReader.h"

#include "mms/MmsRecordFile.h"
#include "mms/OperatorTables.h"
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

// One byte of a menu layout: the field it holds and its range. A fixed byte
// (the Side PIR byte of the K100, K400 and K800 families) is not a setting: it
// must hold `low`, and nothing is read from it.
struct MenuByte {
    Field field;
    int byte;
    int low;
    int high;
    bool fixed = false;
};

// clang-format off
constexpr MenuByte kCommonBytes[] = {
    {Field::CameraMode, 0, 0, 2},       {Field::ImageSize, 1, 0, 3},
    {Field::VideoSize, 2, 0, 3},        {Field::PictureNo, 3, 0, 2},
    {Field::VideoLength, 4, 0, 59},     {Field::TimeStamp, 5, 0, 1},
    {Field::Interval, 6, 1, 188},       {Field::SenseLevel, 7, 0, 3},
    {Field::Timer, 8, 0, 1},
    {Field::TimeLapse, 10, 0, 1},       {Field::TimeLapseHour, 11, 0, 23},
    {Field::TimeLapseMinute, 12, 0, 59},{Field::TimeLapseSecond, 13, 0, 59},
    {Field::ClockYear, 14, 0, 21},      {Field::ClockMonth, 15, 1, 12},
    {Field::ClockDay, 16, 1, 31},       {Field::ClockHour, 17, 0, 23},
    {Field::ClockMinute, 18, 0, 59},    {Field::ClockSecond, 19, 0, 59},
    {Field::TimerStartHour, 20, 0, 23}, {Field::TimerStartMinute, 21, 0, 59},
    {Field::TimerStopHour, 22, 0, 23},  {Field::TimerStopMinute, 23, 0, 59},
    {Field::SerialNo, 24, 0, 1},
    {Field::SerialDigit1, 25, 0, 35},   {Field::SerialDigit2, 26, 0, 35},
    {Field::SerialDigit3, 27, 0, 35},   {Field::SerialDigit4, 28, 0, 35},
    {Field::CameraLanguage, 29, 1, 15}, {Field::TvMode, 30, 0, 255},
    {Field::DateFormat, 48, 0, 2},
};

constexpr MenuByte kSecondTimerAt32[] = {
    {Field::Timer2, 31, 0, 1},
    {Field::Timer2StartHour, 32, 0, 23}, {Field::Timer2StartMinute, 33, 0, 59},
    {Field::Timer2StopHour, 34, 0, 23},  {Field::Timer2StopMinute, 35, 0, 59},
};

constexpr MenuByte kStandardBytes[] = {
    {Field::SidePir, 9, 0, 1}, {Field::SdCycle, 36, 0, 1}, {Field::SidePirCopy, 51, 0, 1},
};
constexpr MenuByte kK100Bytes[] = {
    {Field::SidePir, 9, 0, 0, true},
    {Field::WirelessPwd1, 36, 0, 9}, {Field::WirelessPwd2, 37, 0, 9},
    {Field::WirelessPwd3, 38, 0, 9}, {Field::WirelessPwd4, 39, 0, 9},
    {Field::WirelessPwdOn, 40, 0, 1},
};
constexpr MenuByte kK400Bytes[] = {
    {Field::SidePir, 9, 1, 1, true},
};
constexpr MenuByte kK500Bytes[] = {
    {Field::SidePir, 9, 0, 1}, {Field::SdCycle, 36, 0, 1},
    {Field::LongitudeDirection, 40, 0, 1}, {Field::LongitudeDegrees, 41, 0, 180},
    {Field::LongitudeMinutes, 42, 0, 59},  {Field::LongitudeSeconds, 43, 0, 59},
    {Field::LatitudeDirection, 44, 0, 1},  {Field::LatitudeDegrees, 45, 0, 90},
    {Field::LatitudeMinutes, 46, 0, 59},   {Field::LatitudeSeconds, 47, 0, 59},
    {Field::SidePirCopy, 51, 0, 1},
};
constexpr MenuByte kK600Bytes[] = {
    {Field::SidePir, 9, 0, 1},
    {Field::BeepSound, 31, 0, 1}, {Field::SdCycle, 32, 0, 1}, {Field::Timer2, 33, 0, 1},
    {Field::Timer2StartHour, 34, 0, 23}, {Field::Timer2StartMinute, 35, 0, 59},
    {Field::Timer2StopHour, 36, 0, 23},  {Field::Timer2StopMinute, 37, 0, 59},
};
constexpr MenuByte kK800Bytes[] = {
    {Field::SidePir, 9, 0, 0, true},
    {Field::BeepSound, 31, 0, 1}, {Field::SdCycle, 32, 0, 1}, {Field::Timer2, 33, 0, 1},
    {Field::Timer2StartHour, 34, 0, 23}, {Field::Timer2StartMinute, 35, 0, 59},
    {Field::Timer2StopHour, 36, 0, 23},  {Field::Timer2StopMinute, 37, 0, 59},
};
// clang-format on

std::vector<MenuByte> menuBytes(MenuLayout layout)
{
    std::vector<MenuByte> out(std::begin(kCommonBytes), std::end(kCommonBytes));
    const auto add = [&out](std::span<const MenuByte> more) {
        out.insert(out.end(), more.begin(), more.end());
    };
    switch (layout) {
    case MenuLayout::Standard:
        add(kSecondTimerAt32);
        add(kStandardBytes);
        break;
    case MenuLayout::K100:
        add(kSecondTimerAt32);
        add(kK100Bytes);
        break;
    case MenuLayout::K400:
        add(kSecondTimerAt32);
        add(kK400Bytes);
        break;
    case MenuLayout::K500:
        add(kSecondTimerAt32);
        add(kK500Bytes);
        break;
    case MenuLayout::K600:
        add(kK600Bytes);
        break;
    case MenuLayout::K800:
        add(kK800Bytes);
        break;
    }
    std::sort(out.begin(), out.end(),
        [](const MenuByte &a, const MenuByte &b) { return a.byte < b.byte; });
    return out;
}

void assignMenuField(MenuReading &r, MenuLayout layout, Field field, int v)
{
    CameraSettings &s = r.settings;
    MenuExtras &e = r.extras;
    switch (field) {
    case Field::CameraMode:
        s.CameraMode = v;
        break;
    case Field::ImageSize:
        s.ImageSize = v;
        break;
    case Field::VideoSize:
        s.VideoSize = v;
        break;
    case Field::PictureNo:
        s.PictureNo = v;
        break;
    case Field::VideoLength:
        s.VideoLength = v;
        break;
    case Field::TimeStamp:
        s.TimeStamp = v;
        break;
    case Field::Interval:
        s.Interval = v;
        break;
    case Field::SenseLevel:
        s.SenseLevel = v;
        break;
    case Field::Timer:
        s.Timer = v;
        break;
    case Field::SidePir:
        s.SidePir = v;
        break;
    case Field::TimeLapse:
        s.TimeLapse = v;
        break;
    case Field::TimeLapseHour:
        s.TimeLapseHour = v;
        break;
    case Field::TimeLapseMinute:
        s.TimeLapseMinute = v;
        break;
    case Field::TimeLapseSecond:
        s.TimeLapseSecond = v;
        break;
    case Field::ClockYear:
        s.ClockYear = v;
        break;
    case Field::ClockMonth:
        s.ClockMonth = v;
        break;
    case Field::ClockDay:
        s.ClockDay = v;
        break;
    case Field::ClockHour:
        s.ClockHour = v;
        break;
    case Field::ClockMinute:
        s.ClockMinute = v;
        break;
    case Field::ClockSecond:
        s.ClockSecond = v;
        break;
    case Field::TimerStartHour:
        s.TimerStartHour = v;
        break;
    case Field::TimerStartMinute:
        s.TimerStartMinute = v;
        break;
    case Field::TimerStopHour:
        s.TimerStopHour = v;
        break;
    case Field::TimerStopMinute:
        s.TimerStopMinute = v;
        break;
    case Field::SerialNo:
        s.SerialNo = v;
        break;
    case Field::SerialDigit1:
        s.SerialDigit1 = v;
        break;
    case Field::SerialDigit2:
        s.SerialDigit2 = v;
        break;
    case Field::SerialDigit3:
        s.SerialDigit3 = v;
        break;
    case Field::SerialDigit4:
        s.SerialDigit4 = v;
        break;
    case Field::CameraLanguage:
        r.context.cameraLanguage = static_cast<std::uint8_t>(v);
        break;
    case Field::TvMode:
        r.context.tvMode = static_cast<std::uint8_t>(v);
        break;
    case Field::Timer2:
        s.Timer2 = v;
        break;
    case Field::Timer2StartHour:
        e.secondTimer.startHour = v;
        break;
    case Field::Timer2StartMinute:
        e.secondTimer.startMinute = v;
        break;
    case Field::Timer2StopHour:
        e.secondTimer.stopHour = v;
        break;
    case Field::Timer2StopMinute:
        e.secondTimer.stopMinute = v;
        break;
    case Field::SdCycle:
        (layout == MenuLayout::K500 ? e.k500SdCycle : s.SdCycle) = v;
        break;
    case Field::BeepSound:
        s.BeepSound = v;
        break;
    case Field::WirelessPwd1:
        e.wirelessPassword[0] = v;
        break;
    case Field::WirelessPwd2:
        e.wirelessPassword[1] = v;
        break;
    case Field::WirelessPwd3:
        e.wirelessPassword[2] = v;
        break;
    case Field::WirelessPwd4:
        e.wirelessPassword[3] = v;
        break;
    case Field::WirelessPwdOn:
        e.wirelessPasswordOn = v;
        break;
    case Field::LongitudeDirection:
        e.longitude.direction = v;
        break;
    case Field::LongitudeDegrees:
        e.longitude.degrees = v;
        break;
    case Field::LongitudeMinutes:
        e.longitude.minutes = v;
        break;
    case Field::LongitudeSeconds:
        e.longitude.seconds = v;
        break;
    case Field::LatitudeDirection:
        e.latitude.direction = v;
        break;
    case Field::LatitudeDegrees:
        e.latitude.degrees = v;
        break;
    case Field::LatitudeMinutes:
        e.latitude.minutes = v;
        break;
    case Field::LatitudeSeconds:
        e.latitude.seconds = v;
        break;
    case Field::DateFormat:
        e.dateFormat = v;
        break;
    default:
        break; // the copy of Side PIR is checked, not read
    }
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
        const int v = b[static_cast<std::size_t>(m.byte)];
        named[static_cast<std::size_t>(m.byte)] = true;
        if (m.fixed) {
            if (v != m.low)
                unexpectedByte(r.findings, 0, m.byte, v, m.low);
            continue;
        }
        if (m.field == Field::SidePirCopy) {
            if (v != b[9])
                unexpectedByte(r.findings, 0, m.byte, v, b[9]);
            continue;
        }
        const bool inRange
            = m.field == Field::Interval ? validInterval(v) : (v >= m.low && v <= m.high);
        if (!inRange)
            outOfRange(r.findings, m.field, 0, m.byte, v, m.low, m.high);
        r.fields.push_back({.field = m.field, .record = 0, .byte = m.byte, .value = v});
        assignMenuField(r, layout, m.field, v);
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

bool writesFactoryMarker(MenuLayout layout)
{
    return layout != MenuLayout::Standard;
}

std::vector<MenuLayout> MenuInspection::fittingLayouts() const
{
    std::vector<MenuLayout> out;
    if (factoryMarker) {
        for (const MenuLayout layout : kAllMenuLayouts) {
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
        for (const MenuLayout each : kAllMenuLayouts)
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
