#include "camera/ui/CMarrowbyK500Menu.h"

#include "dialog/UiServices.h"

namespace marrowby {

namespace {

using Cell = CameraFormDescription::Cell;
using Number = CameraFormDescription::Number;
using RowGroup = CameraFormDescription::RowGroup;

// Image Size list of a model and the entry it starts and resets to ("14MP" on
// the K500 models, "12MP" on the K410MG-1080P).
struct ImageSizes {
    QStringList sizes;
    int initial = 0;
};

ImageSizes imageSizes(int model)
{
    const QString mp5 = QStringLiteral("5MP"), mp12 = QStringLiteral("12MP"),
                  mp13 = QStringLiteral("1.3MP"), mp14 = QStringLiteral("14MP");
    if (model == 13)
        return {{mp5, mp12, mp13, mp14}, 3};
    if (model == 17)
        return {{mp5, mp12, mp13}, 1};
    return {{mp5, mp12, mp14}, 2};
}

QString captionIn(const i18n::CaptionTable &table, int language)
{
    return qtText(i18n::caption(table, language));
}

// This form shows its Date Format entries in Chinese or in English only.
QStringList dateFormats(int language)
{
    QStringList texts;
    const int shown
        = language == i18n::kChineseLanguage ? i18n::kChineseLanguage : i18n::kEnglishLanguage;
    for (std::string_view entry : i18n::options(i18n::camera::DateFormatOptions, shown))
        texts << qtText(entry);
    return texts;
}

} // namespace

CameraFormDescription CMarrowbyK500Menu::description(int model, int language)
{
    namespace t = i18n::camera;
    const ImageSizes images = imageSizes(model);
    // Side PIR starts on "On" for the K500A and K500MG; the K500WA has none, so
    // its list stands on "Off" and cannot be changed.
    const int sidePir = (model == 11 || model == 13) ? 1 : 0;

    CameraFormDescription d;
    d.layout = MenuLayout::K500;
    d.cells = {
        Cell{.labelId = 1004,
            .caption = &t::Mode,
            .listId = 1013,
            .options = &t::CaptureModeOptions},
        Cell{.labelId = 1005,
            .caption = &t::ImageSize,
            .listId = 1014,
            .options = images.sizes,
            .initial = images.initial,
            .factory = images.initial},
        Cell{.labelId = 1006,
            .caption = &t::VideoSize,
            .listId = 1015,
            .options = QStringList{QStringLiteral("1920x1080"), QStringLiteral("1280x720"),
                QStringLiteral("640x480"), QStringLiteral("320x240")},
            .initial = 1,
            .factory = 1},
        Cell{.labelId = 1007,
            .caption = &t::PictureNo,
            .listId = 1016,
            .options = &t::PictureCountOptions},
        Cell{
            .labelId = 1011, .caption = &t::TimeStamp, .listId = 1026, .options = &t::OnOffOptions},
        Cell{.labelId = 1010,
            .caption = &t::SensorLevel,
            .listId = 1027,
            .options = &t::SensorLevelOptions},
        // Beside the coordinate group.
        Cell{.labelId = 1008,
            .caption = &t::VideoLength,
            .editId = 1002,
            .suffixLabelId = 1144,
            .suffixCaption = &t::Second,
            .placement = CellPlacement::LeftColumn},
        Cell{.labelId = 1009,
            .caption = &t::Interval,
            .listId = 1029,
            .options = &t::IntervalUnitOptions,
            .initial = 1,
            .factory = 1,
            .editId = 1003,
            .placement = CellPlacement::LeftColumn},
        Cell{.labelId = 1043,
            .caption = &t::DateFormat,
            .listId = 1044,
            .options = dateFormats(language),
            .initial = 1,
            .factory = 1,
            .placement = CellPlacement::LeftColumn},
        Cell{.labelId = 1050,
            .caption = &t::SdCycle,
            .listId = 1081,
            .options = &t::OffOnOptions,
            .keepOnDefault = true,
            .placement = CellPlacement::LeftColumn},
        // Below the coordinate group.
        Cell{.labelId = 1136,
            .caption = &t::SidePir,
            .listId = 1028,
            .options = &t::OffOnOptions,
            .initial = sidePir,
            .factory = sidePir,
            .placement = CellPlacement::RightColumn,
            .enabled = model != 12},
    };
    d.rowGroups = {RowGroup{
        .labelId = 1080,
        .caption = &t::Coordinate,
        .headIds = {1076, 1077, 1078, 1079},
        .heads = {&t::Direction, &t::Degree, OptionEntry{&t::K500SecondMinute, 1},
            OptionEntry{&t::K500SecondMinute, 0}},
        .rows = {
            {.labelId = 1054,
                .caption = &t::Longitude,
                .listId = 1055,
                .options = QStringList{captionIn(t::East, language), captionIn(t::West, language)},
                .editIds = {1056, 1058, 1071}},
            {.labelId = 1012,
                .caption = &t::Latitude,
                .listId = 1049,
                .options = QStringList{captionIn(t::South, language), captionIn(t::North, language)},
                .editIds = {1051, 1052, 1053}},
        },
    }};
    d.numbers = {
        Number{1002, 1, 60, 10, 10, Correction::VideoLength},
        Number{1003, 0, 60, 1, 1, Correction::Interval},
        Number{1038, 0, 23, 0, 0, Correction::Hour},
        Number{1039, 0, 59, 0, 0, Correction::MinuteSecond},
        Number{1040, 0, 59, 0, 0, Correction::MinuteSecond},
        Number{1017, 0, 23, 0, 0, Correction::Hour},
        Number{1022, 0, 59, 0, 0, Correction::MinuteSecond},
        Number{1023, 0, 23, 0, 0, Correction::Hour},
        Number{1024, 0, 59, 0, 0, Correction::MinuteSecond},
        Number{1042, 0, 23, 0, 0, Correction::Hour},
        Number{1045, 0, 59, 0, 0, Correction::MinuteSecond},
        Number{1046, 0, 23, 0, 0, Correction::Hour},
        Number{1047, 0, 59, 0, 0, Correction::MinuteSecond},
        Number{1056, 0, 180, 0, 0, Correction::Degrees, false, {1058, 1071}},
        Number{1058, 0, 59, 0, 0, Correction::ArcMinuteSecond, false, {1056}},
        Number{1071, 0, 59, 0, 0, Correction::ArcMinuteSecond, false, {1056}},
        Number{1051, 0, 90, 0, 0, Correction::Degrees, false, {1052, 1053}},
        Number{1052, 0, 59, 0, 0, Correction::ArcMinuteSecond, false, {1051}},
        Number{1053, 0, 59, 0, 0, Correction::ArcMinuteSecond, false, {1051}},
    };
    d.takeInOrder = {1002, 1003, 1039, 1040, 1038, 1024, 1023, 1017, 1022, 1056, 1058, 1071, 1051,
        1052, 1053, CameraId::ClockTextField, CameraId::FolderField, 1047, 1046, 1045, 1042};
    d.timers = {
        {1019, model == 17 ? &t::Timer : &t::Timer1, 1025, 1059, 1060, {1118, 1122, 1120, 1123},
            {1017, 1022, 1023, 1024}},
        {1041, &t::Timer2, 1048, 1061, 1063, {1119, 1124, 1121, 1125}, {1042, 1045, 1046, 1047}},
    };
    d.switches = {
        {1025, 0, {1017, 1022, 1023, 1024}, {}},
        {1048, 0, {1042, 1045, 1046, 1047}, {}},
        {1033, 1, {1038, 1039, 1040}, {}},
        {1032, 0, {}, {1034, 1035, 1036, 1037}},
    };
    d.takeInLists = {1013, 1014};
    d.serialLabelId = 1021;
    d.serialListId = 1032;
    d.serialCharacterIds = {1034, 1035, 1036, 1037};
    d.timeLapseLabelId = 1020;
    d.timeLapseListId = 1033;
    d.timeLapseColumnLabelIds = {1126, 1127, 1128};
    d.timeLapseEditIds = {1038, 1039, 1040};
    d.clockEditable = true;
    d.clockOrder = 1; // "MMDDYY", the Date Format the form starts with
    d.generatedMessage = &t::MenuFileGenerated;
    d.factoryMessage = &t::FactoryFileGenerated;
    d.factoryRecord = CameraFormDescription::FactoryRecord::FixedMarker;
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

void CMarrowbyK500Menu::collect(CameraSettings &s, MenuExtras &extras) const
{
    collectCommonFields(s);
    s.SidePir = selection(1028);
    s.Timer2 = selection(1048);
    extras.secondTimer = {number(1042), number(1045), number(1046), number(1047)};
    extras.k500SdCycle = selection(1081);
    extras.longitude = {selection(1055), number(1056), number(1058), number(1071)};
    extras.latitude = {selection(1049), number(1051), number(1052), number(1053)};
}

} // namespace marrowby
