#include "camera/ui/CMarrowbyCameraMenu.h"

namespace marrowby {

namespace {

using Cell = CameraFormDescription::Cell;
using Number = CameraFormDescription::Number;

QStringList imageSizes(int model)
{
    if (model == 5)
        return {QStringLiteral("12MP"), QStringLiteral("5MP"), QStringLiteral("1.3MP")};
    return {QStringLiteral("5MP"), QStringLiteral("12MP"), QStringLiteral("1.3MP")};
}

QStringList videoSizes(int model)
{
    if (model == 5)
        return {QStringLiteral("1280x720"), QStringLiteral("640x480"), QStringLiteral("320x240")};
    if (model == 15 || model == 16)
        return {QStringLiteral("1920x1080"), QStringLiteral("1280x720"), QStringLiteral("640x480"),
            QStringLiteral("320x240")};
    return {QStringLiteral("640x480"), QStringLiteral("320x240")};
}

// Model 0 (no model chosen) offers only "Camera" and "Video".
OptionSource captureModes(int model, int language)
{
    if (model != 0)
        return &i18n::camera::CaptureModeOptions;
    const auto texts = i18n::options(i18n::camera::CaptureModeOptions, language);
    return QStringList{QString::fromUtf8(texts[0].data(), static_cast<qsizetype>(texts[0].size())),
        QString::fromUtf8(texts[1].data(), static_cast<qsizetype>(texts[1].size()))};
}

} // namespace

CameraFormDescription CMarrowbyCameraMenu::description(int model, int language)
{
    namespace t = i18n::camera;
    const bool fullHd = model == 15 || model == 16;

    CameraFormDescription d;
    d.layout = MenuLayout::Standard;
    //            frame label caption                 list  options                         init
    //            factory
    d.cells = {
        Cell{.labelId = 1004,
            .caption = &t::Mode,
            .listId = 1013,
            .options = captureModes(model, language)},
        Cell{.labelId = 1005,
            .caption = &t::ImageSize,
            .listId = 1014,
            .options = imageSizes(model),
            .initial = (fullHd || model == 0) ? 1 : 0,
            .factory = 1},
        Cell{.labelId = 1006,
            .caption = &t::VideoSize,
            .listId = 1015,
            .options = videoSizes(model),
            .initial = fullHd ? 1 : 0,
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
            .initial = 1,
            .factory = 1},
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
        Cell{.labelId = 1051,
            .caption = &t::SdCycle,
            .listId = 1052,
            .options = &t::OffOnOptions,
            .visible = fullHd},
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
    d.takeInOrder = {1002, 1003, 1039, 1040, 1038, 1024, 1023, 1017, 1022, CameraId::ClockTextField,
        CameraId::FolderField, 1047, 1046, 1045, 1042};
    d.timers = {
        {1019, &t::Timer, 1025, 1059, 1060, {1118, 1122, 1120, 1123}, {1017, 1022, 1023, 1024}},
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
    d.generatedMessage = &t::MenuFileGenerated;
    d.factoryMessage = &t::FactoryFileGenerated;
    d.factoryRecord = CameraFormDescription::FactoryRecord::ResetForm;
    return d;
}

CMarrowbyCameraMenu::CMarrowbyCameraMenu(
    const FormContext &context, CameraState &state, QWidget *parent)
    : CameraFormEngine(
        description(context.modelIndex, context.languageIndex), context, state, parent)
{
    setObjectName(QStringLiteral("129"));
    build();
}

void CMarrowbyCameraMenu::collect(CameraSettings &s, MenuExtras &extras) const
{
    collectCommonFields(s);
    s.SidePir = selection(1028);
    s.Timer2 = selection(1048);
    s.SdCycle = selection(1052);
    extras.secondTimer = {number(1042), number(1045), number(1046), number(1047)};
}

} // namespace marrowby
