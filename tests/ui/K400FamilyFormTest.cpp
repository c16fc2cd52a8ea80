#include "CameraFormFixture.h"

#include "camera/ui/K400CameraForm.h"

using namespace marrowby;
using namespace marrowby::test;

namespace {

class K400FamilyForm : public CameraFormFixture { };

} // namespace

TEST_F(K400FamilyForm, OpensWithoutSideSensorBeepOrSdCycle)
{
    for (const auto &[model, title] : {std::pair{6, "Marrowby K400"}, {9, "Marrowby K410"}}) {
        SCOPED_TRACE(model);
        cameraState().settings.SidePir = 0; // as another form left it
        auto form = open<K400CameraForm>(model);
        EXPECT_EQ(form->windowTitle(), title);
        for (int id : {1028, 1042, 1046, 1052})
            EXPECT_EQ(form->findChild<QComboBox *>(QString::number(id)), nullptr) << id;
        EXPECT_EQ(
            entries(find<QComboBox>(form.get(), 1014)), (QStringList{"12MP", "5MP", "1.3MP"}));
        EXPECT_EQ(entries(find<QComboBox>(form.get(), 1015)),
            (QStringList{"1280x720", "640x480", "320x240"}));
        EXPECT_EQ(find<QComboBox>(form.get(), 1015)->currentIndex(), 0);
        EXPECT_EQ(find<QLineEdit>(form.get(), 1030)->text(), "2024/03/09 14:05:07");
        for (int id : {1017, 1022, 1023, 1024, 1042, 1045, 1046, 1047, 1038, 1039, 1040})
            EXPECT_TRUE(find<QLineEdit>(form.get(), id)->isReadOnly()) << id;

        boxTexts();
        press(form.get(), 1);
        EXPECT_EQ(boxTexts(), QStringList{"Camera menu configuration file is generated"});
        const auto bytes = writtenMenu();
        EXPECT_EQ(bytes[9], 1) << "the K400 record always carries 1 as Side Pir";
        EXPECT_EQ(bytes, coreRecord(MenuLayout::K400, openingSettings(), openingExtras()));
        EXPECT_EQ(cameraState().settings.SidePir, 0) << "Side Pir is left as it was";
    }
}

TEST_F(K400FamilyForm, EditsAndListsReachTheirBytes)
{
    using S = CameraSettings;
    using E = MenuExtras;
    const QList<EditCase> table = {
        {"30 seconds", {choose(1029, 0), typing(1003, "30")}, {},
            [](S &s, E &) { s.Interval = 158; }},
        {"30 minutes", {typing(1003, "30")}, {}, [](S &s, E &) { s.Interval = 30; }},
        {"0 seconds stays", {choose(1029, 0), typing(1003, "0")}, {},
            [](S &s, E &) { s.Interval = 128; }},
        {"0 minutes becomes 1", {typing(1003, "0")}, {}, [](S &s, E &) { s.Interval = 1; }},
        {"61 seconds becomes 1", {choose(1029, 0), typing(1003, "61")}, {kRange060},
            [](S &s, E &) { s.Interval = 129; }},
        {"video length 70", {typing(1002, "70")}, {kRange160},
            [](S &s, E &) { s.VideoLength = 9; }},
        {"video length 1", {typing(1002, "1")}, {}, [](S &s, E &) { s.VideoLength = 0; }},
        {"second timer",
            {choose(1048, 1), typing(1042, "21"), typing(1045, "5"), typing(1046, "6"),
                typing(1047, "59")},
            {},
            [](S &s, E &e) {
                s.Timer2 = 1;
                e.secondTimer = {21, 5, 6, 59};
            }},
        {"second timer stop hour 24", {choose(1048, 1), typing(1046, "24")}, {kRange023},
            [](S &s, E &) { s.Timer2 = 1; }},
        {"second timer stop minute 60", {choose(1048, 1), typing(1047, "60")}, {kRange059},
            [](S &s, E &) { s.Timer2 = 1; }},
        {"first timer and time lapse",
            {choose(1025, 1), typing(1023, "23"), typing(1024, "1"), choose(1033, 0),
                typing(1040, "59")},
            {},
            [](S &s, E &) {
                s.Timer = 1;
                s.TimerStopHour = 23;
                s.TimerStopMinute = 1;
                s.TimeLapse = 0;
                s.TimeLapseSecond = 59;
            }},
        {"serial number and lists",
            {choose(1032, 1), choose(1036, 20), choose(1013, 1), choose(1015, 2), choose(1027, 1)},
            {},
            [](S &s, E &) {
                s.SerialNo = 1;
                s.SerialDigit3 = 20;
                s.CameraMode = 1;
                s.VideoSize = 2;
                s.SenseLevel = 1;
            }},
        {"date format", {choose(1044, 0)}, {}, [](S &, E &e) { e.dateFormat = 0; }},
    };
    checkTable<K400CameraForm>(6, MenuLayout::K400, openingSettings(), table,
        "Camera menu configuration file is generated");
}

TEST_F(K400FamilyForm, DefaultKeepsTheIntervalAndTheSecondTimerTimes)
{
    auto form = open<K400CameraForm>(9);
    perform(form.get(),
        {choose(1013, 2), choose(1015, 1), choose(1029, 0), typing(1003, "30"), typing(1002, "5"),
            choose(1044, 2), choose(1025, 1), typing(1022, "40"), choose(1048, 1),
            typing(1042, "4"), typing(1045, "45"), typing(1046, "22"), typing(1047, "10"),
            choose(1033, 0), typing(1038, "3")});
    boxTexts();

    press(form.get(), 1062);
    EXPECT_EQ(boxTexts(), QStringList{"Camera menu factory settings file has been generated"});
    EXPECT_EQ(writtenMenu(), bytesOf(buildFactoryMarkerRecord()));

    EXPECT_EQ(find<QComboBox>(form.get(), 1015)->currentText(), "1280x720");
    EXPECT_EQ(find<QComboBox>(form.get(), 1044)->currentText(), "MMDDYY");
    EXPECT_EQ(find<QComboBox>(form.get(), 1029)->currentText(), "Minute");
    EXPECT_EQ(find<QComboBox>(form.get(), 1048)->currentText(), "Off");
    EXPECT_EQ(find<QLineEdit>(form.get(), 1003)->text(), "30");
    EXPECT_EQ(find<QLineEdit>(form.get(), 1046)->text(), "22");
    EXPECT_EQ(find<QLineEdit>(form.get(), 1022)->text(), "0");
    for (int id : {1042, 1045, 1046, 1047, 1022, 1038})
        EXPECT_TRUE(find<QLineEdit>(form.get(), id)->isReadOnly()) << id;

    press(form.get(), 1);
    CameraSettings expected = openingSettings();
    expected.Interval = 30; // now in minutes
    MenuExtras extras = openingExtras();
    extras.secondTimer = {4, 45, 22, 10};
    EXPECT_EQ(writtenMenu(), coreRecord(MenuLayout::K400, expected, extras));
}

TEST_F(K400FamilyForm, DateFormatListInFinnish)
{
    appState().LanguageIndex = 4;
    auto form = open<K400CameraForm>(6);
    EXPECT_EQ(
        entries(find<QComboBox>(form.get(), 1044)), (QStringList{"VVKKPP", "KKPPVV", "PPKKVV"}));
}

TEST_F(K400FamilyForm, TakesItsEditsInInItsOrder)
{
    checkTakeInOrder<K400CameraForm>(6,
        {1002, 1003, 1039, 1040, 1038, 1024, 1023, 1017, 1022, 1047, 1046, 1045, 1042},
        {choose(1025, 1), choose(1048, 1), choose(1033, 0)});
}
