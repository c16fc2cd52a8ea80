#include "camera/ui/K500CameraForm.h"

#include "camera/ui/CameraFormParts.h"
#include "dialog/Texts.h"

namespace marrowby {

using namespace camera_form;

namespace {

using RowGroup = CameraFormDescription::RowGroup;
using Row = RowGroup::Row;
using F = MenuField;

namespace id {
constexpr int SidePirLabel = 1136, SidePir = 1028;
constexpr int SdCycleLabel = 1050, SdCycle = 1081;
constexpr int CoordinateLabel = 1080;
constexpr std::array<int, 4> CoordinateHeads = {1076, 1077, 1078, 1079};
constexpr int LongitudeLabel = 1054, Longitude = 1055;
constexpr int LongitudeDegrees = 1056, LongitudeMinutes = 1058, LongitudeSeconds = 1071;
constexpr int LatitudeLabel = 1012, Latitude = 1049;
constexpr int LatitudeDegrees = 1051, LatitudeMinutes = 1052, LatitudeSeconds = 1053;
} // namespace id

// This form shows its Date Format entries in Chinese or in English only.
QStringList dateFormats(int language)
{
    return optionTexts(i18n::camera::DateFormatOptions,
        language == i18n::kChineseLanguage ? i18n::kChineseLanguage : i18n::kEnglishLanguage);
}

} // namespace

CameraFormDescription K500CameraForm::description(int model, int language)
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
    Cell sidePirCell
        = offOnCell(id::SidePirLabel, &t::SidePir, id::SidePir, F::SidePir, sidePir, sidePir);
    sidePirCell.placement = CellPlacement::RightColumn; // below the coordinate group
    sidePirCell.enabled = quirks.sidePir != CameraQuirks::SidePir::OffAndLocked;
    Cell sdCycle = offOnCell(id::SdCycleLabel, &t::SdCycle, id::SdCycle, F::K500SdCycle);
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
    const Row longitude{id::LongitudeLabel, &t::Longitude, id::Longitude,
        QStringList{shown(t::East), shown(t::West)}, 0, 0,
        {id::LongitudeDegrees, id::LongitudeMinutes, id::LongitudeSeconds}, F::LongitudeDirection,
        {F::LongitudeDegrees, F::LongitudeMinutes, F::LongitudeSeconds}};
    const Row latitude{id::LatitudeLabel, &t::Latitude, id::Latitude,
        QStringList{shown(t::South), shown(t::North)}, 0, 0,
        {id::LatitudeDegrees, id::LatitudeMinutes, id::LatitudeSeconds}, F::LatitudeDirection,
        {F::LatitudeDegrees, F::LatitudeMinutes, F::LatitudeSeconds}};
    d.rowGroups = {RowGroup{
        .labelId = id::CoordinateLabel,
        .caption = &t::Coordinate,
        .headIds = {id::CoordinateHeads.begin(), id::CoordinateHeads.end()},
        .heads = {&t::Direction, &t::Degree, OptionEntry{&t::K500SecondMinute, 1},
            OptionEntry{&t::K500SecondMinute, 0}},
        .rows = {longitude, latitude},
    }};
    // Degrees up to their bound; at the bound the minutes and seconds become 0.
    for (const Row &row : {longitude, latitude}) {
        const int degrees = row.editIds[0];
        const int bound = row.listId == id::Longitude ? 180 : 90;
        d.numbers.append(Number{
            degrees, 0, bound, 0, 0, Correction::Degrees, false, {row.editIds[1], row.editIds[2]}});
        for (int arc : {row.editIds[1], row.editIds[2]})
            d.numbers.append(
                Number{arc, 0, 59, 0, 0, Correction::ArcMinuteSecond, false, {degrees}});
        takeInBeforeClock(d, row.editIds);
    }
    d.clockEditable = true;
    d.clockOrder = kDefaultDateFormat; // the Date Format the form starts with
    return d;
}

K500CameraForm::K500CameraForm(const FormContext &context, QWidget *parent)
    : K500CameraForm(context, *context.cameraState, parent)
{ }

K500CameraForm::K500CameraForm(const FormContext &context, CameraState &state, QWidget *parent)
    : CameraFormEngine(
        description(context.modelIndex, context.languageIndex), context, state, parent)
{
    setObjectName(QStringLiteral("149"));
    build();
}

} // namespace marrowby
