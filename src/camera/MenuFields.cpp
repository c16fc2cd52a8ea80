#include "camera/MenuFields.h"

namespace marrowby {

namespace {

// The place of a field that is kept as it is shown; nullptr for the others.
std::int32_t *place(MenuField field, CameraSettings &s, MenuExtras &e)
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
    case MenuField::None:
    case MenuField::VideoLength:
    case MenuField::Interval:
    case MenuField::IntervalUnit:
    case MenuField::WirelessPassword:
        break;
    }
    return nullptr;
}

constexpr int kSecondsOffset = 128; // an interval in seconds is kept as seconds plus 128

} // namespace

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

std::string wirelessPasswordText(const std::array<std::int32_t, 4> &digits)
{
    std::string text;
    for (const std::int32_t digit : digits)
        text += static_cast<char>('0' + (digit >= 0 && digit <= 9 ? digit : 0));
    return text;
}

} // namespace marrowby
