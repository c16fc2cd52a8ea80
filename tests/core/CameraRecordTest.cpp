#include "camera/CameraRecord.h"
#include "records/Crc16.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace marrowby;

namespace {

// One rich setting: every field distinct, so a byte in the wrong place shows.
CameraSettings richSettings()
{
    CameraSettings s;
    s.CameraMode = 2;
    s.ImageSize = 3;
    s.VideoSize = 1;
    s.PictureNo = 2;
    s.VideoLength = 19;
    s.TimeStamp = 1;
    s.Interval = 158;
    s.SenseLevel = 2;
    s.Timer = 1;
    s.SidePir = 1;
    s.TimeLapse = 1;
    s.TimeLapseHour = 5;
    s.TimeLapseMinute = 6;
    s.TimeLapseSecond = 7;
    s.ClockYear = 11;
    s.ClockMonth = 12;
    s.ClockDay = 31;
    s.ClockHour = 23;
    s.ClockMinute = 58;
    s.ClockSecond = 57;
    s.TimerStartHour = 8;
    s.TimerStartMinute = 9;
    s.TimerStopHour = 18;
    s.TimerStopMinute = 19;
    s.SerialNo = 1;
    s.SerialDigit1 = 10;
    s.SerialDigit2 = 35;
    s.SerialDigit3 = 0;
    s.SerialDigit4 = 9;
    s.Timer2 = 1;
    s.SdCycle = 1;
    s.BeepSound = 0;
    return s;
}

MenuExtras richExtras()
{
    MenuExtras e;
    e.secondTimer = {20, 21, 22, 23};
    e.dateFormat = 2;
    e.wirelessPassword = {1, 2, 3, 4};
    e.wirelessPasswordOn = 1;
    e.k500SdCycle = 1;
    e.longitude = {1, 179, 58, 57};
    e.latitude = {0, 89, 44, 43};
    return e;
}

// Bytes 0..30, the same in every layout (byte 9 aside).
std::vector<std::uint8_t> commonBytes()
{
    return {2, 3, 1, 2, 19, 1, 158, 2, 1, 1, 1, 5, 6, 7, 11, 12, 31, 23, 58, 57, 8, 9, 18, 19, 1,
        10, 35, 0, 9, /*language*/ 4, /*tv*/ 7};
}

std::vector<std::uint8_t> expectedRecord(
    std::map<std::size_t, std::uint8_t> tail, std::uint8_t byte9)
{
    std::vector<std::uint8_t> r = commonBytes();
    r.resize(60, 0);
    r[9] = byte9;
    for (const auto &[index, value] : tail)
        r[index] = value;
    const std::vector<std::uint8_t> first50(r.begin(), r.begin() + 50);
    const std::uint16_t crc = crc16Of(first50);
    r[56] = crc & 0xFF;
    r[57] = crc >> 8;
    r[58] = 0x0D;
    r[59] = 0x0A;
    return r;
}

std::vector<std::uint8_t> bytesOf(const ConfigRecord &record)
{
    return {record.bytes.begin(), record.bytes.end()};
}

} // namespace

TEST(MenuRecord, EveryLayoutForOneRichSetting)
{
    const RecordContext context{4, 7};
    struct Case {
        MenuLayout layout;
        std::uint8_t byte9;
        std::map<std::size_t, std::uint8_t> tail;
    };
    const Case cases[] = {
        {MenuLayout::Standard, 1,
            {{31, 1}, {32, 20}, {33, 21}, {34, 22}, {35, 23}, {36, 1}, {48, 2}, {51, 1}}},
        {MenuLayout::K100, 0,
            {{31, 1}, {32, 20}, {33, 21}, {34, 22}, {35, 23}, {36, 1}, {37, 2}, {38, 3}, {39, 4},
                {40, 1}, {48, 2}}},
        {MenuLayout::K400, 1, {{31, 1}, {32, 20}, {33, 21}, {34, 22}, {35, 23}, {48, 2}}},
        {MenuLayout::K500, 1,
            {{31, 1}, {32, 20}, {33, 21}, {34, 22}, {35, 23}, {36, 1}, {40, 1}, {41, 179}, {42, 58},
                {43, 57}, {44, 0}, {45, 89}, {46, 44}, {47, 43}, {48, 2}, {51, 1}}},
        {MenuLayout::K600, 1,
            {{31, 0}, {32, 1}, {33, 1}, {34, 20}, {35, 21}, {36, 22}, {37, 23}, {48, 2}}},
        {MenuLayout::K800, 0,
            {{31, 0}, {32, 1}, {33, 1}, {34, 20}, {35, 21}, {36, 22}, {37, 23}, {48, 2}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.layout));
        EXPECT_EQ(bytesOf(buildMenuRecord(c.layout, richSettings(), richExtras(), context)),
            expectedRecord(c.tail, c.byte9));
    }
}

TEST(MenuRecord, SidePirRulesPerLayout)
{
    CameraSettings s = richSettings();
    s.SidePir = 0;
    const RecordContext context{2, 0};
    // The K400 always writes 1, the K100 and K800 always 0.
    EXPECT_EQ(buildMenuRecord(MenuLayout::K400, s, {}, context)[9], 1);
    s.SidePir = 1;
    EXPECT_EQ(buildMenuRecord(MenuLayout::K100, s, {}, context)[9], 0);
    EXPECT_EQ(buildMenuRecord(MenuLayout::K800, s, {}, context)[9], 0);

    // Changing only Side Pir changes bytes 9, 51 and the checksum of the standard record.
    CameraSettings off = s;
    off.SidePir = 0;
    const ConfigRecord a = buildMenuRecord(MenuLayout::Standard, s, {}, context);
    const ConfigRecord b = buildMenuRecord(MenuLayout::Standard, off, {}, context);
    std::vector<std::size_t> differing;
    for (std::size_t i = 0; i < kRecordSize; ++i)
        if (a[i] != b[i])
            differing.push_back(i);
    EXPECT_EQ(differing, (std::vector<std::size_t>{9, 51, 56, 57}));
}

TEST(MenuRecord, FieldsAreStoredAsTheirLowByte)
{
    CameraSettings s;
    s.Interval = 60 + 128 + 256; // only the low byte reaches the record
    s.CameraMode = -1;
    const ConfigRecord r = buildMenuRecord(MenuLayout::Standard, s, {}, {});
    EXPECT_EQ(r[6], 188);
    EXPECT_EQ(r[0], 0xFF);
}

TEST(FactoryRecord, MarkerFileIsByteExact)
{
    std::vector<std::uint8_t> expected = {0xFF, 0xFF, 0xFF, 0xFF};
    expected.insert(expected.end(), 44, 0x00);
    expected.push_back(0x01);
    expected.insert(expected.end(), 7, 0x00);
    expected.insert(expected.end(), {0xA1, 0xBB, 0x0D, 0x0A});
    EXPECT_EQ(bytesOf(buildFactoryMarkerRecord()), expected);
}

TEST(FactoryRecord, StandardFamilyFromTheResetForm)
{
    CameraClock clock{2035, 6, 15, 10, 20, 30};
    const ConfigRecord r = buildStandardFactoryRecord(clock, RecordContext{1, 7});
    EXPECT_EQ(clock.Year, 2031) << "the clamped year is written back";
    std::vector<std::uint8_t> expected(60, 0);
    const std::map<std::size_t, std::uint8_t> set
        = {{1, 1}, {2, 1}, {4, 9}, {6, 1}, {9, 1}, {10, 1}, {14, 21}, {15, 6}, {16, 15}, {17, 10},
            {18, 20}, {19, 30}, {29, 1}, {30, 7}, {48, 1}, {51, 1}};
    for (const auto &[i, v] : set)
        expected[i] = v;
    const std::uint16_t crc
        = crc16Of(std::vector<std::uint8_t>(expected.begin(), expected.begin() + 50));
    expected[56] = crc & 0xFF;
    expected[57] = crc >> 8;
    expected[58] = 0x0D;
    expected[59] = 0x0A;
    EXPECT_EQ(bytesOf(r), expected);
}

TEST(CollectRules, IntervalVideoLengthAndClock)
{
    CameraSettings s;
    collectInterval(s, 30, 0);
    EXPECT_EQ(s.Interval, 158);
    collectInterval(s, 30, 1);
    EXPECT_EQ(s.Interval, 30);
    collectInterval(s, 5, -1); // no unit selected: unchanged
    EXPECT_EQ(s.Interval, 30);

    collectVideoLength(s, 1);
    EXPECT_EQ(s.VideoLength, 0);
    collectVideoLength(s, 60);
    EXPECT_EQ(s.VideoLength, 59);

    struct YearCase {
        int year;
        int clamped;
        int byte;
    };
    for (const YearCase c : {YearCase{2035, 2031, 21}, YearCase{2009, 2010, 0},
             YearCase{2010, 2010, 0}, YearCase{2031, 2031, 21}, YearCase{2024, 2024, 14}}) {
        CameraClock clock{c.year, 2, 3, 4, 5, 6};
        collectClock(clock, s);
        EXPECT_EQ(clock.Year, c.clamped) << c.year;
        EXPECT_EQ(s.ClockYear, c.byte) << c.year;
        EXPECT_EQ(s.ClockSecond, 6);
    }

    // Get Time and the Date Format list correct a fetched year differently.
    EXPECT_EQ(correctFetchedYear(2009), 2011);
    EXPECT_EQ(correctFetchedYear(2040), 2031);
    EXPECT_EQ(correctFetchedYear(2026), 2026);
}

TEST(CollectRules, ClockTextFollowsTheDateFormat)
{
    struct Case {
        const char *text;
        int format;
        CameraClock expected;
    };
    const CameraClock before{2020, 1, 2, 3, 4, 5};
    const Case cases[] = {
        {"2024/12/31 23:59:58", 0, {2024, 12, 31, 23, 59, 58}},
        {"12/31/2024 23:59:58", 1, {2024, 12, 31, 23, 59, 58}},
        {"31/12/2024 23:59:58", 2, {2024, 12, 31, 23, 59, 58}},
        {"2009/7/8  1:2:3", 0, {2009, 7, 8, 1, 2, 3}},
        {"2024/12", 0, {2024, 12, 2, 3, 4, 5}}, // values not supplied keep their contents
        {"garbage", 0, before},
    };
    for (const Case &c : cases) {
        CameraClock clock = before;
        parseClockText(c.text, c.format, clock);
        EXPECT_EQ(clock, c.expected) << c.text;
    }

    // A typed 2009 reaches the record as year byte 0 (clamped to 2010).
    CameraClock clock;
    parseClockText("2009/1/1 0:0:0", 0, clock);
    CameraSettings s;
    collectClock(clock, s);
    EXPECT_EQ(s.ClockYear, 0);
}

TEST(CollectRules, WirelessPasswordDigits)
{
    EXPECT_EQ(wirelessPasswordDigits("1234"), (std::array<std::int32_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(wirelessPasswordDigits("90"), (std::array<std::int32_t, 4>{9, 0, 0, 0}));
    EXPECT_EQ(wirelessPasswordDigits(""), (std::array<std::int32_t, 4>{0, 0, 0, 0}));
}
