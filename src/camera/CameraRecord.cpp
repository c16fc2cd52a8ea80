#include "camera/CameraRecord.h"

#include "records/RecordFraming.h"

namespace marrowby {

namespace {

std::uint8_t low(std::int32_t value)
{
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFF);
}

void putTimerWindow(ConfigRecord &r, std::size_t first, const TimerWindow &window)
{
    r[first] = low(window.startHour);
    r[first + 1] = low(window.startMinute);
    r[first + 2] = low(window.stopHour);
    r[first + 3] = low(window.stopMinute);
}

void putCoordinate(ConfigRecord &r, std::size_t first, const CoordinatePart &part)
{
    r[first] = low(part.direction);
    r[first + 1] = low(part.degrees);
    r[first + 2] = low(part.minutes);
    r[first + 3] = low(part.seconds);
}

} // namespace

ConfigRecord buildMenuRecord(
    MenuLayout layout, const CameraSettings &s, const MenuExtras &extras, RecordContext context)
{
    ConfigRecord r;
    r[0] = low(s.CameraMode);
    r[1] = low(s.ImageSize);
    r[2] = low(s.VideoSize);
    r[3] = low(s.PictureNo);
    r[4] = low(s.VideoLength);
    r[5] = low(s.TimeStamp);
    r[6] = low(s.Interval);
    r[7] = low(s.SenseLevel);
    r[8] = low(s.Timer);
    switch (layout) {
    case MenuLayout::K400:
        r[9] = 1;
        break;
    case MenuLayout::K100:
    case MenuLayout::K800:
        r[9] = 0;
        break;
    default:
        r[9] = low(s.SidePir);
        break;
    }
    r[10] = low(s.TimeLapse);
    r[11] = low(s.TimeLapseHour);
    r[12] = low(s.TimeLapseMinute);
    r[13] = low(s.TimeLapseSecond);
    r[14] = low(s.ClockYear);
    r[15] = low(s.ClockMonth);
    r[16] = low(s.ClockDay);
    r[17] = low(s.ClockHour);
    r[18] = low(s.ClockMinute);
    r[19] = low(s.ClockSecond);
    r[20] = low(s.TimerStartHour);
    r[21] = low(s.TimerStartMinute);
    r[22] = low(s.TimerStopHour);
    r[23] = low(s.TimerStopMinute);
    r[24] = low(s.SerialNo);
    r[25] = low(s.SerialDigit1);
    r[26] = low(s.SerialDigit2);
    r[27] = low(s.SerialDigit3);
    r[28] = low(s.SerialDigit4);
    r[29] = context.cameraLanguage;
    r[30] = context.tvMode;

    switch (layout) {
    case MenuLayout::Standard:
        r[31] = low(s.Timer2);
        putTimerWindow(r, 32, extras.secondTimer);
        r[36] = low(s.SdCycle);
        r[51] = low(s.SidePir);
        break;
    case MenuLayout::K100:
        r[31] = low(s.Timer2);
        putTimerWindow(r, 32, extras.secondTimer);
        for (std::size_t i = 0; i < 4; ++i)
            r[36 + i] = low(extras.wirelessPassword[i]);
        r[40] = low(extras.wirelessPasswordOn);
        break;
    case MenuLayout::K400:
        r[31] = low(s.Timer2);
        putTimerWindow(r, 32, extras.secondTimer);
        break;
    case MenuLayout::K500:
        r[31] = low(s.Timer2);
        putTimerWindow(r, 32, extras.secondTimer);
        r[36] = low(extras.k500SdCycle);
        putCoordinate(r, 40, extras.longitude);
        putCoordinate(r, 44, extras.latitude);
        r[51] = low(s.SidePir);
        break;
    case MenuLayout::K600:
    case MenuLayout::K800:
        r[31] = low(s.BeepSound);
        r[32] = low(s.SdCycle);
        r[33] = low(s.Timer2);
        putTimerWindow(r, 34, extras.secondTimer);
        break;
    }
    r[48] = low(extras.dateFormat);
    MenuFileFraming(r);
    return r;
}

ConfigRecord buildFactoryMarkerRecord()
{
    ConfigRecord r;
    r[0] = r[1] = r[2] = r[3] = 0xFF;
    r[48] = 1;
    MenuFileFraming(r);
    return r;
}

CameraSettings standardFactorySettings()
{
    CameraSettings s;
    s.CameraMode = 0;
    s.ImageSize = 1;
    s.VideoSize = 1;
    s.PictureNo = 0;
    s.VideoLength = 9; // 10 seconds
    s.TimeStamp = 0;
    s.Interval = 1; // 1 minute
    s.SenseLevel = 0;
    s.Timer = 0;
    s.SidePir = 1;
    s.TimeLapse = 1;
    s.BeepSound = 1;
    return s;
}

ConfigRecord buildStandardFactoryRecord(CameraClock &clock, RecordContext context)
{
    CameraSettings s = standardFactorySettings();
    collectClock(clock, s);
    MenuExtras extras;
    extras.dateFormat = 1;
    return buildMenuRecord(MenuLayout::Standard, s, extras, context);
}

std::array<std::int32_t, 4> wirelessPasswordDigits(std::string_view text)
{
    std::array<std::int32_t, 4> digits{};
    for (std::size_t i = 0; i < 4 && i < text.size(); ++i) {
        const char c = text[i];
        digits[i] = (c >= '0' && c <= '9') ? c - '0' : 0;
    }
    return digits;
}

} // namespace marrowby
