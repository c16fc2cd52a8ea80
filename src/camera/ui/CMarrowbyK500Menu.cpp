#include "camera/ui/CMarrowbyK500Menu.h"

#include "camera/ui/CameraFormParts.h"
#include "dialog/UiServices.h"

namespace marrowby {

using namespace camera_form;

namespace {

using RowGroup = CameraFormDescription::RowGroup;
using Row = RowGroup::Row;
using F = MenuField;

// This form shows its Date Format entries in Chinese or in English only.
QStringList dateFormats(int language)
{
    return optionTexts(i18n::camera::DateFormatOptions,
        language == i18n::kChineseLanguage ? i18n::kChineseLanguage : i18n::kEnglishLanguage);
}

} // namespace

CameraFormDescription CMarrowbyK500Menu::description(int model, int language)
{
    namespace t = i18n::camera;
    const CameraQuirks &quirks = ModelCatalogue::cameraQuirks(model);
    // "14MP" on the K500 models, unless the model names its own.
    const int imageSize = startEntry(quirks.imageSizeStart, 2);
    const int sidePir = sidePirStart(quirks, 0);
    const auto place = [](Cell cell, CellPlacement placement) {
        cell.placement = placement;
        return cell;
    };
    const auto shown
        = [language](const i18n::CaptionTable &table) { return captionText(table, language); };

    CameraFormDescription d = baseDescription(
        MenuLayout::K500, TimerIds::Standard, quirks.plainTimerCaption ? &t::Timer : &t::Timer1);
    Cell sidePirCell = offOnCell(1136, &t::SidePir, 1028, F::SidePir, sidePir, sidePir);
    sidePirCell.placement = CellPlacement::RightColumn; // below the coordinate group
    sidePirCell.enabled = quirks.sidePir != CameraQuirks::SidePir::OffAndLocked;
    Cell sdCycle = offOnCell(1050, &t::SdCycle, 1081, F::K500SdCycle);
    sdCycle.keepOnDefault = true;
    d.cells = {
        modeCell(),
        imageSizeCell(sizeList(quirks.imageSizes, "5MP 12MP 14MP"), imageSize, imageSize),
        videoSizeCell(QStringList{"1920x1080", "1280x720", "640x480", "320x240"}, 1, 1),
        pictureNoCell(),
        timeStampCell(),
        sensorLevelCell(),
        // Beside the coordinate group.
        videoLengthCell(CellPlacement::LeftColumn),
        intervalCell(CellPlacement::LeftColumn),
        dateFormatCell(dateFormats(language), CellPlacement::LeftColumn),
        place(sdCycle, CellPlacement::LeftColumn),
        sidePirCell,
    };
    d.rowGroups = {RowGroup{
        .labelId = 1080,
        .caption = &t::Coordinate,
        .headIds = {1076, 1077, 1078, 1079},
        .heads = {&t::Direction, &t::Degree, OptionEntry{&t::K500SecondMinute, 1},
            OptionEntry{&t::K500SecondMinute, 0}},
        .rows = {
            Row{1054, &t::Longitude, 1055, QStringList{shown(t::East), shown(t::West)}, 0, 0,
                {1056, 1058, 1071}, F::LongitudeDirection,
                {F::LongitudeDegrees, F::LongitudeMinutes, F::LongitudeSeconds}},
            Row{1012, &t::Latitude, 1049, QStringList{shown(t::South), shown(t::North)}, 0, 0,
                {1051, 1052, 1053}, F::LatitudeDirection,
                {F::LatitudeDegrees, F::LatitudeMinutes, F::LatitudeSeconds}},
        },
    }};
    d.numbers += {
        Number{1056, 0, 180, 0, 0, Correction::Degrees, false, {1058, 1071}},
        Number{1058, 0, 59, 0, 0, Correction::ArcMinuteSecond, false, {1056}},
        Number{1071, 0, 59, 0, 0, Correction::ArcMinuteSecond, false, {1056}},
        Number{1051, 0, 90, 0, 0, Correction::Degrees, false, {1052, 1053}},
        Number{1052, 0, 59, 0, 0, Correction::ArcMinuteSecond, false, {1051}},
        Number{1053, 0, 59, 0, 0, Correction::ArcMinuteSecond, false, {1051}},
    };
    takeInBeforeClock(d, {1056, 1058, 1071, 1051, 1052, 1053});
    d.clockEditable = true;
    d.clockOrder = kDefaultDateFormat; // the Date Format the form starts with
    return d;
}

CMarrowbyK500Menu::CMarrowbyK500Menu(
    const FormContext &context, CameraState &state, QWidget *parent)
    : CameraFormEngine(
        description(context.modelIndex, context.languageIndex), context, state, parent)
{
    setObjectName(QStringLiteral("149"));
    build();
}

} // namespace marrowby
