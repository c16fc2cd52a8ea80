#include "smtp/SmtpFormRules.h"

#include "mms/CountryOperatorLists.h"
#include "records/RecordText.h"

#include <array>

namespace marrowby {

namespace {

namespace sm = i18n::smtp;

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
