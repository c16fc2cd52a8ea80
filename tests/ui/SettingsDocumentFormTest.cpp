#include "UiTestSupport.h"

#include "../core/SettingsSamples.h"
#include "../core/TempFolder.h"

#include "cardfiles/CardReport.h"
#include "dialog/FormBase.h"
#include "documents/SettingsDocument.h"
#include "smtp/SmtpFormVariant.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

#include <fstream>
#include <iterator>
#include <memory>

using namespace marrowby;
using namespace marrowby::test;

namespace {

using Kind = MessageBoxes::Kind;

struct Row {
    const char *name;
    FormButton button;
    FileSettings settings;
};

std::vector<Row> everyForm()
{
    return {{"standard camera", FormButton::Camera, cameraSample(1)},
        {"K100 camera", FormButton::Camera, cameraSample(14)},
        {"K400 camera", FormButton::Camera, cameraSample(6)},
        {"K500 camera", FormButton::Camera, cameraSample(13)},
        {"K600 camera", FormButton::Camera, cameraSample(4)},
        {"K800 camera", FormButton::Camera, cameraSample(8)},
        {"standard MMS, Manual", FormButton::Mms, mmsSample(1, false)},
        {"K600 MMS, Auto", FormButton::Mms, mmsSample(4, true)},
        {"phone-or-e-mail MMS, Manual", FormButton::Mms, mmsSample(17, false)},
        {"K600 SMTP, Auto", FormButton::Smtp, smtpSample(4, true)},
        {"K200 SMTP, Manual", FormButton::Smtp, smtpSample(3, false)}};
}

std::vector<std::uint8_t> bytesOf(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class SettingsDocumentForm : public UiTest {
protected:
    std::unique_ptr<FormBase> open(FormButton button, int model)
    {
        setModel(model);
        QDialog *dialog = createForm(button, context());
        EXPECT_NE(dialog, nullptr);
        auto *form = dynamic_cast<FormBase *>(dialog);
        EXPECT_NE(form, nullptr);
        return std::unique_ptr<FormBase>(form);
    }

    static void command(FormBase *form, const char *name, const std::filesystem::path &file)
    {
        FileChooser::setNextAnswer(QString::fromStdString(file.string()));
        auto *action = form->findChild<QAction *>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }

    // What every list, edit and switch of the form shows.
    static QStringList controls(const QWidget *form)
    {
        QStringList out;
        for (const QComboBox *list : form->findChildren<QComboBox *>())
            out << list->objectName() + '=' + QString::number(list->currentIndex()) + ' '
                    + entries(list).join('|');
        for (const QLineEdit *edit : form->findChildren<QLineEdit *>())
            out << edit->objectName() + '=' + edit->text() + (edit->isReadOnly() ? " ro" : "");
        for (const QCheckBox *box : form->findChildren<QCheckBox *>())
            out << box->objectName() + '=' + QString::number(box->isChecked());
        return out;
    }

    static void generateInto(FormBase *form, FormButton button, const std::filesystem::path &to)
    {
        const bool smtp = button == FormButton::Smtp;
        FolderChooser::setNextAnswer(QString::fromStdString(to.string()));
        find<QPushButton>(form, smtp ? SmtpId::Select : 1057)->click();
        find<QPushButton>(form, smtp ? SmtpId::Generate : 1)->click();
    }

    static CameraClock testClock() { return {2024, 3, 9, 14, 5, 7}; }

    TempFolder folder;
};

} // namespace

// Form -> Save -> Open on a fresh form: the same controls, and Generate writes
// the bytes marrowby-write writes from the saved document.
TEST_F(SettingsDocumentForm, SavedAndOpenedShowsTheSameAndWritesTheSame)
{
    for (const Row &row : everyForm()) {
        SCOPED_TRACE(row.name);
        const std::filesystem::path file = folder.path() / (std::string(row.name) + ".json");
        auto saved = open(row.button, row.settings.model);
        saved->showFileSettings(row.settings);
        command(saved.get(), "saveSettings", file);
        auto boxes = MessageBoxes::takeRecorded();
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].kind, Kind::Notice);
        EXPECT_TRUE(boxes[0].text.contains(QString::fromStdString(file.string())));
        ASSERT_TRUE(std::filesystem::exists(file));

        auto opened = open(row.button, row.settings.model);
        const QStringList fresh = controls(opened.get());
        command(opened.get(), "openSettings", file);
        EXPECT_TRUE(MessageBoxes::takeRecorded().isEmpty());
        EXPECT_EQ(controls(opened.get()), controls(saved.get()));
        EXPECT_NE(controls(opened.get()), fresh) << "the document changed the form";

        const TempFolder byForm;
        const TempFolder byDocument;
        generateInto(opened.get(), row.button, byForm.path());
        ASSERT_EQ(MessageBoxes::takeRecorded().size(), 1);
        std::ifstream in(file);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        const auto reading = documents::readDocument(text);
        ASSERT_TRUE(reading.settings);
        const auto prepared = documents::prepareWrite(*reading.settings, testClock());
        ASSERT_FALSE(prepared.error);
        ASSERT_TRUE(documents::writeSettings(byDocument.path().string(), prepared.settings));
        const std::string name(inspect::cardFileName(row.settings.kind));
        EXPECT_EQ(bytesOf(byForm.path() / name), bytesOf(byDocument.path() / name));
    }
}

// A document for another model or another file, or with a bad value, is
// refused with a message naming it, and the form stays as it was.
TEST_F(SettingsDocumentForm, ARefusedDocumentChangesNothing)
{
    const std::filesystem::path k600 = folder.path() / "k600.json";
    const std::filesystem::path mms = folder.path() / "mms.json";
    const std::filesystem::path broken = folder.path() / "broken.json";
    std::ofstream(k600) << documents::documentText(cameraSample(4));
    std::ofstream(mms) << documents::documentText(mmsSample(1, false));
    std::string text = documents::documentText(cameraSample(1));
    text.replace(text.find("\"TimerStopHour\": 18"), 19, "\"TimerStopHour\": 24");
    std::ofstream(broken) << text;
    struct Case {
        std::filesystem::path file;
        QString named;
    };
    const Case cases[]
        = {{k600, "Marrowby K600MG"}, {mms, "setup.dat"}, {broken, "\"TimerStopHour\""}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file.string());
        auto form = open(FormButton::Camera, 1);
        const QStringList before = controls(form.get());
        command(form.get(), "openSettings", c.file);
        const auto boxes = MessageBoxes::takeRecorded();
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].kind, Kind::Failure);
        EXPECT_TRUE(boxes[0].text.contains(c.named)) << boxes[0].text.toStdString();
        EXPECT_EQ(controls(form.get()), before);
    }
}

// Save runs the form's checks first: a refusal is shown, the chooser is not
// asked and nothing is saved. A cancelled chooser saves nothing either.
TEST_F(SettingsDocumentForm, SaveRefusesWhatGenerateRefuses)
{
    FileSettings noAt = smtpSample(4, false);
    noAt.smtp.senderEmail = "trail.example.net";
    auto form = open(FormButton::Smtp, 4);
    form->showFileSettings(noAt);
    const std::filesystem::path file = folder.path() / "refused.json";
    command(form.get(), "saveSettings", file);
    const auto boxes = MessageBoxes::takeRecorded();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_FALSE(std::filesystem::exists(file));

    form->showFileSettings(smtpSample(4, false));
    command(form.get(), "saveSettings", {});
    EXPECT_TRUE(MessageBoxes::takeRecorded().isEmpty());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}
