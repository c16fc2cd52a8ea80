#include "smtp/SmtpFormRules.h"

#include "operators/CountryOperatorLists.h"

namespace marrowby {

namespace {

void replaceFirst(std::string &text, std::string_view placeholder, std::string_view value)
{
    const std::size_t at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, placeholder.size(), value);
}

} // namespace

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
