#include "CameraFormFixture.h"

#include "camera/CameraRecord.h"
#include "camera/ui/CameraFormParts.h"
#include "camera/ui/StandardCameraForm.h"
#include "cardfiles/CardReport.h"
#include "catalogue/ModelCatalogue.h"
#include "shell/ui/FormFactory.h"

#include <QPushButton>

#include <memory>

using namespace marrowby;
using namespace marrowby::test;

namespace {

using Kind = MessageBoxes::Kind;

// A family made only of a description, as every family is.
class DescribedForm : public CameraFormEngine {
public:
    DescribedForm(CameraFormDescription description, const FormContext &context, CameraState &state)
        : CameraFormEngine(std::move(description), context, state)
    {
        build();
    }
};

class CameraFormEngineTest : public CameraFormFixture { };

} // namespace

// A family that keeps SD Cycle and the interval on Default, resets Date Format
// to "YYMMDD" with its other lists and writes the fixed marker record: Default
// still ends on "MMDDYY", and the kept values stay as shown.
TEST_F(CameraFormEngineTest, DefaultKeepsWhatTheDescriptionKeeps)
{
    CameraFormDescription description = StandardCameraForm::description(15, 2);
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
    StandardCameraForm form(handed, state);
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
    CheckingForm form(StandardCameraForm::description(1, 2), context(), state);
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

namespace {

// A family that exists only here: the K600 bytes, but no side sensor (its byte
// always 1), and a form with Beep Sound but neither SD Cycle nor Side PIR.
// Adding it takes a byte table, a description and a catalogue row; nothing in
// the engine, the writer, the card reader or the form factory knows it.
constexpr auto kK900 = static_cast<MenuLayout>(900);

const std::vector<MenuByte> &k900Bytes()
{
    static const std::vector<MenuByte> bytes = [] {
        const std::span<const MenuByte> k600 = menuBytes(MenuLayout::K600);
        std::vector<MenuByte> out(k600.begin(), k600.end());
        for (MenuByte &byte : out) {
            if (byte.field == MenuField::SidePir)
                byte = {MenuField::SidePir, 9, 1, 1, true};
        }
        return out;
    }();
    return bytes;
}

class K900Menu : public CameraFormEngine {
public:
    K900Menu(const FormContext &context, CameraState &state)
        : CameraFormEngine(description(), context, state)
    {
        build();
    }

    static QDialog *make(const FormContext &context)
    {
        return new K900Menu(context, *context.cameraState);
    }

    static CameraFormDescription description()
    {
        using namespace camera_form;
        namespace t = i18n::camera;
        CameraFormDescription d = baseDescription(kK900, TimerIds::K600, &t::Timer);
        d.cells = {
            modeCell(),
            imageSizeCell(QStringList{"20MP", "8MP"}),
            videoSizeCell(QStringList{"3840x2160", "1920x1080"}),
            pictureNoCell(),
            timeStampCell(),
            sensorLevelCell(),
            videoLengthCell(),
            intervalCell(),
            dateFormatCell(),
            offOnCell(1041, &t::BeepSound, 1042, MenuField::BeepSound, 1, 1),
        };
        return d;
    }
};

// The family, its form and a model of it, known while the test runs.
struct K900Family {
    CameraFamilyRegistration family{{kK900, "K900", k900Bytes()}};
    CameraFormRegistration form{kK900, &K900Menu::make};
    ModelRegistration model{{"Marrowby K900MG", "Marrowby K900", kK900, MmsFormKind::K600,
        SmtpFormKind::K600, true, true}};
};

} // namespace

TEST_F(CameraFormEngineTest, AMadeUpFamilyWritesItsOwnBytes)
{
    const K900Family k900;
    CameraState state;
    FormContext k900Context = context();
    k900Context.modelIndex = k900.model.modelIndex();
    k900Context.cameraState = &state;
    const std::unique_ptr<QDialog> made(createForm(FormButton::Camera, k900Context));
    auto *form = dynamic_cast<K900Menu *>(made.get());
    ASSERT_NE(form, nullptr) << "the factory makes the family's form for its model";
    FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
    form->chooseFolder();
    pick(find<QComboBox>(form, CameraId::ImageSize), 1);
    pick(find<QComboBox>(form, 1042), 0); // Beep Sound off
    type(find<QLineEdit>(form, CameraId::IntervalValue), "7");
    pick(find<QComboBox>(form, 1052), 1); // the second timer on
    type(find<QLineEdit>(form, 1048), "6");
    MessageBoxes::takeRecorded();
    form->generate();
    EXPECT_EQ(MessageBoxes::takeRecorded().size(), 1);

    CameraSettings settings;
    settings.ImageSize = 1;
    settings.VideoLength = 9;
    settings.Interval = 7;
    settings.TimeLapse = 1;
    settings.Timer2 = 1;
    settings.BeepSound = 0;
    settings.SidePir = 0;
    settings.ClockYear = 14;
    settings.ClockMonth = 3;
    settings.ClockDay = 9;
    settings.ClockHour = 14;
    settings.ClockMinute = 5;
    settings.ClockSecond = 7;
    MenuExtras extras;
    extras.dateFormat = kDefaultDateFormat;
    extras.secondTimer.startHour = 6;
    const ConfigRecord expected = buildMenuRecord(k900Bytes(), settings, extras, {2, 0});
    const auto written = writtenMenu();
    EXPECT_EQ(written, std::vector<std::uint8_t>(expected.bytes.begin(), expected.bytes.end()));
    ASSERT_EQ(written.size(), 60u);
    EXPECT_EQ(written[9], 1) << "the family's own fixed byte";
    EXPECT_EQ(written[31], 0) << "Beep Sound where the K600 keeps it";
    EXPECT_EQ(written[34], 6) << "the second timer where the K600 keeps it";

    // The card reader reads the file in the family of the model, and finds
    // nothing wrong.
    const std::vector<inspect::FileInspection> read
        = inspect::inspectPath(folder.path(), {.model = k900.model.modelIndex()});
    ASSERT_EQ(read.size(), 1u);
    ASSERT_TRUE(read[0].menu.has_value());
    EXPECT_TRUE(read[0].menu->clean());
    EXPECT_EQ(read[0].menu->fittingLayouts(), std::vector<MenuLayout>{kK900});
    EXPECT_EQ(inspect::layoutName(kK900), "K900");

    // The way back: the same settings shown on a fresh form write the same bytes.
    K900Menu shown(k900Context, state);
    FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
    shown.chooseFolder();
    shown.showSettings(settings, extras);
    shown.generate();
    EXPECT_EQ(writtenMenu(), written);
}
