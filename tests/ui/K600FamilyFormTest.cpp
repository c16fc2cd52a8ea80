#include "CameraFormFixture.h"

#include "camera/ui/K600CameraForm.h"

using namespace marrowby;
using namespace marrowby::test;

namespace {

class K600FamilyForm : public CameraFormFixture {
protected:
    // Right after opening: 1280x720, beep on, Side PIR on except on the K810.
    static CameraSettings opening(int model)
    {
        CameraSettings s = openingSettings();
        s.VideoSize = 1;
        s.SidePir = model == 10 ? 0 : 1;
        s.BeepSound = 1;
        return s;
    }
};

} // namespace

TEST_F(K600FamilyForm, OpensPerModelAndGeneratesItsLayout)
{
    struct Row {
        int model;
        const char *title;
        int sidePir;
    };
    const Row rows[] = {
        {2, "Marrowby K600", 1},
        {4, "Marrowby K600", 1},
        {7, "Marrowby K700", 1},
        {10, "Marrowby K810", 0},
        {18, "Marrowby K600 PLUS", 1},
        {19, "Marrowby K600 PLUS", 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.model);
        cameraState().settings.SidePir = 1 - row.sidePir; // another form's leftover
        auto form = open<K600CameraForm>(row.model);
        EXPECT_EQ(form->windowTitle(), row.title);
        EXPECT_EQ(find<QComboBox>(form.get(), 1028)->currentIndex(), row.sidePir);
        EXPECT_EQ(entries(find<QComboBox>(form.get(), 1014)), (QStringList{"12MP", "5MP", "2MP"}));
        EXPECT_EQ(entries(find<QComboBox>(form.get(), 1015)),
            (QStringList{"1440x1080", "1280x720", "640x480"}));
        EXPECT_EQ(find<QComboBox>(form.get(), 1015)->currentIndex(), 1);
        EXPECT_EQ(find<QComboBox>(form.get(), 1042)->currentText(), "On");
        EXPECT_EQ(find<QComboBox>(form.get(), 1046)->currentText(), "Off");
        EXPECT_EQ(find<QComboBox>(form.get(), 1044)->currentText(), "MMDDYY");
        EXPECT_EQ(find<QLineEdit>(form.get(), 1030)->text(), "2024/03/09 14:05:07");
        for (int id : {1017, 1022, 1023, 1024, 1048, 1049, 1050, 1051, 1038, 1039, 1040})
            EXPECT_TRUE(find<QLineEdit>(form.get(), id)->isReadOnly()) << id;
        EXPECT_FALSE(find<QComboBox>(form.get(), 1034)->isEnabled());

        boxTexts();
        press(form.get(), 1);
        EXPECT_EQ(boxTexts(), QStringList{"Configuration file is generated"});
        const auto bytes = writtenMenu();
        EXPECT_EQ(bytes[9], row.sidePir);
        EXPECT_EQ(bytes, coreRecord(MenuLayout::K600, opening(row.model), openingExtras()));
        EXPECT_EQ(form->result(), 0) << "the form stays open";
    }
}

TEST_F(K600FamilyForm, EditsAndListsReachTheirBytes)
{
    using S = CameraSettings;
    using E = MenuExtras;
    const QList<EditCase> table = {
        {"45 seconds", {choose(1029, 0), typing(1003, "45")}, {},
            [](S &s, E &) { s.Interval = 173; }},
        {"45 minutes", {typing(1003, "45")}, {}, [](S &s, E &) { s.Interval = 45; }},
        {"0 seconds stays", {choose(1029, 0), typing(1003, "0")}, {},
            [](S &s, E &) { s.Interval = 128; }},
        {"0 minutes becomes 1", {typing(1003, "0")}, {}, [](S &s, E &) { s.Interval = 1; }},
        {"61 seconds becomes 1", {choose(1029, 0), typing(1003, "61")}, {kRange060},
            [](S &s, E &) { s.Interval = 129; }},
        {"61 minutes becomes 1", {typing(1003, "61")}, {kRange060},
            [](S &s, E &) { s.Interval = 1; }},
        {"0 seconds switched to minutes", {choose(1029, 0), typing(1003, "0"), choose(1029, 1)}, {},
            [](S &s, E &) { s.Interval = 1; }},
        {"video length 1", {typing(1002, "1")}, {}, [](S &s, E &) { s.VideoLength = 0; }},
        {"video length 60", {typing(1002, "60")}, {}, [](S &s, E &) { s.VideoLength = 59; }},
        {"video length 70", {typing(1002, "70")}, {kRange160},
            [](S &s, E &) { s.VideoLength = 9; }},
        {"video length 0", {typing(1002, "0")}, {kRange160}, [](S &s, E &) { s.VideoLength = 9; }},
        {"second timer",
            {choose(1052, 1), typing(1048, "23"), typing(1049, "59"), typing(1050, "7"),
                typing(1051, "30")},
            {},
            [](S &s, E &e) {
                s.Timer2 = 1;
                e.secondTimer = {23, 59, 7, 30};
            }},
        {"second timer hour 24", {choose(1052, 1), typing(1050, "24")}, {kRange023},
            [](S &s, E &) { s.Timer2 = 1; }},
        {"second timer minute 60", {choose(1052, 1), typing(1049, "60")}, {kRange059},
            [](S &s, E &) { s.Timer2 = 1; }},
        {"second timer switched off keeps its times",
            {choose(1052, 1), typing(1048, "5"), choose(1052, 0)}, {},
            [](S &, E &e) { e.secondTimer.startHour = 5; }},
        {"first timer",
            {choose(1025, 1), typing(1017, "6"), typing(1022, "30"), typing(1023, "18"),
                typing(1024, "45")},
            {},
            [](S &s, E &) {
                s.Timer = 1;
                s.TimerStartHour = 6;
                s.TimerStartMinute = 30;
                s.TimerStopHour = 18;
                s.TimerStopMinute = 45;
            }},
        {"time lapse", {choose(1033, 0), typing(1038, "1"), typing(1039, "2"), typing(1040, "3")},
            {},
            [](S &s, E &) {
                s.TimeLapse = 0;
                s.TimeLapseHour = 1;
                s.TimeLapseMinute = 2;
                s.TimeLapseSecond = 3;
            }},
        {"beep, SD cycle and side PIR", {choose(1042, 0), choose(1046, 1), choose(1028, 0)}, {},
            [](S &s, E &) {
                s.BeepSound = 0;
                s.SdCycle = 1;
                s.SidePir = 0;
            }},
        {"serial number", {choose(1032, 1), choose(1034, 10), choose(1037, 35)}, {},
            [](S &s, E &) {
                s.SerialNo = 1;
                s.SerialDigit1 = 10;
                s.SerialDigit4 = 35;
            }},
        {"capture lists",
            {choose(1013, 2), choose(1014, 2), choose(1015, 0), choose(1016, 2), choose(1026, 1),
                choose(1027, 3)},
            {},
            [](S &s, E &) {
                s.CameraMode = 2;
                s.ImageSize = 2;
                s.VideoSize = 0;
                s.PictureNo = 2;
                s.TimeStamp = 1;
                s.SenseLevel = 3;
            }},
        {"date format", {choose(1044, 2)}, {}, [](S &, E &e) { e.dateFormat = 2; }},
    };
    checkTable<K600CameraForm>(
        4, MenuLayout::K600, opening(4), table, "Configuration file is generated");
}

TEST_F(K600FamilyForm, DefaultResetsAllButSdCycle)
{
    for (const int model : {4, 10}) {
        SCOPED_TRACE(model);
        auto form = open<K600CameraForm>(model);
        perform(form.get(),
            {choose(1013, 1), choose(1014, 1), choose(1015, 2), choose(1016, 1), choose(1026, 1),
                choose(1027, 2), choose(1028, model == 10 ? 1 : 0), choose(1029, 0),
                typing(1003, "30"), typing(1002, "33"), choose(1044, 0), choose(1042, 0),
                choose(1046, 1), choose(1025, 1), typing(1017, "8"), choose(1052, 1),
                typing(1050, "9"), typing(1051, "15"), choose(1032, 1), choose(1035, 4),
                choose(1033, 0), typing(1039, "20")});
        boxTexts();

        press(form.get(), 1062);
        EXPECT_EQ(boxTexts(), QStringList{"Camera menu factory settings file has been generated"});
        EXPECT_EQ(writtenMenu(), bytesOf(buildFactoryMarkerRecord()));

        EXPECT_EQ(find<QComboBox>(form.get(), 1044)->currentText(), "MMDDYY");
        EXPECT_EQ(find<QComboBox>(form.get(), 1028)->currentText(), model == 10 ? "Off" : "On");
        EXPECT_EQ(find<QComboBox>(form.get(), 1046)->currentText(), "On") << "SD Cycle is kept";
        EXPECT_EQ(find<QLineEdit>(form.get(), 1003)->text(), "1");
        EXPECT_EQ(find<QLineEdit>(form.get(), 1050)->text(), "0");
        for (int id : {1017, 1048, 1050, 1038})
            EXPECT_TRUE(find<QLineEdit>(form.get(), id)->isReadOnly()) << id;
        EXPECT_FALSE(find<QComboBox>(form.get(), 1035)->isEnabled());

        // What the reset form writes: the opening values, SD Cycle as the user left it.
        press(form.get(), 1);
        CameraSettings expected = opening(model);
        expected.SdCycle = 1;
        EXPECT_EQ(writtenMenu(), coreRecord(MenuLayout::K600, expected, openingExtras()));
    }
}

TEST_F(K600FamilyForm, TakesItsEditsInInItsOrder)
{
    checkTakeInOrder<K600CameraForm>(4,
        {1002, 1003, 1039, 1040, 1038, 1024, 1023, 1017, 1022, 1051, 1050, 1048, 1049},
        {choose(1025, 1), choose(1052, 1), choose(1033, 0)});
}
