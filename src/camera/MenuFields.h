#pragma once

#include "camera/CameraRecord.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace marrowby {

// The values a camera form shows and a menu record carries, each naming its
// place in CameraSettings or MenuExtras.
enum class MenuField {
    None,
    CameraMode,
    ImageSize,
    VideoSize,
    PictureNo,
    VideoLength, // shown in seconds, kept as seconds minus one
    TimeStamp,
    Interval,     // shown in its unit, kept as minutes or as seconds plus 128
    IntervalUnit, // the unit list of the interval (0 seconds, 1 minutes)
    SenseLevel,
    Timer,
    SidePir,
    TimeLapse,
    TimeLapseHour,
    TimeLapseMinute,
    TimeLapseSecond,
    TimerStartHour,
    TimerStartMinute,
    TimerStopHour,
    TimerStopMinute,
    SerialNo,
    SerialDigit1,
    SerialDigit2,
    SerialDigit3,
    SerialDigit4,
    Timer2,
    SdCycle,
    BeepSound,
    Timer2StartHour,
    Timer2StartMinute,
    Timer2StopHour,
    Timer2StopMinute,
    DateFormat,
    WirelessPassword, // a text of up to four digits
    WirelessPasswordOn,
    K500SdCycle,
    LongitudeDirection,
    LongitudeDegrees,
    LongitudeMinutes,
    LongitudeSeconds,
    LatitudeDirection,
    LatitudeDegrees,
    LatitudeMinutes,
    LatitudeSeconds,
};

// The value a control shows for a field of these settings.
int shownValue(MenuField field, const CameraSettings &settings, const MenuExtras &extras);

// Keeps the value a control shows in its field. The interval keeps its value
// in the unit `intervalUnit` names (see collectInterval).
void keepShownValue(MenuField field, int value, CameraSettings &settings, MenuExtras &extras,
    int intervalUnit = -1);

// The wireless password as a form shows it: its four digits.
std::string wirelessPasswordText(const std::array<std::int32_t, 4> &digits);

} // namespace marrowby
