#include "camera/ClockText.h"

namespace marrowby {

namespace {

bool isLeapYear(std::int32_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::int32_t daysInMonth(std::int32_t year, std::int32_t month)
{
    static constexpr std::int32_t days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year))
        return 29;
    return days[month - 1];
}

std::int32_t clampedYear(std::int32_t year)
{
    if (year < 2010)
        return 2010;
    if (year > 2031)
        return 2031;
    return year;
}

} // namespace

bool isPossibleClock(const CameraClock &c)
{
    if (c.Month < 1 || c.Month > 12)
        return false;
    if (c.Day < 1 || c.Day > daysInMonth(clampedYear(c.Year), c.Month))
        return false;
    return c.Hour >= 0 && c.Hour <= 23 && c.Minute >= 0 && c.Minute <= 59 && c.Second >= 0
        && c.Second <= 59;
}

ClockTextReading readClockText(
    std::string_view text, int dateFormatIndex, const CameraClock &lastRead)
{
    ClockTextReading reading;
    reading.clock = lastRead;
    if (parseClockText(text, dateFormatIndex, reading.clock) == 0)
        reading.verdict = ClockTextVerdict::NotADate;
    else if (!isPossibleClock(reading.clock))
        reading.verdict = ClockTextVerdict::Impossible;
    return reading;
}

std::string_view clockTextPattern(int dateFormatIndex)
{
    switch (dateFormatIndex) {
    case 1:
        return "MM/DD/YYYY hh:mm:ss";
    case 2:
        return "DD/MM/YYYY hh:mm:ss";
    default:
        return "YYYY/MM/DD hh:mm:ss";
    }
}

} // namespace marrowby
