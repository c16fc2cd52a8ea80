#include "UiTestSupport.h"

#include "../core/TempFolder.h"

#include "cardfiles/CardReader.h"
#include "catalogue/ModelCatalogue.h"
#include "operators/OperatorTables.h"
#include "records/FileOps.h"
#include "records/RecordFraming.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/WindowLoop.h"
#include "smtp/SmtpFormRules.h"
#include "smtp/SmtpRecordFile.h"
#include "smtp/ui/K200SmtpForm.h"
#include "smtp/ui/K600SmtpForm.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <filesystem>
#include <memory>

using namespace marrowby;
using namespace marrowby::test;

namespace {

using Kind = MessageBoxes::Kind;

constexpr int kK600Model = 4;
constexpr int kK200Model = 3; // Marrowby K200MG

class SmtpForm : public UiTest {
protected:
    std::unique_ptr<SmtpFormEngine> open(int model, int language = 2)
    {
        setModel(model);
        appState().LanguageIndex = language;
        std::unique_ptr<QDialog> made(createForm(FormButton::Smtp, context()));
        auto *form = qobject_cast<SmtpFormEngine *>(made.get());
        EXPECT_NE(form, nullptr) << "model " << model;
        if (!form)
            return nullptr;
        made.release();
        FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
        button(form, SmtpId::Select)->click();
        // A folder already holding the form's file offers its settings (the
        // question answered No) or says why it cannot: not what these tests look at.
        MessageBoxes::takeRecorded();
        return std::unique_ptr<SmtpFormEngine>(form);
    }

    static QPushButton *button(const SmtpFormEngine *form, int id)
    {
        return find<QPushButton>(form, id);
    }
    static QLineEdit *edit(const SmtpFormEngine *form, int id) { return find<QLineEdit>(form, id); }
    static QComboBox *list(const SmtpFormEngine *form, int id) { return find<QComboBox>(form, id); }

    // Types a mailbox that passes every check, and returns the same texts as
    // the writer should receive them.
    static SmtpSettings fillMailbox(SmtpFormEngine *form)
    {
        type(edit(form, SmtpId::SmtpServer), "smtp.example.com");
        type(edit(form, SmtpId::Port), "25");
        type(edit(form, SmtpId::SenderEmail), "camera@example.com");
        type(edit(form, SmtpId::SenderPassword), "secret");
        type(edit(form, SmtpId::Email1), "me@example.org");
        SmtpSettings s;
        s.smtpServer = "smtp.example.com";
        s.port = "25";
        s.senderEmail = "camera@example.com";
        s.senderPassword = "secret";
        s.recipientEmail = "me@example.org";
        return s;
    }

    static void generate(SmtpFormEngine *form) { button(form, SmtpId::Generate)->click(); }

    std::vector<std::uint8_t> written() const { return readFile(folder.path() / "smtp.dat"); }
    bool nothingWritten() const { return folder.entries().empty(); }

    // The sealed bytes the core writes for these settings.
    static std::vector<std::uint8_t> coreFile(const SmtpSettings &settings, SmtpLayout layout)
    {
        return SealedFile::seal(buildSmtpRecords(settings, layout), TrailerAddend::Smtp);
    }

    // Byte i (0..59) of the settings record as it was before sealing.
    static int settingsByte(const std::vector<std::uint8_t> &file, std::size_t i)
    {
        if (file.size() < 60)
            return -1;
        return i < 50 ? RecordUnscramble(file[i]) : file[i];
    }

    static QList<MessageBoxes::Shown> boxes() { return MessageBoxes::takeRecorded(); }

    static void expectNotice(const QString &text)
    {
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1) << text.toStdString();
        EXPECT_EQ(shown[0].kind, Kind::Notice);
        EXPECT_EQ(shown[0].text, text);
    }

    TempFolder folder;
};

QStringList qtTexts(const std::vector<std::string_view> &texts)
{
    QStringList list;
    for (std::string_view text : texts)
        list << qtText(text);
    return list;
}

const QString kGenerated = QStringLiteral("SMTP configuration file has been generated");

} // namespace

TEST_F(SmtpForm, EachModelOpensItsFormWithTheFormsControls)
{
    for (int model = 0; model <= 19; ++model) {
        const bool k600 = ModelCatalogue::smtpForm(model) == SmtpFormKind::K600;
        auto form = open(model);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(qobject_cast<K600SmtpForm *>(form.get()) != nullptr, k600) << model;
        EXPECT_EQ(form->objectName(), k600 ? "143" : "147");
        EXPECT_EQ(form->windowTitle(), qtText(ModelCatalogue::formTitle(model)));

        // Status list on the K600 form only; the SMS list at "Off".
        EXPECT_EQ(form->findChild<QComboBox *>("1114") != nullptr, k600) << model;
        const int smsList = k600 ? 1115 : 1135;
        EXPECT_EQ(list(form.get(), smsList)->count(), 26);
        EXPECT_EQ(list(form.get(), smsList)->currentText(), "Off");
        if (k600) {
            EXPECT_EQ(list(form.get(), 1114)->currentText(), "VGA");
        }

        EXPECT_TRUE(edit(form.get(), SmtpId::Apn)->isReadOnly());
        EXPECT_EQ(edit(form.get(), SmtpId::SenderPassword)->echoMode(), QLineEdit::Password);
        EXPECT_EQ(edit(form.get(), SmtpId::PicturesPerDay)->text(), "0");
        EXPECT_NE(form->findChild<QLineEdit *>(k600 ? "1117" : "1113"), nullptr);
    }
}

TEST_F(SmtpForm, TypingStopsAtEachFormsLimits)
{
    const QString long50 = QString(45, 'a') + "@b.cd";
    for (const auto &[model, emailLimit] : {std::pair{kK600Model, 40}, std::pair{kK200Model, 32}}) {
        auto form = open(model);
        for (int id : {SmtpId::SenderEmail, SmtpId::Email1}) {
            type(edit(form.get(), id), long50);
            EXPECT_EQ(edit(form.get(), id)->text().size(), emailLimit) << model << " " << id;
        }
        type(edit(form.get(), SmtpId::Port), "123456789012");
        EXPECT_EQ(edit(form.get(), SmtpId::Port)->text(), "1234567890");
        const int phone = model == kK600Model ? 1117 : 1113;
        type(edit(form.get(), phone), QString(35, '1'));
        EXPECT_EQ(edit(form.get(), phone)->text().size(), 30);
        // The folder takes any length: the SMTP forms set no limit of their own.
        type(edit(form.get(), SmtpId::Folder), QString(120, 'f'));
        EXPECT_EQ(edit(form.get(), SmtpId::Folder)->text().size(), 120);
        EXPECT_TRUE(boxes().isEmpty());
    }
}

TEST_F(SmtpForm, K600HidesEmail2To5WithoutLeavingAGap)
{
    auto k600 = open(kK600Model);
    auto k200 = open(kK200Model);
    k600->show();
    k200->show();
    for (int id : {1013, 1014, 1015, 1016})
        EXPECT_FALSE(edit(k600.get(), id)->isVisible()) << id;
    for (int id : {1108, 1109, 1110, 1118})
        EXPECT_FALSE(find<QLabel>(k600.get(), id)->isVisible()) << id;
    EXPECT_TRUE(edit(k600.get(), SmtpId::Email1)->isVisible());
    // Both forms show one recipient row, in a group of the same height.
    EXPECT_EQ(
        find<QGroupBox>(k600.get(), 1105)->height(), find<QGroupBox>(k200.get(), 1105)->height());
    // The K200 form has no such rows at all.
    for (int id : {1013, 1014, 1015, 1016})
        EXPECT_EQ(k200->findChild<QLineEdit *>(QString::number(id)), nullptr) << id;
}

TEST_F(SmtpForm, ModeSwitchEmptiesExactlyTheEightTexts)
{
    for (int model : {kK600Model, kK200Model}) {
        auto form = open(model);
        SmtpFormEngine *f = form.get();
        const int phone = f->variant().phoneId;
        pick(list(f, SmtpId::ModeList), kSmtpManualMode);
        EXPECT_FALSE(edit(f, SmtpId::Apn)->isReadOnly());
        EXPECT_EQ(entries(list(f, SmtpId::CountryList)), QStringList{"Other"});
        EXPECT_EQ(entries(list(f, SmtpId::OperatorList)), QStringList{"Other"});

        fillMailbox(f);
        type(edit(f, SmtpId::Apn), "internet");
        type(edit(f, SmtpId::Account), "user");
        type(edit(f, SmtpId::GprsPassword), "pw");
        type(edit(f, phone), "5550123");
        type(edit(f, SmtpId::PicturesPerDay), "7");

        // Re-picking the current mode changes nothing.
        pick(list(f, SmtpId::ModeList), kSmtpManualMode);
        EXPECT_EQ(edit(f, SmtpId::SmtpServer)->text(), "smtp.example.com") << model;

        pick(list(f, SmtpId::ModeList), kSmtpAutoMode);
        for (int id : {SmtpId::Apn, SmtpId::Account, SmtpId::GprsPassword, SmtpId::SmtpServer,
                 SmtpId::Port, SmtpId::SenderEmail, SmtpId::SenderPassword, SmtpId::Email1})
            EXPECT_EQ(edit(f, id)->text(), "") << model << " " << id;
        EXPECT_EQ(edit(f, phone)->text(), "5550123");
        EXPECT_EQ(edit(f, SmtpId::PicturesPerDay)->text(), "7");
        EXPECT_EQ(edit(f, SmtpId::Folder)->text(), QString::fromStdString(folder.str()));
        EXPECT_TRUE(edit(f, SmtpId::Apn)->isReadOnly());
        EXPECT_EQ(list(f, SmtpId::CountryList)->count(), 43);
        EXPECT_EQ(list(f, SmtpId::CountryList)->currentIndex(), 0);
        EXPECT_EQ(list(f, SmtpId::OperatorList)->currentIndex(), 0);
        EXPECT_TRUE(boxes().isEmpty());
    }
}

TEST_F(SmtpForm, CountryAndOperatorListsActOnlyOnARealChange)
{
    auto form = open(kK600Model, 1); // Chinese UI
    SmtpFormEngine *f = form.get();
    QComboBox *countries = list(f, SmtpId::CountryList);
    QComboBox *operators = list(f, SmtpId::OperatorList);
    EXPECT_EQ(countries->count(), 43);
    EXPECT_EQ(entries(operators), (QStringList{"中国移动", "中国联通"}));

    pick(operators, 1);
    pick(countries, 0); // the same country again
    EXPECT_EQ(operators->currentIndex(), 1);
    EXPECT_EQ(f->values().operatorIndex, 1);

    pick(countries, 1);
    EXPECT_EQ(entries(operators), qtTexts(gprsOperatorNames(1)));
    EXPECT_EQ(operators->currentIndex(), 0);
    pick(countries, 0);
    EXPECT_EQ(entries(operators), qtTexts(gprsOperatorNames(0))) << "table names now";
}

TEST_F(SmtpForm, PicturesPerDayAboveTheRangeShowsTheFrameworkMessageAndBecomesZero)
{
    auto form = open(kK200Model);
    QLineEdit *pictures = edit(form.get(), SmtpId::PicturesPerDay);
    type(pictures, "150");
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Framework);
    EXPECT_EQ(shown[0].text, qtText(picturesPerDayRangeText(2)));
    EXPECT_EQ(pictures->text(), "0");
    EXPECT_EQ(form->values().picturesPerDay, 0);

    type(pictures, "99");
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(form->values().picturesPerDay, 99);
}

// Successful Generates, each compared byte for byte with the core's file for
// the settings the user entered.
TEST_F(SmtpForm, GenerateWritesTheCoresFileInEachLayoutAndMode)
{
    struct Case {
        int model;
        SmtpLayout layout;
        bool manual;
        // Settings record bytes 1, 2, 6, 7, 8 and 55 before sealing.
        std::array<int, 6> bytes;
    };
    const Case cases[] = {
        {kK600Model, SmtpLayout::K600, false, {0, 10, 1, 6, 1, 1}},
        {kK200Model, SmtpLayout::K200, false, {0, 10, 1, 1, 6, 1}},
        {kK600Model, SmtpLayout::K600, true, {0, 0x80, 1, 6, 1, 0}},
        {kK200Model, SmtpLayout::K200, true, {0, 0x80, 1, 1, 6, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(
            ::testing::Message() << "model " << c.model << (c.manual ? " Manual" : " Auto"));
        auto form = open(c.model);
        SmtpFormEngine *f = form.get();
        if (c.manual)
            pick(list(f, SmtpId::ModeList), kSmtpManualMode);
        else
            pick(list(f, SmtpId::CountryList), 10); // the eleventh country
        SmtpSettings expected = fillMailbox(f);
        if (c.manual) {
            type(edit(f, SmtpId::Apn), "internet");
            expected.apn = "internet";
        }
        pick(list(f, f->variant().smsListId), 6);
        type(edit(f, f->variant().phoneId), "5550123");
        type(edit(f, SmtpId::PicturesPerDay), "37");

        expected.autoMode = !c.manual;
        expected.countryIndex = c.manual ? 0 : 10;
        expected.operatorIndex = 0;
        expected.picturesPerDay = 37;
        expected.cameraLanguage = 2;
        expected.smtpStatus = c.layout == SmtpLayout::K600 ? 1 : 0;
        expected.smsInterval = 6;
        expected.phoneNumber = "5550123";
        if (!c.manual)
            loadGprsPreset(expected);

        generate(f);
        expectNotice(kGenerated);
        const auto file = written();
        ASSERT_EQ(file.size(), 720u);
        EXPECT_EQ(file, coreFile(expected, c.layout));
        const std::array<int, 6> bytes
            = {settingsByte(file, 1), settingsByte(file, 2), settingsByte(file, 6),
                settingsByte(file, 7), settingsByte(file, 8), settingsByte(file, 55)};
        EXPECT_EQ(bytes, c.bytes);
        EXPECT_EQ(settingsByte(file, 3), 3);
        EXPECT_EQ(settingsByte(file, 4), 7);
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"smtp.dat"});

        // Auto mode: the preset went to the file only; the form holds and shows
        // empty GPRS texts again.
        if (!c.manual) {
            EXPECT_EQ(f->values().apn, "");
            EXPECT_EQ(edit(f, SmtpId::Apn)->text(), "");
        } else {
            EXPECT_EQ(f->values().apn, "internet");
        }
        std::filesystem::remove(folder.path() / "smtp.dat");
    }
}

TEST_F(SmtpForm, ChecksRefuseGenerateOnEachForm)
{
    struct Case {
        int model;
        bool manual;
        int clearId;   // edit emptied or retyped after the mailbox is filled
        QString typed; // what it gets
        int smsHours;  // SMS remote control; 25 "Off"
        QString phone;
        QString message; // empty: Generate writes
    };
    const Case cases[] = {
        // An empty APN only matters in Manual mode; Auto takes the preset.
        {kK600Model, true, SmtpId::Apn, "", 25, "", "GPRS APN"},
        {kK200Model, false, SmtpId::Apn, "", 25, "", ""},
        // A port needs two characters.
        {kK600Model, false, SmtpId::Port, "8", 25, "", "Port"},
        {kK200Model, false, SmtpId::Port, "8", 25, "", "Port"},
        // An empty Email 01: each form's own message.
        {kK600Model, false, SmtpId::Email1, "", 25, "", "Please Input Email01"},
        {kK200Model, false, SmtpId::Email1, "", 25, "", "Please Input Email"},
        {kK200Model, false, SmtpId::Email1, "me@example", 25, "", "Email Error(.)"},
        // Phone numbers: 1 to 4 characters are refused by the K600 form even with
        // SMS remote control "Off"; both need 5 when it is on.
        {kK600Model, false, 0, "", 25, "123", "Phone No. Error"},
        {kK200Model, false, 0, "", 25, "123", ""},
        {kK600Model, false, 0, "", 25, "", ""},
        {kK200Model, false, 0, "", 6, "1234", "Phone No. Error"},
        {kK600Model, false, 0, "", 6, "12345", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message()
            << "model " << c.model << " edit " << c.clearId << " phone " << c.phone.toStdString()
            << " sms " << c.smsHours);
        auto form = open(c.model);
        SmtpFormEngine *f = form.get();
        if (c.manual)
            pick(list(f, SmtpId::ModeList), kSmtpManualMode);
        SmtpSettings expected = fillMailbox(f);
        if (c.clearId)
            type(edit(f, c.clearId), c.typed);
        pick(list(f, f->variant().smsListId), c.smsHours);
        type(edit(f, f->variant().phoneId), c.phone);
        boxes();

        generate(f);
        if (c.message.isEmpty()) {
            expectNotice(kGenerated);
            const bool k600 = c.model == kK600Model;
            expected.smtpStatus = k600 ? 1 : 0;
            expected.smsInterval = c.smsHours;
            expected.phoneNumber = c.phone.toStdString();
            loadGprsPreset(expected);
            EXPECT_EQ(written(), coreFile(expected, k600 ? SmtpLayout::K600 : SmtpLayout::K200));
            std::filesystem::remove(folder.path() / "smtp.dat");
        } else {
            expectNotice(c.message);
            EXPECT_TRUE(nothingWritten());
            const int focus = c.clearId ? c.clearId : f->variant().phoneId;
            EXPECT_EQ(f->focusWidget(), edit(f, focus));
        }
    }
}

// Auto mode's preset goes to the file only. A refused Generate followed by
// anything that redraws the fields (here Select) must not bring the preset's
// APN, account and password into the edits, nor may they stay there after a
// country change; the next Generate writes the new country's preset.
TEST_F(SmtpForm, ARefusedGenerateLeavesNoPresetInTheEdits)
{
    for (int model : {kK600Model, kK200Model}) {
        SCOPED_TRACE(::testing::Message() << "model " << model);
        auto form = open(model);
        SmtpFormEngine *f = form.get();
        pick(list(f, SmtpId::CountryList), 3);  // United Kingdom
        pick(list(f, SmtpId::OperatorList), 1); // O2, whose preset has all three texts
        SmtpSettings expected = fillMailbox(f);
        type(edit(f, SmtpId::Port), "");
        generate(f);
        expectNotice("Port");
        EXPECT_TRUE(nothingWritten());

        const auto gprsEditsEmpty = [&](const char *when) {
            for (int id : {SmtpId::Apn, SmtpId::Account, SmtpId::GprsPassword})
                EXPECT_EQ(edit(f, id)->text().toStdString(), "") << when << ", edit " << id;
            EXPECT_EQ(f->values().apn, "") << when;
            EXPECT_EQ(f->values().account, "") << when;
            EXPECT_EQ(f->values().gprsPassword, "") << when;
        };
        FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
        button(f, SmtpId::Select)->click();
        gprsEditsEmpty("after Select");
        pick(list(f, SmtpId::CountryList), 10); // Spain
        gprsEditsEmpty("after a country change");

        type(edit(f, SmtpId::Port), "25");
        generate(f);
        expectNotice(kGenerated);
        expected.smtpStatus = model == kK600Model ? 1 : 0;
        expected.countryIndex = 10;
        loadGprsPreset(expected);
        EXPECT_EQ(written(), coreFile(expected, f->variant().layout));
        gprsEditsEmpty("after a write");
        std::filesystem::remove(folder.path() / "smtp.dat");
    }
}

// Auto mode with an operator whose preset has no APN: Generate is refused in
// the form's language with the operator list focused, and nothing is written.
// Swisscom, which the camera's lists give no APN, writes an empty one.
TEST_F(SmtpForm, AnIncompletePresetIsRefused)
{
    const auto russian = "Во встроенных настройках для Cell C ("
        + std::string(gprsCountryName(15, 31))
        + ") нет значения APN. Выберите режим «Ручная» и введите настройки оператора.";
    const std::pair<int, QString> cases[] = {
        {kK600Model,
            "The built-in settings for Cell C (South Africa) have no APN. Choose Manual mode and "
            "enter the operator's settings."},
        {kK200Model, QString::fromStdString(russian)},
    };
    for (const auto &[model, message] : cases) {
        SCOPED_TRACE(::testing::Message() << "model " << model);
        auto form = open(model, model == kK600Model ? 2 : 15);
        SmtpFormEngine *f = form.get();
        pick(list(f, SmtpId::CountryList), 31); // South Africa
        pick(list(f, SmtpId::OperatorList), 0); // Cell C
        SmtpSettings expected = fillMailbox(f);
        boxes();
        generate(f);
        expectNotice(message);
        EXPECT_TRUE(nothingWritten());
        EXPECT_EQ(f->focusWidget(), list(f, SmtpId::OperatorList));

        pick(list(f, SmtpId::CountryList), 9);  // Schweiz
        pick(list(f, SmtpId::OperatorList), 2); // Swisscom
        generate(f);
        expectNotice(kGenerated);
        expected.smtpStatus = model == kK600Model ? 1 : 0;
        expected.cameraLanguage = model == kK600Model ? 2 : 15;
        expected.countryIndex = 9;
        expected.operatorIndex = 2;
        EXPECT_EQ(written(), coreFile(expected, f->variant().layout)) << "with an empty APN";
        std::filesystem::remove(folder.path() / "smtp.dat");
    }
}

TEST_F(SmtpForm, HiddenRowsNeverReachTheFile)
{
    auto form = open(kK600Model);
    SmtpFormEngine *f = form.get();
    SmtpSettings expected = fillMailbox(f);
    for (int id : {1013, 1014, 1015, 1016})
        QTest::keyClicks(edit(f, id), "other@example.net");
    EXPECT_EQ(f->values().hiddenEmails[3], "other@example.net") << "taken in, as the form does";

    generate(f);
    expectNotice(kGenerated);
    expected.smtpStatus = 1;
    loadGprsPreset(expected);
    EXPECT_EQ(written(), coreFile(expected, SmtpLayout::K600));
}

TEST_F(SmtpForm, AFailedWriteIsReportedNotAnnouncedAsSuccess)
{
    auto form = open(kK200Model);
    fillMailbox(form.get());
    FolderChooser::setNextAnswer(QString::fromStdString((folder.path() / "missing").string()));
    button(form.get(), SmtpId::Select)->click();
    generate(form.get());
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Failure);
    EXPECT_TRUE(nothingWritten());
}

// The system's file operations, except that a work file mms.dat cannot be removed.
class KeepsWorkFile : public FileOps {
public:
    std::error_code createNew(const std::string &path, Handle &handle) override
    {
        return system.createNew(path, handle);
    }
    std::error_code write(Handle handle, const std::uint8_t *bytes, std::size_t count) override
    {
        return system.write(handle, bytes, count);
    }
    std::error_code flush(Handle handle) override { return system.flush(handle); }
    std::error_code close(Handle handle) override { return system.close(handle); }
    std::error_code replace(const std::string &from, const std::string &to) override
    {
        return system.replace(from, to);
    }
    std::error_code remove(const std::string &path) override
    {
        if (std::filesystem::path(path).filename() == "mms.dat")
            return std::make_error_code(std::errc::permission_denied);
        return system.remove(path);
    }
    std::error_code isFolder(const std::string &path, bool &folder) override
    {
        return system.isFolder(path, folder);
    }
    std::error_code flushFolder(const std::string &folder) override
    {
        return system.flushFolder(folder);
    }

private:
    FileOps &system = systemFileOps();
};

TEST_F(SmtpForm, AStaleWorkFileIsReportedInsteadOfASuccess)
{
    auto form = open(kK600Model);
    fillMailbox(form.get());
    writeFile(folder.path() / "mms.dat", "left by an earlier run");
    KeepsWorkFile ops;
    const ScopedFileOps installed(ops);
    generate(form.get());

    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Failure);
    EXPECT_TRUE(shown[0].text.contains("mms.dat")) << shown[0].text.toStdString();
    EXPECT_TRUE(shown[0].text.contains("smtp.dat")) << shown[0].text.toStdString();
    EXPECT_NE(shown[0].text, kGenerated);
    EXPECT_EQ(written().size(), 720u);
}

// The SMTP forms take a folder of any length; a file path over the writers'
// 99 characters is refused naming the file and the limit, in the user's
// language, not with what reads like a system error.
TEST_F(SmtpForm, APathOverTheLimitSaysWhatTheLimitIs)
{
    const std::filesystem::path deep = folder.path() / std::string(95, 'd');
    std::filesystem::create_directory(deep);
    const QString file = QString::fromStdString((deep / "smtp.dat").string());
    for (const auto &[language, expected] :
        {std::pair{2,
             QStringLiteral("%1 cannot be written: its path would be longer than 99 "
                            "characters")},
            std::pair{1, QStringLiteral("无法写入 %1：其路径将超过 99 个字符")}}) {
        auto form = open(kK600Model, language);
        fillMailbox(form.get());
        FolderChooser::setNextAnswer(QString::fromStdString(deep.string()));
        button(form.get(), SmtpId::Select)->click();
        generate(form.get());
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Kind::Failure);
        EXPECT_TRUE(shown[0].text.startsWith(expected.arg(file))) << shown[0].text.toStdString();
        EXPECT_TRUE(TempFolder::entriesOf(deep).empty());
    }
}

// Enter on an SMTP form runs Generate and keeps the form (and everything typed
// into it); Escape and Exit take the way back.
TEST_F(SmtpForm, EnterGeneratesEscapeAndExitGoBack)
{
    enum class Leave {
        Enter,
        Escape,
        Exit
    };
    for (const auto &[model, leave] :
        {std::pair{kK600Model, Leave::Enter}, std::pair{kK200Model, Leave::Enter},
            std::pair{kK600Model, Leave::Escape}, std::pair{kK200Model, Leave::Exit}}) {
        SCOPED_TRACE(::testing::Message() << "model " << model << " leave " << int(leave));
        setModel(model);
        WindowLoop loop;
        QSignalSpy finished(&loop, &WindowLoop::finished);
        loop.start();
        QDialog *main = loop.currentWindow();
        ASSERT_NE(main, nullptr);
        find<QPushButton>(main, 1002)->click();
        auto *form = qobject_cast<SmtpFormEngine *>(loop.currentWindow());
        ASSERT_NE(form, nullptr);
        QLineEdit *server = edit(form, SmtpId::SmtpServer);
        QTest::keyClicks(server, "smtp.example.com");

        switch (leave) {
        case Leave::Enter: {
            QTest::keyClick(server, Qt::Key_Return);
            // Generate's first check refuses the half-filled form; nothing ends.
            const auto shown = boxes();
            ASSERT_EQ(shown.size(), 1);
            EXPECT_EQ(shown[0].kind, Kind::Notice);
            EXPECT_EQ(finished.count(), 0);
            EXPECT_EQ(loop.currentWindow(), form);
            EXPECT_EQ(server->text(), "smtp.example.com");
            form->reject();
            break;
        }
        case Leave::Escape:
            QTest::keyClick(server, Qt::Key_Escape);
            break;
        case Leave::Exit:
            button(form, SmtpId::Exit)->click();
            break;
        }
        EXPECT_EQ(finished.count(), 0);
        EXPECT_NE(qobject_cast<MainWindow *>(loop.currentWindow()), nullptr);
        loop.currentWindow()->reject();
        EXPECT_EQ(finished.count(), 1);
        EXPECT_TRUE(boxes().isEmpty());
    }
}

// Enter in any edit or list of a filled form writes the same file as Generate.
TEST_F(SmtpForm, EnterInAnyControlWritesTheFile)
{
    for (int model : {kK600Model, kK200Model}) {
        SCOPED_TRACE(model);
        auto form = open(model);
        SmtpFormEngine *f = form.get();
        fillMailbox(f);
        button(f, SmtpId::Generate)->click();
        expectNotice(kGenerated);
        const std::vector<std::uint8_t> expected = written();
        ASSERT_EQ(expected.size(), 720u);

        for (QWidget *control : {static_cast<QWidget *>(edit(f, SmtpId::Email1)),
                 static_cast<QWidget *>(edit(f, SmtpId::Port)),
                 static_cast<QWidget *>(list(f, SmtpId::CountryList)),
                 static_cast<QWidget *>(edit(f, SmtpId::Folder))}) {
            SCOPED_TRACE(control->objectName().toStdString());
            std::filesystem::remove(folder.path() / "smtp.dat");
            QTest::keyClick(control, Qt::Key_Return);
            expectNotice(kGenerated);
            EXPECT_EQ(written(), expected);
        }
    }
}

// Tab follows the reading order, top to bottom and left to right, and the
// form opens on its first list, not on the read-only APN.
TEST_F(SmtpForm, TabFollowsTheReadingOrder)
{
    // The Send test e-mail button has a name of words, not an id: it counts as 0.
    constexpr int kSendTestMail = 0;
    for (int model : {kK600Model, kK200Model}) {
        SCOPED_TRACE(model);
        auto form = open(model);
        const SmtpFormVariant &v = form->variant();
        QList<int> expected{SmtpId::ModeList};
        if (v.hasStatusList())
            expected << v.statusListId;
        expected << SmtpId::PicturesPerDay << SmtpId::CountryList << SmtpId::OperatorList
                 << v.smsListId << SmtpId::Apn << SmtpId::Account << SmtpId::GprsPassword
                 << SmtpId::SmtpServer << SmtpId::Port << SmtpId::SenderEmail
                 << SmtpId::SenderPassword << kSendTestMail << SmtpId::Email1 << v.phoneId
                 << SmtpId::Select << SmtpId::Folder << SmtpId::Generate << SmtpId::Exit;

        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QList<int> visited;
        for (qsizetype i = 0; i <= expected.size(); ++i) {
            QWidget *focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            visited << focus->objectName().toInt();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        EXPECT_EQ(visited, expected + QList<int>{SmtpId::ModeList});
    }
}

TEST_F(SmtpForm, EnterStaysWhenTheTakeInFails)
{
    auto form = open(kK600Model);
    QSignalSpy ended(form.get(), &QDialog::finished);
    QLineEdit *pictures = edit(form.get(), SmtpId::PicturesPerDay);
    type(pictures, "");
    boxes(); // the message of the emptied field itself
    QTest::keyClick(edit(form.get(), SmtpId::Port), Qt::Key_Return);
    EXPECT_EQ(ended.count(), 0);
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Framework);
}

// The way back: settings shown in a form are generated as the core writes
// them; that file, read back by the card reader and shown in a new form, is
// generated again byte for byte. In Auto mode the preset stays out of the GPRS
// edits; the sender password stays masked.
TEST_F(SmtpForm, ShownSettingsGenerateTheSameFileAgain)
{
    struct Case {
        const char *name;
        int model;
        SmtpSettings settings;
    };
    SmtpSettings automatic;
    automatic.countryIndex = 2; // Deutschland
    automatic.operatorIndex = 1;
    automatic.cameraLanguage = 2;
    automatic.picturesPerDay = 7;
    automatic.smtpServer = "smtp.example.com";
    automatic.port = "587";
    automatic.senderEmail = "camera@example.com";
    automatic.senderPassword = "secret";
    automatic.recipientEmail = "me@example.org";
    loadGprsPreset(automatic);
    SmtpSettings manual = automatic;
    manual.autoMode = false;
    manual.countryIndex = 0;
    manual.operatorIndex = 0;
    manual.apn = "internet";
    manual.account = "web";
    manual.gprsPassword = "web";
    manual.smsInterval = 0;
    manual.phoneNumber = "+4917012345";
    SmtpSettings k600Manual = manual;
    k600Manual.smtpStatus = 2;
    SmtpSettings k200Auto = automatic;
    k200Auto.smtpStatus = 0; // the K200 form has no status list
    SmtpSettings k200Manual = manual;
    k200Manual.smtpStatus = 0;
    const std::vector<Case> cases{
        {"K600, auto", kK600Model, automatic},
        {"K600, manual", kK600Model, k600Manual},
        {"K200, auto", kK200Model, k200Auto},
        {"K200, manual", kK200Model, k200Manual},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        auto form = open(c.model);
        ASSERT_NE(form, nullptr);
        form->showSettings(c.settings);
        const SmtpFormVariant &variant = form->variant();
        const bool autoMode = c.settings.autoMode;
        EXPECT_EQ(list(form.get(), SmtpId::ModeList)->currentIndex(), autoMode ? 0 : 1);
        if (variant.hasStatusList()) {
            EXPECT_EQ(
                list(form.get(), variant.statusListId)->currentIndex(), c.settings.smtpStatus);
        }
        EXPECT_EQ(list(form.get(), variant.smsListId)->currentIndex(), c.settings.smsInterval);
        EXPECT_EQ(edit(form.get(), SmtpId::PicturesPerDay)->text(),
            QString::number(c.settings.picturesPerDay));
        if (autoMode) {
            EXPECT_EQ(list(form.get(), SmtpId::CountryList)->currentText(),
                qtText(gprsCountryName(2, 2)));
            EXPECT_EQ(list(form.get(), SmtpId::OperatorList)->currentIndex(), 1);
        } else {
            EXPECT_EQ(entries(list(form.get(), SmtpId::CountryList)), QStringList({"Other"}));
        }
        for (const int id : {SmtpId::Apn, SmtpId::Account, SmtpId::GprsPassword})
            EXPECT_EQ(edit(form.get(), id)->isReadOnly(), autoMode) << id;
        EXPECT_EQ(edit(form.get(), SmtpId::Apn)->text(), autoMode ? "" : "internet");
        EXPECT_EQ(edit(form.get(), SmtpId::SenderPassword)->text(), "secret");
        EXPECT_EQ(edit(form.get(), SmtpId::SenderPassword)->echoMode(), QLineEdit::Password);
        EXPECT_EQ(edit(form.get(), SmtpId::Email1)->text(), "me@example.org");
        EXPECT_EQ(edit(form.get(), variant.phoneId)->text(), qtText(c.settings.phoneNumber));

        generate(form.get());
        expectNotice(kGenerated);
        const std::vector<std::uint8_t> bytes = written();
        EXPECT_EQ(bytes, coreFile(c.settings, variant.layout));
        const inspect::SealedInspection read
            = inspect::inspectSealed(bytes, inspect::FileKind::Smtp, variant.layout);
        ASSERT_TRUE(read.clean());

        auto again = open(c.model);
        again->showSettings(read.smtp);
        std::filesystem::remove(folder.path() / "smtp.dat");
        generate(again.get());
        expectNotice(kGenerated);
        EXPECT_EQ(written(), bytes);
    }
}
