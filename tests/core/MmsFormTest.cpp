#include "catalogue/ModelCatalogue.h"
#include "i18n/PresetTexts.h"
#include "mms/MmsFormRules.h"
#include "mms/MmsRecordFile.h"
#include "operators/OperatorPresets.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace marrowby;
namespace texts = marrowby::i18n::mms;

namespace {

constexpr int kEnglish = 2;
constexpr int kChinese = 1;

MmsFormVariant variantOf(int modelIndex)
{
    return mmsFormVariant(ModelCatalogue::mmsForm(modelIndex), modelIndex);
}

// Values that pass every general check: a phone number, nothing else.
MmsFormValues validValues()
{
    MmsFormValues v;
    v.phone1 = "13800138000";
    return v;
}

// Manual values that pass every check.
MmsFormValues validManualValues()
{
    MmsFormValues v = validValues();
    v.mode = kMmsManual;
    v.url = "http://mms.example.net";
    v.apn = "mms";
    v.gateway = "10.0.0.172";
    v.port = "80";
    return v;
}

std::vector<std::string> strings(const std::vector<std::string_view> &views)
{
    return {views.begin(), views.end()};
}

} // namespace

// ---- Form variants -----------------------------------------------------------

// Send code and send position per model group: what bytes 0 and 1 of the
// settings record hold for each status position.
TEST(MmsFormVariant, SendCodeAndPositionPerModelGroup)
{
    struct Case {
        int model;
        std::vector<std::string> statusEntries;
        int smsPosition;
        bool smsRules;
        std::vector<std::pair<int, int>> bytes01; // per status position
    };
    const std::vector<std::string> four = {"Off", "VGA", "QVGA", "SMS"};
    const std::vector<std::string> three = {"Off", "VGA", "SMS"};
    const std::vector<std::pair<int, int>> fourBytes = {{0, 1}, {1, 2}, {2, 3}, {3, 4}};
    const std::vector<std::pair<int, int>> k300Bytes = {{0, 1}, {1, 2}, {3, 3}};
    const std::vector<std::pair<int, int>> k600Bytes = {{0, 1}, {1, 2}, {2, 3}};
    const Case cases[] = {
        {1, four, 3, true, fourBytes},
        {3, four, 3, true, fourBytes},
        {9, four, 3, false, fourBytes},
        {0, four, 3, false, fourBytes}, // a stored model outside the list
        {5, three, 2, true, k300Bytes},
        {6, three, 2, true, k300Bytes},
        {2, three, 2, true, k600Bytes},
        {4, three, 2, true, k600Bytes},
        {7, three, 2, true, k600Bytes},
        {18, three, 2, true, k600Bytes},
        {19, three, 2, true, k600Bytes},
        {8, three, 2, false, k600Bytes},
        {10, three, 2, false, k600Bytes},
        {13, three, 2, false, k600Bytes},
        {15, three, 2, false, k600Bytes},
        {16, three, 2, false, k600Bytes},
        {17, three, 2, false, k600Bytes},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("ModelIndex " + std::to_string(c.model));
        const MmsFormVariant variant = variantOf(c.model);
        EXPECT_EQ(strings(mmsStatusEntries(variant, kEnglish)), c.statusEntries);
        EXPECT_EQ(variant.smsPosition, c.smsPosition);
        EXPECT_EQ(smsSelected(variant, c.smsPosition), c.smsRules);
        for (int status = 0; status < static_cast<int>(c.bytes01.size()); ++status) {
            MmsFormValues values = validValues();
            values.status = status;
            const ConfigRecord record
                = buildMmsSettingsRecord(collectMmsSettings(variant, values, {}));
            EXPECT_EQ(std::make_pair(int(record[0]), int(record[1])), c.bytes01[status])
                << "status " << status;
        }
    }
}

TEST(MmsFormVariant, FormDifferences)
{
    const MmsFormVariant standard = variantOf(1);
    EXPECT_EQ(standard.dialogId, 130);
    EXPECT_EQ(standard.gatewayDotError, &texts::GatewayDotError);
    EXPECT_EQ(standard.smsRemoteControlListId, 1134);
    EXPECT_EQ(mmsPhone1Limit(standard, false), 11);
    EXPECT_EQ(mmsPhone1Limit(standard, true), 32);
    EXPECT_EQ(mmsEditMaxLength(standard, MmsEdit::Phone1), 0) << "the form tests the length";
    EXPECT_EQ(mmsEditMaxLength(standard, MmsEdit::Phone2), 32);

    const MmsFormVariant k600 = variantOf(4);
    EXPECT_EQ(k600.dialogId, 142);
    EXPECT_EQ(k600.gatewayDotError, &texts::GatewayDotErrorK600);
    EXPECT_EQ(k600.smsRemoteControlListId, 1061);
    EXPECT_EQ(mmsPhone1Limit(k600, false), 12);
    EXPECT_EQ(mmsPhone1Limit(k600, true), 32);
    EXPECT_TRUE(k600.remoteControlNeedsPhone1);
    EXPECT_FALSE(k600.phoneOrEmail);

    const MmsFormVariant k410 = variantOf(17);
    EXPECT_TRUE(k410.phoneOrEmail);
    EXPECT_FALSE(k410.remoteControlNeedsPhone1);
    for (const MmsEdit edit : {MmsEdit::Phone1, MmsEdit::Phone2, MmsEdit::Phone3})
        EXPECT_EQ(mmsEditMaxLength(k410, edit), 40);

    // Only models 2, 4 and 7 lock the operator texts when Manual is chosen with "SMS".
    for (const int model : {1, 3, 5, 6, 2, 4, 7})
        EXPECT_TRUE(variantOf(model).smsLocksManualOperatorTexts) << model;
    for (const int model : {18, 19, 9, 8})
        EXPECT_FALSE(variantOf(model).smsLocksManualOperatorTexts) << model;
}

// ---- Generate checks -----------------------------------------------------------

struct CheckCase {
    const char *name;
    int model;
    std::function<void(MmsFormValues &)> edit;
    std::optional<MmsCheck> expected;
    const i18n::Message *message = nullptr;
};

void runCheckCases(const std::vector<CheckCase> &cases)
{
    for (const CheckCase &c : cases) {
        SCOPED_TRACE(std::string(c.name) + ", ModelIndex " + std::to_string(c.model));
        MmsFormValues values = validValues();
        c.edit(values);
        const auto failure = mmsGenerateCheck(variantOf(c.model), values);
        ASSERT_EQ(failure.has_value(), c.expected.has_value())
            << (failure ? mmsCheckName(failure->check) : "passed");
        if (!failure)
            continue;
        EXPECT_EQ(mmsCheckName(failure->check), mmsCheckName(*c.expected));
        if (c.message) {
            EXPECT_EQ(failure->message, c.message);
        }
    }
}

auto sms(int position)
{
    return [position](MmsFormValues &v) { v.status = position; };
}

TEST(MmsFormChecks, SmsChecksVersusGeneralChecks)
{
    runCheckCases({
        {"SMS: no phone and no e-mail pass", 1,
            [](MmsFormValues &v) {
                v.status = 3;
                v.phone1.clear();
            },
            std::nullopt},
        {"VGA: no phone and no e-mail", 1, [](MmsFormValues &v) { v.phone1.clear(); }, MmsCheck::G1,
            &texts::PhoneAndEmailError},
        {"SMS with remote control asks for phone 1", 1,
            [](MmsFormValues &v) {
                v.status = 3;
                v.phone1.clear();
                v.smsRemoteControl = 0;
            },
            MmsCheck::R1, &texts::SetPhone1},
        {"SMS on the third entry of ModelIndex 5", 5,
            [](MmsFormValues &v) {
                v.status = 2;
                v.phone1.clear();
            },
            std::nullopt},
        {"SMS without rules of its own on ModelIndex 9", 9,
            [](MmsFormValues &v) {
                v.status = 3;
                v.phone1.clear();
            },
            MmsCheck::G1},
        {"K600 SMS on ModelIndex 18", 18,
            [](MmsFormValues &v) {
                v.status = 2;
                v.phone1.clear();
            },
            std::nullopt},
        {"K600 SMS without rules on ModelIndex 8 needs a phone or e-mail", 8,
            [](MmsFormValues &v) {
                v.status = 2;
                v.phone1.clear();
            },
            MmsCheck::G1},
        {"SMS: short phone 1", 1,
            [](MmsFormValues &v) {
                v.status = 3;
                v.phone1 = "1234";
            },
            MmsCheck::S1, &texts::PhoneError01},
        {"general: short phone 1", 1, [](MmsFormValues &v) { v.phone1 = "1234"; }, MmsCheck::G2,
            &texts::PhoneError01},
        {"general: seven digits", 1, [](MmsFormValues &v) { v.phone1 = "1234567"; }, std::nullopt},
        {"SMS: short phone 3", 2,
            [](MmsFormValues &v) {
                v.status = 2;
                v.phone3 = "12";
            },
            MmsCheck::S3, &texts::PhoneError03},
        {"general: short phone 2 before short phone 3", 2,
            [](MmsFormValues &v) {
                v.phone2 = "1";
                v.phone3 = "12";
            },
            MmsCheck::G3, &texts::PhoneError02},
        {"general: phone 2 holding an e-mail", 1, [](MmsFormValues &v) { v.phone2 = "me@example"; },
            std::nullopt},
        {"SMS: phone 2 holding an e-mail", 1,
            [](MmsFormValues &v) {
                v.status = 3;
                v.phone2 = "me@example";
            },
            MmsCheck::S5, &texts::RecheckPhone},
        {"general: phone 3 neither phone nor e-mail", 1,
            [](MmsFormValues &v) { v.phone3 = "12a45"; }, MmsCheck::G7,
            &texts::RecheckPhoneOrEmail},
        {"SMS: phone 3 with a letter", 3,
            [](MmsFormValues &v) {
                v.status = 3;
                v.phone3 = "12a45";
            },
            MmsCheck::S6, &texts::RecheckPhone},
        {"SMS: phone 2 of digits and +", 6,
            [](MmsFormValues &v) {
                v.status = 2;
                v.phone2 = "+4930123";
            },
            std::nullopt},
    });
}

// A "+" is allowed only in front of an international phone 1.
TEST(MmsFormChecks, DomesticAndInternationalPlus)
{
    const std::string thirtyOneDigits(31, '5');
    runCheckCases({
        {"domestic +", 1, [](MmsFormValues &v) { v.phone1 = "+861380"; }, MmsCheck::G5,
            &texts::PhoneDigitsOnly},
        {"domestic + with SMS", 1,
            [](MmsFormValues &v) {
                v.status = 3;
                v.phone1 = "+861380";
            },
            MmsCheck::S4, &texts::PhoneDigitsOnly},
        {"international +", 1,
            [](MmsFormValues &v) {
                v.international = true;
                v.phone1 = "+861380";
            },
            std::nullopt},
        {"international + and 31 digits", 4,
            [&](MmsFormValues &v) {
                v.international = true;
                v.phone1 = "+" + thirtyOneDigits;
            },
            std::nullopt},
        {"international: only the first character is free", 1,
            [](MmsFormValues &v) {
                v.international = true;
                v.phone1 = "++861380";
            },
            MmsCheck::G5},
        {"a letter after the digits", 4, [](MmsFormValues &v) { v.phone1 = "13800x"; },
            MmsCheck::G5},
        {"a letter outside ASCII", 1, [](MmsFormValues &v) { v.phone1 = "1380013800\xC3\xA9"; },
            MmsCheck::G5},
    });
}

TEST(MmsFormChecks, EmailChecksAndTheirOrder)
{
    runCheckCases({
        {"neither @ nor . fails the @ first", 1, [](MmsFormValues &v) { v.email = "abcde"; },
            MmsCheck::G8, &texts::EmailErrorAt},
        {"@ without .", 1, [](MmsFormValues &v) { v.email = "me@example"; }, MmsCheck::G9,
            &texts::EmailErrorDot},
        {". without @", 1, [](MmsFormValues &v) { v.email = "me.example"; }, MmsCheck::G8},
        {". only before the @", 1, [](MmsFormValues &v) { v.email = "first.last@example"; },
            std::nullopt},
        {"e-mail alone is enough", 4,
            [](MmsFormValues &v) {
                v.phone1.clear();
                v.email = "me@example.org";
            },
            std::nullopt},
        {"phone 1 checks come before the e-mail", 1,
            [](MmsFormValues &v) {
                v.phone1 = "12";
                v.email = "abc";
            },
            MmsCheck::G2},
    });
}

TEST(MmsFormChecks, ManualOperatorTexts)
{
    const auto manual = [](std::function<void(MmsFormValues &)> more) {
        return [more](MmsFormValues &v) {
            v = validManualValues();
            more(v);
        };
    };
    runCheckCases({
        {"complete", 1, manual([](MmsFormValues &) {}), std::nullopt},
        {"gateway 10, standard form", 1, manual([](MmsFormValues &v) { v.gateway = "10"; }),
            MmsCheck::G14, &texts::GatewayDotError},
        {"gateway 10, K600 form", 4, manual([](MmsFormValues &v) { v.gateway = "10"; }),
            MmsCheck::G14, &texts::GatewayDotErrorK600},
        {"gateway 10, K410MG-1080P", 17, manual([](MmsFormValues &v) { v.gateway = "10"; }),
            MmsCheck::G14, &texts::GatewayDotErrorK600},
        {"no URL", 1, manual([](MmsFormValues &v) { v.url.clear(); }), MmsCheck::G10,
            &texts::UrlError},
        {"no APN", 1, manual([](MmsFormValues &v) { v.apn.clear(); }), MmsCheck::G11,
            &texts::ApnError},
        {"no gateway: empty before the dot", 1, manual([](MmsFormValues &v) { v.gateway.clear(); }),
            MmsCheck::G12, &texts::GatewayError},
        {"no port", 1, manual([](MmsFormValues &v) { v.port.clear(); }), MmsCheck::G13,
            &texts::PortError},
        {"URL before APN", 1, manual([](MmsFormValues &v) {
             v.url.clear();
             v.apn.clear();
         }),
            MmsCheck::G10},
        {"no account and password needed", 1, manual([](MmsFormValues &v) {
             v.account.clear();
             v.password.clear();
         }),
            std::nullopt},
        {"Auto mode never tests the operator texts", 1, [](MmsFormValues &v) { v.gateway = "10"; },
            std::nullopt},
        {"Manual with SMS runs only the SMS checks", 1, manual([](MmsFormValues &v) {
             v.status = 3;
             v.url.clear();
         }),
            std::nullopt},
    });
}

TEST(MmsFormChecks, PhoneOrEmailVariant)
{
    runCheckCases({
        {"phone 1 holding an e-mail", 17, [](MmsFormValues &v) { v.phone1 = "me@example"; },
            std::nullopt},
        {"phone 1 with a letter and no @", 17, [](MmsFormValues &v) { v.phone1 = "1234a"; },
            MmsCheck::G5a, &texts::RecheckPhoneOrEmail},
        {"phone 1 of three digits", 17, [](MmsFormValues &v) { v.phone1 = "123"; }, std::nullopt},
        {"phone 1 of digits and +", 17, [](MmsFormValues &v) { v.phone1 = "+4930123"; },
            std::nullopt},
        {"e-mail of digits only", 17,
            [](MmsFormValues &v) {
                v.phone1.clear();
                v.email = "13800138000";
            },
            std::nullopt},
        {"e-mail of letters without @", 17, [](MmsFormValues &v) { v.email = "abcde"; },
            MmsCheck::G8a, &texts::RecheckPhoneOrEmail},
        {"e-mail with @ and no dot", 17, [](MmsFormValues &v) { v.email = "me@example"; },
            std::nullopt},
        {"no R1", 17,
            [](MmsFormValues &v) {
                v.phone1.clear();
                v.email = "me@example.org";
                v.smsRemoteControl = 5;
            },
            std::nullopt},
        {"G1 still applies", 17,
            [](MmsFormValues &v) {
                v.phone1.clear();
                v.smsRemoteControl = 5;
            },
            MmsCheck::G1},
        {"short phone 2 is no error", 17, [](MmsFormValues &v) { v.phone2 = "12"; }, std::nullopt},
        {"phone 2 with a letter and no @", 17, [](MmsFormValues &v) { v.phone2 = "12a45"; },
            MmsCheck::G6},
        {"R1 on the other K600 models", 4,
            [](MmsFormValues &v) {
                v.phone1.clear();
                v.email = "me@example.org";
                v.smsRemoteControl = 24;
            },
            MmsCheck::R1},
    });
}

// P1: Auto mode refuses an operator whose preset lacks the MMS centre or the
// access point. It runs after the entry checks and before R1, and only where
// the general checks run.
TEST(MmsFormChecks, IncompletePresetInAutoMode)
{
    const auto telstra = [](std::function<void(MmsFormValues &)> more) {
        return [more](MmsFormValues &v) {
            v.choice = {10, 2}; // Spain, Telstra: no preset
            more(v);
        };
    };
    const auto nothingMore = [](MmsFormValues &) {};
    runCheckCases({
        {"standard form", 1, telstra(nothingMore), MmsCheck::P1},
        {"K600 form", 4, telstra(nothingMore), MmsCheck::P1},
        {"a complete preset", 1,
            [](MmsFormValues &v) {
                v.choice = {10, 3};
            },
            std::nullopt},
        {"the entry checks come first", 1, telstra([](MmsFormValues &v) { v.phone1 = "1234"; }),
            MmsCheck::G2},
        {"before R1", 4, telstra([](MmsFormValues &v) {
             v.phone1.clear();
             v.email = "me@example.org";
             v.smsRemoteControl = 24;
         }),
            MmsCheck::P1},
        {"not with SMS selected", 1, telstra([](MmsFormValues &v) { v.status = 3; }), std::nullopt},
        {"SMS without rules of its own runs the general checks", 9,
            telstra([](MmsFormValues &v) { v.status = 3; }), MmsCheck::P1},
        {"Manual mode", 1,
            [](MmsFormValues &v) {
                v = validManualValues();
                v.choice = {10, 2};
            },
            std::nullopt},
    });

    MmsFormValues values = validValues();
    values.choice = {37, 0}; // Namibia, MTC
    const MmsGenerate result = prepareMmsGenerate(variantOf(1), values, {});
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(*result.failure,
        (MmsCheckFailure{
            MmsCheck::P1, nullptr, MmsEdit::Url, IncompletePreset{37, 0, PresetSetting::Url}}));
    EXPECT_EQ(result.settings, MmsSettings{}) << "nothing to write";
}

TEST(MmsFormChecks, RefusalTextsInTheFormsLanguage)
{
    MmsCheckFailure failure{
        MmsCheck::P1, nullptr, MmsEdit::Url, IncompletePreset{10, 2, PresetSetting::Url}};
    EXPECT_EQ(mmsRefusalText(failure, kEnglish),
        "The built-in settings for Telstra (Spain) have no URL. Choose Manual mode and enter the "
        "operator's settings.");
    // The URL caption, the country and the mode list's entry in the form's language.
    EXPECT_EQ(mmsRefusalText(failure, kChinese),
        "Telstra（" + std::string(countryName(kChinese, 10))
            + "）的内置设置中缺少彩信网址。请选择“手动”模式并输入运营商的设置。");
    // A missing access point is named as the connection-type list names it.
    failure.preset->missing = PresetSetting::Apn;
    EXPECT_EQ(mmsRefusalText(failure, 15),
        "Во встроенных настройках для Telstra (" + std::string(countryName(15, 10))
            + ") нет значения APN. Выберите режим «Ручная» и введите настройки оператора.");

    // The placeholders are filled in one pass.
    EXPECT_EQ(i18n::presets::incompletePresetText(kEnglish, "Op %2", "Land %3", "URL", "Manual"),
        "The built-in settings for Op %2 (Land %3) have no URL. Choose Manual mode and enter the "
        "operator's settings.");

    // Every other check shows its own message.
    MmsFormValues values = validValues();
    values.phone1 = "1234";
    EXPECT_EQ(mmsRefusalText(*mmsGenerateCheck(variantOf(1), values), kEnglish),
        i18n::message(texts::PhoneError01, kEnglish));
}

TEST(MmsFormChecks, FocusFollowsTheFailingField)
{
    MmsFormValues values = validManualValues();
    values.gateway = "10";
    EXPECT_EQ(mmsGenerateCheck(variantOf(1), values)->focus, MmsEdit::Gateway);
    values = validValues();
    values.phone3 = "12";
    EXPECT_EQ(mmsGenerateCheck(variantOf(1), values)->focus, MmsEdit::Phone3);
    values = validValues();
    values.email = "abc";
    EXPECT_EQ(mmsGenerateCheck(variantOf(1), values)->focus, MmsEdit::Email);
}

// ---- Lists and the mode switch ---------------------------------------------------

TEST(MmsFormRules, ModeSwitchEmptiesTheTenTextsInBothDirections)
{
    const MmsFormVariant variant = variantOf(1);
    MmsFormState state = startMmsForm();
    for (std::size_t i = 0; i < kMmsTextCount; ++i)
        state.values.setText(static_cast<MmsEdit>(i), "text " + std::to_string(i));
    state.values.picturesPerDay = 12;
    state.values.smsRemoteControl = 3;
    state.values.international = true;
    state.values.choice = {3, 4};

    MmsFormValues kept = state.values;
    EXPECT_EQ(changeMmsMode(variant, state, kMmsAuto), MmsReaction{})
        << "re-picking the mode changes nothing";
    EXPECT_EQ(state.values, kept);

    for (const int mode : {kMmsManual, kMmsAuto}) {
        SCOPED_TRACE(mode);
        for (std::size_t i = 0; i < kMmsTextCount; ++i)
            state.values.setText(static_cast<MmsEdit>(i), "text " + std::to_string(i));
        const MmsReaction reaction = changeMmsMode(variant, state, mode);
        EXPECT_EQ(reaction.fields, MmsReaction::Fields::Show);
        EXPECT_TRUE(reaction.refillLists);
        for (std::size_t i = 0; i < kMmsTextCount; ++i)
            EXPECT_EQ(state.values.text(static_cast<MmsEdit>(i)), "") << i;
        EXPECT_EQ(state.values.picturesPerDay, 12);
        EXPECT_EQ(state.values.smsRemoteControl, 3);
        EXPECT_TRUE(state.values.international);
        EXPECT_EQ(state.values.choice, OperatorChoice{});
        EXPECT_EQ(state.values.mode, mode);
    }
}

TEST(MmsFormRules, ListsPerMode)
{
    MmsFormState state = startMmsForm();
    EXPECT_EQ(mmsCountryEntries(state.values, kEnglish).size(), 44u);
    EXPECT_EQ(strings(mmsOperatorEntries(state.values, kChinese)),
        (std::vector<std::string>{"中国移动", "中国联通"}));
    EXPECT_EQ(strings(mmsConnectionTypeEntries(state.values)), std::vector<std::string>{"APN"});

    changeMmsMode(variantOf(1), state, kMmsManual);
    EXPECT_EQ(strings(mmsCountryEntries(state.values, 3)), std::vector<std::string>{"Andere"});
    EXPECT_EQ(strings(mmsOperatorEntries(state.values, 3)), std::vector<std::string>{"Andere"});
    EXPECT_EQ(
        strings(mmsConnectionTypeEntries(state.values)), (std::vector<std::string>{"APN", "CSD"}));
    EXPECT_EQ(changeMmsCountry(state, 3), MmsReaction{}) << "Manual mode: nothing changes";

    // Back in Auto mode China's operators show in Chinese again.
    changeMmsMode(variantOf(1), state, kMmsAuto);
    EXPECT_EQ(strings(mmsOperatorEntries(state.values, kChinese)),
        (std::vector<std::string>{"中国移动", "中国联通"}));
    EXPECT_EQ(strings(mmsOperatorEntries(state.values, kEnglish)),
        (std::vector<std::string>{"China Mobile", "China Unicom"}));
}

TEST(MmsFormRules, ACountryChangeActsOnlyOnARealChange)
{
    MmsFormState state = startMmsForm();
    state.values.choice = {3, 5};
    EXPECT_EQ(changeMmsCountry(state, 3), MmsReaction{});
    EXPECT_EQ(state.values.choice, (OperatorChoice{3, 5}));

    const MmsReaction reaction = changeMmsCountry(state, 5);
    EXPECT_TRUE(reaction.refillOperators);
    EXPECT_EQ(reaction.fields, MmsReaction::Fields::Show);
    EXPECT_EQ(state.values.choice, (OperatorChoice{5, 0}));
    EXPECT_EQ(strings(mmsOperatorEntries(state.values, kEnglish)),
        (std::vector<std::string>{"Telenor", "Telia", "Tele2 "}));

    EXPECT_EQ(changeMmsOperator(state, 0), MmsReaction{});
    EXPECT_EQ(changeMmsOperator(state, 2).fields, MmsReaction::Fields::TakeIn);
    EXPECT_EQ(state.values.choice.op, 2);
}

// ---- Which edits may be typed into ------------------------------------------------

namespace {

using E = MmsEdit;
const std::vector<MmsEdit> kTenTexts = {E::Url, E::Apn, E::Gateway, E::Port, E::Phone1, E::Email,
    E::Account, E::Password, E::Phone2, E::Phone3};

std::vector<MmsEdit> editableOf(const MmsFormState &state)
{
    std::vector<MmsEdit> edits;
    for (const MmsEdit edit : kTenTexts) {
        if (state.editable.editable(edit))
            edits.push_back(edit);
    }
    return edits;
}

const std::vector<MmsEdit> kManualEditable
    = {E::Url, E::Apn, E::Gateway, E::Port, E::Phone1, E::Email, E::Account, E::Password};

} // namespace

TEST(MmsFormRules, EditableEditsAfterModeAndStatusChanges)
{
    struct Case {
        const char *name;
        int model;
        std::function<void(const MmsFormVariant &, MmsFormState &)> steps;
        std::vector<MmsEdit> editable;
    };
    const Case cases[] = {
        {"start", 1, [](const MmsFormVariant &, MmsFormState &) {}, {E::Phone1, E::Email}},
        {"Manual", 1,
            [](const MmsFormVariant &v, MmsFormState &s) { changeMmsMode(v, s, kMmsManual); },
            kManualEditable},
        {"SMS", 1, [](const MmsFormVariant &v, MmsFormState &s) { changeMmsStatus(v, s, 3); },
            {E::Phone1}},
        {"SMS, then Manual, ModelIndex 1", 1,
            [](const MmsFormVariant &v, MmsFormState &s) {
                changeMmsStatus(v, s, 3);
                changeMmsMode(v, s, kMmsManual);
            },
            {E::Phone1}},
        {"SMS, then Manual, ModelIndex 2", 2,
            [](const MmsFormVariant &v, MmsFormState &s) {
                changeMmsStatus(v, s, 2);
                changeMmsMode(v, s, kMmsManual);
            },
            {E::Phone1}},
        {"SMS, then Manual, ModelIndex 18", 18,
            [](const MmsFormVariant &v, MmsFormState &s) {
                changeMmsStatus(v, s, 2);
                changeMmsMode(v, s, kMmsManual);
            },
            {E::Url, E::Apn, E::Gateway, E::Port, E::Phone1, E::Account, E::Password}},
        {"Manual, SMS, then VGA, ModelIndex 19", 19,
            [](const MmsFormVariant &v, MmsFormState &s) {
                changeMmsMode(v, s, kMmsManual);
                changeMmsStatus(v, s, 2);
                changeMmsStatus(v, s, 1);
            },
            kManualEditable},
        {"Manual, then SMS, ModelIndex 19", 19,
            [](const MmsFormVariant &v, MmsFormState &s) {
                changeMmsMode(v, s, kMmsManual);
                changeMmsStatus(v, s, 2);
            },
            {E::Phone1}},
        {"SMS without rules, ModelIndex 8", 8,
            [](const MmsFormVariant &v, MmsFormState &s) { changeMmsStatus(v, s, 2); },
            {E::Phone1, E::Email}},
        {"Auto, SMS, then Off", 1,
            [](const MmsFormVariant &v, MmsFormState &s) {
                changeMmsStatus(v, s, 3);
                changeMmsStatus(v, s, 0);
            },
            {E::Phone1, E::Email}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const MmsFormVariant variant = variantOf(c.model);
        MmsFormState state = startMmsForm();
        c.steps(variant, state);
        EXPECT_EQ(editableOf(state), c.editable);
    }
}

// Phone 1 and the e-mail open phone 2, phone 2 opens phone 3; closing empties them.
TEST(MmsFormRules, EnablingChain)
{
    struct Step {
        MmsEdit edit; // the edit typed into
        std::string text;
    };
    struct Case {
        const char *name;
        int model;
        std::vector<Step> steps;
        std::vector<MmsEdit> editable;
        std::string phone2;
        std::string phone3;
    };
    const Case cases[] = {
        {"phone 1 opens phone 2", 1, {{E::Phone1, "12345"}}, {E::Phone1, E::Email, E::Phone2}, "",
            ""},
        {"phone 2 opens phone 3", 1,
            {{E::Phone1, "12345"}, {E::Phone2, "23456"}, {E::Phone3, "34567"}},
            {E::Phone1, E::Email, E::Phone2, E::Phone3}, "23456", "34567"},
        {"shortening phone 1 closes and empties both", 1,
            {{E::Phone1, "12345"}, {E::Phone2, "23456"}, {E::Phone3, "34567"}, {E::Phone1, "1234"}},
            {E::Phone1, E::Email}, "", ""},
        {"shortening phone 2 empties phone 3", 1,
            {{E::Phone1, "12345"}, {E::Phone2, "23456"}, {E::Phone3, "34567"}, {E::Phone2, "2345"}},
            {E::Phone1, E::Email, E::Phone2}, "2345", ""},
        {"an e-mail with @ opens phone 2", 1, {{E::Email, "a@b.c"}},
            {E::Phone1, E::Email, E::Phone2}, "", ""},
        {"an e-mail without @ does not", 1, {{E::Email, "abcde"}}, {E::Phone1, E::Email}, "", ""},
        {"on the K410MG-1080P any e-mail text does", 17, {{E::Email, "12345"}},
            {E::Phone1, E::Email, E::Phone2}, "", ""},
        {"a short e-mail closes phone 2 when phone 1 is short", 1,
            {{E::Email, "a@b.c"}, {E::Phone2, "23456"}, {E::Email, "a@b"}}, {E::Phone1, E::Email},
            "", ""},
        // Typing an e-mail after phone 1 must not wipe phone 2 and 3, nor typing
        // phone 1 after an e-mail.
        {"a short e-mail keeps phone 2 open while phone 1 is long", 1,
            {{E::Phone1, "12345"}, {E::Phone2, "23456"}, {E::Phone3, "34567"}, {E::Email, "a"}},
            {E::Phone1, E::Email, E::Phone2, E::Phone3}, "23456", "34567"},
        {"a short phone 1 keeps phone 2 open while the e-mail is an address", 1,
            {{E::Email, "a@b.c"}, {E::Phone2, "23456"}, {E::Phone1, "1"}},
            {E::Phone1, E::Email, E::Phone2, E::Phone3}, "23456", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const MmsFormVariant variant = variantOf(c.model);
        MmsFormState state = startMmsForm();
        for (const Step &step : c.steps) {
            ASSERT_TRUE(state.editable.editable(step.edit));
            state.values.setText(step.edit, step.text);
            if (step.edit == E::Phone1)
                mmsPhone1Changed(variant, state);
            else if (step.edit == E::Email)
                mmsEmailChanged(variant, state);
            else if (step.edit == E::Phone2)
                mmsPhone2Changed(state);
        }
        EXPECT_EQ(editableOf(state), c.editable);
        EXPECT_EQ(state.values.phone2, c.phone2);
        EXPECT_EQ(state.values.phone3, c.phone3);
    }
}

// ---- Phone 1 limit, phone type, pictures per day ------------------------------------

TEST(MmsFormRules, Phone1LimitPerForm)
{
    struct Case {
        int model;
        bool international;
        std::size_t length;
        int reported; // the limit the message names, 0 for none
        bool emptied;
    };
    const Case cases[] = {
        {1, false, 11, 0, false}, {1, false, 12, 11, true}, // the twelfth digit
        {4, false, 12, 0, false}, {4, false, 13, 12, true}, // the thirteenth digit
        {5, true, 32, 0, false}, {19, true, 33, 32, true},
        {17, false, 40, 0, false}, // the edit stops at 40
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(
            "ModelIndex " + std::to_string(c.model) + ", " + std::to_string(c.length) + " digits");
        const MmsFormVariant variant = variantOf(c.model);
        MmsFormState state = startMmsForm();
        state.values.international = c.international;
        state.values.phone1 = std::string(c.length, '1');
        state.values.phone2 = "23456";
        EXPECT_EQ(mmsPhone1OverLimit(variant, state.values), c.reported);
        mmsPhone1Changed(variant, state);
        EXPECT_EQ(state.values.phone1.empty(), c.emptied);
        EXPECT_EQ(state.values.phone2.empty(), c.emptied) << "phone 2 follows phone 1";
    }
}

TEST(MmsFormRules, PhoneTypeSwitch)
{
    MmsFormState state = startMmsForm();
    state.values.phone1 = std::string(20, '1');
    EXPECT_EQ(changeMmsPhoneType(state, 1).notice, &texts::InternationalPhone);
    EXPECT_TRUE(state.values.international);
    EXPECT_EQ(changeMmsPhoneType(state, 1), MmsReaction{}) << "re-picked: no second notice";

    // Back to Domestic: the long number stays until the next take-in reports it.
    EXPECT_EQ(changeMmsPhoneType(state, 0), MmsReaction{});
    EXPECT_FALSE(state.values.international);
    EXPECT_EQ(state.values.phone1.size(), 20u);
    EXPECT_EQ(mmsPhone1OverLimit(variantOf(1), state.values), 11);
}

TEST(MmsFormRules, PicturesPerDayOutsideTheRangeBecomesZero)
{
    struct Case {
        int typed;
        int kept;
        bool shown;
    };
    for (const Case c : {Case{150, 0, true}, Case{100, 0, true}, Case{99, 99, false},
             Case{0, 0, false}, Case{-1, 0, true}}) {
        MmsFormState state = startMmsForm();
        state.values.picturesPerDay = c.typed;
        const MmsReaction reaction = mmsPicturesPerDayChanged(state);
        EXPECT_EQ(state.values.picturesPerDay, c.kept) << c.typed;
        EXPECT_EQ(reaction.fields == MmsReaction::Fields::Show, c.shown) << c.typed;
    }
}

// ---- Generate ---------------------------------------------------------------------

TEST(MmsFormGenerate, AutoPresetReachesTheFileNotTheForm)
{
    const MmsFormVariant variant = variantOf(1);
    MmsFormValues values = validValues();
    values.choice = {2, 1}; // Deutschland, T-Mobile
    values.smsRemoteControl = 2;
    const MmsFormValues before = values;

    const MmsGenerate result = prepareMmsGenerate(variant, values, {12, 1});
    ASSERT_FALSE(result.failure);
    EXPECT_EQ(values, before);

    const MmsPreset preset = mmsPreset(2, 1);
    ASSERT_FALSE(preset.account.empty());
    const MmsSettings &s = result.settings;
    EXPECT_EQ(s.url, preset.url);
    EXPECT_EQ(s.apn, preset.apn);
    EXPECT_EQ(s.gateway, preset.gateway);
    EXPECT_EQ(s.port, preset.port);
    EXPECT_EQ(s.account, preset.account);
    EXPECT_EQ(s.password, preset.password);
    EXPECT_EQ(s.phone1, "13800138000");

    const ConfigRecord record = buildMmsSettingsRecord(s);
    EXPECT_EQ(record[5], 12);
    EXPECT_EQ(record[6], 1);
    EXPECT_EQ(record[8], 2);
    EXPECT_EQ(record[9], 1);
    EXPECT_EQ(record[10], 2);
    EXPECT_EQ(record[55], 1);

    // A preset without account writes empty records 7 and 8.
    values.choice = {0, 0};
    const MmsSettings china = prepareMmsGenerate(variant, values, {}).settings;
    EXPECT_EQ(china.url, mmsPreset(0, 0).url);
    EXPECT_EQ(china.account, "");
    EXPECT_EQ(china.password, "");
}

TEST(MmsFormGenerate, ManualWritesTheTypedTexts)
{
    const MmsFormVariant variant = variantOf(4);
    MmsFormValues values = validManualValues();
    values.account = "user";
    values.connectionType = 1;
    values.international = true;
    values.picturesPerDay = 37;
    values.phone1 = "+8613800138000";
    const MmsGenerate result = prepareMmsGenerate(variant, values, {});
    ASSERT_FALSE(result.failure);
    const MmsSettings &s = result.settings;
    EXPECT_FALSE(s.autoMode);
    EXPECT_EQ(s.url, values.url);
    EXPECT_EQ(s.gateway, values.gateway);
    EXPECT_EQ(s.account, "user");
    const ConfigRecord record = buildMmsSettingsRecord(s);
    EXPECT_EQ(record[2], 1);
    EXPECT_EQ(record[3], 3);
    EXPECT_EQ(record[4], 7);
    EXPECT_EQ(record[7], 1);
    EXPECT_EQ(record[8], kManualCountry);
    EXPECT_EQ(record[55], 0);
    EXPECT_EQ(mmsTrailerAddend(s), 18);
}

TEST(MmsFormGenerate, FailureWritesNothing)
{
    MmsFormValues values = validValues();
    values.phone1 = "1234";
    const MmsGenerate result = prepareMmsGenerate(variantOf(1), values, {});
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->check, MmsCheck::G2);
    EXPECT_EQ(result.settings, MmsSettings{});
}

TEST(MmsFormGenerate, K410PhoneOrEmailTextsReachTheirRecords)
{
    MmsFormValues values;
    values.phone1 = "me@example.org";
    values.email = "13800138000";
    const MmsGenerate result = prepareMmsGenerate(variantOf(17), values, {});
    ASSERT_FALSE(result.failure);
    const SealedContent records = buildMmsRecords(result.settings);
    EXPECT_EQ(records[5][0], 'm');
    EXPECT_EQ(records[5][57], 14);
    EXPECT_EQ(records[6][0], '1');
    EXPECT_EQ(records[6][57], 11);
}

// ---- Lists the SMTP forms share ---------------------------------------------------------

TEST(CountryOperatorLists, FamiliesAndNames)
{
    EXPECT_EQ(countryListEntries(OperatorFamily::Mms, true, kEnglish).size(), 44u);
    EXPECT_EQ(countryListEntries(OperatorFamily::Gprs, true, kEnglish).size(), 43u);
    EXPECT_EQ(countryListEntries(OperatorFamily::Gprs, true, kEnglish)[41], "Israel");
    EXPECT_EQ(strings(countryListEntries(OperatorFamily::Gprs, false, kChinese)),
        std::vector<std::string>{"其他"});

    EXPECT_EQ(operatorListEntries(OperatorFamily::Mms, true, 3, kEnglish).size(), 9u);
    EXPECT_EQ(operatorListEntries(OperatorFamily::Gprs, true, 3, kEnglish).size(), 8u);
    EXPECT_EQ(strings(operatorListEntries(OperatorFamily::Gprs, true, 41, kEnglish)),
        std::vector<std::string>{"Golan Telecom"});
    EXPECT_EQ(operatorListEntries(OperatorFamily::Gprs, true, 0, kChinese)[0], "中国移动");
    EXPECT_EQ(
        operatorListEntries(OperatorFamily::Gprs, true, 0, kChinese, true)[0], "China Mobile");
    EXPECT_EQ(strings(operatorListEntries(OperatorFamily::Mms, false, 3, 15)),
        std::vector<std::string>{"другое"});

    OperatorChoice choice{4, 1};
    EXPECT_FALSE(chooseCountry(choice, true, 4));
    EXPECT_FALSE(chooseCountry(choice, false, 7));
    EXPECT_EQ(choice, (OperatorChoice{4, 1}));
    EXPECT_TRUE(chooseCountry(choice, true, 7));
    EXPECT_EQ(choice, (OperatorChoice{7, 0}));

    const auto hours = smsRemoteControlEntries(kEnglish);
    ASSERT_EQ(hours.size(), 26u);
    EXPECT_EQ(hours[0], "0");
    EXPECT_EQ(hours[24], "24");
    EXPECT_EQ(hours[kSmsRemoteControlOff], "Off");
}
