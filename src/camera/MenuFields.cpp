#include "camera/MenuFields.h"

#include <algorithm>
#include <vector>

namespace marrowby {

namespace {

// The place of a field that is kept as it is shown; nullptr for the others.
// Settings and extras const or not.
template <typename Settings, typename Extras>
auto place(MenuField field, Settings &s, Extras &e) -> decltype(&s.CameraMode)
{
    switch (field) {
    case MenuField::CameraMode:
        return &s.CameraMode;
    case MenuField::ImageSize:
        return &s.ImageSize;
    case MenuField::VideoSize:
        return &s.VideoSize;
    case MenuField::PictureNo:
        return &s.PictureNo;
    case MenuField::TimeStamp:
        return &s.TimeStamp;
    case MenuField::SenseLevel:
        return &s.SenseLevel;
    case MenuField::Timer:
        return &s.Timer;
    case MenuField::SidePir:
        return &s.SidePir;
    case MenuField::TimeLapse:
        return &s.TimeLapse;
    case MenuField::TimeLapseHour:
        return &s.TimeLapseHour;
    case MenuField::TimeLapseMinute:
        return &s.TimeLapseMinute;
    case MenuField::TimeLapseSecond:
        return &s.TimeLapseSecond;
    case MenuField::TimerStartHour:
        return &s.TimerStartHour;
    case MenuField::TimerStartMinute:
        return &s.TimerStartMinute;
    case MenuField::TimerStopHour:
        return &s.TimerStopHour;
    case MenuField::TimerStopMinute:
        return &s.TimerStopMinute;
    case MenuField::SerialNo:
        return &s.SerialNo;
    case MenuField::SerialDigit1:
        return &s.SerialDigit1;
    case MenuField::SerialDigit2:
        return &s.SerialDigit2;
    case MenuField::SerialDigit3:
        return &s.SerialDigit3;
    case MenuField::SerialDigit4:
        return &s.SerialDigit4;
    case MenuField::Timer2:
        return &s.Timer2;
    case MenuField::SdCycle:
        return &s.SdCycle;
    case MenuField::BeepSound:
        return &s.BeepSound;
    case MenuField::Timer2StartHour:
        return &e.secondTimer.startHour;
    case MenuField::Timer2StartMinute:
        return &e.secondTimer.startMinute;
    case MenuField::Timer2StopHour:
        return &e.secondTimer.stopHour;
    case MenuField::Timer2StopMinute:
        return &e.secondTimer.stopMinute;
    case MenuField::DateFormat:
        return &e.dateFormat;
    case MenuField::WirelessDigit1:
        return &e.wirelessPassword[0];
    case MenuField::WirelessDigit2:
        return &e.wirelessPassword[1];
    case MenuField::WirelessDigit3:
        return &e.wirelessPassword[2];
    case MenuField::WirelessDigit4:
        return &e.wirelessPassword[3];
    case MenuField::WirelessPasswordOn:
        return &e.wirelessPasswordOn;
    case MenuField::K500SdCycle:
        return &e.k500SdCycle;
    case MenuField::LongitudeDirection:
        return &e.longitude.direction;
    case MenuField::LongitudeDegrees:
        return &e.longitude.degrees;
    case MenuField::LongitudeMinutes:
        return &e.longitude.minutes;
    case MenuField::LongitudeSeconds:
        return &e.longitude.seconds;
    case MenuField::LatitudeDirection:
        return &e.latitude.direction;
    case MenuField::LatitudeDegrees:
        return &e.latitude.degrees;
    case MenuField::LatitudeMinutes:
        return &e.latitude.minutes;
    case MenuField::LatitudeSeconds:
        return &e.latitude.seconds;
    case MenuField::ClockYear:
        return &s.ClockYear;
    case MenuField::ClockMonth:
        return &s.ClockMonth;
    case MenuField::ClockDay:
        return &s.ClockDay;
    case MenuField::ClockHour:
        return &s.ClockHour;
    case MenuField::ClockMinute:
        return &s.ClockMinute;
    case MenuField::ClockSecond:
        return &s.ClockSecond;
    case MenuField::None:
    case MenuField::CameraLanguage:
    case MenuField::TvMode:
    case MenuField::SidePirCopy:
    case MenuField::VideoLength:
    case MenuField::Interval:
    case MenuField::IntervalUnit:
    case MenuField::WirelessPassword:
        break;
    }
    return nullptr;
}

constexpr int kSecondsOffset = 128; // an interval in seconds is kept as seconds plus 128

using F = MenuField;

// clang-format off
constexpr MenuByte kCommonBytes[] = {
    {F::CameraMode, 0, 0, 2},       {F::ImageSize, 1, 0, 3},
    {F::VideoSize, 2, 0, 3},        {F::PictureNo, 3, 0, 2},
    {F::VideoLength, 4, 0, 59},     {F::TimeStamp, 5, 0, 1},
    {F::Interval, 6, 1, 188},       {F::SenseLevel, 7, 0, 3},
    {F::Timer, 8, 0, 1},
    {F::TimeLapse, 10, 0, 1},       {F::TimeLapseHour, 11, 0, 23},
    {F::TimeLapseMinute, 12, 0, 59},{F::TimeLapseSecond, 13, 0, 59},
    {F::ClockYear, 14, 0, 21},      {F::ClockMonth, 15, 1, 12},
    {F::ClockDay, 16, 1, 31},       {F::ClockHour, 17, 0, 23},
    {F::ClockMinute, 18, 0, 59},    {F::ClockSecond, 19, 0, 59},
    {F::TimerStartHour, 20, 0, 23}, {F::TimerStartMinute, 21, 0, 59},
    {F::TimerStopHour, 22, 0, 23},  {F::TimerStopMinute, 23, 0, 59},
    {F::SerialNo, 24, 0, 1},
    {F::SerialDigit1, 25, 0, 35},   {F::SerialDigit2, 26, 0, 35},
    {F::SerialDigit3, 27, 0, 35},   {F::SerialDigit4, 28, 0, 35},
    {F::CameraLanguage, 29, 1, 15}, {F::TvMode, 30, 0, 255},
    {F::DateFormat, 48, 0, 2},
};

constexpr MenuByte kSecondTimerAt32[] = {
    {F::Timer2, 31, 0, 1},
    {F::Timer2StartHour, 32, 0, 23}, {F::Timer2StartMinute, 33, 0, 59},
    {F::Timer2StopHour, 34, 0, 23},  {F::Timer2StopMinute, 35, 0, 59},
};

constexpr MenuByte kStandardBytes[] = {
    {F::SidePir, 9, 0, 1}, {F::SdCycle, 36, 0, 1}, {F::SidePirCopy, 51, 0, 1},
};
constexpr MenuByte kK100Bytes[] = {
    {F::SidePir, 9, 0, 0, true},
    {F::WirelessDigit1, 36, 0, 9}, {F::WirelessDigit2, 37, 0, 9},
    {F::WirelessDigit3, 38, 0, 9}, {F::WirelessDigit4, 39, 0, 9},
    {F::WirelessPasswordOn, 40, 0, 1},
};
constexpr MenuByte kK400Bytes[] = {
    {F::SidePir, 9, 1, 1, true},
};
constexpr MenuByte kK500Bytes[] = {
    {F::SidePir, 9, 0, 1}, {F::K500SdCycle, 36, 0, 1},
    {F::LongitudeDirection, 40, 0, 1}, {F::LongitudeDegrees, 41, 0, 180},
    {F::LongitudeMinutes, 42, 0, 59},  {F::LongitudeSeconds, 43, 0, 59},
    {F::LatitudeDirection, 44, 0, 1},  {F::LatitudeDegrees, 45, 0, 90},
    {F::LatitudeMinutes, 46, 0, 59},   {F::LatitudeSeconds, 47, 0, 59},
    {F::SidePirCopy, 51, 0, 1},
};
// The K800 bytes are the K600's, except that the K800 always carries 0 as Side PIR.
constexpr MenuByte kK600Bytes[] = {
    {F::SidePir, 9, 0, 1},
    {F::BeepSound, 31, 0, 1}, {F::SdCycle, 32, 0, 1}, {F::Timer2, 33, 0, 1},
    {F::Timer2StartHour, 34, 0, 23}, {F::Timer2StartMinute, 35, 0, 59},
    {F::Timer2StopHour, 36, 0, 23},  {F::Timer2StopMinute, 37, 0, 59},
};
constexpr MenuByte kK800Bytes[] = {
    {F::SidePir, 9, 0, 0, true},
    {F::BeepSound, 31, 0, 1}, {F::SdCycle, 32, 0, 1}, {F::Timer2, 33, 0, 1},
    {F::Timer2StartHour, 34, 0, 23}, {F::Timer2StartMinute, 35, 0, 59},
    {F::Timer2StopHour, 36, 0, 23},  {F::Timer2StopMinute, 37, 0, 59},
};
// clang-format on

std::vector<MenuByte> layoutBytes(std::initializer_list<std::span<const MenuByte>> parts)
{
    std::vector<MenuByte> out;
    for (const std::span<const MenuByte> part : parts)
        out.insert(out.end(), part.begin(), part.end());
    std::sort(out.begin(), out.end(),
        [](const MenuByte &a, const MenuByte &b) { return a.byte < b.byte; });
    return out;
}

// The program's own families.
const std::vector<CameraFamily> &ownFamilies()
{
    static const std::vector<MenuByte> standard
        = layoutBytes({kCommonBytes, kSecondTimerAt32, kStandardBytes});
    static const std::vector<MenuByte> k100
        = layoutBytes({kCommonBytes, kSecondTimerAt32, kK100Bytes});
    static const std::vector<MenuByte> k400
        = layoutBytes({kCommonBytes, kSecondTimerAt32, kK400Bytes});
    static const std::vector<MenuByte> k500
        = layoutBytes({kCommonBytes, kSecondTimerAt32, kK500Bytes});
    static const std::vector<MenuByte> k600 = layoutBytes({kCommonBytes, kK600Bytes});
    static const std::vector<MenuByte> k800 = layoutBytes({kCommonBytes, kK800Bytes});
    // The standard family's Default writes its factory settings, every other
    // family's the fixed factory record.
    static const std::vector<CameraFamily> families = {
        {MenuLayout::Standard, "Standard", standard, false},
        {MenuLayout::K100, "K100", k100},
        {MenuLayout::K400, "K400", k400},
        {MenuLayout::K500, "K500", k500},
        {MenuLayout::K600, "K600", k600},
        {MenuLayout::K800, "K800", k800},
    };
    return families;
}

std::vector<CameraFamily> &registeredFamilies()
{
    static std::vector<CameraFamily> families;
    return families;
}

} // namespace

std::vector<CameraFamily> cameraFamilies()
{
    std::vector<CameraFamily> out = ownFamilies();
    out.insert(out.end(), registeredFamilies().begin(), registeredFamilies().end());
    return out;
}

std::optional<CameraFamily> cameraFamily(MenuLayout layout)
{
    for (const CameraFamily &family : cameraFamilies()) {
        if (family.layout == layout)
            return family;
    }
    return std::nullopt;
}

CameraFamilyRegistration::CameraFamilyRegistration(CameraFamily family)
    : m_layout(family.layout)
{
    registeredFamilies().push_back(family);
}

CameraFamilyRegistration::~CameraFamilyRegistration()
{
    std::erase_if(registeredFamilies(),
        [this](const CameraFamily &family) { return family.layout == m_layout; });
}

std::span<const MenuByte> menuBytes(MenuLayout layout)
{
    const std::optional<CameraFamily> family = cameraFamily(layout);
    return family ? family->bytes : std::span<const MenuByte>{};
}

int shownValue(MenuField field, const CameraSettings &settings, const MenuExtras &extras)
{
    switch (field) {
    case MenuField::VideoLength:
        return settings.VideoLength + 1;
    case MenuField::Interval:
        return settings.Interval >= kSecondsOffset ? settings.Interval - kSecondsOffset
                                                   : settings.Interval;
    case MenuField::IntervalUnit:
        return settings.Interval >= kSecondsOffset ? 0 : 1;
    default:
        break;
    }
    // The places are only read here.
    const std::int32_t *value
        = place(field, const_cast<CameraSettings &>(settings), const_cast<MenuExtras &>(extras));
    return value ? *value : 0;
}

void keepShownValue(
    MenuField field, int value, CameraSettings &settings, MenuExtras &extras, int intervalUnit)
{
    switch (field) {
    case MenuField::VideoLength:
        collectVideoLength(settings, value);
        return;
    case MenuField::Interval:
        collectInterval(settings, value, intervalUnit);
        return;
    default:
        break;
    }
    if (std::int32_t *kept = place(field, settings, extras))
        *kept = value;
}

std::int32_t recordValue(MenuField field, const CameraSettings &settings, const MenuExtras &extras,
    RecordContext context)
{
    switch (field) {
    case MenuField::VideoLength:
        return settings.VideoLength;
    case MenuField::Interval:
        return settings.Interval;
    case MenuField::CameraLanguage:
        return context.cameraLanguage;
    case MenuField::TvMode:
        return context.tvMode;
    case MenuField::SidePirCopy:
        return settings.SidePir;
    default:
        break;
    }
    return shownValue(field, settings, extras);
}

void keepRecordValue(MenuField field, std::int32_t value, CameraSettings &settings,
    MenuExtras &extras, RecordContext &context)
{
    switch (field) {
    case MenuField::VideoLength:
        settings.VideoLength = value;
        return;
    case MenuField::Interval:
        settings.Interval = value;
        return;
    case MenuField::CameraLanguage:
        context.cameraLanguage = static_cast<std::uint8_t>(value);
        return;
    case MenuField::TvMode:
        context.tvMode = static_cast<std::uint8_t>(value);
        return;
    default:
        break;
    }
    keepShownValue(field, value, settings, extras);
}

std::string wirelessPasswordText(const std::array<std::int32_t, 4> &digits)
{
    std::string text;
    for (const std::int32_t digit : digits)
        text += static_cast<char>('0' + (digit >= 0 && digit <= 9 ? digit : 0));
    return text;
}

} // namespace marrowby
