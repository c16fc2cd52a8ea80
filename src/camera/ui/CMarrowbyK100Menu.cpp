#include "camera/ui/CMarrowbyK100Menu.h"

namespace marrowby {

namespace {

using Cell = CameraFormDescription::Cell;
using Number = CameraFormDescription::Number;

constexpr int kPasswordId = 1028;
constexpr int kPasswordSwitchId = 1049;

} // namespace

CameraFormDescription CMarrowbyK100Menu::description()
{
    namespace t = i18n::camera;
    const QString defaultPassword = QStringLiteral("7391");

    CameraFormDescription d;
    d.layout = MenuLayout::K100;
    d.cells = {
        Cell{.labelId = 1004,
            .caption = &t::Mode,
            .listId = 1013,
            .options = &t::CaptureModeOptions},
        Cell{.labelId = 1005,
            .caption = &t::ImageSize,
            .listId = 1014,
            .options
            = QStringList{QStringLiteral("3MP"), QStringLiteral("5MP"), QStringLiteral("1.3MP")},
            .initial = 1,
            .factory = 1},
        Cell{.labelId = 1006,
            .caption = &t::VideoSize,
            .listId = 1015,
            .options = QStringList{QStringLiteral("640x480"), QStringLiteral("320x240")}},
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
        Cell{.labelId = 1008,
            .caption = &t::VideoLength,
            .editId = 1002,
            .suffixLabelId = 1144,
            .suffixCaption = &t::Second},
        Cell{.labelId = 1012,
            .caption = &t::WirelessPwd,
            .listId = kPasswordSwitchId,
            .options = &t::OffOnOptions,
            .editId = kPasswordId},
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
        Number{1042, 0, 23, 0, 0, Correction::Hour},
        Number{1045, 0, 59, 0, 0, Correction::MinuteSecond},
        Number{1046, 0, 23, 0, 0, Correction::Hour},
        Number{1047, 0, 59, 0, 0, Correction::MinuteSecond},
    };
    // Four digits, never taken in: Generate reads the text as the edit shows it.
    d.texts = {{kPasswordId, 4, true, defaultPassword, defaultPassword}};
    d.takeInOrder = {1002, 1003, 1039, 1040, 1038, 1024, 1023, 1017, 1022, CameraId::ClockTextField,
        CameraId::FolderField, 1047, 1046, 1045, 1042};
    d.timers = {
        {1019, &t::Timer1, 1025, 1059, 1060, {1118, 1122, 1120, 1123}, {1017, 1022, 1023, 1024}},
        {1041, &t::Timer2, 1048, 1061, 1063, {1119, 1124, 1121, 1125}, {1042, 1045, 1046, 1047}},
    };
    d.switches = {
        {1025, 0, {1017, 1022, 1023, 1024}, {}},
        {1048, 0, {1042, 1045, 1046, 1047}, {}},
        {1033, 1, {1038, 1039, 1040}, {}},
        {1032, 0, {}, {1034, 1035, 1036, 1037}},
        // "Off" only locks the password; its text still goes to the camera.
        {kPasswordSwitchId, 0, {kPasswordId}, {}, false},
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

CMarrowbyK100Menu::CMarrowbyK100Menu(
    const FormContext &context, CameraState &state, QWidget *parent)
    : CameraFormEngine(description(), context, state, parent)
{
    setObjectName(QStringLiteral("163"));
    build();
}

void CMarrowbyK100Menu::collect(CameraSettings &s, MenuExtras &extras) const
{
    collectCommonFields(s);
    s.SidePir = 0; // no side sensor
    s.Timer2 = selection(1048);
    extras.secondTimer = {number(1042), number(1045), number(1046), number(1047)};
    extras.wirelessPassword = wirelessPasswordDigits(editText(kPasswordId).toStdString());
    extras.wirelessPasswordOn = selection(kPasswordSwitchId);
}

} // namespace marrowby
