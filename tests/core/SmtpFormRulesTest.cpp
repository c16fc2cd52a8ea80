#include "TempFolder.h"

#include "operators/OperatorPresets.h"
#include "operators/OperatorTables.h"
#include "records/RecordFile.h"
#include "smtp/SmtpFormRules.h"
#include "smtp/SmtpRecordFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace marrowby;
using marrowby::test::readFile;
using marrowby::test::TempFolder;

namespace {

namespace sm = i18n::smtp;

// Values every check accepts on both forms.
SmtpFormValues validValues()
{
    SmtpFormValues v;
    v.mode = kSmtpManualMode;
    v.apn = "internet";
    v.account = "web";
    v.gprsPassword = "web";
    v.smtpServer = "smtp.example.com";
    v.port = "25";
    v.senderEmail = "trail@example.com";
    v.senderPassword = "secret";
    v.email1 = "me@example.org";
    v.smsRemoteControl = 6;
    v.phoneNumber = "+4917012345";
    return v;
}

struct CheckCase {
    const char *name;
    std::function<void(SmtpFormValues &)> change;
    std::optional<SmtpCheck> k600Check; // none: accepted
    const i18n::Message *k600Message;
    std::optional<SmtpCheck> k200Check;
    const i18n::Message *k200Message;
    SmtpField field;
};

// A recording writer in place of the file writer.
struct RecordingWriter {
    std::vector<SmtpSettings> settings;
    std::vector<SmtpLayout> layouts;
    bool ok = true;

    SmtpFileWriter writer()
    {
        return [this](std::string_view, const SmtpSettings &s, SmtpLayout layout) {
            settings.push_back(s);
            layouts.push_back(layout);
            WriteResult result;
            result.ok = ok;
            return result;
        };
    }
};

std::vector<std::uint8_t> bytesOf(const ConfigRecord &record, std::size_t from, std::size_t to)
{
    return {record.bytes.begin() + from, record.bytes.begin() + to};
}

} // namespace

TEST(SmtpFormChecks, FirstFailingCheckOnEachForm)
{
    using F = SmtpField;
    using enum SmtpCheck;
    constexpr std::optional<SmtpCheck> ok = std::nullopt;
    const auto set = [](std::string SmtpFormValues::*field, std::string text) {
        return [field, text](SmtpFormValues &v) { v.*field = text; };
    };
    const auto phone = [](std::string text, int sms) {
        return [text, sms](SmtpFormValues &v) {
            v.phoneNumber = text;
            v.smsRemoteControl = sms;
        };
    };
    // clang-format off
    const std::vector<CheckCase> cases{
        {"all valid",               [](SmtpFormValues &) {},                     ok, nullptr, ok, nullptr, F::Apn},
        {"manual, empty APN",       set(&SmtpFormValues::apn, ""),               C1, &sm::EnterGprsApn, C1, &sm::EnterGprsApn, F::Apn},
        {"manual, one-letter APN",  set(&SmtpFormValues::apn, "a"),              C1, &sm::EnterGprsApn, C1, &sm::EnterGprsApn, F::Apn},
        {"auto, empty APN",         [](SmtpFormValues &v) { v.mode = kSmtpAutoMode; v.apn.clear(); },
                                                                                 ok, nullptr, ok, nullptr, F::Apn},
        {"one-letter server",       set(&SmtpFormValues::smtpServer, "s"),       C2, &sm::EnterSmtpServer, C2, &sm::EnterSmtpServer, F::SmtpServer},
        {"one-digit port",          set(&SmtpFormValues::port, "8"),             C3, &sm::SetPort, C3, &sm::SetPort, F::Port},
        {"empty port",              set(&SmtpFormValues::port, ""),              C3, &sm::SetPort, C3, &sm::SetPort, F::Port},
        {"empty sender e-mail",     set(&SmtpFormValues::senderEmail, ""),       C4, &sm::EnterEmail, C4, &sm::EnterEmail, F::SenderEmail},
        {"sender without @",        set(&SmtpFormValues::senderEmail, "a.b"),    C5, &sm::EmailErrorAt, C5, &sm::EmailErrorAt, F::SenderEmail},
        {"sender without .",        set(&SmtpFormValues::senderEmail, "a@b"),    C6, &sm::EmailErrorDot, C6, &sm::EmailErrorDot, F::SenderEmail},
        {"sender . before @",       set(&SmtpFormValues::senderEmail, "a.b@c"),  ok, nullptr, ok, nullptr, F::Apn},
        {"one-letter password",     set(&SmtpFormValues::senderPassword, "x"),   C7, &sm::EnterSenderPassword, C7, &sm::EnterSenderPassword, F::SenderPassword},
        // One character that takes two bytes in UTF-8 is still one character.
        {"one non-ASCII password",  set(&SmtpFormValues::senderPassword, "é"),   C7, &sm::EnterSenderPassword, C7, &sm::EnterSenderPassword, F::SenderPassword},
        {"empty Email 1",           set(&SmtpFormValues::email1, ""),            C8, &sm::EnterEmail01, C8, &sm::EnterEmail, F::Email1},
        {"Email 1 without @",       set(&SmtpFormValues::email1, "me.org"),      C9, &sm::Email01ErrorAt, C9, &sm::EmailErrorAt, F::Email1},
        {"Email 1 without .",       set(&SmtpFormValues::email1, "me@org"),     C10, &sm::Email01ErrorDot, C10, &sm::EmailErrorDot, F::Email1},
        {"empty phone, SMS off",    phone("", kSmsRemoteOff),                    ok, nullptr, ok, nullptr, F::Apn},
        {"3-digit phone, SMS off",  phone("123", kSmsRemoteOff),                C11, &sm::PhoneError, ok, nullptr, F::PhoneNumber},
        {"1-digit phone, SMS off",  phone("1", kSmsRemoteOff),                  C11, &sm::PhoneError, ok, nullptr, F::PhoneNumber},
        {"4-digit phone, SMS 6 h",  phone("1234", 6),                           C11, &sm::PhoneError, C12, &sm::PhoneError, F::PhoneNumber},
        {"empty phone, SMS 0 h",    phone("", 0),                               C12, &sm::PhoneError, C12, &sm::PhoneError, F::PhoneNumber},
        {"5-digit phone, SMS 24 h", phone("12345", 24),                          ok, nullptr, ok, nullptr, F::Apn},
        // Several failures: the first in order wins.
        {"port and Email 1 wrong",  [](SmtpFormValues &v) { v.port = "8"; v.email1.clear(); v.phoneNumber = "1"; },
                                                                                 C3, &sm::SetPort, C3, &sm::SetPort, F::Port},
        {"everything empty",        [](SmtpFormValues &v) { v = SmtpFormValues{}; v.mode = kSmtpManualMode; },
                                                                                 C1, &sm::EnterGprsApn, C1, &sm::EnterGprsApn, F::Apn},
        {"auto, everything empty",  [](SmtpFormValues &v) { v = SmtpFormValues{}; },
                                                                                 C2, &sm::EnterSmtpServer, C2, &sm::EnterSmtpServer, F::SmtpServer},
    };
    // clang-format on
    for (const CheckCase &c : cases) {
        SmtpFormValues v = validValues();
        c.change(v);
        const auto expect = [&](const SmtpFormVariant &form, std::optional<SmtpCheck> check,
                                const i18n::Message *message) {
            const auto failure = firstFailingCheck(form, v);
            if (!check) {
                EXPECT_FALSE(failure) << form.className << ": " << c.name;
                return;
            }
            ASSERT_TRUE(failure) << form.className << ": " << c.name;
            EXPECT_EQ(*failure, (SmtpCheckFailure{*check, message, c.field}))
                << form.className << ": " << c.name << " gave check "
                << smtpCheckName(failure->check) << " " << failure->message->key;
        };
        expect(k600SmtpForm, c.k600Check, c.k600Message);
        expect(k200SmtpForm, c.k200Check, c.k200Message);
    }
}

TEST(SmtpFormChecks, K200AsksForAnEmptyEmail01WithPleaseInputEmail)
{
    SmtpFormValues v = validValues();
    v.email1.clear();
    const auto failure = firstFailingCheck(k200SmtpForm, v);
    ASSERT_TRUE(failure);
    EXPECT_EQ(i18n::message(*failure->message, 2), "Please Input Email");
    EXPECT_EQ(i18n::message(*failure->message, 1), "请输入Email");
    EXPECT_EQ(
        i18n::message(*firstFailingCheck(k600SmtpForm, v)->message, 2), "Please Input Email01");
}

TEST(SmtpFormMode, SwitchEmptiesExactlyTheEightTexts)
{
    SmtpFormValues filled = validValues();
    filled.mode = kSmtpAutoMode;
    filled.country = 3;
    filled.operatorIndex = 2;
    filled.smtpStatus = 2;
    filled.picturesPerDay = 42;
    filled.hiddenEmails = {"two@x.y", "three@x.y", "", "five@x.y"};

    SmtpFormValues expected = filled;
    expected.mode = kSmtpManualMode;
    expected.country = 0;
    expected.operatorIndex = 0;
    for (std::string *text :
        {&expected.email1, &expected.senderEmail, &expected.senderPassword, &expected.smtpServer,
            &expected.port, &expected.gprsPassword, &expected.account, &expected.apn})
        text->clear();

    SmtpFormValues v = filled;
    EXPECT_TRUE(changeSmtpMode(v, kSmtpManualMode));
    EXPECT_EQ(v, expected);
    EXPECT_TRUE(gprsTextsEditable(kSmtpManualMode));

    // Back to Auto: texts typed in Manual mode go again, the rest stays.
    v.apn = "typed.apn";
    v.smtpServer = "smtp.typed";
    EXPECT_TRUE(changeSmtpMode(v, kSmtpAutoMode));
    expected.mode = kSmtpAutoMode;
    EXPECT_EQ(v, expected);
    EXPECT_FALSE(gprsTextsEditable(kSmtpAutoMode));

    // Choosing the mode that stands already changes nothing.
    v.port = "587";
    EXPECT_FALSE(changeSmtpMode(v, kSmtpAutoMode));
    EXPECT_EQ(v.port, "587");
}

TEST(SmtpFormLists, CountryAndOperatorLists)
{
    const auto chinese = smtpStartLists(1);
    ASSERT_EQ(chinese.countries.size(), 43u);
    EXPECT_EQ(chinese.countries.front(), "中国");
    EXPECT_EQ(chinese.operators, (std::vector<std::string_view>{"中国移动", "中国联通"}));
    EXPECT_EQ(smtpStartLists(2).operators,
        (std::vector<std::string_view>{"China Mobile", "China Unicom"}));

    // After a mode change back to Auto the table names are shown, also in Chinese.
    const auto autoLists = smtpModeLists(kSmtpAutoMode, 1);
    EXPECT_EQ(autoLists.countries, chinese.countries);
    EXPECT_EQ(autoLists.operators, gprsOperatorNames(0));
    const auto manual = smtpModeLists(kSmtpManualMode, 1);
    EXPECT_EQ(manual.countries, (std::vector<std::string_view>{"其他"}));
    EXPECT_EQ(manual.operators, (std::vector<std::string_view>{"其他"}));
    EXPECT_EQ(
        smtpModeLists(kSmtpManualMode, 3).operators, (std::vector<std::string_view>{"Andere"}));

    // Country change in Auto mode: table names, first operator selected.
    SmtpFormValues v;
    v.operatorIndex = 1;
    EXPECT_FALSE(changeSmtpCountry(v, 0)) << "the selection did not change";
    EXPECT_EQ(v.operatorIndex, 1);
    const auto uk = changeSmtpCountry(v, 3);
    ASSERT_TRUE(uk);
    EXPECT_EQ(uk->size(), 8u);
    EXPECT_EQ(v.country, 3);
    EXPECT_EQ(v.operatorIndex, 0);
    const auto china = changeSmtpCountry(v, 0);
    ASSERT_TRUE(china);
    EXPECT_EQ(china->front(), "China Mobile");
    const auto israel = changeSmtpCountry(v, 41);
    ASSERT_TRUE(israel);
    EXPECT_EQ(*israel, (std::vector<std::string_view>{"Golan Telecom"}));

    // Manual mode: nothing happens.
    SmtpFormValues m;
    changeSmtpMode(m, kSmtpManualMode);
    EXPECT_FALSE(changeSmtpCountry(m, 5));
    EXPECT_EQ(m.country, 0);
}

TEST(SmtpFormPicturesPerDay, CorrectionAndRangeMessage)
{
    EXPECT_EQ(correctPicturesPerDay(150), 0);
    EXPECT_EQ(correctPicturesPerDay(100), 0);
    EXPECT_EQ(correctPicturesPerDay(99), 99);
    EXPECT_EQ(correctPicturesPerDay(0), 0);
    EXPECT_EQ(picturesPerDayRangeText(1), "请输入一个 0 至 99 之间的整数。");
    EXPECT_EQ(picturesPerDayRangeText(2), "Please enter an integer between 0 and 99.");
}

TEST(SmtpFormVariants, RowsAndLimits)
{
    // The K600 form keeps Email 2 to Email 5 hidden; the K200 form has none.
    std::vector<int> hidden;
    for (const SmtpEdit &e : k600SmtpForm.edits) {
        if (!e.visible)
            hidden.push_back(e.id);
    }
    EXPECT_EQ(hidden, (std::vector<int>{1013, 1014, 1015, 1016}));
    for (const SmtpCaption &c : k600SmtpForm.captions) {
        const bool emailRow = c.id == 1108 || c.id == 1109 || c.id == 1110 || c.id == 1118;
        EXPECT_EQ(c.visible, !emailRow) << c.id;
    }
    for (const SmtpEdit &e : k200SmtpForm.edits)
        EXPECT_TRUE(e.visible) << e.id;
    for (const SmtpCaption &c : k200SmtpForm.captions)
        EXPECT_TRUE(c.visible) << c.id;
    EXPECT_EQ(k200SmtpForm.fieldId(SmtpField::Email2), 0);

    struct Limit {
        SmtpField field;
        int k600;
        int k200;
    };
    for (const Limit &l : {Limit{SmtpField::SenderEmail, 40, 32}, Limit{SmtpField::Email1, 40, 32},
             Limit{SmtpField::PhoneNumber, 30, 30}, Limit{SmtpField::Port, 10, 10},
             Limit{SmtpField::Apn, 32, 32}, Limit{SmtpField::SmtpServer, 40, 40}}) {
        EXPECT_EQ(k600SmtpForm.edit(l.field)->maxLength, l.k600);
        EXPECT_EQ(k200SmtpForm.edit(l.field)->maxLength, l.k200);
    }
    EXPECT_EQ(k600SmtpForm.fieldId(SmtpField::PhoneNumber), 1117);
    EXPECT_EQ(k200SmtpForm.fieldId(SmtpField::PhoneNumber), 1113);
    EXPECT_TRUE(k600SmtpForm.hasStatusList());
    EXPECT_FALSE(k200SmtpForm.hasStatusList());
    EXPECT_EQ(&smtpFormVariant(SmtpLayout::K200), &k200SmtpForm);
}

TEST(SmtpFormGenerate, SettingsRecordBytesPerLayoutAndMode)
{
    struct Case {
        const SmtpFormVariant *form;
        int mode;
        int status;
        std::vector<std::uint8_t> bytes0to8;
        std::uint8_t byte55;
    };
    // Country "Spain" (position 10), operator 1, 42 pictures, language byte 3,
    // SMS remote control 6 hours.
    const std::vector<Case> cases{
        {&k600SmtpForm, kSmtpAutoMode, 1, {0, 1, 10, 4, 2, 3, 1, 6, 1}, 1},
        {&k600SmtpForm, kSmtpAutoMode, 0, {0, 1, 10, 4, 2, 3, 0, 6, 1}, 1},
        {&k200SmtpForm, kSmtpAutoMode, 2, {0, 1, 10, 4, 2, 3, 1, 1, 6}, 1},
        {&k600SmtpForm, kSmtpManualMode, 2, {0, 0, 0x80, 4, 2, 3, 2, 6, 1}, 0},
        {&k200SmtpForm, kSmtpManualMode, 1, {0, 0, 0x80, 4, 2, 3, 1, 1, 6}, 0},
    };
    for (const Case &c : cases) {
        SmtpFormValues v = validValues();
        v.mode = c.mode;
        v.country = 10;
        v.operatorIndex = 1;
        v.picturesPerDay = 42;
        v.smtpStatus = c.status;
        v.smsRemoteControl = 6;
        RecordingWriter writer;
        const SmtpGenerateResult result = generateSmtp(*c.form, v, "card", 3, writer.writer());
        ASSERT_TRUE(result.written()) << c.form->className;
        ASSERT_EQ(writer.settings.size(), 1u);
        EXPECT_EQ(writer.layouts[0], c.form->layout);
        const ConfigRecord record = buildSmtpSettingsRecord(writer.settings[0], writer.layouts[0]);
        EXPECT_EQ(bytesOf(record, 0, 9), c.bytes0to8) << c.form->className << " mode " << c.mode;
        EXPECT_EQ(record[55], c.byte55);
    }
}

// Auto mode writes the preset and never puts it into the form's values: not on
// a refused check, not on a failed write, not on a successful one. Whatever the
// values hold in the three GPRS texts is not written.
TEST(SmtpFormGenerate, PresetReachesTheSettingsNeverTheValues)
{
    SmtpFormValues v = validValues();
    v.mode = kSmtpAutoMode;
    v.country = 2; // Deutschland
    v.operatorIndex = 1;
    v.apn = "left.over";
    v.account.clear();
    v.gprsPassword.clear();
    const GprsPreset preset = gprsPreset(2, 1);
    ASSERT_FALSE(preset.account.empty());

    RecordingWriter writer;
    v.port = "8";
    const SmtpFormValues refused = v;
    SmtpGenerateResult result = generateSmtp(k600SmtpForm, v, "card", 2, writer.writer());
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->check, SmtpCheck::C3);
    EXPECT_FALSE(result.write);
    EXPECT_TRUE(writer.settings.empty());
    EXPECT_EQ(v, refused);

    v.port = "25";
    const SmtpFormValues before = v;
    for (const bool writes : {false, true}) {
        writer.ok = writes;
        result = generateSmtp(k600SmtpForm, v, "card", 2, writer.writer());
        EXPECT_FALSE(result.failure);
        EXPECT_EQ(result.written(), writes);
        EXPECT_EQ(v, before) << (writes ? "written" : "write failed");
        const SmtpSettings &sent = writer.settings.back();
        EXPECT_EQ(sent.apn, preset.apn);
        EXPECT_EQ(sent.account, preset.account);
        EXPECT_EQ(sent.gprsPassword, preset.password);
        EXPECT_EQ(sent.smtpServer, "smtp.example.com");
    }

    // Manual mode writes what was typed.
    SmtpFormValues manual = validValues();
    result = generateSmtp(k200SmtpForm, manual, "card", 2, writer.writer());
    EXPECT_TRUE(result.written());
    EXPECT_EQ(writer.settings.back().apn, "internet");
    EXPECT_EQ(writer.settings.back().account, "web");
}

// Auto mode refuses an operator whose preset has no access point, before any
// other check, and writes nothing; Swisscom, which the camera's lists give no
// access point, writes an empty one. Manual mode asks for the typed APN instead.
TEST(SmtpFormGenerate, AutoModeRefusesAPresetWithoutApn)
{
    int refused = 0;
    for (const GprsPresetRow &row : gprsPresetRows()) {
        if (!row.preset.apn.empty())
            continue;
        SCOPED_TRACE(std::to_string(row.position) + "/" + std::to_string(row.op));
        SmtpFormValues v = validValues();
        v.mode = kSmtpAutoMode;
        v.country = row.position;
        v.operatorIndex = row.op;
        RecordingWriter writer;
        const auto result = generateSmtp(k200SmtpForm, v, "card", 2, writer.writer());
        if (row.position == 9 && row.op == 2) {
            EXPECT_TRUE(result.written());
            ASSERT_EQ(writer.settings.size(), 1u);
            EXPECT_EQ(writer.settings[0].apn, "");
            continue;
        }
        ++refused;
        ASSERT_TRUE(result.failure);
        EXPECT_EQ(*result.failure,
            (SmtpCheckFailure{SmtpCheck::P1, nullptr, SmtpField::Apn,
                IncompletePreset{row.position, row.op, PresetSetting::Apn}}));
        EXPECT_FALSE(result.write);
        EXPECT_TRUE(writer.settings.empty());

        // First of all checks: with every other text missing too.
        SmtpFormValues empty;
        empty.country = row.position;
        empty.operatorIndex = row.op;
        EXPECT_EQ(firstFailingCheck(k600SmtpForm, empty)->check, SmtpCheck::P1);
    }
    EXPECT_EQ(refused, 3);

    SmtpFormValues manual = validValues();
    manual.apn.clear();
    manual.country = 31; // no country in Manual mode: the preset plays no part
    RecordingWriter writer;
    const auto result = generateSmtp(k200SmtpForm, manual, "card", 2, writer.writer());
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->check, SmtpCheck::C1);
    EXPECT_TRUE(writer.settings.empty());
}

TEST(SmtpFormGenerate, RefusalTextsInTheFormsLanguage)
{
    SmtpFormValues v = validValues();
    v.mode = kSmtpAutoMode;
    v.country = 31; // South Africa
    v.operatorIndex = 0;
    const auto failure = firstFailingCheck(k600SmtpForm, v);
    ASSERT_TRUE(failure);
    EXPECT_EQ(smtpRefusalText(k600SmtpForm, *failure, 2),
        "The built-in settings for Cell C (South Africa) have no APN. Choose Manual mode and "
        "enter the operator's settings.");
    // The mode as the mode list names it, the country in the form's language.
    EXPECT_EQ(smtpRefusalText(k200SmtpForm, *failure, 3),
        std::string("In den eingebauten Einstellungen für Cell C (")
            + std::string(gprsCountryName(3, 31))
            + ") fehlt der Wert „APN“. Wählen Sie den Modus „Handbuch“ und geben Sie die "
              "Einstellungen des Netzbetreibers ein.");
    EXPECT_EQ(smtpRefusalText(k200SmtpForm, *failure, 1),
        std::string("Cell C（") + std::string(gprsCountryName(1, 31))
            + "）的内置设置中缺少APN。请选择“手动”模式并输入运营商的设置。");

    // Every other check shows its own message.
    v.country = 0;
    v.port = "8";
    EXPECT_EQ(smtpRefusalText(k600SmtpForm, *firstFailingCheck(k600SmtpForm, v), 2),
        i18n::message(sm::SetPort, 2));
}

TEST(SmtpFormGenerate, HiddenRowsNeverReachTheFile)
{
    // The whole file, written by the real writer, is the same with and without
    // texts in the hidden Email 2 to Email 5 rows, and holds Email 1 as recipient.
    SmtpFormValues v = validValues();
    v.smtpStatus = 2;
    TempFolder plain;
    ASSERT_TRUE(generateSmtp(k600SmtpForm, v, plain.str(), 2).written());

    SmtpFormValues withHidden = validValues();
    withHidden.smtpStatus = 2;
    withHidden.hiddenEmails
        = {"two@example.org", "three@example.org", "four@example.org", "five@example.org"};
    TempFolder hidden;
    ASSERT_TRUE(generateSmtp(k600SmtpForm, withHidden, hidden.str(), 2).written());

    const auto bytes = readFile(plain.path() / "smtp.dat");
    EXPECT_EQ(bytes.size(), 720u);
    EXPECT_EQ(readFile(hidden.path() / "smtp.dat"), bytes);

    SmtpSettings expected;
    expected.autoMode = false;
    expected.cameraLanguage = 2;
    expected.smtpStatus = 2;
    expected.smsInterval = 6;
    expected.apn = "internet";
    expected.account = "web";
    expected.gprsPassword = "web";
    expected.smtpServer = "smtp.example.com";
    expected.port = "25";
    expected.senderEmail = "trail@example.com";
    expected.senderPassword = "secret";
    expected.phoneNumber = "+4917012345";
    expected.recipientEmail = "me@example.org";
    EXPECT_EQ(
        bytes, SealedFile::seal(buildSmtpRecords(expected, SmtpLayout::K600), TrailerAddend::Smtp));
}
