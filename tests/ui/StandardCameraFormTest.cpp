#include "UiTestSupport.h"

#include "../core/TempFolder.h"

#include "camera/CameraRecord.h"
#include "camera/ui/StandardCameraForm.h"

#include <QPushButton>
#include <QTest>

#include <memory>

using namespace marrowby;
using namespace marrowby::test;

namespace {

using Kind = MessageBoxes::Kind;

class StandardCameraFormTest : public UiTest {
protected:
    std::unique_ptr<StandardCameraForm> open(int model)
    {
        setModel(model);
        auto form = std::make_unique<StandardCameraForm>(context());
        FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
        form->chooseFolder();
        // A folder already holding menu.dat offers its settings (the question
        // answered No): not what these tests look at.
        MessageBoxes::takeRecorded();
        return form;
    }

    // The menu.dat in the test folder; 60 zero bytes when there is none, so a
    // missing file fails the byte checks instead of reading past the end.
    std::vector<std::uint8_t> writtenMenu() const
    {
        std::vector<std::uint8_t> bytes = readFile(folder.path() / "menu.dat");
        EXPECT_EQ(bytes.size(), 60u) << "menu.dat";
        bytes.resize(60, 0);
        return bytes;
    }

    static std::vector<std::uint8_t> bytesOf(const ConfigRecord &record)
    {
        return {record.bytes.begin(), record.bytes.end()};
    }

    // The record the core builds for the settings the form has collected.
    static std::vector<std::uint8_t> coreRecord(const MenuExtras &extras)
    {
        CameraState &state = cameraState();
        return bytesOf(buildMenuRecord(MenuLayout::Standard, state.settings, extras,
            {appState().cameraLanguageByte(), appState().tvModeByte()}));
    }

    static QList<MessageBoxes::Shown> boxes() { return MessageBoxes::takeRecorded(); }

    TempFolder folder;
};

} // namespace

TEST_F(StandardCameraFormTest, GenerateRightAfterOpening)
{
    auto form = open(1);
    EXPECT_EQ(find<QLineEdit>(form.get(), 1030)->text(), "2024/03/09 14:05:07");
    find<QPushButton>(form.get(), 1)->click();

    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Notice);
    EXPECT_EQ(shown[0].text, "Camera menu configuration file is generated");

    const auto bytes = writtenMenu();
    ASSERT_EQ(bytes.size(), 60u);
    const std::vector<std::uint8_t> head
        = {0, 0, 0, 0, 9, 0, 1, 0, 0, 1, 1, 0, 0, 0, 14, 3, 9, 14, 5, 7};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 20), head);
    EXPECT_EQ(bytes[29], 2);
    EXPECT_EQ(bytes[48], 1);
    EXPECT_EQ(bytes[51], 1);
    MenuExtras extras;
    extras.dateFormat = 1;
    EXPECT_EQ(bytes, coreRecord(extras));
    EXPECT_EQ(form->result(), 0) << "the form stays open";
}

TEST_F(StandardCameraFormTest, VideoLengthOutsideItsRange)
{
    auto form = open(1);
    auto *length = find<QLineEdit>(form.get(), 1002);
    for (const char *typed : {"0", "70"}) {
        type(length, typed);
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1) << typed;
        EXPECT_EQ(shown[0].text, "Please enter an integer between 1 and 60!");
        EXPECT_EQ(length->text(), "10") << typed;
    }
    type(length, "1");
    EXPECT_TRUE(boxes().isEmpty());
    form->generate();
    EXPECT_EQ(writtenMenu()[4], 0);
    type(length, "60");
    form->generate();
    EXPECT_EQ(writtenMenu()[4], 59);
}

TEST_F(StandardCameraFormTest, IntervalRulesWithBothUnits)
{
    auto form = open(1);
    auto *unit = find<QComboBox>(form.get(), 1029);
    auto *value = find<QLineEdit>(form.get(), 1003);
    EXPECT_EQ(unit->currentIndex(), 1);

    // Seconds: 0 stays and is stored as 128.
    pick(unit, 0);
    type(value, "0");
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(value->text(), "0");
    form->generate();
    EXPECT_EQ(writtenMenu()[6], 128);
    type(value, "30");
    form->generate();
    EXPECT_EQ(writtenMenu()[6], 158);

    // Back to minutes with 0: becomes 1.
    type(value, "0");
    pick(unit, 1);
    EXPECT_EQ(value->text(), "1");

    // Minutes above 60: range message, then 1.
    boxes();
    type(value, "61");
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "Please enter an integer between 0 and 60!");
    EXPECT_EQ(value->text(), "1");
    form->generate();
    EXPECT_EQ(writtenMenu()[6], 1);
}

TEST_F(StandardCameraFormTest, TimerHoursAndSwitches)
{
    auto form = open(1);
    auto *start = find<QLineEdit>(form.get(), 1017);
    EXPECT_TRUE(start->isReadOnly());
    pick(find<QComboBox>(form.get(), 1025), 1);
    EXPECT_FALSE(start->isReadOnly());

    type(start, "24");
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "Please enter an integer between 0 and 23!");
    EXPECT_EQ(start->text(), "0");

    type(start, "22");
    type(find<QLineEdit>(form.get(), 1024), "45");
    pick(find<QComboBox>(form.get(), 1048), 1); // second timer on
    type(find<QLineEdit>(form.get(), 1046), "7");
    type(find<QLineEdit>(form.get(), 1047), "59");
    EXPECT_TRUE(boxes().isEmpty());
    form->generate();
    const auto bytes = writtenMenu();
    EXPECT_EQ(bytes[8], 1);
    EXPECT_EQ(bytes[20], 22);
    EXPECT_EQ(bytes[23], 45);
    EXPECT_EQ(bytes[31], 1);
    EXPECT_EQ(bytes[34], 7);
    EXPECT_EQ(bytes[35], 59);

    // Serial number characters follow their switch.
    auto *character = find<QComboBox>(form.get(), 1034);
    EXPECT_FALSE(character->isEnabled());
    pick(find<QComboBox>(form.get(), 1032), 1);
    EXPECT_TRUE(character->isEnabled());
    EXPECT_EQ(character->count(), 36);
    EXPECT_EQ(character->itemText(35), "Z");
}

TEST_F(StandardCameraFormTest, ModelDependentListsAndTheSdCycleRow)
{
    auto basic = open(1);
    EXPECT_EQ(entries(find<QComboBox>(basic.get(), 1015)), (QStringList{"640x480", "320x240"}));
    EXPECT_FALSE(find<QComboBox>(basic.get(), 1052)->isVisibleTo(basic.get()));
    EXPECT_EQ(entries(find<QComboBox>(basic.get(), 1013)).size(), 3);
    basic->writeFactorySettings();
    EXPECT_EQ(find<QComboBox>(basic.get(), 1015)->currentIndex(), 1);

    auto fullHd = open(15);
    EXPECT_EQ(find<QComboBox>(fullHd.get(), 1015)->currentText(), "1280x720");
    EXPECT_EQ(find<QComboBox>(fullHd.get(), 1014)->currentText(), "12MP");
    auto *sdCycle = find<QComboBox>(fullHd.get(), 1052);
    EXPECT_TRUE(sdCycle->isVisibleTo(fullHd.get()));
    pick(sdCycle, 1);
    fullHd->generate();
    EXPECT_EQ(writtenMenu()[36], 1);

    auto k300 = open(5);
    EXPECT_EQ(entries(find<QComboBox>(k300.get(), 1014)), (QStringList{"12MP", "5MP", "1.3MP"}));

    auto none = open(0);
    EXPECT_EQ(none->windowTitle(), "Marrowby");
    EXPECT_EQ(entries(find<QComboBox>(none.get(), 1013)), (QStringList{"Camera", "Video"}));
}

TEST_F(StandardCameraFormTest, AFailedTakeInStopsThePass)
{
    auto form = open(1);
    auto *length = find<QLineEdit>(form.get(), 1002);
    type(length, "");
    auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Framework);
    EXPECT_EQ(shown[0].text, "Please enter an integer.");

    // The interval comes after the video length: it is not taken in while the
    // empty edit keeps failing.
    type(find<QLineEdit>(form.get(), 1003), "5");
    shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "Please enter an integer.");
    EXPECT_EQ(form->number(1003), 1);
    EXPECT_EQ(form->number(1002), 10);

    type(length, "20");
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(form->number(1003), 5);
}

TEST_F(StandardCameraFormTest, MessagesFollowTheLanguage)
{
    appState().LanguageIndex = 1;
    appState().ChineseSystem = true;
    auto form = open(3);
    type(find<QLineEdit>(form.get(), 1002), "0");
    auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, QString::fromUtf8("请输入一个介于1和60之间的值!"));
    form->generate();
    shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, QString::fromUtf8("相机菜单设置文件已经生成"));
    EXPECT_EQ(writtenMenu()[29], 1);

    // The other languages: the program's own messages in the form's language
    // too, the dialog layer's and the range check's.
    const struct {
        int language;
        const char *exit;
        const char *enterInteger;
        const char *outOfRange;
    } others[] = {
        {3, "Beenden", "Bitte geben Sie eine ganze Zahl ein.",
            "Bitte geben Sie eine ganze Zahl zwischen 1 und 60 ein!"},
        {15, "Выход", "Введите целое число.", "Введите целое число от 1 до 60!"},
    };
    for (const auto &c : others) {
        SCOPED_TRACE(c.language);
        appState() = AppState{};
        appState().LanguageIndex = c.language;
        auto other = open(3);
        EXPECT_EQ(find<QPushButton>(other.get(), 2)->text(), QString::fromUtf8(c.exit));
        type(find<QLineEdit>(other.get(), 1002), "");
        shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Kind::Framework);
        EXPECT_EQ(shown[0].text, QString::fromUtf8(c.enterInteger));
        type(find<QLineEdit>(other.get(), 1002), "0");
        EXPECT_EQ(boxes().value(0).text, QString::fromUtf8(c.outOfRange));
    }
}

TEST_F(StandardCameraFormTest, DefaultWritesTheFactoryRecord)
{
    auto form = open(1);
    pick(find<QComboBox>(form.get(), 1013), 2);
    pick(find<QComboBox>(form.get(), 1044), 0);
    type(find<QLineEdit>(form.get(), 1002), "33");
    pick(find<QComboBox>(form.get(), 1033), 0);
    EXPECT_FALSE(find<QLineEdit>(form.get(), 1038)->isReadOnly());

    find<QPushButton>(form.get(), 1062)->click();
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "Camera menu factory settings file has been generated");

    CameraClock clock{2024, 3, 9, 14, 5, 7};
    EXPECT_EQ(writtenMenu(), bytesOf(buildStandardFactoryRecord(clock, {2, 0})));
    EXPECT_EQ(find<QComboBox>(form.get(), 1013)->currentIndex(), 0);
    EXPECT_EQ(find<QComboBox>(form.get(), 1044)->currentIndex(), 1);
    EXPECT_EQ(find<QLineEdit>(form.get(), 1002)->text(), "10");
    EXPECT_TRUE(find<QLineEdit>(form.get(), 1038)->isReadOnly());
}

TEST_F(StandardCameraFormTest, GetTimeAndTheDateFormats)
{
    auto form = open(1);
    // A Date Format change shows the same clock in the new order; Get Time
    // reads the computer's clock again.
    Clock::setFixedTime(QDateTime(QDate(2035, 1, 2), QTime(3, 4, 5)));
    pick(find<QComboBox>(form.get(), 1044), 2);
    EXPECT_EQ(find<QLineEdit>(form.get(), 1030)->text(), "09/03/2024 14:05:07");
    find<QPushButton>(form.get(), 1031)->click();
    EXPECT_EQ(find<QLineEdit>(form.get(), 1030)->text(), "02/01/2031 03:04:05");
    pick(find<QComboBox>(form.get(), 1044), 1);
    EXPECT_EQ(find<QLineEdit>(form.get(), 1030)->text(), "01/02/2031 03:04:05");

    Clock::setFixedTime(QDateTime(QDate(2009, 12, 31), QTime(23, 59, 58)));
    find<QPushButton>(form.get(), 1031)->click();
    EXPECT_EQ(find<QLineEdit>(form.get(), 1030)->text(), "12/31/2011 23:59:58");
    form->generate();
    EXPECT_EQ(writtenMenu()[14], 1) << "a fetched 2009 becomes 2011";
}

TEST_F(StandardCameraFormTest, EnterGeneratesAndEscapeLeaves)
{
    auto form = open(1);
    form->show();
    QTest::keyClick(find<QLineEdit>(form.get(), 1002), Qt::Key_Return);
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_EQ(writtenMenu().size(), 60u);
    EXPECT_TRUE(form->isVisible());

    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
}

TEST_F(StandardCameraFormTest, FoldersMissingChosenAndCancelled)
{
    auto form = open(1);
    auto *folderEdit = find<QLineEdit>(form.get(), 1064);

    type(folderEdit, QString::fromStdString((folder.path() / "missing").string()));
    form->generate();
    form->writeFactorySettings();
    auto shown = boxes();
    ASSERT_EQ(shown.size(), 2);
    for (const auto &box : shown) {
        EXPECT_EQ(box.kind, Kind::Failure);
        EXPECT_TRUE(box.text.startsWith("Could not write the file ")) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains("menu.dat"));
    }
    EXPECT_TRUE(folder.entries().empty());

    FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
    find<QPushButton>(form.get(), 1057)->click();
    EXPECT_EQ(folderEdit->text(), QString::fromStdString(folder.str()));

    FolderChooser::setNextAnswer(FolderChooser::Answer::Cancel);
    form->chooseFolder();
    EXPECT_EQ(folderEdit->text(), QString::fromStdString(folder.str()))
        << "cancel keeps the folder";

    FolderChooser::setNextAnswer(FolderChooser::Answer::NoPath);
    form->chooseFolder();
    EXPECT_EQ(folderEdit->text(), defaultOutputFolder());
}

// A chosen folder over the form's 80 characters is refused when it is chosen,
// never cut (cut to 80, <79 characters>/sub would name the parent): the folder
// row keeps its folder and the form stays usable.
TEST_F(StandardCameraFormTest, AChosenFolderOverEightyCharactersIsRefusedWhenChosen)
{
    const std::string base = folder.str() + "/";
    ASSERT_LT(base.size(), 78u);
    const std::filesystem::path parent = base + std::string(79 - base.size(), 'p');
    const std::filesystem::path chosen = parent / "sub";
    std::filesystem::create_directories(chosen);
    ASSERT_EQ(chosen.string().size(), 83u);

    auto form = open(1);
    auto *folderEdit = find<QLineEdit>(form.get(), 1064);
    ASSERT_EQ(folderEdit->text(), QString::fromStdString(folder.str()));
    FolderChooser::setNextAnswer(QString::fromStdString(chosen.string()));
    find<QPushButton>(form.get(), 1057)->click();
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Framework);
    EXPECT_EQ(shown[0].text, "Please enter no more than 80 characters.");
    EXPECT_EQ(folderEdit->text(), QString::fromStdString(folder.str()));

    // Typing and switching ask nothing, and Generate writes into the folder kept.
    type(find<QLineEdit>(form.get(), 1002), "30");
    pick(find<QComboBox>(form.get(), 1013), 2);
    pick(find<QComboBox>(form.get(), 1025), 1);
    EXPECT_TRUE(boxes().isEmpty());
    find<QPushButton>(form.get(), 1)->click();
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "menu.dat"));
    EXPECT_FALSE(std::filesystem::exists(parent / "menu.dat"));
    EXPECT_FALSE(std::filesystem::exists(chosen / "menu.dat"));

    // A folder of exactly 80 characters is taken; typing still stops at 80.
    const std::filesystem::path eighty = parent.string() + "q";
    std::filesystem::create_directories(eighty);
    ASSERT_EQ(eighty.string().size(), 80u);
    FolderChooser::setNextAnswer(QString::fromStdString(eighty.string()));
    form->chooseFolder();
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(folderEdit->text(), QString::fromStdString(eighty.string()));
    type(folderEdit, QString(100, QChar('x')));
    EXPECT_EQ(folderEdit->text(), QString(80, QChar('x')));
}

// Whatever the edits show when Generate succeeds is what menu.dat holds; when an
// edit cannot be taken in, Generate names it and writes nothing.
TEST_F(StandardCameraFormTest, GenerateWritesWhatTheFormShowsOrNothing)
{
    struct Step {
        int id;
        const char *typed; // nullptr: pick entry `index` in list `id`
        int index = 0;
    };
    struct Case {
        const char *name;
        std::vector<Step> steps;
        int refusedAt; // the edit Generate stops at, or 0 when it writes
    };
    const std::vector<Case> cases = {
        {"emptied video length, then an interval", {{1002, ""}, {1003, "30"}}, 1002},
        {"video length typed again", {{1002, ""}, {1003, "30"}, {1002, "25"}}, 0},
        {"emptied stop hour, then a start hour", {{1025, nullptr, 1}, {1023, ""}, {1017, "12"}},
            1023},
        {"stop hour typed again",
            {{1025, nullptr, 1}, {1023, ""}, {1017, "12"}, {1023, "6"}, {1024, "30"}}, 0},
        {"emptied second-timer hour", {{1048, nullptr, 1}, {1046, "9"}, {1042, ""}}, 1042},
        {"second timer and time lapse",
            {{1048, nullptr, 1}, {1046, "9"}, {1045, "15"}, {1033, nullptr, 0}, {1038, "5"},
                {1039, "6"}, {1040, "7"}},
            0},
        {"interval in seconds", {{1029, nullptr, 0}, {1003, "0"}, {1003, "45"}}, 0},
        {"emptied time-lapse second", {{1033, nullptr, 0}, {1040, ""}}, 1040},
    };
    // Record byte of each numeric edit.
    const std::vector<std::pair<int, std::size_t>> bytesOfEdits
        = {{1002, 4}, {1003, 6}, {1038, 11}, {1039, 12}, {1040, 13}, {1017, 20}, {1022, 21},
            {1023, 22}, {1024, 23}, {1042, 32}, {1045, 33}, {1046, 34}, {1047, 35}};

    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(folder.path() / "menu.dat");
        auto form = open(1);
        for (const Step &step : c.steps) {
            if (step.typed)
                type(find<QLineEdit>(form.get(), step.id), step.typed);
            else
                pick(find<QComboBox>(form.get(), step.id), step.index);
        }
        boxes();
        form->generate();
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        if (c.refusedAt) {
            EXPECT_EQ(shown[0].kind, Kind::Framework);
            EXPECT_EQ(shown[0].text, "Please enter an integer.");
            EXPECT_EQ(form->focusWidget(), find<QLineEdit>(form.get(), c.refusedAt));
            EXPECT_TRUE(folder.entries().empty()) << "nothing written";
            continue;
        }
        EXPECT_EQ(shown[0].text, "Camera menu configuration file is generated");
        const auto bytes = writtenMenu();
        const bool seconds = find<QComboBox>(form.get(), 1029)->currentIndex() == 0;
        for (const auto &[id, byte] : bytesOfEdits) {
            int shownValue = find<QLineEdit>(form.get(), id)->text().toInt();
            if (id == 1002)
                shownValue -= 1;
            if (id == 1003 && seconds)
                shownValue += 128;
            EXPECT_EQ(bytes[byte], shownValue) << "edit " << id;
        }
    }
}

TEST_F(StandardCameraFormTest, EnterPressesTheFocusedButton)
{
    struct Case {
        int focused;
        Qt::Key key;
        const char *box; // the one box shown, or nullptr
        bool written;
        bool closed;
    };
    const Case cases[] = {
        {2, Qt::Key_Return, nullptr, false, true},
        {2, Qt::Key_Enter, nullptr, false, true},
        {2, Qt::Key_Space, nullptr, false, true},
        {1062, Qt::Key_Return, "Camera menu factory settings file has been generated", true, false},
        {1031, Qt::Key_Return, nullptr, false, false},
        {1057, Qt::Key_Return, nullptr, false, false},
        {1, Qt::Key_Return, "Camera menu configuration file is generated", true, false},
        {1013, Qt::Key_Return, "Camera menu configuration file is generated", true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "control " << c.focused << " key " << c.key);
        std::filesystem::remove(folder.path() / "menu.dat");
        auto form = open(1);
        form->show();
        QWidget *focused = find<QWidget>(form.get(), c.focused);
        focused->setFocus();
        ASSERT_EQ(form->focusWidget(), focused);
        FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
        QTest::keyClick(focused, c.key);
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), c.box ? 1 : 0);
        if (c.box) {
            EXPECT_EQ(shown[0].text, c.box);
        }
        EXPECT_EQ(!folder.entries().empty(), c.written);
        EXPECT_EQ(!form->isVisible(), c.closed);
        if (c.closed) {
            EXPECT_EQ(form->result(), QDialog::Rejected);
        }
    }
}
