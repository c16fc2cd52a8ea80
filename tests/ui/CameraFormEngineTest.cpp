#include "UiTestSupport.h"

#include "../core/TempFolder.h"

#include "camera/CameraRecord.h"
#include "camera/ui/CMarrowbyCameraMenu.h"
#include "shell/ModelCatalogue.h"

#include <QPushButton>

#include <memory>

using namespace marrowby;
using namespace marrowby::test;

namespace {

using Kind = MessageBoxes::Kind;

// A family made only of a description, as the families to come are.
class DescribedForm : public CameraFormEngine {
public:
    DescribedForm(CameraFormDescription description, const FormContext &context, CameraState &state)
        : CameraFormEngine(std::move(description), context, state)
    {
        build();
    }
};

class CameraFormEngineTest : public UiTest {
protected:
    std::vector<std::uint8_t> writtenMenu() const { return readFile(folder.path() / "menu.dat"); }

    TempFolder folder;
};

} // namespace

// A family that keeps SD Cycle and the interval on Default, resets Date Format
// to "YYMMDD" with its other lists and writes the fixed marker record: Default
// still ends on "MMDDYY", and the kept values stay as shown.
TEST_F(CameraFormEngineTest, DefaultKeepsWhatTheDescriptionKeeps)
{
    CameraFormDescription description = CMarrowbyCameraMenu::description(15, 2);
    for (CameraFormDescription::Cell &cell : description.cells) {
        if (cell.listId == 1052)
            cell.keepOnDefault = true;
        if (cell.listId == CameraId::DateFormat)
            cell.factory = 0;
    }
    for (CameraFormDescription::Number &field : description.numbers) {
        if (field.id == 1003)
            field.keepOnDefault = true;
    }
    description.factoryRecord = CameraFormDescription::FactoryRecord::FixedMarker;

    CameraState state;
    DescribedForm form(description, context(), state);
    FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
    form.chooseFolder();
    pick(find<QComboBox>(&form, 1052), 1);
    pick(find<QComboBox>(&form, 1044), 0);
    type(find<QLineEdit>(&form, 1003), "25");
    type(find<QLineEdit>(&form, 1002), "33");
    pick(find<QComboBox>(&form, 1013), 2);

    // An emptied kept edit refuses Default: nothing is reset or written.
    type(find<QLineEdit>(&form, 1003), "");
    MessageBoxes::takeRecorded();
    find<QPushButton>(&form, CameraId::Default)->click();
    auto shown = MessageBoxes::takeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "Please enter an integer.");
    EXPECT_EQ(form.focusWidget(), find<QLineEdit>(&form, 1003));
    EXPECT_TRUE(folder.entries().empty());
    EXPECT_EQ(find<QComboBox>(&form, 1013)->currentIndex(), 2);

    type(find<QLineEdit>(&form, 1003), "25");
    MessageBoxes::takeRecorded();
    find<QPushButton>(&form, CameraId::Default)->click();
    shown = MessageBoxes::takeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "Camera menu factory settings file has been generated");
    const ConfigRecord marker = buildFactoryMarkerRecord();
    EXPECT_EQ(writtenMenu(), std::vector<std::uint8_t>(marker.bytes.begin(), marker.bytes.end()));
    EXPECT_EQ(find<QComboBox>(&form, 1052)->currentIndex(), 1) << "kept";
    EXPECT_EQ(find<QLineEdit>(&form, 1003)->text(), "25") << "kept";
    EXPECT_EQ(find<QComboBox>(&form, 1044)->currentIndex(), kDefaultDateFormat);
    EXPECT_EQ(find<QComboBox>(&form, 1013)->currentIndex(), 0);
    EXPECT_EQ(find<QLineEdit>(&form, 1002)->text(), "10");

    // The kept values are what the next Generate writes.
    form.generate();
    const auto bytes = writtenMenu();
    ASSERT_EQ(bytes.size(), 60u);
    EXPECT_EQ(bytes[4], 9);
    EXPECT_EQ(bytes[6], 25);
    EXPECT_EQ(bytes[36], 1);
    EXPECT_EQ(bytes[48], kDefaultDateFormat);
}

// The form reads only what it is handed: model, language, record bytes and the
// camera state. The program's own state stays as it was.
TEST_F(CameraFormEngineTest, AFormStandsOnItsContextAlone)
{
    const FormContext handed{
        .modelIndex = 15, .languageIndex = 1, .cameraLanguage = 1, .tvMode = 3};
    CameraState state;
    CMarrowbyCameraMenu form(handed, state);
    EXPECT_EQ(form.windowTitle(), qtText(ModelCatalogue::formTitle(15)));
    EXPECT_EQ(find<QPushButton>(&form, 2)->text(), captionText(i18n::shared::Exit, 1));
    EXPECT_TRUE(find<QComboBox>(&form, 1052)->isVisibleTo(&form)) << "the model's SD Cycle row";

    FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
    form.chooseFolder();
    type(find<QLineEdit>(&form, 1002), "0");
    auto shown = MessageBoxes::takeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, QString::fromUtf8("请输入一个介于1和60之间的值!"));
    form.generate();
    shown = MessageBoxes::takeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, QString::fromUtf8("相机菜单设置文件已经生成"));

    const auto bytes = writtenMenu();
    ASSERT_EQ(bytes.size(), 60u);
    EXPECT_EQ(bytes[29], 1);
    EXPECT_EQ(bytes[30], 3);
    EXPECT_EQ(state.settings.VideoLength, 9);
    EXPECT_EQ(state.clock, (CameraClock{2024, 3, 9, 14, 5, 7}));
    EXPECT_EQ(cameraState().settings, CameraSettings{}) << "the shared camera state is untouched";
    EXPECT_EQ(appState().ModelIndex, 1);
    EXPECT_EQ(appState().LanguageIndex, 2);
}

namespace {

// A family with a check of its own before anything is written.
class CheckingForm : public DescribedForm {
public:
    using DescribedForm::DescribedForm;

protected:
    std::optional<Refusal> validate() override
    {
        if (number(1003) > 30)
            return Refusal{QStringLiteral("At most 30 minutes"), edit(1003)};
        return std::nullopt;
    }
};

} // namespace

TEST_F(CameraFormEngineTest, GenerateCanBeRefusedByTheFormsOwnCheck)
{
    CameraState state;
    CheckingForm form(CMarrowbyCameraMenu::description(1, 2), context(), state);
    FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
    form.chooseFolder();
    auto *interval = find<QLineEdit>(&form, 1003);

    // The take-in comes first: its failure is the only message.
    type(find<QLineEdit>(&form, 1002), "");
    type(interval, "45");
    MessageBoxes::takeRecorded();
    form.generate();
    auto shown = MessageBoxes::takeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "Please enter an integer.");

    type(find<QLineEdit>(&form, 1002), "5");
    MessageBoxes::takeRecorded();
    form.generate();
    shown = MessageBoxes::takeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Notice);
    EXPECT_EQ(shown[0].text, "At most 30 minutes");
    EXPECT_EQ(form.focusWidget(), interval);
    EXPECT_EQ(interval->selectedText(), "45");
    EXPECT_TRUE(folder.entries().empty()) << "nothing written";

    type(interval, "30");
    form.generate();
    EXPECT_EQ(MessageBoxes::takeRecorded().size(), 1);
    const auto bytes = writtenMenu();
    ASSERT_EQ(bytes.size(), 60u);
    EXPECT_EQ(bytes[4], 4);
    EXPECT_EQ(bytes[6], 30);
}
