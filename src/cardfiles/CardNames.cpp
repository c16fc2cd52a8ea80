// Naming what the card reader finds: field keys and names, values and
// findings in words, layout names, and the card report's message patterns.
#include "cardfiles/CardReport.h"

#include "camera/MenuFields.h"

#include "i18n/CardTexts.h"
#include "i18n/TextTables.h"
#include "operators/OperatorTables.h"
#include "records/RecordFile.h"

#include <cstdio>
#include <variant>

namespace marrowby::inspect {

namespace msg = i18n::inspect;
namespace cam = i18n::camera;

namespace {

// ---------------------------------------------------------------------------
// Field descriptions

using NamePart = std::variant<std::monostate, const i18n::CaptionTable *,
    const i18n::CaptionObjectTable *, const i18n::TranslatedMessage *, std::string_view>;

enum class Shown {
    Number,
    ListEntry,   // a list position whose texts depend on the model
    Option,      // an entry of `options`
    VideoLength, // seconds minus one
    Interval,    // minutes, or seconds plus 128
    Year,        // offset from 2010
    SerialChar,  // 0..9, A..Z
    Language,    // LanguageIndex
    Longitude,   // E, W
    Latitude,    // S, N
    Connection,  // APN, CSD
    PicturesPerDay,
    Hours, // 0..24 hours, 25 off
    MmsCountry,
    MmsOperator,
    GprsCountry,
    GprsOperator,
    Text,
};

struct FieldInfo {
    Field field;
    std::string_view key;
    NamePart name[3];
    Shown shown = Shown::Number;
    const i18n::OptionTable *options = nullptr;
};

// clang-format off
const FieldInfo kFields[] = {
    {Field::CameraMode, "CameraMode", {&cam::Mode}, Shown::Option, &cam::CaptureModeOptions},
    {Field::ImageSize, "ImageSize", {&cam::ImageSize}, Shown::ListEntry},
    {Field::VideoSize, "VideoSize", {&cam::VideoSize}, Shown::ListEntry},
    {Field::PictureNo, "PictureNo", {&cam::PictureNo}, Shown::Option, &cam::PictureCountOptions},
    {Field::VideoLength, "VideoLength", {&cam::VideoLength}, Shown::VideoLength},
    {Field::TimeStamp, "TimeStamp", {&cam::TimeStamp}, Shown::Option, &cam::OnOffOptions},
    {Field::Interval, "Interval", {&cam::Interval}, Shown::Interval},
    {Field::SenseLevel, "SenseLevel", {&cam::SensorLevel}, Shown::Option, &cam::SensorLevelOptions},
    {Field::Timer, "Timer", {&cam::Timer}, Shown::Option, &cam::OffOnOptions},
    {Field::SidePir, "SidePir", {&cam::SidePir}, Shown::Option, &cam::OffOnOptions},
    {Field::TimeLapse, "TimeLapse", {&cam::TimeLapse}, Shown::Option, &cam::OnOffOptions},
    {Field::TimeLapseHour, "TimeLapseHour", {&cam::TimeLapse, &cam::Hour}},
    {Field::TimeLapseMinute, "TimeLapseMinute", {&cam::TimeLapse, &cam::Minute}},
    {Field::TimeLapseSecond, "TimeLapseSecond", {&cam::TimeLapse, &cam::Second}},
    {Field::ClockYear, "ClockYear", {&cam::SetClock, &msg::Year}, Shown::Year},
    {Field::ClockMonth, "ClockMonth", {&cam::SetClock, &msg::Month}},
    {Field::ClockDay, "ClockDay", {&cam::SetClock, &msg::Day}},
    {Field::ClockHour, "ClockHour", {&cam::SetClock, &cam::Hour}},
    {Field::ClockMinute, "ClockMinute", {&cam::SetClock, &cam::Minute}},
    {Field::ClockSecond, "ClockSecond", {&cam::SetClock, &cam::Second}},
    {Field::TimerStartHour, "TimerStartHour", {&cam::Timer, &cam::Start, &cam::Hour}},
    {Field::TimerStartMinute, "TimerStartMinute", {&cam::Timer, &cam::Start, &cam::Minute}},
    {Field::TimerStopHour, "TimerStopHour", {&cam::Timer, &cam::Stop, &cam::Hour}},
    {Field::TimerStopMinute, "TimerStopMinute", {&cam::Timer, &cam::Stop, &cam::Minute}},
    {Field::SerialNo, "SerialNo", {&cam::SerialNo}, Shown::Option, &cam::OffOnOptions},
    {Field::SerialDigit1, "SerialDigit1", {&cam::SerialNo, std::string_view("1")}, Shown::SerialChar},
    {Field::SerialDigit2, "SerialDigit2", {&cam::SerialNo, std::string_view("2")}, Shown::SerialChar},
    {Field::SerialDigit3, "SerialDigit3", {&cam::SerialNo, std::string_view("3")}, Shown::SerialChar},
    {Field::SerialDigit4, "SerialDigit4", {&cam::SerialNo, std::string_view("4")}, Shown::SerialChar},
    {Field::CameraLanguage, "CameraLanguage", {&msg::CameraLanguage}, Shown::Language},
    {Field::TvMode, "TvMode", {&msg::TvMode}},
    {Field::Timer2, "Timer2", {&cam::Timer2}, Shown::Option, &cam::OffOnOptions},
    {Field::Timer2StartHour, "Timer2StartHour", {&cam::Timer2, &cam::Start, &cam::Hour}},
    {Field::Timer2StartMinute, "Timer2StartMinute", {&cam::Timer2, &cam::Start, &cam::Minute}},
    {Field::Timer2StopHour, "Timer2StopHour", {&cam::Timer2, &cam::Stop, &cam::Hour}},
    {Field::Timer2StopMinute, "Timer2StopMinute", {&cam::Timer2, &cam::Stop, &cam::Minute}},
    {Field::SdCycle, "SdCycle", {&cam::SdCycle}, Shown::Option, &cam::OffOnOptions},
    {Field::BeepSound, "BeepSound", {&cam::BeepSound}, Shown::Option, &cam::OffOnOptions},
    {Field::WirelessPwd1, "WirelessPwd1", {&cam::WirelessPwd, std::string_view("1")}},
    {Field::WirelessPwd2, "WirelessPwd2", {&cam::WirelessPwd, std::string_view("2")}},
    {Field::WirelessPwd3, "WirelessPwd3", {&cam::WirelessPwd, std::string_view("3")}},
    {Field::WirelessPwd4, "WirelessPwd4", {&cam::WirelessPwd, std::string_view("4")}},
    {Field::WirelessPwdOn, "WirelessPwdOn", {&cam::WirelessPwd}, Shown::Option, &cam::OffOnOptions},
    {Field::LongitudeDirection, "LongitudeDirection", {&cam::Longitude, &cam::Direction}, Shown::Longitude},
    {Field::LongitudeDegrees, "LongitudeDegrees", {&cam::Longitude, &cam::Degree}},
    {Field::LongitudeMinutes, "LongitudeMinutes", {&cam::Longitude, &cam::Minute}},
    {Field::LongitudeSeconds, "LongitudeSeconds", {&cam::Longitude, &cam::Second}},
    {Field::LatitudeDirection, "LatitudeDirection", {&cam::Latitude, &cam::Direction}, Shown::Latitude},
    {Field::LatitudeDegrees, "LatitudeDegrees", {&cam::Latitude, &cam::Degree}},
    {Field::LatitudeMinutes, "LatitudeMinutes", {&cam::Latitude, &cam::Minute}},
    {Field::LatitudeSeconds, "LatitudeSeconds", {&cam::Latitude, &cam::Second}},
    {Field::DateFormat, "DateFormat", {&cam::DateFormat}, Shown::Option, &cam::DateFormatOptions},
    {Field::SidePirCopy, "SidePirCopy", {&cam::SidePir, &msg::Copy}, Shown::Option, &cam::OffOnOptions},

    {Field::SendCode, "SendCode", {&msg::SendCode}},
    {Field::SendPosition, "SendPosition", {&i18n::mms::MmsStatus}, Shown::ListEntry},
    {Field::ConnectionType, "ConnectionType", {&msg::ConnectionType}, Shown::Connection},
    {Field::PicturesPerDay, "PicturesPerDay", {&i18n::mmssmtp::PictureNoPerDay}, Shown::PicturesPerDay},
    {Field::PhoneType, "PhoneType", {&msg::PhoneType}, Shown::Option, &i18n::mms::PhoneTypeOptions},
    {Field::MmsMode, "MmsMode", {&i18n::mms::MmsMode}, Shown::Option, &i18n::mms::ModeOptions},
    {Field::MmsCountry, "MmsCountry", {&i18n::mmssmtp::Country}, Shown::MmsCountry},
    {Field::MmsOperator, "MmsOperator", {&i18n::mmssmtp::Operator}, Shown::MmsOperator},
    {Field::SmsRemoteControl, "SmsRemoteControl", {&i18n::mmssmtp::SmsRemoteControl}, Shown::Hours},
    {Field::Url, "Url", {&i18n::mms::Url}, Shown::Text},
    {Field::Apn, "Apn", {std::string_view("APN")}, Shown::Text},
    {Field::Gateway, "Gateway", {&i18n::mms::Gateway}, Shown::Text},
    {Field::MmsPort, "Port", {&i18n::mms::Port}, Shown::Text},
    {Field::Phone1, "Phone1", {&i18n::mmssmtp::PhoneNo}, Shown::Text},
    {Field::Email, "Email", {&i18n::mms::Email}, Shown::Text},
    {Field::MmsAccount, "Account", {&i18n::mmssmtp::Account}, Shown::Text},
    {Field::MmsPassword, "Password", {&i18n::mmssmtp::Password}, Shown::Text},
    {Field::Phone2, "Phone2", {&i18n::mms::PhoneOrEmail, std::string_view("2")}, Shown::Text},
    {Field::Phone3, "Phone3", {&i18n::mms::PhoneOrEmail, std::string_view("3")}, Shown::Text},

    {Field::SmtpMode, "SmtpMode", {&i18n::smtp::SmtpMode}, Shown::Option, &i18n::smtp::ModeOptions},
    {Field::GprsCountry, "GprsCountry", {&i18n::mmssmtp::Country}, Shown::GprsCountry},
    {Field::GprsOperator, "GprsOperator", {&i18n::mmssmtp::Operator}, Shown::GprsOperator},
    {Field::SmtpStatus, "SmtpStatus", {&i18n::smtp::SmtpStatus}, Shown::Option, &i18n::smtp::StatusOptions},
    {Field::SmsInterval, "SmsInterval", {&i18n::mmssmtp::SmsRemoteControl}, Shown::Hours},
    {Field::GprsAccount, "GprsAccount", {&i18n::mmssmtp::Account}, Shown::Text},
    {Field::GprsPassword, "GprsPassword", {&i18n::mmssmtp::Password}, Shown::Text},
    {Field::SmtpServer, "SmtpServer", {&i18n::smtp::SmtpServer}, Shown::Text},
    {Field::ServerPort, "ServerPort", {&i18n::smtp::ServerPort}, Shown::Text},
    {Field::SenderEmail, "SenderEmail", {&i18n::smtp::SenderEmail}, Shown::Text},
    {Field::SenderPassword, "SenderPassword", {&i18n::smtp::SenderPassword}, Shown::Text},
    {Field::SmsPhone, "SmsPhone", {&i18n::mmssmtp::PhoneNo}, Shown::Text},
    {Field::SenderUserName, "SenderUserName", {&msg::SenderUserName}, Shown::Text},
    {Field::Email01, "Email01", {&i18n::smtp::Email01}, Shown::Text},
};
// clang-format on

const FieldInfo &info(Field field)
{
    for (const FieldInfo &i : kFields) {
        if (i.field == field)
            return i;
    }
    return kFields[0]; // every Field has a row; the tests check it
}

std::string namePart(const NamePart &part, int language)
{
    struct Visitor {
        int language;
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(const i18n::CaptionTable *t) const
        {
            return std::string(i18n::caption(*t, language));
        }
        std::string operator()(const i18n::CaptionObjectTable *t) const
        {
            return std::string(i18n::caption(*t, language));
        }
        std::string operator()(const i18n::TranslatedMessage *m) const
        {
            return std::string(i18n::message(*m, language));
        }
        std::string operator()(std::string_view literal) const { return std::string(literal); }
    };
    return std::visit(Visitor{language}, part);
}

// Caption texts sometimes end in spaces or colons of their own.
std::string trimmed(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == ':'))
        text.pop_back();
    std::size_t first = 0;
    while (first < text.size() && text[first] == ' ')
        ++first;
    return text.substr(first);
}

std::string option(const i18n::OptionTable &table, int index, int language)
{
    const auto entries = i18n::options(table, language);
    if (index >= 0 && static_cast<std::size_t>(index) < entries.size())
        return std::string(entries[static_cast<std::size_t>(index)]);
    return std::to_string(index);
}

int siblingValue(std::span<const FieldValue> siblings, Field field, int fallback)
{
    for (const FieldValue &v : siblings) {
        if (v.field == field)
            return v.value;
    }
    return fallback;
}

std::string orNumber(std::string_view text, int value)
{
    return text.empty() ? std::to_string(value) : std::string(text);
}

std::string named(const std::vector<std::string_view> &names, int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < names.size())
        return std::string(names[static_cast<std::size_t>(index)]);
    return std::to_string(index);
}

std::string hex16(long long value)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%04llX", value & 0xFFFF);
    return buffer;
}

std::string say(const i18n::TranslatedMessage &m, int language)
{
    return std::string(i18n::message(m, language));
}

} // namespace

std::string sealedKindText(SealedKind kind, int language)
{
    switch (kind) {
    case SealedKind::MmsInternational:
        return say(msg::MmsInternational, language);
    case SealedKind::MmsDomestic:
        return say(msg::MmsDomestic, language);
    case SealedKind::Smtp:
        return say(msg::SmtpFile, language);
    case SealedKind::Unknown:
        break;
    }
    return "?";
}

std::string fileKindText(FileKind kind, int language)
{
    switch (kind) {
    case FileKind::Menu:
        return say(msg::MenuFile, language);
    case FileKind::Setup:
        return say(msg::SetupFile, language);
    case FileKind::Smtp:
        return say(msg::SmtpFile, language);
    }
    return "?";
}

std::string_view cardFileName(FileKind kind)
{
    switch (kind) {
    case FileKind::Menu:
        return kMenuFileName;
    case FileKind::Setup:
        return kSetupFileName;
    case FileKind::Smtp:
        return kSmtpFileName;
    }
    return {};
}

std::string_view layoutName(MenuLayout layout)
{
    const std::optional<CameraFamily> family = cameraFamily(layout);
    return family ? family->name : "?";
}

std::string_view layoutName(SmtpLayout layout)
{
    return layout == SmtpLayout::K600 ? "K600" : "K200";
}

std::string_view fieldKey(Field field)
{
    return info(field).key;
}

bool isPassword(Field field)
{
    return field == Field::MmsPassword || field == Field::GprsPassword
        || field == Field::SenderPassword || field == Field::WirelessPwd1
        || field == Field::WirelessPwd2 || field == Field::WirelessPwd3
        || field == Field::WirelessPwd4;
}

std::string_view findingKey(FindingCode code)
{
    switch (code) {
    case FindingCode::WrongSize:
        return "WrongSize";
    case FindingCode::MissingLineEnd:
        return "MissingLineEnd";
    case FindingCode::BadCrc:
        return "BadCrc";
    case FindingCode::BadTrailer:
        return "BadTrailer";
    case FindingCode::KindMismatch:
        return "KindMismatch";
    case FindingCode::InternationalMismatch:
        return "InternationalMismatch";
    case FindingCode::TrailerNotZero:
        return "TrailerNotZero";
    case FindingCode::OutOfRange:
        return "OutOfRange";
    case FindingCode::UnexpectedByte:
        return "UnexpectedByte";
    case FindingCode::TextLength:
        return "TextLength";
    case FindingCode::TextNotTerminated:
        return "TextNotTerminated";
    case FindingCode::TextTooLong:
        return "TextTooLong";
    case FindingCode::ModeMismatch:
        return "ModeMismatch";
    case FindingCode::UserNameMismatch:
        return "UserNameMismatch";
    case FindingCode::NoLayoutFits:
        return "NoLayoutFits";
    case FindingCode::MarkerNotForLayout:
        return "MarkerNotForLayout";
    }
    return "?";
}

std::string fieldName(Field field, int language)
{
    std::string out;
    for (const NamePart &part : info(field).name) {
        const std::string text = trimmed(namePart(part, language));
        if (text.empty())
            continue;
        out += out.empty() ? "" : " ";
        out += text;
    }
    return out;
}

std::string fieldValueText(
    const FieldValue &v, std::span<const FieldValue> siblings, const ReportOptions &options)
{
    const int lang = options.language;
    const FieldInfo &fi = info(v.field);
    const int n = v.value;
    if (isPassword(v.field) && !options.showPasswords)
        return (v.isText && v.text.empty()) ? "\"\"" : say(msg::Masked, lang);

    switch (fi.shown) {
    case Shown::Number:
        return std::to_string(n);
    case Shown::ListEntry:
        return formatMessage(say(msg::ListEntry, lang), {std::to_string(n + 1)});
    case Shown::Option:
        return option(*fi.options, n, lang);
    case Shown::VideoLength:
        return std::to_string(n + 1) + " " + trimmed(std::string(i18n::caption(cam::Second, lang)));
    case Shown::Interval:
        if (n >= 128)
            return std::to_string(n - 128) + " " + option(cam::IntervalUnitOptions, 0, lang);
        return std::to_string(n) + " " + option(cam::IntervalUnitOptions, 1, lang);
    case Shown::Year:
        return std::to_string(2010 + n);
    case Shown::SerialChar:
        if (n >= 0 && n < 10)
            return std::string(1, static_cast<char>('0' + n));
        if (n >= 10 && n < 36)
            return std::string(1, static_cast<char>('A' + n - 10));
        return std::to_string(n);
    case Shown::Language:
        return orNumber(i18n::languageListEntry(n - 1, lang == i18n::kChineseLanguage), n);
    case Shown::Longitude:
        return n == 0 ? std::string(i18n::caption(cam::East, lang))
            : n == 1  ? std::string(i18n::caption(cam::West, lang))
                      : std::to_string(n);
    case Shown::Latitude:
        return n == 0 ? std::string(i18n::caption(cam::South, lang))
            : n == 1  ? std::string(i18n::caption(cam::North, lang))
                      : std::to_string(n);
    case Shown::Connection:
        return n == 0 ? "APN" : n == 1 ? "CSD" : std::to_string(n);
    case Shown::PicturesPerDay:
        return n == 0 ? "0 (" + say(msg::Unlimited, lang) + ")" : std::to_string(n);
    case Shown::Hours:
        if (n == 25)
            return std::string(i18n::caption(i18n::mmssmtp::Off, lang));
        return std::to_string(n) + " " + std::string(i18n::caption(i18n::mmssmtp::Hour, lang));
    case Shown::MmsCountry:
        if (siblingValue(siblings, Field::MmsMode, 0) != 0)
            return std::string(otherLabel(lang));
        return orNumber(countryName(lang, n), n);
    case Shown::MmsOperator:
        return named(mmsOperatorNames(siblingValue(siblings, Field::MmsCountry, -1), lang), n);
    case Shown::GprsCountry:
        return orNumber(gprsCountryName(lang, n), n);
    case Shown::GprsOperator:
        if (siblingValue(siblings, Field::SmtpMode, 0) != 0)
            return n == 0 ? std::string(otherLabel(lang)) : std::to_string(n);
        return named(gprsOperatorNames(siblingValue(siblings, Field::GprsCountry, -1), lang), n);
    case Shown::Text:
        return "\"" + v.text + "\"";
    }
    return std::to_string(n);
}

std::string findingText(const Finding &f, int language)
{
    const auto text = [language](const i18n::TranslatedMessage &m) { return say(m, language); };
    const auto num = [](long long v) { return std::to_string(v); };
    const std::string field = f.field ? fieldName(*f.field, language) : std::string();
    switch (f.code) {
    case FindingCode::WrongSize:
        return formatMessage(text(msg::WrongSize), {num(f.value), num(f.expected)});
    case FindingCode::MissingLineEnd:
        return formatMessage(text(msg::MissingLineEnd), {num(f.record)});
    case FindingCode::BadCrc:
        return formatMessage(text(msg::BadCrc), {hex16(f.value), hex16(f.expected)});
    case FindingCode::BadTrailer:
        return formatMessage(text(msg::BadTrailer), {hex16(f.value), hex16(f.expected)});
    case FindingCode::KindMismatch:
        return formatMessage(text(msg::KindMismatch),
            {sealedKindText(static_cast<SealedKind>(f.value), language),
                fileKindText(static_cast<FileKind>(f.expected), language)});
    case FindingCode::InternationalMismatch:
        return formatMessage(text(msg::InternationalMismatch),
            {option(i18n::mms::PhoneTypeOptions, static_cast<int>(f.value), language),
                option(i18n::mms::PhoneTypeOptions, static_cast<int>(f.expected), language)});
    case FindingCode::TrailerNotZero:
        return formatMessage(text(msg::TrailerNotZero), {num(f.byte), num(f.value)});
    case FindingCode::OutOfRange:
        return formatMessage(text(msg::OutOfRange), {field, num(f.value), num(f.low), num(f.high)});
    case FindingCode::UnexpectedByte:
        return formatMessage(
            text(msg::UnexpectedByte), {num(f.record), num(f.byte), num(f.value), num(f.expected)});
    case FindingCode::TextLength:
        return formatMessage(text(msg::TextLength), {field, num(f.value), num(f.expected)});
    case FindingCode::TextNotTerminated:
        return formatMessage(text(msg::TextNotTerminated), {field});
    case FindingCode::TextTooLong:
        return formatMessage(text(msg::TextTooLong), {field, num(f.value), num(f.high)});
    case FindingCode::ModeMismatch:
        return formatMessage(text(msg::ModeMismatch), {field});
    case FindingCode::UserNameMismatch:
        return formatMessage(
            text(msg::UserNameMismatch), {field, fieldName(Field::SenderEmail, language)});
    case FindingCode::NoLayoutFits:
        return text(msg::NoLayoutFits);
    case FindingCode::MarkerNotForLayout:
        return text(msg::MarkerNotForLayout);
    }
    return {};
}

std::string layoutText(MenuLayout layout, int language)
{
    return layout == MenuLayout::Standard ? say(msg::StandardLayout, language)
                                          : std::string(layoutName(layout));
}

std::string formatMessage(std::string_view pattern, std::initializer_list<std::string> args)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1'
            && pattern[i + 1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < args.size()) {
                out += *(args.begin() + index);
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

} // namespace marrowby::inspect
