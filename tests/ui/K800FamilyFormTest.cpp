#include "CameraFormFixture.h"

#include "camera/ui/K800CameraForm.h"

using namespace marrowby;
using namespace marrowby::test;

namespace {

class K800FamilyForm : public CameraFormFixture {
protected:
    // Right after opening: 1280x720 and beep on; no side sensor.
    static CameraSettings opening()
    {
        CameraSettings s = openingSettings();
        s.VideoSize = 1;
        s.BeepSound = 1;
        return s;
    }
};

} // namespace

TEST_F(K800FamilyForm, OpensWithBeepAndSdCycleButNoSideSensor)
{
    cameraState().settings.SidePir = 1; // as another form left it
    auto form = open<K800CameraForm>(8);
    EXPECT_EQ(form->windowTitle(), "Marrowby K800");
    EXPECT_EQ(form->findChild<QComboBox *>("1028"), nullptr);
    EXPECT_EQ(entries(find<QComboBox>(form.get(), 1015)),
        (QStringList{"1440x1080", "1280x720", "640x480"}));
    EXPECT_EQ(find<QComboBox>(form.get(), 1015)->currentIndex(), 1);
    EXPECT_EQ(find<QComboBox>(form.get(), 1042)->currentText(), "On");
    EXPECT_EQ(find<QComboBox>(form.get(), 1046)->currentText(), "Off");
    EXPECT_EQ(find<QLineEdit>(form.get(), 1030)->text(), "2024/03/09 14:05:07");

    boxTexts();
    press(form.get(), 1);
    EXPECT_EQ(boxTexts(), QStringList{"Configuration file is generated"});
    const auto bytes = writtenMenu();
    EXPECT_EQ(bytes[9], 0) << "the K800 record always carries 0 as Side Pir";
    EXPECT_EQ(bytes, coreRecord(MenuLayout::K800, opening(), openingExtras()));
    EXPECT_EQ(cameraState().settings.SidePir, 0);
}

TEST_F(K800FamilyForm, EditsAndListsReachTheirBytes)
{
    using S = CameraSettings;
    using E = MenuExtras;
    const QList<EditCase> table = {
        {"45 seconds", {choose(1029, 0), typing(1003, "45")}, {},
            [](S &s, E &) { s.Interval = 0xAD; }},
        {"45 minutes", {typing(1003, "45")}, {}, [](S &s, E &) { s.Interval = 45; }},
        {"0 seconds stays", {choose(1029, 0), typing(1003, "0")}, {},
            [](S &s, E &) { s.Interval = 0x80; }},
        {"0 minutes becomes 1", {typing(1003, "0")}, {}, [](S &s, E &) { s.Interval = 1; }},
        {"61 seconds becomes 1", {choose(1029, 0), typing(1003, "61")}, {kRange060},
            [](S &s, E &) { s.Interval = 129; }},
        {"61 minutes becomes 1", {typing(1003, "61")}, {kRange060},
            [](S &s, E &) { s.Interval = 1; }},
        {"video length 0", {typing(1002, "0")}, {kRange160}, [](S &s, E &) { s.VideoLength = 9; }},
        {"video length 75", {typing(1002, "75")}, {kRange160},
            [](S &s, E &) { s.VideoLength = 9; }},
        {"second timer",
            {choose(1052, 1), typing(1048, "12"), typing(1049, "34"), typing(1050, "13"),
                typing(1051, "1")},
            {},
            [](S &s, E &e) {
                s.Timer2 = 1;
                e.secondTimer = {12, 34, 13, 1};
            }},
        {"second timer start hour 30", {choose(1052, 1), typing(1048, "30")}, {kRange023},
            [](S &s, E &) { s.Timer2 = 1; }},
        {"beep off and SD cycle on", {choose(1042, 0), choose(1046, 1)}, {},
            [](S &s, E &) {
                s.BeepSound = 0;
                s.SdCycle = 1;
            }},
        {"serial characters stored while off", {choose(1032, 1), choose(1034, 35), choose(1032, 0)},
            {}, [](S &s, E &) { s.SerialDigit1 = 35; }},
        {"date format", {choose(1044, 0)}, {}, [](S &, E &e) { e.dateFormat = 0; }},
    };
    checkTable<K800CameraForm>(
        8, MenuLayout::K800, opening(), table, "Configuration file is generated");
}

TEST_F(K800FamilyForm, DefaultKeepsBeepSdCycleIntervalAndSecondTimerTimes)
{
    auto form = open<K800CameraForm>(8);
    perform(form.get(),
        {choose(1014, 2), choose(1026, 1), choose(1029, 0), typing(1003, "45"), choose(1042, 0),
            choose(1046, 1), choose(1025, 1), typing(1024, "50"), choose(1052, 1),
            typing(1048, "7"), typing(1049, "8"), typing(1050, "19"), typing(1051, "20"),
            choose(1044, 0)});
    boxTexts();

    press(form.get(), 1062);
    EXPECT_EQ(boxTexts(), QStringList{"Camera menu factory settings file has been generated"});
    EXPECT_EQ(writtenMenu(), bytesOf(buildFactoryMarkerRecord()));

    EXPECT_EQ(find<QComboBox>(form.get(), 1015)->currentText(), "1440x1080");
    EXPECT_EQ(find<QComboBox>(form.get(), 1044)->currentText(), "MMDDYY");
    EXPECT_EQ(find<QComboBox>(form.get(), 1052)->currentText(), "Off");
    EXPECT_EQ(find<QComboBox>(form.get(), 1033)->currentText(), "Off");
    for (int id : {1048, 1049, 1050, 1051, 1024})
        EXPECT_TRUE(find<QLineEdit>(form.get(), id)->isReadOnly()) << id;

    press(form.get(), 1);
    CameraSettings expected = opening();
    expected.VideoSize = 0;
    expected.Interval = 45; // now in minutes
    expected.BeepSound = 0;
    expected.SdCycle = 1;
    MenuExtras extras = openingExtras();
    extras.secondTimer = {7, 8, 19, 20};
    EXPECT_EQ(writtenMenu(), coreRecord(MenuLayout::K800, expected, extras));
}

TEST_F(K800FamilyForm, TakesItsEditsInInItsOrder)
{
    checkTakeInOrder<K800CameraForm>(8,
        {1002, 1003, 1039, 1040, 1038, 1024, 1023, 1017, 1022, 1051, 1050, 1048, 1049},
        {choose(1025, 1), choose(1052, 1), choose(1033, 0)});
}
