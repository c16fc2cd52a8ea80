#include "camera/ui/CMarrowbyK600Menu.h"

namespace marrowby {

namespace {
using Cell = CameraFormDescription::Cell;
using Number = CameraFormDescription::Number;
} // namespace

CameraFormDescription CMarrowbyK600Menu::description(int model)
{
    namespace t = i18n::camera;
    // The K810 leaves its side sensor off unless the user turns it on.
    const int sidePir = model == 10 ? 0 : 1;

    CameraFormDescription d;
    d.layout = MenuLayout::K600;
    d.cells = {
        Cell{.labelId = 1004,
            .caption = &t::Mode,
            .listId = 1013,
            .options = &t::CaptureModeOptions},
        Cell{.labelId = 1005,
            .caption = &t::ImageSize,
            .listId = 1014,
            .options = QStringList{"12MP", "5MP", "2MP"}},
        Cell{.labelId = 1006,
            .caption = &t::VideoSize,
            .listId = 1015,
            .options = QStringList{"1440x1080", "1280x720", "640x480"},
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
        Cell{.labelId = 1012,
            .caption = &t::SidePir,
            .listId = 1028,
            .options = &t::OffOnOptions,
            .initial = sidePir,
            .factory = sidePir},
        Cell{.labelId = 1008,
            .caption = &t::VideoLength,
            .editId = 1002,
            .suffixLabelId = 1144,
            .suffixCaption = &t::Second},
        Cell{.labelId = 1009,
            .caption = &t::Interval,
            .listId = 1029,
            .options = &t::IntervalUnitOptions,
            .initial = 1,
            .factory = 1,
            .editId = 1003},
        Cell{.labelId = 1043,
            .caption = &t::DateFormat,
            .listId = 1044,
            .options = &t::DateFormatOptions,
            .initial = 1,
            .factory = 1},
        Cell{.labelId = 1041,
            .caption = &t::BeepSound,
            .listId = 1042,
            .options = &t::OffOnOptions,
            .initial = 1,
            .factory = 1},
        // Default keeps SD Cycle.
        Cell{.labelId = 1045,
            .caption = &t::SdCycle,
            .listId = 1046,
            .options = &t::OffOnOptions,
            .keepOnDefault = true},
    };
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
        Number{1048, 0, 23, 0, 0, Correction::Hour},
        Number{1049, 0, 59, 0, 0, Correction::MinuteSecond},
        Number{1050, 0, 23, 0, 0, Correction::Hour},
        Number{1051, 0, 59, 0, 0, Correction::MinuteSecond},
    };
    d.takeInOrder = {1002, 1003, 1039, 1040, 1038, 1024, 1023, 1017, 1022, CameraId::ClockTextField,
        CameraId::FolderField, 1051, 1050, 1048, 1049};
    d.timers = {
        {1019, &t::Timer, 1025, 1059, 1060, {1118, 1122, 1119, 1123}, {1017, 1022, 1023, 1024}},
        {1047, &t::Timer2, 1052, 1061, 1063, {1121, 1125, 1120, 1124}, {1048, 1049, 1050, 1051}},
    };
    d.switches = {
        {1025, 0, {1017, 1022, 1023, 1024}, {}},
        {1052, 0, {1048, 1049, 1050, 1051}, {}},
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
    d.generatedMessage = &t::MenuFileGeneratedShort;
    d.factoryMessage = &t::FactoryFileGeneratedNoSpace;
    d.factoryRecord = CameraFormDescription::FactoryRecord::FixedMarker;
    return d;
}

CMarrowbyK600Menu::CMarrowbyK600Menu(
    const FormContext &context, CameraState &state, QWidget *parent)
    : CameraFormEngine(description(context.modelIndex), context, state, parent)
{
    setObjectName(QStringLiteral("140"));
    build();
}

void CMarrowbyK600Menu::collect(CameraSettings &s, MenuExtras &extras) const
{
    collectCommonFields(s);
    s.SidePir = selection(1028);
    s.BeepSound = selection(1042);
    s.SdCycle = selection(1046);
    s.Timer2 = selection(1052);
    extras.secondTimer = {number(1048), number(1049), number(1050), number(1051)};
}

} // namespace marrowby
