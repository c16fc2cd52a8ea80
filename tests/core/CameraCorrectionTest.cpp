#include "camera/CameraCorrection.h"

#include <gtest/gtest.h>

using namespace marrowby;

namespace {

struct Case {
    const char *name;
    Correction correction;
    int value;
    CorrectionInputs inputs;
    CorrectedValue expected;
};

} // namespace

TEST(CameraCorrection, CorrectsEachKindAtItsEdges)
{
    // clang-format off
    const Case cases[] = {
        {"video length in range",     Correction::VideoLength, 60, {}, {60}},
        {"video length 0",            Correction::VideoLength, 0, {}, {10}},
        {"video length 61",           Correction::VideoLength, 61, {}, {10}},
        {"hour 23 kept",              Correction::Hour, 23, {}, {23}},
        {"hour 24",                   Correction::Hour, 24, {}, {0}},
        {"minute 59 kept",            Correction::MinuteSecond, 59, {}, {59}},
        {"minute 60",                 Correction::MinuteSecond, 60, {}, {0}},
        {"0 minutes",                 Correction::Interval, 0, {.intervalUnit = 1}, {1}},
        {"61 minutes",                Correction::Interval, 61, {.intervalUnit = 1}, {1}},
        {"60 minutes kept",           Correction::Interval, 60, {.intervalUnit = 1}, {60}},
        {"0 seconds kept",            Correction::Interval, 0, {.intervalUnit = 0}, {0}},
        {"61 seconds",                Correction::Interval, 61, {.intervalUnit = 0}, {1}},
        {"no unit chosen",            Correction::Interval, 99, {.intervalUnit = -1}, {99}},
        {"degrees below the bound",   Correction::Degrees, 89, {.bound = 90}, {89, false}},
        {"degrees at the bound",      Correction::Degrees, 90, {.bound = 90}, {90, true}},
        {"degrees above the bound",   Correction::Degrees, 200, {.bound = 180}, {180, true}},
        {"negative degrees",          Correction::Degrees, -3, {.bound = 180}, {0, false}},
        {"arc minute below 60",       Correction::ArcMinuteSecond, 59, {.bound = 90, .degrees = 10}, {59}},
        {"arc minute above 59",       Correction::ArcMinuteSecond, 75, {.bound = 90, .degrees = 10}, {59}},
        {"arc second at the bound",   Correction::ArcMinuteSecond, 30, {.bound = 90, .degrees = 90}, {0}},
        {"no correction",             Correction::None, 1000, {}, {1000}},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(correctValue(c.correction, c.value, c.inputs), c.expected);
    }
}
