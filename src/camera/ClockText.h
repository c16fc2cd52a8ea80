#pragma once

#include "camera/CameraSettings.h"

#include <string_view>

namespace marrowby {

// A clock text typed by the user, checked before it reaches the camera.
enum class ClockTextVerdict {
    Possible,   // a real date and time
    NotADate,   // the text does not start with a number of the pattern
    Impossible, // a month, day, hour, minute or second outside its calendar range
};

struct ClockTextReading {
    CameraClock clock; // the clock the text gives, year not yet clamped
    ClockTextVerdict verdict = ClockTextVerdict::Possible;
};

// Reads a clock text "%d/%d/%d %d:%d:%d" in the order of the Date Format list
// (see parseClockText) on top of the last clock read: fields the text does not
// supply keep their values from `lastRead`. The date is judged as the camera
// will get it, with the year clamped to 2010..2031, so 29 February counts only
// in a leap year of that range.
ClockTextReading readClockText(
    std::string_view text, int dateFormatIndex, const CameraClock &lastRead);

// Whether the clock, with its year clamped to 2010..2031, is a real date and a
// time of day (hour 0..23, minute and second 0..59).
bool isPossibleClock(const CameraClock &clock);

// How a clock text is typed in a Date Format order, for messages:
// "YYYY/MM/DD hh:mm:ss", "MM/DD/YYYY hh:mm:ss" or "DD/MM/YYYY hh:mm:ss".
std::string_view clockTextPattern(int dateFormatIndex);

} // namespace marrowby
