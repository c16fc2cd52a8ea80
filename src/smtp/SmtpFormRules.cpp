#include "smtp/SmtpFormRules.h"

#include "i18n/PresetTexts.h"
#include "operators/CountryOperatorLists.h"
#include "records/RecordText.h"

#include <array>

namespace marrowby {

namespace {

namespace sm = i18n::smtp;

// The label of the APN edit, in the GPRS group of both forms.
constexpr int kApnCaptionId = 1097;

std::size_t length(const std::string &text)
{
    return utf16Length(text);
}

bool contains(const std::string &text, char c)
{
    return text.find(c) != std::string::npos;
}

void replaceFirst(std::string &text, std::string_view placeholder, std::string_view value)
{
    const std::size_t at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, placeholder.size(), value);
}

} // namespace

std::optional<SmtpCheckFailure> firstFailingCheck(
    const SmtpFormVariant &form, const SmtpFormValues &v)
{
    // In Auto mode the preset stands in for the GPRS texts, which Manual mode
    // checks first (check 1), so the preset check runs first as well: a user
    // whose operator has no usable preset learns it before completing the
    // mailbox, whose texts the change to Manual mode empties again.
    if (v.autoMode()) {
        if (auto incomplete = incompleteGprsPreset(v.country, v.operatorIndex))
            return SmtpCheckFailure{kSmtpPresetCheck, nullptr, SmtpField::Apn, incomplete};
    }
    const std::size_t phone = length(v.phoneNumber);
    struct Row {
        bool fails;
        const i18n::Message *message;
        SmtpField field;
    };
    // Row i is check i + 1.
    const std::array<Row, 12> rows{{
        {!v.autoMode() && length(v.apn) < 2, &sm::EnterGprsApn, SmtpField::Apn},
        {length(v.smtpServer) < 2, &sm::EnterSmtpServer, SmtpField::SmtpServer},
        {length(v.port) < 2, &sm::SetPort, SmtpField::Port},
        {length(v.senderEmail) < 2, &sm::EnterEmail, SmtpField::SenderEmail},
        {!contains(v.senderEmail, '@'), &sm::EmailErrorAt, SmtpField::SenderEmail},
        {!contains(v.senderEmail, '.'), &sm::EmailErrorDot, SmtpField::SenderEmail},
        {length(v.senderPassword) < 2, &sm::EnterSenderPassword, SmtpField::SenderPassword},
        {length(v.email1) < 2, form.email1Missing, SmtpField::Email1},
        {!contains(v.email1, '@'), form.email1ErrorAt, SmtpField::Email1},
        {!contains(v.email1, '.'), form.email1ErrorDot, SmtpField::Email1},
        {form.refusesShortPhone && phone >= 1 && phone <= 4, &sm::PhoneError,
            SmtpField::PhoneNumber},
        {v.smsRemoteControl != kSmsRemoteOff && phone < 5, &sm::PhoneError, SmtpField::PhoneNumber},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].fails)
            return SmtpCheckFailure{static_cast<int>(i) + 1, rows[i].message, rows[i].field};
    }
    return std::nullopt;
}

std::string smtpRefusalText(
    const SmtpFormVariant &form, const SmtpCheckFailure &failure, int languageIndex)
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

bool changeSmtpMode(SmtpFormValues &values, int mode)
{
    if (mode == values.mode)
        return false;
    values.mode = mode;
    for (std::string *text : {&values.email1, &values.senderEmail, &values.senderPassword,
             &values.smtpServer, &values.port, &values.gprsPassword, &values.account, &values.apn})
        text->clear();
    values.country = 0;
    values.operatorIndex = 0;
    return true;
}

bool gprsTextsEditable(int mode)
{
    return mode == kSmtpManualMode;
}

SmtpChoiceLists smtpStartLists(int languageIndex)
{
    return {countryListEntries(OperatorFamily::Gprs, true, languageIndex),
        operatorListEntries(OperatorFamily::Gprs, true, 0, languageIndex)};
}

SmtpChoiceLists smtpModeLists(int mode, int languageIndex)
{
    const bool autoMode = mode != kSmtpManualMode;
    return {countryListEntries(OperatorFamily::Gprs, autoMode, languageIndex),
        operatorListEntries(OperatorFamily::Gprs, autoMode, 0, languageIndex, true)};
}

std::optional<std::vector<std::string_view>> changeSmtpCountry(SmtpFormValues &values, int position)
{
    OperatorChoice choice{values.country, values.operatorIndex};
    if (!chooseCountry(choice, values.autoMode(), position))
        return std::nullopt;
    values.country = choice.country;
    values.operatorIndex = choice.op;
    return operatorListEntries(OperatorFamily::Gprs, true, position, i18n::kEnglishLanguage, true);
}

bool changeSmtpOperator(SmtpFormValues &values, int position)
{
    if (position == values.operatorIndex)
        return false;
    values.operatorIndex = position;
    return true;
}

std::string picturesPerDayRangeText(int languageIndex)
{
    std::string text(i18n::message(i18n::framework::IntegerBetween, languageIndex));
    replaceFirst(text, "%1", std::to_string(kPicturesPerDayMinimum));
    replaceFirst(text, "%2", std::to_string(kPicturesPerDayMaximum));
    return text;
}

int correctPicturesPerDay(int value)
{
    return value > kPicturesPerDayMaximum ? 0 : value;
}

SmtpSettings collectSmtpSettings(
    const SmtpFormVariant &form, const SmtpFormValues &v, std::uint8_t cameraLanguage)
{
    SmtpSettings s;
    s.autoMode = v.autoMode();
    s.countryIndex = v.autoMode() ? v.country : 0;
    s.operatorIndex = v.autoMode() ? v.operatorIndex : 0;
    s.picturesPerDay = v.picturesPerDay;
    s.cameraLanguage = cameraLanguage;
    s.smtpStatus = form.hasStatusList() ? v.smtpStatus : 0;
    s.smsInterval = v.smsRemoteControl;
    s.apn = v.apn;
    s.account = v.account;
    s.gprsPassword = v.gprsPassword;
    s.smtpServer = v.smtpServer;
    s.port = v.port;
    s.senderEmail = v.senderEmail;
    s.senderPassword = v.senderPassword;
    s.phoneNumber = v.phoneNumber;
    s.recipientEmail = v.email1;
    if (s.autoMode)
        loadGprsPreset(s);
    return s;
}

SmtpGenerateResult generateSmtp(const SmtpFormVariant &form, const SmtpFormValues &values,
    std::string_view folder, std::uint8_t cameraLanguage, const SmtpFileWriter &writer)
{
    SmtpGenerateResult result;
    result.failure = firstFailingCheck(form, values);
    if (result.failure)
        return result;
    result.write = writer(folder, collectSmtpSettings(form, values, cameraLanguage), form.layout);
    return result;
}

} // namespace marrowby
