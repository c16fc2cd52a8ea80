#pragma once

#include "camera/CameraSettings.h"
#include "records/ConfigRecord.h"
#include "records/RecordContext.h"
#include "records/RecordFile.h"

#include <array>
#include <cstdint>

namespace marrowby {

// The menu.dat layouts of the camera families. K600 and K800 share their bytes,
// except that the K800 record always carries 0 as Side Pir.
enum class MenuLayout {
    Standard,
    K100,
    K400,
    K500,
    K600,
    K800
};

// A clock window of the second timer, read straight from the form's edits.
struct TimerWindow {
    std::int32_t startHour = 0;
    std::int32_t startMinute = 0;
    std::int32_t stopHour = 0;
    std::int32_t stopMinute = 0;

    bool operator==(const TimerWindow &) const = default;
};

// One half of the K500 geographic coordinate.
struct CoordinatePart {
    std::int32_t direction = 0; // list index
    std::int32_t degrees = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;

    bool operator==(const CoordinatePart &) const = default;
};

// Values a layout takes from the form rather than from CameraSettings.
struct MenuExtras {
    TimerWindow secondTimer;
    std::int32_t dateFormat = 0;

    // K100: the four wireless password characters as numbers and the on/off index.
    std::array<std::int32_t, 4> wirelessPassword{};
    std::int32_t wirelessPasswordOn = 0;

    // K500: its own SD Cycle list and the coordinate.
    std::int32_t k500SdCycle = 0;
    CoordinatePart longitude;
    CoordinatePart latitude;

    bool operator==(const MenuExtras &) const = default;
};

// Writes a framed menu.dat record into the folder (see writeRecordFile).
WriteResult writeMenuFile(std::string_view folder, const ConfigRecord &record);

// Builds and frames the menu.dat settings record of a layout.
ConfigRecord buildMenuRecord(MenuLayout layout, const CameraSettings &settings,
    const MenuExtras &extras, RecordContext context);

// The factory record of the K100, K400, K500, K600 and K800 families: a fixed marker.
ConfigRecord buildFactoryMarkerRecord();

// The factory settings of the standard form as collected from its reset controls;
// the clock fields are filled by the collect step.
CameraSettings standardFactorySettings();

// The factory record of the standard family: the reset form collected with the
// given clock (whose year is clamped) and the Date Format on index 1.
ConfigRecord buildStandardFactoryRecord(CameraClock &clock, RecordContext context);

// Converts the wireless password text (digits) into the four record values: each
// character on its own as a decimal digit, a missing character as 0.
std::array<std::int32_t, 4> wirelessPasswordDigits(std::string_view text);

} // namespace marrowby
