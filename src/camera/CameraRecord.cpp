#include "camera/CameraRecord.h"

#include "camera/MenuFields.h"

#include "records/RecordFraming.h"

namespace marrowby {

WriteResult writeMenuFile(std::string_view folder, const ConfigRecord &record)
{
    return writeRecordFile(
        folder, kMenuFileName, std::vector<std::uint8_t>(record.bytes.begin(), record.bytes.end()));
}

namespace {

std::uint8_t low(std::int32_t value)
{
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFF);
}

} // namespace

ConfigRecord buildMenuRecord(std::span<const MenuByte> bytes, const CameraSettings &s,
    const MenuExtras &extras, RecordContext context)
{
    ConfigRecord r;
    for (const MenuByte &m : bytes) {
        r[static_cast<std::size_t>(m.byte)]
            = low(m.fixed ? m.low : recordValue(m.field, s, extras, context));
    }
    MenuFileFraming(r);
    return r;
}

ConfigRecord buildMenuRecord(
    MenuLayout layout, const CameraSettings &s, const MenuExtras &extras, RecordContext context)
{
    return buildMenuRecord(menuBytes(layout), s, extras, context);
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
