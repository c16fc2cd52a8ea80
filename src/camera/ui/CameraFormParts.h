#pragma once

#include "camera/ui/CameraFormEngine.h"
#include "catalogue/ModelCatalogue.h"

namespace marrowby::camera_form {

using Cell = CameraFormDescription::Cell;
using Number = CameraFormDescription::Number;

// The ids of the second timer group and of the first timer's column labels,
// which come in two sets.
enum class TimerIds {
    Standard, // the standard, K100, K400 and K500 forms
    K600,     // the K600 and K800 forms
};

// What every camera form has: the shared number edits, both timers, serial
// number and time lapse with their switches, the take-in order around the
// clock and folder, the usual messages and the fixed factory marker on
// Default. A family adds its cells and states where it differs.
CameraFormDescription baseDescription(
    MenuLayout layout, TimerIds timerIds, const i18n::CaptionTable *firstTimer);

// The second timer's edits of a set of timer ids.
QList<int> secondTimerEdits(TimerIds timerIds);

// The cells every family has, each bound to its setting.
Cell modeCell(OptionSource options = &i18n::camera::CaptureModeOptions);
Cell imageSizeCell(OptionSource options, int initial = 0, int factory = 0);
Cell videoSizeCell(OptionSource options, int initial = 0, int factory = 0);
Cell pictureNoCell();
Cell timeStampCell();
Cell sensorLevelCell();
Cell videoLengthCell(CellPlacement placement = CellPlacement::Grid);
Cell intervalCell(CellPlacement placement = CellPlacement::Grid);
Cell dateFormatCell(OptionSource options = &i18n::camera::DateFormatOptions,
    CellPlacement placement = CellPlacement::Grid);
// An Off/On cell of a family's own (side sensor, beep, SD cycling).
Cell offOnCell(int labelId, CaptionSource caption, int listId, MenuField field, int initial = 0,
    int factory = 0);

// A model's own list of sizes (space-separated), or the family's.
QStringList sizeList(std::string_view model, std::string_view family);
// The entry a model's list opens on, or the family's (-1: the model names none).
int startEntry(int model, int family);
// The entry Side PIR starts and resets to on a model of a family that starts it on `family`.
int sidePirStart(const CameraQuirks &quirks, int family);

// Default leaves these number edits as they are.
void keepOnDefault(CameraFormDescription &description, const QList<int> &numberIds);
// Edits taken in after the shared ones and before the clock text.
void takeInBeforeClock(CameraFormDescription &description, const QList<int> &numberIds);

} // namespace marrowby::camera_form
