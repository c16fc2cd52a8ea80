#include "CameraFormFixture.h"

#include "camera/ui/K100CameraForm.h"
#include "camera/ui/K500CameraForm.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/WindowLoop.h"

#include <QLabel>

using namespace marrowby;
using namespace marrowby::test;

namespace {

using Kind = MessageBoxes::Kind;

class K500FamilyForm : public CameraFormFixture {
protected:
    std::unique_ptr<K500CameraForm> open(int model = 11)
    {
        return CameraFormFixture::open<K500CameraForm>(model);
    }
};

// The record of an untouched K500 form of the model.
struct ModelCase {
    int model;
    const char *title;
    QStringList imageSizes;
    int imageSize;
    int sidePir;
    bool sidePirUsable;
    const char *timerCaption;
};

const ModelCase kModels[] = {
    {11, "Marrowby K500", {"5MP", "12MP", "14MP"}, 2, 1, true, "Timer1"},
    {12, "Marrowby K500", {"5MP", "12MP", "14MP"}, 2, 0, false, "Timer1"},
    {13, "Marrowby K500", {"5MP", "12MP", "1.3MP", "14MP"}, 3, 1, true, "Timer1"},
    {17, "Marrowby K410 1080P", {"5MP", "12MP", "1.3MP"}, 1, 0, true, "Timer"},
};

CameraSettings startingSettings(const ModelCase &c)
{
    CameraSettings s = openingSettings();
    s.ImageSize = c.imageSize;
    s.VideoSize = 1;
    s.SidePir = c.sidePir;
    return s;
}

MenuExtras startingExtras()
{
    MenuExtras extras;
    extras.dateFormat = 1;
    return extras;
}

} // namespace

TEST_F(K500FamilyForm, EachModelOpensWithItsVariantAndWritesIt)
{
    for (const ModelCase &c : kModels) {
        SCOPED_TRACE(c.model);
        auto form = open(c.model);
        EXPECT_EQ(form->windowTitle(), c.title);
        auto *imageSize = find<QComboBox>(form.get(), 1014);
        EXPECT_EQ(entries(imageSize), c.imageSizes);
        EXPECT_EQ(imageSize->currentIndex(), c.imageSize);
        EXPECT_EQ(find<QComboBox>(form.get(), 1015)->currentText(), "1280x720");
        EXPECT_EQ(find<QComboBox>(form.get(), 1028)->currentIndex(), c.sidePir);
        EXPECT_EQ(find<QComboBox>(form.get(), 1028)->isEnabled(), c.sidePirUsable);
        EXPECT_EQ(find<QLabel>(form.get(), 1136)->isEnabled(), c.sidePirUsable);
        EXPECT_EQ(find<QLabel>(form.get(), 1136)->text(), "Side PIR");
        EXPECT_EQ(find<QLabel>(form.get(), 1019)->text(), c.timerCaption);
        EXPECT_EQ(find<QLineEdit>(form.get(), 1030)->text(), "03/09/2024 14:05:07");
        EXPECT_FALSE(find<QLineEdit>(form.get(), 1030)->isReadOnly());

        press(form.get(), 1);
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Kind::Notice);
        EXPECT_EQ(shown[0].text, "Camera menu configuration file is generated");
        const auto bytes = takeMenu();
        EXPECT_EQ(bytes, coreRecord(MenuLayout::K500, startingSettings(c), startingExtras()));
        EXPECT_EQ(bytes[9], c.sidePir);
        EXPECT_EQ(bytes[51], c.sidePir);
    }
}

TEST_F(K500FamilyForm, TheCaptionsAndListsOfTheCoordinate)
{
    auto form = open();
    EXPECT_EQ(find<QLabel>(form.get(), 1080)->text(), "Coordinate");
    QStringList heads;
    for (int id : {1076, 1077, 1078, 1079})
        heads << find<QLabel>(form.get(), id)->text();
    EXPECT_EQ(heads, (QStringList{"Dir.", "Degree", "Minute", "Second"}));
    EXPECT_EQ(find<QLabel>(form.get(), 1054)->text(), "Longitude");
    EXPECT_EQ(find<QLabel>(form.get(), 1012)->text(), "Latitude");
    EXPECT_EQ(entries(find<QComboBox>(form.get(), 1055)), (QStringList{"E", "W"}));
    EXPECT_EQ(entries(find<QComboBox>(form.get(), 1049)), (QStringList{"S", "N"}));
    EXPECT_EQ(find<QLabel>(form.get(), 1050)->text(), "SD Cycle");

    // Chinese: the short column heads, and Date Format entries of its own.
    appState().LanguageIndex = 1;
    auto chinese = open();
    EXPECT_EQ(find<QLabel>(chinese.get(), 1078)->text(), QString::fromUtf8("分"));
    EXPECT_EQ(find<QLabel>(chinese.get(), 1079)->text(), QString::fromUtf8("秒"));
    EXPECT_EQ(entries(find<QComboBox>(chinese.get(), 1055)),
        (QStringList{QString::fromUtf8("东"), QString::fromUtf8("西")}));
    EXPECT_EQ(entries(find<QComboBox>(chinese.get(), 1044)),
        (QStringList{QString::fromUtf8("年月日"), QString::fromUtf8("月日年"),
            QString::fromUtf8("日月年")}));

    // Every other language sees the English Date Format entries on this form.
    for (int language : {3, 4, 14}) {
        appState().LanguageIndex = language;
        auto other = open();
        EXPECT_EQ(entries(find<QComboBox>(other.get(), 1044)),
            (QStringList{"YYMMDD", "MMDDYY", "DDMMYY"}))
            << language;
    }
}

TEST_F(K500FamilyForm, CoordinateCorrections)
{
    // Ids: longitude 1056 degrees, 1058 minutes, 1071 seconds; latitude 1051,
    // 1052, 1053.
    struct Typed {
        int id;
        const char *text;
    };
    struct Case {
        const char *name;
        std::vector<Typed> typing;
        QStringList rangeMessages;
        std::array<int, 6> shown; // lon d m s, lat d m s
    };
    const Case cases[] = {
        {"longitude 181 becomes 180", {{1058, "20"}, {1071, "30"}, {1056, "181"}},
            {"Please enter an integer between 0 and 180!"}, {180, 0, 0, 0, 0, 0}},
        {"reaching 180 clears minutes and seconds",
            {{1056, "179"}, {1058, "30"}, {1071, "40"}, {1056, "180"}}, {}, {180, 0, 0, 0, 0, 0}},
        {"at 180 every typed minute or second becomes 0", {{1056, "180"}, {1058, "5"}, {1071, "9"}},
            {}, {180, 0, 0, 0, 0, 0}},
        {"at 179 minutes 75 become 59", {{1056, "179"}, {1058, "75"}, {1071, "60"}},
            {"Please enter an integer between 0 and 59!",
                "Please enter an integer between 0 and 59!"},
            {179, 59, 59, 0, 0, 0}},
        {"latitude 91 becomes 90", {{1052, "10"}, {1051, "91"}},
            {"Please enter an integer between 0 and 90!"}, {0, 0, 0, 90, 0, 0}},
        {"latitude 90 forces minutes and seconds to 0", {{1051, "90"}, {1052, "45"}, {1053, "7"}},
            {}, {0, 0, 0, 90, 0, 0}},
        {"below the bounds the values stay",
            {{1056, "12"}, {1058, "34"}, {1071, "56"}, {1051, "89"}, {1052, "59"}, {1053, "1"}}, {},
            {12, 34, 56, 89, 59, 1}},
    };
    const int ids[] = {1056, 1058, 1071, 1051, 1052, 1053};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        auto form = open();
        for (const Typed &typed : c.typing)
            type(find<QLineEdit>(form.get(), typed.id), typed.text);
        QStringList messages;
        for (const auto &box : boxes())
            messages << box.text;
        EXPECT_EQ(messages, c.rangeMessages);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(find<QLineEdit>(form.get(), ids[i])->text(), QString::number(c.shown[i]))
                << ids[i];
        }

        // Generate writes what the form shows, with the chosen directions.
        pick(find<QComboBox>(form.get(), 1055), 1); // W
        pick(find<QComboBox>(form.get(), 1049), 1); // N
        press(form.get(), 1);
        boxes();
        MenuExtras extras = startingExtras();
        extras.longitude = {1, c.shown[0], c.shown[1], c.shown[2]};
        extras.latitude = {1, c.shown[3], c.shown[4], c.shown[5]};
        EXPECT_EQ(takeMenu(), coreRecord(MenuLayout::K500, startingSettings(kModels[0]), extras));
    }
}

TEST_F(K500FamilyForm, TypedClockInEachDateOrder)
{
    struct Case {
        int dateFormat;
        const char *typed;
        std::array<int, 6> clockBytes; // year - 2010, month, day, hour, minute, second
    };
    const Case cases[] = {
        {2, "19/01/2021 08:30:00", {11, 1, 19, 8, 30, 0}},
        {1, "12/31/2030 23:59:00", {20, 12, 31, 23, 59, 0}},
        {0, "2030/12/31 23:59:00", {20, 12, 31, 23, 59, 0}},
        {1, "02/29/2028 06:07:08", {18, 2, 29, 6, 7, 8}},
        {0, "2005/06/15 10:00:00", {0, 6, 15, 10, 0, 0}}, // the year keeps its clamp
        {0, "2040/06/15 10:00:00", {21, 6, 15, 10, 0, 0}},
        {1, "12/25", {14, 12, 25, 14, 5, 7}}, // the rest from the last clock read
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        auto form = open();
        pick(find<QComboBox>(form.get(), 1044), c.dateFormat);
        type(find<QLineEdit>(form.get(), 1030), c.typed);
        press(form.get(), 1);
        ASSERT_EQ(boxes().size(), 1);

        CameraSettings expected = startingSettings(kModels[0]);
        expected.ClockYear = c.clockBytes[0];
        expected.ClockMonth = c.clockBytes[1];
        expected.ClockDay = c.clockBytes[2];
        expected.ClockHour = c.clockBytes[3];
        expected.ClockMinute = c.clockBytes[4];
        expected.ClockSecond = c.clockBytes[5];
        MenuExtras extras = startingExtras();
        extras.dateFormat = c.dateFormat;
        EXPECT_EQ(takeMenu(), coreRecord(MenuLayout::K500, expected, extras));
    }

    // A change of the Date Format shows the typed clock again in the new order.
    auto form = open();
    auto *clockText = find<QLineEdit>(form.get(), 1030);
    type(clockText, "01/19/2021 08:30:00");
    pick(find<QComboBox>(form.get(), 1044), 2);
    EXPECT_EQ(clockText->text(), "19/01/2021 08:30:00");
}

// Whenever the Date Format changes, Default's reset included, the typed clock
// keeps its value and is shown again in the new order; Generate then writes
// the date the user typed.
TEST_F(K500FamilyForm, ADateFormatChangeKeepsTheTypedClock)
{
    constexpr int kDefault = -1;
    struct Case {
        int typedIn; // Date Format the clock is typed in
        const char *typed;
        int change;        // the Date Format picked next, or kDefault
        const char *shown; // the clock text after the change
    };
    const Case cases[] = {
        {2, "05/03/2027 10:00:00", kDefault, "03/05/2027 10:00:00"},
        {0, "2027/03/05 10:00:00", kDefault, "03/05/2027 10:00:00"},
        {1, "03/05/2027 10:00:00", kDefault, "03/05/2027 10:00:00"},
        {1, "03/05/2027 10:00:00", 2, "05/03/2027 10:00:00"},
        {2, "05/03/2027 10:00:00", 0, "2027/03/05 10:00:00"},
        {0, "2027/03/05 10:00:00", 1, "03/05/2027 10:00:00"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.typed << " -> " << c.change);
        auto form = open();
        auto *clockText = find<QLineEdit>(form.get(), 1030);
        pick(find<QComboBox>(form.get(), 1044), c.typedIn);
        type(clockText, c.typed);
        // The computer's clock moves on; the form's clock is what was typed.
        Clock::setFixedTime(QDateTime(QDate(2025, 11, 12), QTime(1, 2, 3)));
        if (c.change == kDefault) {
            press(form.get(), 1062);
            ASSERT_EQ(boxes().size(), 1);
        } else {
            pick(find<QComboBox>(form.get(), 1044), c.change);
        }
        EXPECT_EQ(clockText->text(), c.shown);

        press(form.get(), 1);
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, MessageBoxes::Kind::Notice);
        const auto menu = takeMenu();
        EXPECT_EQ(menu[14], 17);
        EXPECT_EQ(menu[15], 3) << "March";
        EXPECT_EQ(menu[16], 5);
        Clock::setFixedTime(QDateTime(QDate(2024, 3, 9), QTime(14, 5, 7)));
    }

    // Text that is no date stays as typed and is refused in the new order.
    auto form = open();
    auto *clockText = find<QLineEdit>(form.get(), 1030);
    type(clockText, "soon");
    pick(find<QComboBox>(form.get(), 1044), 0);
    EXPECT_EQ(clockText->text(), "soon");
    press(form.get(), 1);
    EXPECT_EQ(boxes().value(0).text,
        "The clock is not a valid date and time. Please type it as YYYY/MM/DD hh:mm:ss.");
    EXPECT_FALSE(menuWritten());
}

TEST_F(K500FamilyForm, AnImpossibleClockIsRefusedAndNothingIsWritten)
{
    struct Case {
        int dateFormat;
        const char *typed;
        const char *pattern;
    };
    const Case cases[] = {
        {1, "13/01/2024 10:00:00", "MM/DD/YYYY hh:mm:ss"},
        {1, "04/31/2024 10:00:00", "MM/DD/YYYY hh:mm:ss"},
        {2, "29/02/2023 10:00:00", "DD/MM/YYYY hh:mm:ss"},
        {0, "2024/03/09 25:00:00", "YYYY/MM/DD hh:mm:ss"},
        {0, "2024/03/09 10:60:00", "YYYY/MM/DD hh:mm:ss"},
        {1, "tomorrow", "MM/DD/YYYY hh:mm:ss"},
        {1, "", "MM/DD/YYYY hh:mm:ss"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        auto form = open();
        activate(form.get());
        pick(find<QComboBox>(form.get(), 1044), c.dateFormat);
        auto *clockText = find<QLineEdit>(form.get(), 1030);
        type(clockText, c.typed);
        const CameraClock before = cameraState().clock;
        find<QPushButton>(form.get(), 1)->setFocus();

        press(form.get(), 1);
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].text,
            QString("The clock is not a valid date and time. Please type it as %1.")
                .arg(c.pattern));
        EXPECT_FALSE(menuWritten());
        EXPECT_TRUE(clockText->hasFocus());
        EXPECT_EQ(clockText->selectedText(), clockText->text());
        EXPECT_EQ(cameraState().clock, before);
    }

    // In Chinese, and once mended the same form writes.
    appState().LanguageIndex = 1;
    auto form = open();
    auto *clockText = find<QLineEdit>(form.get(), 1030);
    type(clockText, "02/30/2024 10:00:00");
    form->generate();
    EXPECT_EQ(boxes().value(0).text,
        QString::fromUtf8("设置的时间无效，请按 MM/DD/YYYY hh:mm:ss 的格式输入日期和时间。"));
    EXPECT_FALSE(menuWritten());
    type(clockText, "02/29/2024 10:00:00");
    form->generate();
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_EQ(takeMenu()[16], 29);
}

TEST_F(K500FamilyForm, DefaultResetsTheFormAndWritesTheMarker)
{
    for (int model : {11, 12, 13, 17}) {
        SCOPED_TRACE(model);
        auto form = open(model);
        const ModelCase &variant = *std::find_if(std::begin(kModels), std::end(kModels),
            [model](const ModelCase &c) { return c.model == model; });
        auto list = [&form](int id) { return find<QComboBox>(form.get(), id); };
        auto edit = [&form](int id) { return find<QLineEdit>(form.get(), id); };

        for (int id : {1013, 1016, 1026, 1027, 1029, 1055, 1049, 1081})
            pick(list(id), 1);
        pick(list(1029), 0);
        pick(list(1015), 3);
        pick(list(1014), 0);
        pick(list(1025), 1);
        pick(list(1048), 1);
        pick(list(1032), 1);
        pick(list(1033), 0);
        pick(list(1034), 5);
        if (variant.sidePirUsable)
            pick(list(1028), 1 - variant.sidePir);
        for (int id : {1002, 1003, 1038, 1039, 1040, 1017, 1022, 1023, 1024, 1042, 1045, 1046, 1047,
                 1056, 1058, 1071, 1051, 1052, 1053})
            type(edit(id), "7");
        type(edit(1030), "01/02/2025 03:04:05");
        boxes();
        const int sdCycle = list(1081)->currentIndex();
        ASSERT_EQ(sdCycle, 1);

        press(form.get(), 1062);
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].text, "Camera menu factory settings file has been generated");
        EXPECT_EQ(takeMenu(), bytesOf(buildFactoryMarkerRecord()));

        const std::map<int, int> selections
            = {{1013, 0}, {1014, variant.imageSize}, {1015, 1}, {1016, 0}, {1026, 0}, {1027, 0},
                {1028, variant.sidePir}, {1029, 1}, {1025, 0}, {1048, 0}, {1032, 0}, {1034, 0},
                {1033, 1}, {1044, 1}, {1055, 0}, {1049, 0}, {1081, sdCycle}};
        for (const auto &[id, index] : selections)
            EXPECT_EQ(list(id)->currentIndex(), index) << id;
        EXPECT_EQ(edit(1002)->text(), "10");
        EXPECT_EQ(edit(1003)->text(), "1");
        for (int id : {1038, 1039, 1040, 1017, 1022, 1023, 1024, 1042, 1045, 1046, 1047, 1056, 1058,
                 1071, 1051, 1052, 1053})
            EXPECT_EQ(edit(id)->text(), "0") << id;
        for (int id : {1038, 1017, 1042})
            EXPECT_TRUE(edit(id)->isReadOnly()) << id;
        EXPECT_FALSE(list(1034)->isEnabled());
        EXPECT_EQ(edit(1030)->text(), "01/02/2025 03:04:05") << "the clock text stays";

        // Generate right after Default writes the reset form with the typed clock.
        press(form.get(), 1);
        boxes();
        CameraSettings expected = startingSettings(variant);
        expected.ClockYear = 15;
        expected.ClockMonth = 1;
        expected.ClockDay = 2;
        expected.ClockHour = 3;
        expected.ClockMinute = 4;
        expected.ClockSecond = 5;
        MenuExtras extras = startingExtras();
        extras.k500SdCycle = sdCycle;
        EXPECT_EQ(takeMenu(), coreRecord(MenuLayout::K500, expected, extras));
    }
}

TEST_F(K500FamilyForm, TheMainWindowOpensTheTypedClockFormsOfTheirModels)
{
    struct Case {
        int model;
        bool k100;
        const char *title;
    };
    const Case cases[]
        = {{11, false, "Marrowby K500"}, {12, false, "Marrowby K500"}, {13, false, "Marrowby K500"},
            {17, false, "Marrowby K410 1080P"}, {14, true, "Marrowby K100"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.model);
        WindowLoop loop;
        loop.start();
        auto *main = qobject_cast<MainWindow *>(loop.currentWindow());
        ASSERT_NE(main, nullptr);
        pick(find<QComboBox>(main, 1081), c.model - 1);
        press(main, 1000);
        QWidget *form = loop.currentWindow();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(qobject_cast<K100CameraForm *>(form) != nullptr, c.k100);
        EXPECT_EQ(qobject_cast<K500CameraForm *>(form) != nullptr, !c.k100);
        EXPECT_EQ(form->windowTitle(), c.title);
        press(form, 2);
        ASSERT_NE(qobject_cast<MainWindow *>(loop.currentWindow()), nullptr) << "the way back";
        qobject_cast<MainWindow *>(loop.currentWindow())->reject();
    }
}
