#include "camera/ui/CameraFormParts.h"

namespace marrowby::camera_form {

namespace t = i18n::camera;
namespace id = CameraId;

namespace {

using Timer = CameraFormDescription::TimerGroup;
using Switch = CameraFormDescription::Switch;

constexpr std::array<MenuField, 4> kFirstTimerTimes = {MenuField::TimerStartHour,
    MenuField::TimerStartMinute, MenuField::TimerStopHour, MenuField::TimerStopMinute};
constexpr std::array<MenuField, 4> kSecondTimerTimes = {MenuField::Timer2StartHour,
    MenuField::Timer2StartMinute, MenuField::Timer2StopHour, MenuField::Timer2StopMinute};

// The two sets of timer ids.
struct TimerIdSet {
    int secondLabel;
    int secondList;
    std::array<int, 4> secondEdits;  // start hour, start minute, stop hour, stop minute
    std::array<int, 4> firstColumns; // the Hour and Minute labels above the edits
    std::array<int, 4> secondColumns;
    std::array<int, 4> secondTakeIn; // the order the second timer's edits are taken in
};
constexpr TimerIdSet kStandardTimerIds{1041, 1048, {1042, 1045, 1046, 1047},
    {1118, 1122, 1120, 1123}, {1119, 1124, 1121, 1125}, {1047, 1046, 1045, 1042}};
constexpr TimerIdSet kK600TimerIds{1047, 1052, {1048, 1049, 1050, 1051}, {1118, 1122, 1119, 1123},
    {1121, 1125, 1120, 1124}, {1051, 1050, 1048, 1049}};

const TimerIdSet &timerIdSet(TimerIds ids)
{
    return ids == TimerIds::K600 ? kK600TimerIds : kStandardTimerIds;
}

} // namespace

QList<int> secondTimerEdits(TimerIds timerIds)
{
    const std::array<int, 4> &edits = timerIdSet(timerIds).secondEdits;
    return {edits.begin(), edits.end()};
}

CameraFormDescription baseDescription(
    MenuLayout layout, TimerIds timerIds, const i18n::CaptionTable *firstTimer)
{
    const TimerIdSet &ids = timerIdSet(timerIds);
    const std::array<int, 4> &second = ids.secondEdits;
    const std::array<int, 4> first
        = {id::TimerStartHour, id::TimerStartMinute, id::TimerStopHour, id::TimerStopMinute};

    CameraFormDescription d;
    d.layout = layout;
    d.numbers = {
        Number{id::VideoLength, 1, 60, 10, 10, Correction::VideoLength},
        Number{id::IntervalValue, 0, 60, 1, 1, Correction::Interval},
        Number{id::TimeLapseHour, 0, 23, 0, 0, Correction::Hour},
        Number{id::TimeLapseMinute, 0, 59, 0, 0, Correction::MinuteSecond},
        Number{id::TimeLapseSecond, 0, 59, 0, 0, Correction::MinuteSecond},
    };
    for (const std::array<int, 4> &timer : {first, second}) {
        for (std::size_t i = 0; i < 4; ++i) {
            const bool hour = i % 2 == 0;
            d.numbers.append(Number{timer[i], 0, hour ? 23 : 59, 0, 0,
                hour ? Correction::Hour : Correction::MinuteSecond});
        }
    }
    // The second timer's edits are taken in last.
    d.takeInOrder
        = QList{id::VideoLength, id::IntervalValue, id::TimeLapseMinute, id::TimeLapseSecond,
              id::TimeLapseHour, id::TimerStopMinute, id::TimerStopHour, id::TimerStartHour,
              id::TimerStartMinute, id::ClockTextField, id::FolderField}
        + QList<int>(ids.secondTakeIn.begin(), ids.secondTakeIn.end());
    d.timers = {
        Timer{id::TimerLabel, firstTimer, id::TimerList, id::TimerStartLabel, id::TimerStopLabel,
            ids.firstColumns, first, MenuField::Timer, kFirstTimerTimes},
        Timer{ids.secondLabel, &t::Timer2, ids.secondList, id::Timer2StartLabel,
            id::Timer2StopLabel, ids.secondColumns, second, MenuField::Timer2, kSecondTimerTimes},
    };
    d.switches = {
        Switch{id::TimerList, 0, QList<int>(first.begin(), first.end()), {}},
        Switch{ids.secondList, 0, QList<int>(second.begin(), second.end()), {}},
        Switch{id::TimeLapseList, 1, {id::TimeLapseHour, id::TimeLapseMinute, id::TimeLapseSecond},
            {}},
        Switch{id::SerialList, 0, {},
            QList<int>(id::SerialCharacters.begin(), id::SerialCharacters.end())},
    };
    d.takeInLists = {id::Mode, id::ImageSize};
    d.serialLabelId = id::SerialLabel;
    d.serialListId = id::SerialList;
    d.serialCharacterIds = id::SerialCharacters;
    d.timeLapseLabelId = id::TimeLapseLabel;
    d.timeLapseListId = id::TimeLapseList;
    d.timeLapseColumnLabelIds = id::TimeLapseColumnLabels;
    d.timeLapseEditIds = {id::TimeLapseHour, id::TimeLapseMinute, id::TimeLapseSecond};
    d.generatedMessage = &t::MenuFileGenerated;
    d.factoryMessage = &t::FactoryFileGenerated;
    d.factoryRecord = CameraFormDescription::FactoryRecord::FixedMarker;
    return d;
}

Cell modeCell(OptionSource options)
{
    return {.labelId = id::ModeLabel,
        .caption = &t::Mode,
        .listId = id::Mode,
        .options = std::move(options),
        .field = MenuField::CameraMode};
}

Cell imageSizeCell(OptionSource options, int initial, int factory)
{
    return {.labelId = id::ImageSizeLabel,
        .caption = &t::ImageSize,
        .listId = id::ImageSize,
        .options = std::move(options),
        .initial = initial,
        .factory = factory,
        .field = MenuField::ImageSize};
}

Cell videoSizeCell(OptionSource options, int initial, int factory)
{
    return {.labelId = id::VideoSizeLabel,
        .caption = &t::VideoSize,
        .listId = id::VideoSize,
        .options = std::move(options),
        .initial = initial,
        .factory = factory,
        .field = MenuField::VideoSize};
}

Cell pictureNoCell()
{
    return {.labelId = id::PictureNoLabel,
        .caption = &t::PictureNo,
        .listId = id::PictureNo,
        .options = &t::PictureCountOptions,
        .field = MenuField::PictureNo};
}

Cell timeStampCell()
{
    return {.labelId = id::TimeStampLabel,
        .caption = &t::TimeStamp,
        .listId = id::TimeStamp,
        .options = &t::OnOffOptions,
        .field = MenuField::TimeStamp};
}

Cell sensorLevelCell()
{
    return {.labelId = id::SensorLevelLabel,
        .caption = &t::SensorLevel,
        .listId = id::SensorLevel,
        .options = &t::SensorLevelOptions,
        .field = MenuField::SenseLevel};
}

Cell videoLengthCell(CellPlacement placement)
{
    return {.labelId = id::VideoLengthLabel,
        .caption = &t::VideoLength,
        .editId = id::VideoLength,
        .suffixLabelId = id::SecondsLabel,
        .suffixCaption = &t::Second,
        .placement = placement,
        .editField = MenuField::VideoLength};
}

Cell intervalCell(CellPlacement placement)
{
    return {.labelId = id::IntervalLabel,
        .caption = &t::Interval,
        .listId = id::IntervalUnit,
        .options = &t::IntervalUnitOptions,
        .initial = 1,
        .factory = 1,
        .editId = id::IntervalValue,
        .placement = placement,
        .field = MenuField::IntervalUnit,
        .editField = MenuField::Interval};
}

Cell dateFormatCell(OptionSource options, CellPlacement placement)
{
    return {.labelId = id::DateFormatLabel,
        .caption = &t::DateFormat,
        .listId = id::DateFormat,
        .options = std::move(options),
        .initial = kDefaultDateFormat,
        .factory = kDefaultDateFormat,
        .placement = placement,
        .field = MenuField::DateFormat};
}

Cell offOnCell(
    int labelId, CaptionSource caption, int listId, MenuField field, int initial, int factory)
{
    return {.labelId = labelId,
        .caption = caption,
        .listId = listId,
        .options = &t::OffOnOptions,
        .initial = initial,
        .factory = factory,
        .field = field};
}

QStringList sizeList(std::string_view model, std::string_view family)
{
    const std::string_view sizes = model.empty() ? family : model;
    return QString::fromLatin1(sizes.data(), static_cast<qsizetype>(sizes.size()))
        .split(QLatin1Char(' '));
}

int startEntry(int model, int family)
{
    return model < 0 ? family : model;
}

int sidePirStart(const CameraQuirks &quirks, int family)
{
    switch (quirks.sidePir) {
    case CameraQuirks::SidePir::Family:
        return family;
    case CameraQuirks::SidePir::On:
        return 1;
    case CameraQuirks::SidePir::Off:
    case CameraQuirks::SidePir::OffAndLocked:
        break;
    }
    return 0;
}

void keepOnDefault(CameraFormDescription &description, const QList<int> &numberIds)
{
    for (Number &number : description.numbers) {
        if (numberIds.contains(number.id))
            number.keepOnDefault = true;
    }
}

void takeInBeforeClock(CameraFormDescription &description, const QList<int> &numberIds)
{
    QList<int> &order = description.takeInOrder;
    const qsizetype clock = order.indexOf(id::ClockTextField);
    for (qsizetype i = 0; i < numberIds.size(); ++i)
        order.insert(clock + i, numberIds[i]);
}

} // namespace marrowby::camera_form
