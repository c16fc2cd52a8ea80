#include "CameraFormFixture.h"

#include "camera/ui/K100CameraForm.h"

#include <QLabel>

using namespace marrowby;
using namespace marrowby::test;

namespace {

class K100Form : public CameraFormFixture {
protected:
    std::unique_ptr<K100CameraForm> open() { return CameraFormFixture::open<K100CameraForm>(14); }
};

CameraSettings startingSettings()
{
    CameraSettings s = openingSettings();
    s.ImageSize = 1; // "5MP"
    return s;
}

MenuExtras startingExtras()
{
    MenuExtras extras;
    extras.dateFormat = 1;
    extras.wirelessPassword = {7, 3, 9, 1};
    return extras;
}

} // namespace

TEST_F(K100Form, OpensAndWritesItsStartingRecord)
{
    auto form = open();
    EXPECT_EQ(form->windowTitle(), "Marrowby K100");
    EXPECT_EQ(entries(find<QComboBox>(form.get(), 1014)), (QStringList{"3MP", "5MP", "1.3MP"}));
    EXPECT_EQ(find<QComboBox>(form.get(), 1014)->currentIndex(), 1);
    EXPECT_EQ(entries(find<QComboBox>(form.get(), 1015)), (QStringList{"640x480", "320x240"}));
    EXPECT_EQ(find<QLabel>(form.get(), 1012)->text(), "Wireless PWD");
    EXPECT_EQ(find<QLabel>(form.get(), 1019)->text(), "Timer1");
    EXPECT_EQ(find<QComboBox>(form.get(), 1049)->currentText(), "Off");
    auto *password = find<QLineEdit>(form.get(), 1028);
    EXPECT_EQ(password->text(), "7391");
    EXPECT_TRUE(password->isReadOnly());
    EXPECT_EQ(find<QLineEdit>(form.get(), 1030)->text(), "03/09/2024 14:05:07");
    EXPECT_FALSE(find<QLineEdit>(form.get(), 1030)->isReadOnly());
    EXPECT_EQ(form->findChild<QWidget *>("1052"), nullptr) << "no SD Cycle";
    EXPECT_EQ(form->findChild<QWidget *>("1081"), nullptr) << "no SD Cycle";

    press(form.get(), 1);
    EXPECT_EQ(boxes().value(0).text, "Camera menu configuration file is generated");
    const auto bytes = takeMenu();
    EXPECT_EQ(bytes, coreRecord(MenuLayout::K100, startingSettings(), startingExtras()));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 36, bytes.begin() + 41),
        (std::vector<std::uint8_t>{7, 3, 9, 1, 0}));
}

TEST_F(K100Form, WirelessPasswordDigitsAndItsSwitch)
{
    struct Case {
        const char *typed;
        const char *shown; // after the edit's rules: digits only, four at most
        std::array<std::int32_t, 4> stored;
    };
    const Case cases[] = {
        {"1234", "1234", {1, 2, 3, 4}},
        {"90", "90", {9, 0, 0, 0}},
        {"12a4", "124", {1, 2, 4, 0}},
        {"123456", "1234", {1, 2, 3, 4}},
        {"", "", {0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        auto form = open();
        auto *password = find<QLineEdit>(form.get(), 1028);
        auto *onOff = find<QComboBox>(form.get(), 1049);

        // The switch only unlocks the edit; it takes nothing in, so an emptied
        // video length does not complain.
        type(find<QLineEdit>(form.get(), 1002), "");
        boxes();
        pick(onOff, 1);
        EXPECT_TRUE(boxes().isEmpty());
        EXPECT_FALSE(password->isReadOnly());
        type(password, c.typed);
        EXPECT_EQ(password->text(), c.shown);
        type(find<QLineEdit>(form.get(), 1002), "10");

        press(form.get(), 1);
        boxes();
        MenuExtras extras = startingExtras();
        extras.wirelessPassword = c.stored;
        extras.wirelessPasswordOn = 1;
        EXPECT_EQ(takeMenu(), coreRecord(MenuLayout::K100, startingSettings(), extras));

        // Off locks the edit, but its digits still go to the camera.
        pick(onOff, 0);
        EXPECT_TRUE(password->isReadOnly());
        QTest::keyClicks(password, "5");
        EXPECT_EQ(password->text(), c.shown);
        press(form.get(), 1);
        boxes();
        extras.wirelessPasswordOn = 0;
        EXPECT_EQ(takeMenu(), coreRecord(MenuLayout::K100, startingSettings(), extras));
    }
}

TEST_F(K100Form, VideoLengthAndIntervalRules)
{
    struct Case {
        int unit; // 0 Second, 1 Minute
        int id;
        const char *typed;
        const char *shown;
        bool rangeMessage;
        std::uint8_t byte; // record byte 4 or 6
    };
    const Case cases[] = {
        {1, 1002, "0", "10", true, 9},
        {1, 1002, "75", "10", true, 9},
        {1, 1002, "60", "60", false, 59},
        {0, 1003, "61", "1", true, 129},
        {1, 1003, "61", "1", true, 1},
        {1, 1003, "0", "1", false, 1},
        {0, 1003, "0", "0", false, 128},
        {0, 1003, "45", "45", false, 173},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " into " + std::to_string(c.id));
        auto form = open();
        pick(find<QComboBox>(form.get(), 1029), c.unit);
        auto *edit = find<QLineEdit>(form.get(), c.id);
        type(edit, c.typed);
        EXPECT_EQ(edit->text(), c.shown);
        EXPECT_EQ(boxes().size(), c.rangeMessage ? 1 : 0);
        press(form.get(), 1);
        boxes();
        EXPECT_EQ(takeMenu()[c.id == 1002 ? 4 : 6], c.byte);
    }
}

TEST_F(K100Form, TypedClockFollowsTheDateFormat)
{
    auto form = open();
    auto *clockText = find<QLineEdit>(form.get(), 1030);
    type(clockText, "12/31/2030 23:59:00");
    press(form.get(), 1);
    boxes();
    CameraSettings expected = startingSettings();
    expected.ClockYear = 20;
    expected.ClockMonth = 12;
    expected.ClockDay = 31;
    expected.ClockHour = 23;
    expected.ClockMinute = 59;
    expected.ClockSecond = 0;
    EXPECT_EQ(takeMenu(), coreRecord(MenuLayout::K100, expected, startingExtras()));

    // The same text read year first would give month 31: refused, nothing written.
    pick(find<QComboBox>(form.get(), 1044), 0);
    EXPECT_EQ(clockText->text(), "2030/12/31 23:59:00") << "the clock, in the new order";
    type(clockText, "12/31/2030 23:59:00");
    press(form.get(), 1);
    EXPECT_EQ(boxes().value(0).text,
        "The clock is not a valid date and time. Please type it as YYYY/MM/DD hh:mm:ss.");
    EXPECT_FALSE(menuWritten());
}

TEST_F(K100Form, DefaultResetsTheFormAndWritesTheMarker)
{
    auto form = open();
    auto list = [&form](int id) { return find<QComboBox>(form.get(), id); };
    auto edit = [&form](int id) { return find<QLineEdit>(form.get(), id); };
    for (int id : {1013, 1015, 1016, 1026, 1027, 1025, 1048, 1032, 1049})
        pick(list(id), 1);
    pick(list(1014), 2);
    pick(list(1029), 0);
    pick(list(1033), 0);
    pick(list(1036), 9);
    pick(list(1044), 2);
    for (int id : {1002, 1003, 1038, 1039, 1040, 1017, 1022, 1023, 1024, 1042, 1045, 1046, 1047})
        type(edit(id), "7");
    type(edit(1028), "12");
    type(edit(1030), "05/01/2025 03:04:05");
    boxes();

    press(form.get(), 1062);
    EXPECT_EQ(boxes().value(0).text, "Camera menu factory settings file has been generated");
    EXPECT_EQ(takeMenu(), bytesOf(buildFactoryMarkerRecord()));

    const std::map<int, int> selections
        = {{1013, 0}, {1014, 1}, {1015, 0}, {1016, 0}, {1026, 0}, {1027, 0}, {1029, 1}, {1025, 0},
            {1048, 0}, {1032, 0}, {1036, 0}, {1033, 1}, {1049, 0}, {1044, 1}};
    for (const auto &[id, index] : selections)
        EXPECT_EQ(list(id)->currentIndex(), index) << id;
    EXPECT_EQ(edit(1002)->text(), "10");
    EXPECT_EQ(edit(1003)->text(), "1");
    for (int id : {1038, 1039, 1040, 1017, 1022, 1023, 1024, 1042, 1045, 1046, 1047}) {
        EXPECT_EQ(edit(id)->text(), "0") << id;
        EXPECT_TRUE(edit(id)->isReadOnly()) << id;
    }
    EXPECT_EQ(edit(1028)->text(), "7391");
    EXPECT_TRUE(edit(1028)->isReadOnly());
    EXPECT_FALSE(list(1036)->isEnabled());

    // The typed clock (5 January, day first) keeps its value, shown month first
    // now that Default has reset the Date Format.
    EXPECT_EQ(edit(1030)->text(), "01/05/2025 03:04:05");
    press(form.get(), 1);
    boxes();
    CameraSettings expected = startingSettings();
    expected.ClockYear = 15;
    expected.ClockMonth = 1;
    expected.ClockDay = 5;
    expected.ClockHour = 3;
    expected.ClockMinute = 4;
    expected.ClockSecond = 5;
    EXPECT_EQ(takeMenu(), coreRecord(MenuLayout::K100, expected, startingExtras()));
}
