#include "UiTestSupport.h"

#include "../core/TempFolder.h"

#include "cardfiles/CardReader.h"
#include "catalogue/ModelCatalogue.h"
#include "mms/MmsRecordFile.h"
#include "mms/ui/K600MmsForm.h"
#include "mms/ui/StandardMmsForm.h"
#include "operators/OperatorTables.h"
#include "records/FileOps.h"
#include "records/RecordFraming.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/WindowLoop.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cerrno>
#include <memory>

using namespace marrowby;
using namespace marrowby::test;

namespace {

using Kind = MessageBoxes::Kind;

// The ten text edits, 1002..1011, in the order of their records.
constexpr int kUrl = 1002, kApn = 1003, kGateway = 1004, kPort = 1005, kPhone1 = 1006,
              kEmail = 1007, kAccount = 1008, kPassword = 1009, kPhone2 = 1010, kPhone3 = 1011;
constexpr int kMode = 1041, kStatus = 1042, kCountry = 1045, kOperator = 1046,
              kConnectionType = 1056, kPhoneType = 1060, kPictures = 1074;

class MmsForm : public UiTest {
protected:
    // Opens the form the MMS button opens for the model, as the main window
    // would, and chooses the test folder with Select.
    std::unique_ptr<QDialog> open(int model, int language = 2)
    {
        setModel(model);
        appState().LanguageIndex = language;
        std::unique_ptr<QDialog> form(createForm(FormButton::Mms, context()));
        EXPECT_NE(form, nullptr) << "model " << model;
        if (!form)
            return form;
        FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
        find<QPushButton>(form.get(), 1057)->click();
        // A folder already holding the form's file offers its settings (the
        // question answered No) or says why it cannot: not what these tests look at.
        MessageBoxes::takeRecorded();
        return form;
    }

    static QLineEdit *edit(const std::unique_ptr<QDialog> &form, int id)
    {
        return find<QLineEdit>(form.get(), id);
    }
    static QComboBox *list(const std::unique_ptr<QDialog> &form, int id)
    {
        return find<QComboBox>(form.get(), id);
    }
    static void generate(const std::unique_ptr<QDialog> &form)
    {
        find<QPushButton>(form.get(), 1)->click();
    }
    static QList<MessageBoxes::Shown> boxes() { return MessageBoxes::takeRecorded(); }

    // What a form opened in English writes unless a test says otherwise: "VGA",
    // Auto mode with China Mobile, no SMS remote control.
    static MmsSettings english()
    {
        MmsSettings s;
        s.sendCode = 1;
        s.sendPosition = 1;
        s.cameraLanguage = 2;
        s.autoMode = true;
        s.smsRemoteControl = kSmsRemoteControlOff;
        return s;
    }

    // The sealed setup.dat the core writes for these settings; in Auto mode with
    // the chosen operator's preset.
    static std::vector<std::uint8_t> coreFile(MmsSettings settings)
    {
        if (settings.autoMode)
            loadMmsPreset(settings);
        return SealedFile::seal(buildMmsRecords(settings), mmsTrailerAddend(settings));
    }

    bool written() const { return std::filesystem::exists(folder.path() / "setup.dat"); }
    std::vector<std::uint8_t> writtenFile() const { return readFile(folder.path() / "setup.dat"); }
    void removeFile() const { std::filesystem::remove(folder.path() / "setup.dat"); }

    // Generate succeeds with its message and writes exactly the core's file.
    void expectGenerated(const std::unique_ptr<QDialog> &form, const MmsSettings &settings)
    {
        removeFile();
        generate(form);
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Kind::Notice);
        EXPECT_EQ(shown[0].text,
            appState().LanguageIndex == 1
                ? QStringLiteral("MMS配置文件已生成")
                : QStringLiteral(
                    "MMS configuration file (URL|APN|Gateway|Port ...) has been generated"));
        ASSERT_TRUE(written());
        EXPECT_EQ(writtenFile(), coreFile(settings));
        EXPECT_EQ(form->result(), 0) << "the form stays open";
    }

    // Generate is refused with the message, the focus in the edit, nothing written.
    void expectRefused(const std::unique_ptr<QDialog> &form, const QString &message, int focus)
    {
        removeFile();
        generate(form);
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Kind::Notice);
        EXPECT_EQ(shown[0].text, message);
        EXPECT_EQ(form->focusWidget(), edit(form, focus));
        EXPECT_FALSE(written());
    }

    TempFolder folder;
};

} // namespace

// Every model whose MMS button is usable opens the form the catalogue names.
TEST_F(MmsForm, TheMmsButtonOpensTheCataloguedForm)
{
    for (int model = 0; model <= kModelCount; ++model) {
        SCOPED_TRACE(model);
        EXPECT_EQ(formAvailable(FormButton::Mms, model), ModelCatalogue::mmsUsable(model));
        if (!ModelCatalogue::mmsUsable(model))
            continue;
        auto form = open(model);
        const bool k600 = ModelCatalogue::mmsForm(model) == MmsFormKind::K600;
        EXPECT_EQ(qobject_cast<K600MmsForm *>(form.get()) != nullptr, k600);
        EXPECT_EQ(qobject_cast<StandardMmsForm *>(form.get()) != nullptr, !k600);
        EXPECT_EQ(form->objectName(), k600 ? "142" : "130");
        EXPECT_EQ(form->windowTitle(), qtText(ModelCatalogue::formTitle(model)));
        // The SMS remote-control row has the form's own ids.
        EXPECT_NE(form->findChild<QComboBox *>(k600 ? "1061" : "1134"), nullptr);
        EXPECT_EQ(form->findChild<QComboBox *>(k600 ? "1134" : "1061"), nullptr);
    }
}

// MMS Setup in the main window opens the form; Exit and Escape lead back to a
// fresh main window; Enter on the form is Generate and keeps it open.
TEST_F(MmsForm, MmsSetupAndTheWayBack)
{
    setModel(4);
    WindowLoop loop;
    QSignalSpy finished(&loop, &WindowLoop::finished);
    loop.start();
    for (const bool exitButton : {true, false}) {
        auto *main = qobject_cast<MainWindow *>(loop.currentWindow());
        ASSERT_NE(main, nullptr);
        find<QPushButton>(main, 1001)->click();
        auto *form = qobject_cast<K600MmsForm *>(loop.currentWindow());
        ASSERT_NE(form, nullptr);
        QTest::keyClick(find<QComboBox>(form, kMode), Qt::Key_Return);
        ASSERT_EQ(boxes().size(), 1) << "Generate, refused for the empty phone 1 and e-mail";
        EXPECT_EQ(loop.currentWindow(), form);
        if (exitButton)
            find<QPushButton>(form, 2)->click();
        else
            QTest::keyClick(form, Qt::Key_Escape);
        EXPECT_NE(qobject_cast<MainWindow *>(loop.currentWindow()), nullptr) << exitButton;
    }
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(MmsForm, OpensWithItsDefaults)
{
    auto form = open(1);
    EXPECT_EQ(entries(list(form, kMode)), QStringList({"Auto", "Manual"}));
    EXPECT_EQ(list(form, kMode)->currentIndex(), 0);
    EXPECT_EQ(entries(list(form, kStatus)), QStringList({"Off", "VGA", "QVGA", "SMS"}));
    EXPECT_EQ(list(form, kStatus)->currentIndex(), 1);
    EXPECT_EQ(list(form, kCountry)->count(), 44);
    EXPECT_EQ(list(form, kCountry)->currentText(), "China");
    EXPECT_EQ(entries(list(form, kOperator)), QStringList({"China Mobile", "China Unicom"}));
    EXPECT_EQ(entries(list(form, kConnectionType)), QStringList({"APN"}));
    EXPECT_EQ(entries(list(form, kPhoneType)), QStringList({"Domestic", "International"}));
    QComboBox *remote = list(form, 1134);
    EXPECT_EQ(remote->count(), 26);
    EXPECT_EQ(remote->currentText(), "Off");
    EXPECT_EQ(edit(form, kPictures)->text(), "0");
    // Only phone 1 and the e-mail take typing; the folder is chosen with Select.
    for (int id = kUrl; id <= 1012; ++id)
        EXPECT_EQ(edit(form, id)->isReadOnly(), id != kPhone1 && id != kEmail) << id;
    EXPECT_EQ(edit(form, 1012)->text(), QString::fromStdString(folder.str()));
}

// Every caption and list comes from its own table in the form's language
// (Japanese here, where the tables hold a few surprises of their own).
TEST_F(MmsForm, CaptionsInTheFormsLanguage)
{
    auto form = open(5, 10);
    const std::pair<int, const char *> labels[] = {{1039, "MMSステータス"}, {1040, "MMS モード"},
        {1059, "撮影数/1日"}, {1075, "注意：0=制限なし"}, {1129, "SMS遠距離操作"}, {1085, "時"},
        {1043, "国名"}, {1044, "通信会社"}, {1047, "URL"}, {1048, "ゲートウェイ"}, {1049, "ポート"},
        {1050, "電話"}, {1051, "Eメール"}, {1052, "アカウント"}, {1053, "パスワード"},
        {1054, "電話orEメール"}, {1055, "電話orEメール"}};
    for (const auto &[id, caption] : labels)
        EXPECT_EQ(find<QLabel>(form.get(), id)->text(), QString::fromUtf8(caption)) << id;
    EXPECT_EQ(find<QGroupBox>(form.get(), 1058)->title(), "MMS");
    EXPECT_EQ(find<QPushButton>(form.get(), 1057)->text(), "選択");
    EXPECT_EQ(find<QPushButton>(form.get(), 1)->text(), "ファイル作成");
    EXPECT_EQ(find<QPushButton>(form.get(), 2)->text(), "終了");
    EXPECT_EQ(entries(list(form, kMode)), QStringList({"自動", "手動"}));
    EXPECT_EQ(entries(list(form, kStatus)), QStringList({"オフ", "VGA", "SMS"}));
    EXPECT_EQ(entries(list(form, kPhoneType)), QStringList({"国内", "国際"}));
    EXPECT_EQ(list(form, 1134)->itemText(25), "オフ");
    EXPECT_EQ(list(form, 1134)->itemText(24), "24");
    pick(list(form, kMode), 1);
    EXPECT_EQ(entries(list(form, kCountry)), QStringList({"その他"}));
    // The form's own messages other than Chinese are in English.
    pick(list(form, kPhoneType), 1);
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "Phone number will not be displayed in the camera setup menu");
}

// Byte 0 (send code) and byte 1 (position + 1) of "SMS" per model group, and
// whether "SMS" brings the SMS checks (phone 1 alone is enough) or the general
// ones (which here ask for phone 1 or an e-mail, and then pass with phone 1).
TEST_F(MmsForm, SmsSendCodeAndPositionPerModelGroup)
{
    struct Case {
        int model;
        QStringList status;
        int sendCode;
        int position;
        bool smsRules;
    };
    const QStringList four = {"Off", "VGA", "QVGA", "SMS"};
    const QStringList three = {"Off", "VGA", "SMS"};
    const Case cases[] = {
        {1, four, 3, 3, true},
        {3, four, 3, 3, true},
        {5, three, 3, 2, true},
        {6, three, 3, 2, true},
        {9, four, 3, 3, false},
        {2, three, 2, 2, true},
        {18, three, 2, 2, true},
        {8, three, 2, 2, false},
        {16, three, 2, 2, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.model);
        auto form = open(c.model);
        QComboBox *status = list(form, kStatus);
        ASSERT_EQ(entries(status), c.status);
        pick(status, c.position);
        // With the SMS rules the e-mail is locked; without them it stays open.
        EXPECT_EQ(edit(form, kEmail)->isReadOnly(), c.smsRules);
        if (!c.smsRules)
            expectRefused(form, "Phone & Email Error(0)", kPhone1);
        type(edit(form, kPhone1), "1234567");
        MmsSettings s = english();
        s.sendCode = c.sendCode;
        s.sendPosition = c.position;
        s.phone1 = "1234567";
        expectGenerated(form, s);
        const auto bytes = writtenFile();
        EXPECT_EQ(RecordUnscramble(bytes[0]), c.sendCode);
        EXPECT_EQ(RecordUnscramble(bytes[1]), c.position + 1);
    }
}

// The checks reach the user as the variant's messages, in its language, with
// the focus in the edit concerned; a refused Generate writes nothing.
TEST_F(MmsForm, ChecksReachTheUserWithFocus)
{
    struct Case {
        const char *what;
        int model;
        int language;
        int status; // -1: leave "VGA"
        bool manual;
        std::vector<std::pair<int, QString>> typed;
        QString message;
        int focus;
    };
    const Case cases[] = {
        {"S4: domestic phone 1 with +", 1, 2, 3, false, {{kPhone1, "+1234567"}},
            "Only numbers(+) are allowed phone number", kPhone1},
        {"S5: phone 2 with @ under SMS", 1, 2, 3, false,
            {{kPhone1, "1234567"}, {kPhone2, "ab@cd.ef"}},
            "Please re-check the phone number is entered correctly", kPhone2},
        {"S2: phone 2 too short", 5, 1, 2, false, {{kPhone1, "1234567"}, {kPhone2, "123"}},
            "手机号码错误(02)", kPhone2},
        {"G1: nothing to send to", 1, 1, -1, false, {}, "手机号码和Email错误(0)", kPhone1},
        {"G2: phone 1 of four", 2, 2, -1, false, {{kPhone1, "1234"}}, "Phone No. Error(01)",
            kPhone1},
        {"G9 after G8 passes", 1, 2, -1, false, {{kEmail, "me@example"}}, "Email Error(.)", kEmail},
        {"G8", 1, 2, -1, false, {{kEmail, "me.example"}}, "Email Error(@)", kEmail},
        {"G10 in Manual mode", 3, 2, -1, true, {{kPhone1, "1234567"}}, "URL Error(0)", kUrl},
        {"G14 standard", 1, 1, -1, true,
            {{kUrl, "http://mms"}, {kApn, "mms"}, {kGateway, "10"}, {kPort, "80"},
                {kPhone1, "1234567"}},
            "彩信网关错误(.)", kGateway},
        {"G14 K600", 4, 1, -1, true,
            {{kUrl, "http://mms"}, {kApn, "mms"}, {kGateway, "10"}, {kPort, "80"},
                {kPhone1, "1234567"}},
            "网关错误(.)", kGateway},
        {"K600 model without SMS rules", 8, 2, 2, false, {}, "Phone & Email Error(0)", kPhone1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        auto form = open(c.model, c.language);
        if (c.manual)
            pick(list(form, kMode), 1);
        if (c.status >= 0)
            pick(list(form, kStatus), c.status);
        for (const auto &[id, text] : c.typed)
            type(edit(form, id), text);
        ASSERT_TRUE(boxes().isEmpty());
        expectRefused(form, c.message, c.focus);
    }
}

// R1 runs after the entry checks: an SMS remote-control interval needs phone 1,
// except on the K410MG-1080P.
TEST_F(MmsForm, RemoteControlNeedsPhone1)
{
    auto form = open(1, 1);
    pick(list(form, kStatus), 3); // SMS: an empty phone 1 passes S1..S6
    pick(list(form, 1134), 6);
    expectRefused(form, "请设置手机号码1", kPhone1);
    type(edit(form, kPhone1), "13912345678");
    MmsSettings s = english();
    s.cameraLanguage = 1;
    s.sendCode = 3;
    s.sendPosition = 3;
    s.smsRemoteControl = 6;
    s.phone1 = "13912345678";
    expectGenerated(form, s);
}

// A domestic phone 1 takes 11 digits on the standard form and 12 on the K600
// form; one more shows the limit message while the fields are taken in and
// empties phone 1 (and so locks phone 2 again).
TEST_F(MmsForm, OneDigitTooManyEmptiesPhone1)
{
    struct Case {
        int model;
        QString longest;
        int limit;
    };
    for (const Case &c : {Case{1, "12345678901", 11}, Case{7, "123456789012", 12}}) {
        SCOPED_TRACE(c.model);
        auto form = open(c.model);
        QLineEdit *phone1 = edit(form, kPhone1);
        type(phone1, c.longest);
        EXPECT_TRUE(boxes().isEmpty());
        EXPECT_FALSE(edit(form, kPhone2)->isReadOnly());
        QTest::keyClicks(phone1, "3");
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Kind::Notice);
        EXPECT_EQ(
            shown[0].text, QString("The max allowable number of digits phone %1!").arg(c.limit));
        EXPECT_EQ(phone1->text(), "");
        EXPECT_TRUE(edit(form, kPhone2)->isReadOnly());

        type(phone1, c.longest);
        MmsSettings s = english();
        s.phone1 = c.longest.toStdString();
        expectGenerated(form, s);
    }
}

// "International" tells the user the number will not show in the camera's menu,
// allows 32 characters with a leading "+", and seals the file with the
// international addend. Back on "Domestic" the long number is not cut, but the
// next take-in names the domestic limit and Generate writes nothing.
TEST_F(MmsForm, InternationalPhone1)
{
    auto form = open(2);
    pick(list(form, kPhoneType), 1);
    auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "Phone number will not be displayed in the camera setup menu");
    pick(list(form, kPhoneType), 1);
    EXPECT_TRUE(boxes().isEmpty()) << "picking the same entry again says nothing";

    const QString longest = "+" + QString(31, '7');
    type(edit(form, kPhone1), longest);
    EXPECT_TRUE(boxes().isEmpty());
    MmsSettings s = english();
    s.international = true;
    s.phone1 = longest.toStdString();
    expectGenerated(form, s);
    EXPECT_EQ(RecordUnscramble(writtenFile()[7]), 1);

    pick(list(form, kPhoneType), 0);
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(edit(form, kPhone1)->text(), longest);
    removeFile();
    generate(form);
    shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "The max allowable number of digits phone 12!");
    EXPECT_FALSE(written());
}

// Switching the mode empties the ten texts, whichever way, and keeps pictures
// per day, the remote control, the phone type and the folder.
TEST_F(MmsForm, ModeSwitchEmptiesTheTenTexts)
{
    auto form = open(1);
    type(edit(form, kPictures), "7");
    pick(list(form, 1134), 3);
    pick(list(form, kPhoneType), 1);
    boxes();

    pick(list(form, kMode), 1);
    EXPECT_EQ(entries(list(form, kCountry)), QStringList({"Other"}));
    EXPECT_EQ(entries(list(form, kOperator)), QStringList({"Other"}));
    EXPECT_EQ(entries(list(form, kConnectionType)), QStringList({"APN", "CSD"}));
    const std::vector<std::pair<int, QString>> texts = {{kUrl, "http://mms.example/mms"},
        {kApn, "mms.example"}, {kGateway, "10.0.0.172"}, {kPort, "8080"}, {kPhone1, "+4912345678"},
        {kEmail, "me@example.org"}, {kAccount, "user"}, {kPassword, "secret"},
        {kPhone2, "+4998765432"}, {kPhone3, "you@example.org"}};
    for (const auto &[id, text] : texts) {
        type(edit(form, id), text);
        EXPECT_EQ(edit(form, id)->text(), text) << id;
    }
    pick(list(form, kConnectionType), 1);
    EXPECT_TRUE(boxes().isEmpty());

    MmsSettings s = english();
    s.autoMode = false;
    s.connectionType = 1;
    s.picturesPerDay = 7;
    s.smsRemoteControl = 3;
    s.international = true;
    s.url = "http://mms.example/mms";
    s.apn = "mms.example";
    s.gateway = "10.0.0.172";
    s.port = "8080";
    s.phone1 = "+4912345678";
    s.email = "me@example.org";
    s.account = "user";
    s.password = "secret";
    s.phone2 = "+4998765432";
    s.phone3 = "you@example.org";
    expectGenerated(form, s);
    EXPECT_EQ(RecordUnscramble(writtenFile()[8]), kManualCountry);

    for (int mode : {0, 1}) {
        pick(list(form, kMode), mode);
        for (int id = kUrl; id <= kPhone3; ++id)
            EXPECT_EQ(edit(form, id)->text(), "") << "mode " << mode << " edit " << id;
        EXPECT_EQ(edit(form, kPictures)->text(), "7");
        EXPECT_EQ(list(form, 1134)->currentIndex(), 3);
        EXPECT_EQ(list(form, kPhoneType)->currentIndex(), 1);
        EXPECT_EQ(edit(form, 1012)->text(), QString::fromStdString(folder.str()));
        EXPECT_EQ(list(form, kConnectionType)->currentIndex(), 0);
        for (int id = kUrl; id <= kPhone3; ++id)
            EXPECT_EQ(edit(form, id)->isReadOnly(),
                mode == 0 ? id != kPhone1 && id != kEmail : id == kPhone2 || id == kPhone3)
                << "mode " << mode << " edit " << id;
    }
    EXPECT_TRUE(boxes().isEmpty());
}

// A list acts only when its selection really changes: picking the entry that
// stands already empties nothing.
TEST_F(MmsForm, RepickedEntriesKeepTheTexts)
{
    auto form = open(1);
    pick(list(form, kMode), 1);
    type(edit(form, kUrl), "http://mms");
    type(edit(form, kPhone1), "1234567");
    pick(list(form, kMode), 1);
    EXPECT_EQ(edit(form, kUrl)->text(), "http://mms");
    EXPECT_EQ(edit(form, kPhone1)->text(), "1234567");

    pick(list(form, kMode), 0);
    pick(list(form, kCountry), 3);
    pick(list(form, kOperator), 4);
    type(edit(form, kPhone1), "1234567");
    pick(list(form, kCountry), 3);
    EXPECT_EQ(list(form, kOperator)->currentIndex(), 4) << "the operator stays";
    EXPECT_EQ(list(form, kOperator)->count(), 9);
    EXPECT_EQ(edit(form, kPhone1)->text(), "1234567");
    EXPECT_TRUE(boxes().isEmpty());
}

// Auto mode: the chosen operator's preset goes into the file while the edits
// (and the form's values) keep their empty operator texts, before and after.
TEST_F(MmsForm, AutoPresetReachesTheFileOnly)
{
    auto form = open(4);
    pick(list(form, kCountry), 3); // United Kingdom
    EXPECT_EQ(list(form, kOperator)->count(), 9);
    pick(list(form, kOperator), 2);
    type(edit(form, kEmail), "me@example.org");
    MmsSettings s = english();
    s.countryPosition = 3;
    s.operatorPosition = 2;
    s.email = "me@example.org";
    expectGenerated(form, s);
    MmsSettings preset = s;
    loadMmsPreset(preset);
    ASSERT_FALSE(preset.url.empty());
    const std::vector<std::uint8_t> bytes = writtenFile();
    EXPECT_EQ(RecordUnscramble(bytes[8]), 3);
    EXPECT_EQ(RecordUnscramble(bytes[9]), 2);
    EXPECT_EQ(bytes[55], 1);
    for (int id : {kUrl, kApn, kGateway, kPort, kAccount, kPassword})
        EXPECT_EQ(edit(form, id)->text(), "") << id;
    const auto *engine = qobject_cast<MmsFormEngine *>(form.get());
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(engine->state().values.url, "");

    // Generate again, in Manual mode now: nothing of the preset is left over.
    pick(list(form, kMode), 1);
    const std::vector<std::pair<int, QString>> texts = {{kUrl, "http://mms"}, {kApn, "mms"},
        {kGateway, "10.0.0.1"}, {kPort, "80"}, {kPhone1, "1234567"}};
    for (const auto &[id, text] : texts)
        type(edit(form, id), text);
    MmsSettings manual = english();
    manual.autoMode = false;
    manual.url = "http://mms";
    manual.apn = "mms";
    manual.gateway = "10.0.0.1";
    manual.port = "80";
    manual.phone1 = "1234567";
    expectGenerated(form, manual);
}

// Auto mode with an operator whose preset has no MMS centre: Generate is
// refused in the form's language with the operator list focused, and nothing is
// written; another operator of the country writes its preset.
TEST_F(MmsForm, AnIncompletePresetIsRefused)
{
    const std::pair<int, int> forms[] = {{1, 2}, {4, 3}}; // model, language
    for (const auto &[model, language] : forms) {
        SCOPED_TRACE(::testing::Message() << "model " << model);
        auto form = open(model, language);
        pick(list(form, kCountry), 10); // Spain
        pick(list(form, kOperator), 2); // Telstra
        type(edit(form, kPhone1), "1234567");
        ASSERT_TRUE(boxes().isEmpty());
        generate(form);
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Kind::Notice);
        const std::string german = "In den eingebauten Einstellungen für Telstra ("
            + std::string(countryName(3, 10))
            + ") fehlt der Wert „URL“. Wählen Sie den Modus „Handbuch“ und geben Sie die "
              "Einstellungen des Netzbetreibers ein.";
        EXPECT_EQ(shown[0].text.toStdString(),
            language == 2 ? "The built-in settings for Telstra (Spain) have no URL. Choose "
                            "Manual mode and enter the operator's settings."
                          : german);
        EXPECT_EQ(form->focusWidget(), list(form, kOperator));
        EXPECT_FALSE(written());
    }

    auto form = open(1);
    pick(list(form, kCountry), 10);
    pick(list(form, kOperator), 3); // Movistar
    type(edit(form, kPhone1), "1234567");
    MmsSettings s = english();
    s.countryPosition = 10;
    s.operatorPosition = 3;
    s.phone1 = "1234567";
    expectGenerated(form, s);
}

// Typing 150 shows the range message and leaves 0; 99 is the most.
TEST_F(MmsForm, PicturesPerDayRange)
{
    auto form = open(5);
    QLineEdit *pictures = edit(form, kPictures);
    type(pictures, "150");
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "Please enter an integer between 0 and 99!");
    EXPECT_EQ(pictures->text(), "0");
    type(edit(form, kPhone1), "1234567");
    MmsSettings s = english();
    s.phone1 = "1234567";
    expectGenerated(form, s);

    type(pictures, "99");
    EXPECT_TRUE(boxes().isEmpty());
    s.picturesPerDay = 99;
    expectGenerated(form, s);
}

// Phone 1 opens phone 2, phone 2 opens phone 3; an e-mail opens phone 2 when it
// holds "@" (on the K410MG-1080P whatever it holds). Typing into a locked edit
// does nothing.
TEST_F(MmsForm, EnablingChain)
{
    auto form = open(3);
    QTest::keyClicks(edit(form, kPhone2), "12345");
    EXPECT_EQ(edit(form, kPhone2)->text(), "");
    type(edit(form, kEmail), "abcde");
    EXPECT_TRUE(edit(form, kPhone2)->isReadOnly());
    type(edit(form, kEmail), "a@bcd");
    EXPECT_FALSE(edit(form, kPhone2)->isReadOnly());
    type(edit(form, kPhone2), "12345");
    EXPECT_FALSE(edit(form, kPhone3)->isReadOnly());
    type(edit(form, kPhone3), "54321");
    type(edit(form, kEmail), "a@b");
    EXPECT_EQ(edit(form, kPhone2)->text(), "");
    EXPECT_EQ(edit(form, kPhone3)->text(), "");
    EXPECT_TRUE(edit(form, kPhone2)->isReadOnly());
    EXPECT_TRUE(edit(form, kPhone3)->isReadOnly());

    auto k410 = open(17);
    type(edit(k410, kEmail), "12345");
    EXPECT_FALSE(edit(k410, kPhone2)->isReadOnly());
}

// The K410MG-1080P: phone 1 takes a phone number or an e-mail, up to the 40
// characters of its edit and without a limit message; no phone-type list; phone
// 1 as wide as the e-mail edit; no R1.
TEST_F(MmsForm, PhoneOrEmailVariant)
{
    auto form = open(17);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_FALSE(list(form, kPhoneType)->isVisible());
    EXPECT_EQ(find<QLabel>(form.get(), 1050)->text(), "Phone or Email");
    EXPECT_EQ(find<QLabel>(form.get(), 1051)->text(), "Phone or Email");
    EXPECT_EQ(edit(form, kPhone1)->width(), edit(form, kEmail)->width());

    QLineEdit *phone1 = edit(form, kPhone1);
    type(phone1, QString(45, '1'));
    EXPECT_EQ(phone1->text(), QString(40, '1'));
    EXPECT_TRUE(boxes().isEmpty());

    type(phone1, "abcde");
    expectRefused(
        form, "Please re-check the phone number or email address is entered correctly", kPhone1);
    type(phone1, "123");
    type(edit(form, kEmail), "+491234");
    pick(list(form, 1061), 0);
    MmsSettings s = english();
    s.phone1 = "123";
    s.email = "+491234";
    s.smsRemoteControl = 0;
    expectGenerated(form, s);

    type(phone1, "me@example");
    s.phone1 = "me@example";
    expectGenerated(form, s);
}

// In the Chinese UI China's operators have their Chinese names, also after
// another country was chosen and China again.
TEST_F(MmsForm, ChineseOperatorNames)
{
    appState().ChineseSystem = true;
    auto form = open(19, 1);
    const QStringList chinese = {"中国移动", "中国联通"};
    EXPECT_EQ(entries(list(form, kOperator)), chinese);
    EXPECT_EQ(list(form, kCountry)->itemText(0), "中国");
    pick(list(form, kCountry), 1);
    EXPECT_EQ(entries(list(form, kOperator)), QStringList({"T-Mobile", "AT&T"}));
    pick(list(form, kCountry), 0);
    EXPECT_EQ(entries(list(form, kOperator)), chinese);
    pick(list(form, kMode), 1);
    pick(list(form, kMode), 0);
    EXPECT_EQ(entries(list(form, kOperator)), chinese);
    EXPECT_EQ(entries(list(form, kStatus)), QStringList({"关闭", "VGA", "短信"}));
}

// K600M PLUS and K600MG PLUS keep the operator texts open when Manual is chosen
// with "SMS" standing; the K600M locks them.
TEST_F(MmsForm, ManualWithSmsStanding)
{
    for (const auto &[model, locked] : {std::pair{18, false}, std::pair{2, true}}) {
        SCOPED_TRACE(model);
        auto form = open(model);
        pick(list(form, kStatus), 2);
        pick(list(form, kMode), 1);
        for (int id : {kUrl, kApn, kGateway, kPort, kAccount, kPassword})
            EXPECT_EQ(edit(form, id)->isReadOnly(), locked) << id;
        EXPECT_TRUE(edit(form, kEmail)->isReadOnly());
        pick(list(form, kStatus), 1);
        for (int id : {kUrl, kEmail})
            EXPECT_FALSE(edit(form, id)->isReadOnly()) << id;
    }
}

namespace {

// The system's file operations, except that removing a file named mms.dat is
// refused.
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
            return std::error_code(EACCES, std::generic_category());
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

} // namespace

// A plain-text mms.dat that cannot be removed is reported in place of the
// success message (the file is written all the same); a folder that cannot be
// written is reported with the file's name, and nothing counts as generated.
TEST_F(MmsForm, WriteReports)
{
    auto form = open(1);
    type(edit(form, kPhone1), "1234567");
    MmsSettings s = english();
    s.phone1 = "1234567";
    {
        std::ofstream(folder.path() / "mms.dat") << "plain settings";
        KeepsWorkFile keeps;
        ScopedFileOps scoped(keeps);
        generate(form);
    }
    auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Failure);
    EXPECT_TRUE(shown[0].text.startsWith(
        QString::fromStdString((folder.path() / "setup.dat").string()) + " has been written, but "
        + QString::fromStdString((folder.path() / "mms.dat").string())))
        << shown[0].text.toStdString();
    EXPECT_EQ(writtenFile(), coreFile(s));

    std::filesystem::remove(folder.path() / "mms.dat");
    expectGenerated(form, s);

    FolderChooser::setNextAnswer(QString::fromStdString((folder.path() / "missing").string()));
    find<QPushButton>(form.get(), 1057)->click();
    generate(form);
    shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Failure);
    EXPECT_TRUE(shown[0].text.startsWith("Could not write the file "));
}

// The way back: settings shown in a form are generated as the core writes
// them; that file, read back by the card reader and shown in a new form, is
// generated again byte for byte. In Auto mode the preset stays out of the edits.
TEST_F(MmsForm, ShownSettingsGenerateTheSameFileAgain)
{
    struct Case {
        const char *name;
        int model;
        MmsSettings settings;
    };
    MmsSettings automatic = english();
    automatic.countryPosition = 3; // United Kingdom
    automatic.operatorPosition = 2;
    automatic.sendCode = 2;
    automatic.sendPosition = 2;
    automatic.international = true;
    automatic.smsRemoteControl = 6;
    automatic.picturesPerDay = 42;
    automatic.phone1 = "+447700900123";
    automatic.email = "me@example.org";
    automatic.phone2 = "+447700900456";
    loadMmsPreset(automatic);
    MmsSettings manual = english();
    manual.autoMode = false;
    manual.connectionType = 1;
    manual.url = "http://mms.example.net";
    manual.apn = "csd";
    manual.gateway = "10.0.0.172";
    manual.port = "9201";
    manual.account = "wap";
    manual.password = "secret";
    manual.phone1 = "13800138000";
    manual.phone2 = "13900139000";
    manual.phone3 = "other@example.org";
    MmsSettings smsOnK600 = manual; // "SMS" is the third entry on the K600 form
    smsOnK600.sendCode = 2;
    smsOnK600.sendPosition = 2;
    smsOnK600.phone3 = "+8613700137000"; // with "SMS" phone numbers only
    const std::vector<Case> cases{
        {"standard form, auto", 1, automatic},
        {"standard form, manual", 1, manual},
        {"K600 form, auto", 4, automatic},
        {"K600 form, manual, SMS", 7, smsOnK600},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        auto form = open(c.model);
        auto *engine = qobject_cast<MmsFormEngine *>(form.get());
        ASSERT_NE(engine, nullptr);
        engine->showSettings(c.settings);
        const bool autoMode = c.settings.autoMode;
        EXPECT_EQ(list(form, kMode)->currentIndex(), autoMode ? 0 : 1);
        EXPECT_EQ(list(form, kStatus)->currentIndex(), c.settings.sendPosition);
        EXPECT_EQ(list(form, kPhoneType)->currentIndex(), c.settings.international ? 1 : 0);
        EXPECT_EQ(list(form, engine->variant().smsRemoteControlListId)->currentIndex(),
            c.settings.smsRemoteControl);
        EXPECT_EQ(list(form, kConnectionType)->currentIndex(), c.settings.connectionType);
        EXPECT_EQ(edit(form, kPictures)->text(), QString::number(c.settings.picturesPerDay));
        if (autoMode) {
            EXPECT_EQ(list(form, kCountry)->currentText(), qtText(countryName(2, 3)));
            EXPECT_EQ(list(form, kOperator)->currentIndex(), 2);
            for (int id : {kUrl, kApn, kGateway, kPort, kAccount, kPassword}) {
                EXPECT_EQ(edit(form, id)->text(), "") << id;
                EXPECT_TRUE(edit(form, id)->isReadOnly()) << id;
            }
        } else {
            EXPECT_EQ(entries(list(form, kCountry)), QStringList({"Other"}));
            EXPECT_EQ(edit(form, kUrl)->text(), "http://mms.example.net");
            EXPECT_EQ(edit(form, kPassword)->text(), "secret");
        }
        EXPECT_EQ(edit(form, kPhone1)->text(), qtText(c.settings.phone1));
        EXPECT_EQ(edit(form, kPhone2)->text(), qtText(c.settings.phone2));
        EXPECT_FALSE(edit(form, kPhone2)->isReadOnly());
        EXPECT_EQ(edit(form, kPhone3)->text(), qtText(c.settings.phone3));

        expectGenerated(form, c.settings);
        const std::vector<std::uint8_t> bytes = writtenFile();
        const inspect::SealedInspection read = inspect::inspectSealed(bytes);
        ASSERT_TRUE(read.clean());

        auto again = open(c.model);
        qobject_cast<MmsFormEngine *>(again.get())->showSettings(read.mms);
        removeFile();
        generate(again);
        EXPECT_EQ(boxes().size(), 1);
        EXPECT_EQ(writtenFile(), bytes);
    }
}
