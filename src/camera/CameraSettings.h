#pragma once

#include <cstdint>
#include <string_view>

namespace marrowby {

// The camera clock the forms fill from the computer's local time and, on some
// forms, from a typed clock text.
struct CameraClock {
    std::int32_t Year = 0;
    std::int32_t Month = 0;
    std::int32_t Day = 0;
    std::int32_t Hour = 0;
    std::int32_t Minute = 0;
    std::int32_t Second = 0;

    bool operator==(const CameraClock &) const = default;
};

// What a camera form collects before a menu record is built. The record stores
// the low byte of each field.
struct CameraSettings {
    std::int32_t CameraMode = 0;
    std::int32_t ImageSize = 0;
    std::int32_t VideoSize = 0;
    std::int32_t PictureNo = 0;
    std::int32_t VideoLength = 0;
    std::int32_t TimeStamp = 0;
    std::int32_t Interval = 0;
    std::int32_t SenseLevel = 0;
    std::int32_t Timer = 0;
    std::int32_t SidePir = 0;
    std::int32_t TimeLapse = 0;
    std::int32_t TimeLapseHour = 0;
    std::int32_t TimeLapseMinute = 0;
    std::int32_t TimeLapseSecond = 0;
    std::int32_t ClockYear = 0;
    std::int32_t ClockMonth = 0;
    std::int32_t ClockDay = 0;
    std::int32_t ClockHour = 0;
    std::int32_t ClockMinute = 0;
    std::int32_t ClockSecond = 0;
    std::int32_t TimerStartHour = 0;
    std::int32_t TimerStartMinute = 0;
    std::int32_t TimerStopHour = 0;
    std::int32_t TimerStopMinute = 0;
    std::int32_t SerialNo = 0;
    std::int32_t SerialDigit1 = 0;
    std::int32_t SerialDigit2 = 0;
    std::int32_t SerialDigit3 = 0;
    std::int32_t SerialDigit4 = 0;
    std::int32_t Timer2 = 0;
    std::int32_t SdCycle = 0;
    std::int32_t BeepSound = 1;

    bool operator==(const CameraSettings &) const = default;
};

// The process-wide camera state shared by all camera forms.
struct CameraState {
    CameraSettings settings;
    CameraClock clock;
};
CameraState &cameraState();

// Collect rules shared by every camera form.

// Interval: the edit value in minutes (unit index 1) or the value plus 128 in
// seconds (unit index 0); any other unit index leaves the setting as it was.
void collectInterval(CameraSettings &settings, int editValue, int unitIndex);

// Video length is stored as seconds minus one.
void collectVideoLength(CameraSettings &settings, int editValue);

// Clamps the clock year to 2010..2031 (writing the clamped year back to the
// clock) and copies the clock into the settings, year as an offset from 2010.
void collectClock(CameraClock &clock, CameraSettings &settings);

// The year correction of the Get Time button and the Date Format list: a year
// after 2031 becomes 2031, a year before 2010 becomes 2011.
std::int32_t correctFetchedYear(std::int32_t year);

// Parses a clock text "%d/%d/%d %d:%d:%d" into the clock. The date order follows
// the Date Format list: 1 month/day/year, 2 day/month/year, otherwise
// year/month/day. Values the text does not supply keep their previous contents.
// Returns how many values the text supplied (0..6).
int parseClockText(std::string_view text, int dateFormatIndex, CameraClock &clock);

} // namespace marrowby
