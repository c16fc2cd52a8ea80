#pragma once

#include "camera/CameraRecord.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
    WirelessPassword, // a text of up to four digits, kept as the four digits below
    WirelessDigit1,
    WirelessDigit2,
    WirelessDigit3,
    WirelessDigit4,
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
    // Only in the record: the clock, the record context and the copy of Side PIR.
    ClockYear,
    ClockMonth,
    ClockDay,
    ClockHour,
    ClockMinute,
    ClockSecond,
    CameraLanguage,
    TvMode,
    SidePirCopy,
};

// One byte of a menu layout: the field it carries and the range a camera
// accepts. A fixed byte (the Side PIR byte of a family without the sensor)
// always holds `low` and carries nothing.
struct MenuByte {
    MenuField field;
    int byte;
    int low;
    int high;
    bool fixed = false;
};

// A camera family as the files know it: the layout of its menu.dat, the name
// scripts and the card report know it by, the bytes of its record in byte
// order (what the writer fills and the card reader reads; the bytes not named
// stay 0), and whether its Default writes the fixed factory record instead of
// its settings.
struct CameraFamily {
    MenuLayout layout;
    std::string_view name;
    std::span<const MenuByte> bytes;
    bool writesFactoryMarker = true;
};

// Every family: the program's own in a fixed order (the order the card reader
// tries them in), then those registered while the program runs.
std::vector<CameraFamily> cameraFamilies();
std::optional<CameraFamily> cameraFamily(MenuLayout layout);

// A family beyond the program's own, known for as long as this object lives
// (a family a test makes up: its layout a MenuLayout value no family uses).
// Its byte table must outlive the registration.
class CameraFamilyRegistration {
public:
    explicit CameraFamilyRegistration(CameraFamily family);
    ~CameraFamilyRegistration();
    CameraFamilyRegistration(const CameraFamilyRegistration &) = delete;
    CameraFamilyRegistration &operator=(const CameraFamilyRegistration &) = delete;

private:
    MenuLayout m_layout;
};

// The bytes of a family's layout (none for a layout no family has).
std::span<const MenuByte> menuBytes(MenuLayout layout);

// Builds and frames a menu.dat settings record from its bytes' table.
ConfigRecord buildMenuRecord(std::span<const MenuByte> bytes, const CameraSettings &settings,
    const MenuExtras &extras, RecordContext context);

// The value a record carries for a field, and the way back.
std::int32_t recordValue(MenuField field, const CameraSettings &settings, const MenuExtras &extras,
    RecordContext context);
void keepRecordValue(MenuField field, std::int32_t value, CameraSettings &settings,
    MenuExtras &extras, RecordContext &context);

// The value a control shows for a field of these settings.
int shownValue(MenuField field, const CameraSettings &settings, const MenuExtras &extras);

// Keeps the value a control shows in its field. The interval keeps its value
// in the unit `intervalUnit` names (see collectInterval).
void keepShownValue(MenuField field, int value, CameraSettings &settings, MenuExtras &extras,
    int intervalUnit = -1);

// The wireless password as a form shows it: its four digits.
std::string wirelessPasswordText(const std::array<std::int32_t, 4> &digits);

} // namespace marrowby
