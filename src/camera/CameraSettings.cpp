#include "camera/CameraSettings.h"

#include <array>
#include <cctype>

namespace marrowby {

CameraState &cameraState()
{
    static CameraState state;
    return state;
}

void collectInterval(CameraSettings &settings, int editValue, int unitIndex)
{
    if (unitIndex == 1)
        settings.Interval = editValue;
    else if (unitIndex == 0)
        settings.Interval = editValue + 128;
}

void collectVideoLength(CameraSettings &settings, int editValue)
{
    settings.VideoLength = editValue - 1;
}

void collectClock(CameraClock &clock, CameraSettings &settings)
{
    if (clock.Year < 2010)
        clock.Year = 2010;
    else if (clock.Year > 2031)
        clock.Year = 2031;
    settings.ClockYear = clock.Year - 2010;
    settings.ClockMonth = clock.Month;
    settings.ClockDay = clock.Day;
    settings.ClockHour = clock.Hour;
    settings.ClockMinute = clock.Minute;
    settings.ClockSecond = clock.Second;
}

std::int32_t correctFetchedYear(std::int32_t year)
{
    if (year > 2031)
        return 2031;
    if (year < 2010)
        return 2011;
    return year;
}

namespace {

// A small scanf("%d/%d/%d %d:%d:%d"): whitespace in the pattern matches any run of
// white space, %d skips leading white space and reads an optionally signed decimal
// number, literal characters must match exactly. Stops at the first mismatch.
int scanClock(std::string_view text, std::array<std::int32_t, 6> &values)
{
    static constexpr std::string_view pattern = "%d/%d/%d %d:%d:%d";
    std::size_t t = 0;
    int assigned = 0;
    for (std::size_t p = 0; p < pattern.size(); ++p) {
        const char pc = pattern[p];
        if (pc == '%') {
            ++p; // 'd'
            while (t < text.size() && std::isspace(static_cast<unsigned char>(text[t])))
                ++t;
            std::size_t start = t;
            if (t < text.size() && (text[t] == '+' || text[t] == '-'))
                ++t;
            const std::size_t digits = t;
            while (t < text.size() && std::isdigit(static_cast<unsigned char>(text[t])))
                ++t;
            if (t == digits)
                return assigned;
            long long value = 0;
            const bool negative = text[start] == '-';
            for (std::size_t i = digits; i < t; ++i) {
                value = value * 10 + (text[i] - '0');
                if (value > 0x7FFFFFFFLL)
                    value = 0x7FFFFFFFLL;
            }
            values[static_cast<std::size_t>(assigned)]
                = static_cast<std::int32_t>(negative ? -value : value);
            ++assigned;
        } else if (std::isspace(static_cast<unsigned char>(pc))) {
            while (t < text.size() && std::isspace(static_cast<unsigned char>(text[t])))
                ++t;
        } else {
            if (t >= text.size() || text[t] != pc)
                return assigned;
            ++t;
        }
    }
    return assigned;
}

} // namespace

int parseClockText(std::string_view text, int dateFormatIndex, CameraClock &clock)
{
    std::int32_t *order[6];
    switch (dateFormatIndex) {
    case 1:
        order[0] = &clock.Month;
        order[1] = &clock.Day;
        order[2] = &clock.Year;
        break;
    case 2:
        order[0] = &clock.Day;
        order[1] = &clock.Month;
        order[2] = &clock.Year;
        break;
    default:
        order[0] = &clock.Year;
        order[1] = &clock.Month;
        order[2] = &clock.Day;
        break;
    }
    order[3] = &clock.Hour;
    order[4] = &clock.Minute;
    order[5] = &clock.Second;

    std::array<std::int32_t, 6> values{};
    const int assigned = scanClock(text, values);
    for (int i = 0; i < assigned; ++i)
        *order[i] = values[static_cast<std::size_t>(i)];
    return assigned;
}

} // namespace marrowby
