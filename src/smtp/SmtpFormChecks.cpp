#include "smtp/SmtpFormChecks.h"

#include "i18n/PresetTexts.h"
#include "operators/CountryOperatorLists.h"
#include "records/RecordText.h"

#include <array>
#include <cstddef>

namespace marrowby {

namespace {

namespace sm = i18n::smtp;
using Values = SmtpFormValues;
using Form = SmtpFormVariant;

// The label of the APN edit, in the GPRS group of both forms.
constexpr int kApnCaptionId = 1097;

std::size_t length(const std::string &text)
{
    return utf16Length(text);
}

bool shorterThanTwo(const std::string &text)
{
    return length(text) < 2;
}

bool lacks(const std::string &text, char c)
{
    return text.find(c) == std::string::npos;
}

std::optional<IncompletePreset> incompletePreset(const Values &v)
{
    if (!v.autoMode())
        return std::nullopt;
    return incompleteGprsPreset(v.country, v.operatorIndex);
}

struct CheckRow {
    SmtpCheck check;
    bool (*fails)(const Form &, const Values &);
    // The message: a fixed one, or else the form's own for Email 1.
    const i18n::Message *message;
    const i18n::Message *Form::*formMessage;
    SmtpField field;
};

// In Auto mode the preset stands in for the GPRS texts, which Manual mode
// checks first (C1), so P1 runs first as well: a user whose operator has no
// usable preset learns it before completing the mailbox, whose texts the
// change to Manual mode empties again.
// clang-format off
constexpr CheckRow kChecks[] = {
    {SmtpCheck::P1,  [](const Form &, const Values &v) { return incompletePreset(v).has_value(); }, nullptr, nullptr, SmtpField::Apn},
    {SmtpCheck::C1,  [](const Form &, const Values &v) { return !v.autoMode() && shorterThanTwo(v.apn); }, &sm::EnterGprsApn, nullptr, SmtpField::Apn},
    {SmtpCheck::C2,  [](const Form &, const Values &v) { return shorterThanTwo(v.smtpServer); }, &sm::EnterSmtpServer, nullptr, SmtpField::SmtpServer},
    {SmtpCheck::C3,  [](const Form &, const Values &v) { return shorterThanTwo(v.port); }, &sm::SetPort, nullptr, SmtpField::Port},
    {SmtpCheck::C4,  [](const Form &, const Values &v) { return shorterThanTwo(v.senderEmail); }, &sm::EnterEmail, nullptr, SmtpField::SenderEmail},
    {SmtpCheck::C5,  [](const Form &, const Values &v) { return lacks(v.senderEmail, '@'); }, &sm::EmailErrorAt, nullptr, SmtpField::SenderEmail},
    {SmtpCheck::C6,  [](const Form &, const Values &v) { return lacks(v.senderEmail, '.'); }, &sm::EmailErrorDot, nullptr, SmtpField::SenderEmail},
    {SmtpCheck::C7,  [](const Form &, const Values &v) { return shorterThanTwo(v.senderPassword); }, &sm::EnterSenderPassword, nullptr, SmtpField::SenderPassword},
    {SmtpCheck::C8,  [](const Form &, const Values &v) { return shorterThanTwo(v.email1); }, nullptr, &Form::email1Missing, SmtpField::Email1},
    {SmtpCheck::C9,  [](const Form &, const Values &v) { return lacks(v.email1, '@'); }, nullptr, &Form::email1ErrorAt, SmtpField::Email1},
    {SmtpCheck::C10, [](const Form &, const Values &v) { return lacks(v.email1, '.'); }, nullptr, &Form::email1ErrorDot, SmtpField::Email1},
    {SmtpCheck::C11, [](const Form &f, const Values &v) { const std::size_t n = length(v.phoneNumber); return f.refusesShortPhone && n >= 1 && n <= 4; }, &sm::PhoneError, nullptr, SmtpField::PhoneNumber},
    {SmtpCheck::C12, [](const Form &, const Values &v) { return v.smsRemoteControl != kSmsRemoteOff && length(v.phoneNumber) < 5; }, &sm::PhoneError, nullptr, SmtpField::PhoneNumber},
};
// clang-format on

} // namespace

std::string_view smtpCheckName(SmtpCheck check)
{
    static constexpr std::array<std::string_view, 13> names
        = {"P1", "C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9", "C10", "C11", "C12"};
    const auto index = static_cast<std::size_t>(check);
    return index < names.size() ? names[index] : std::string_view{};
}

std::optional<SmtpCheckFailure> firstFailingCheck(const Form &form, const Values &values)
{
    for (const CheckRow &row : kChecks) {
        if (!row.fails(form, values))
            continue;
        SmtpCheckFailure failure{
            row.check, row.formMessage ? form.*row.formMessage : row.message, row.field};
        if (row.check == SmtpCheck::P1)
            failure.preset = incompletePreset(values);
        return failure;
    }
    return std::nullopt;
}

std::string smtpRefusalText(const Form &form, const SmtpCheckFailure &failure, int languageIndex)
{
    if (!failure.preset)
        return std::string(failure.message ? i18n::message(*failure.message, languageIndex) : "");
    const IncompletePreset &preset = *failure.preset;
    // The names the operator list shows after a country change.
    const std::vector<std::string_view> operators = gprsOperatorNames(preset.list);
    const auto op = static_cast<std::size_t>(preset.op);
    std::string_view setting;
    for (const SmtpCaption &c : form.captions) {
        if (c.id == kApnCaptionId)
            setting = c.table ? i18n::caption(*c.table, languageIndex) : c.fixedText;
    }
    return i18n::presets::incompletePresetText(languageIndex,
        op < operators.size() ? operators[op] : std::string_view{},
        gprsCountryName(languageIndex, preset.list), setting,
        i18n::options(i18n::smtp::ModeOptions, languageIndex)[kSmtpManualMode]);
}

} // namespace marrowby
