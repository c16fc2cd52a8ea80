#include "camera/ClockText.h"

#include <gtest/gtest.h>

using namespace marrowby;

namespace {

using Verdict = ClockTextVerdict;

// The last clock read, which fills whatever the text leaves out.
constexpr CameraClock kLastRead{2024, 3, 9, 14, 5, 7};

struct Case {
    const char *text;
    int dateFormat; // 0 YYMMDD, 1 MMDDYY, 2 DDMMYY
    Verdict verdict;
    CameraClock clock; // checked for possible texts
};

} // namespace

TEST(ClockText, TypedDatesInEachOrder)
{
    const Case cases[] = {
        // Real dates in each order.
        {"2030/12/31 23:59:00", 0, Verdict::Possible, {2030, 12, 31, 23, 59, 0}},
        {"12/31/2030 23:59:00", 1, Verdict::Possible, {2030, 12, 31, 23, 59, 0}},
        {"31/12/2030 23:59:00", 2, Verdict::Possible, {2030, 12, 31, 23, 59, 0}},
        {"1/19/2021 0:0:0", 1, Verdict::Possible, {2021, 1, 19, 0, 0, 0}},
        // 29 February: only in a leap year.
        {"02/29/2024 12:00:00", 1, Verdict::Possible, {2024, 2, 29, 12, 0, 0}},
        {"02/29/2023 12:00:00", 1, Verdict::Impossible, {}},
        {"29/02/2028 12:00:00", 2, Verdict::Possible, {2028, 2, 29, 12, 0, 0}},
        {"2030/2/29 12:00:00", 0, Verdict::Impossible, {}},
        // Out of the calendar.
        {"13/01/2024 10:00:00", 1, Verdict::Impossible, {}},
        {"2024/0/10 10:00:00", 0, Verdict::Impossible, {}},
        {"04/31/2024 10:00:00", 1, Verdict::Impossible, {}},
        {"30/04/2024 10:00:00", 2, Verdict::Possible, {2024, 4, 30, 10, 0, 0}},
        {"2024/04/00 10:00:00", 0, Verdict::Impossible, {}},
        {"03/09/2024 25:00:00", 1, Verdict::Impossible, {}},
        {"03/09/2024 24:00:00", 1, Verdict::Impossible, {}},
        {"03/09/2024 10:60:00", 1, Verdict::Impossible, {}},
        {"03/09/2024 10:00:60", 1, Verdict::Impossible, {}},
        {"03/09/2024 -1:00:00", 1, Verdict::Impossible, {}},
        // The same text is a date in one order and impossible in another.
        {"12/31/2030 23:59:00", 0, Verdict::Impossible, {}},
        {"12/31/2030 23:59:00", 2, Verdict::Impossible, {}},
        // Not a date at all.
        {"", 1, Verdict::NotADate, {}},
        {"   ", 1, Verdict::NotADate, {}},
        {"yesterday", 1, Verdict::NotADate, {}},
        {"/03/09/2024", 1, Verdict::NotADate, {}},
    };
    for (const Case &c : cases) {
        const ClockTextReading reading = readClockText(c.text, c.dateFormat, kLastRead);
        EXPECT_EQ(reading.verdict, c.verdict) << '"' << c.text << "\" in order " << c.dateFormat;
        if (c.verdict == Verdict::Possible) {
            EXPECT_EQ(reading.clock, c.clock) << c.text;
        }
    }
}

TEST(ClockText, FieldsTheTextLeavesOutKeepTheLastClockRead)
{
    const Case cases[] = {
        {"12/25", 1, Verdict::Possible, {2024, 12, 25, 14, 5, 7}},
        {"2025/6/1 8", 0, Verdict::Possible, {2025, 6, 1, 8, 5, 7}},
        {"7/8/2026 9:10", 2, Verdict::Possible, {2026, 8, 7, 9, 10, 7}},
        // The kept day must still fit the typed month: 9 February, but not 31.
        {"2", 1, Verdict::Possible, {2024, 2, 9, 14, 5, 7}},
        {"12/31/2024 23:59:58 and more", 1, Verdict::Possible, {2024, 12, 31, 23, 59, 58}},
    };
    for (const Case &c : cases) {
        const ClockTextReading reading = readClockText(c.text, c.dateFormat, kLastRead);
        EXPECT_EQ(reading.verdict, c.verdict) << c.text;
        EXPECT_EQ(reading.clock, c.clock) << c.text;
    }
    const CameraClock lastDayOfJanuary{2024, 1, 31, 0, 0, 0};
    EXPECT_EQ(readClockText("4", 1, lastDayOfJanuary).verdict, Verdict::Impossible)
        << "31 April from a kept day";
}

TEST(ClockText, TheYearKeepsItsClampAndDecidesTheLeapDay)
{
    // Years outside 2010..2031 are allowed and clamped later; the date is judged
    // with the year the camera will get.
    struct YearCase {
        const char *text;
        Verdict verdict;
        std::int32_t year; // as typed, before the clamp
    };
    const YearCase cases[] = {
        {"2005/06/15 10:00:00", Verdict::Possible, 2005},
        {"2040/06/15 10:00:00", Verdict::Possible, 2040},
        {"2004/02/29 10:00:00", Verdict::Impossible, 2004}, // becomes 2010, a common year
        {"2036/02/29 10:00:00", Verdict::Impossible, 2036}, // becomes 2031
        {"2012/02/29 10:00:00", Verdict::Possible, 2012},
    };
    for (const YearCase &c : cases) {
        const ClockTextReading reading = readClockText(c.text, 0, kLastRead);
        EXPECT_EQ(reading.verdict, c.verdict) << c.text;
        EXPECT_EQ(reading.clock.Year, c.year) << c.text;
    }

    CameraClock clock = readClockText("2005/06/15 10:00:00", 0, kLastRead).clock;
    CameraSettings settings;
    collectClock(clock, settings);
    EXPECT_EQ(settings.ClockYear, 0);
}
