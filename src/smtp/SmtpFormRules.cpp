#include "smtp/SmtpFormRules.h"

#include "operators/CountryOperatorLists.h"
#include "operators/OperatorTables.h"

namespace marrowby {

namespace {

void replaceFirst(std::string &text, std::string_view placeholder, std::string_view value)
{
    const std::size_t at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, placeholder.size(), value);
}

int inRange(int value, int low, int high, int fallback)
{
    return value >= low && value <= high ? value : fallback;
}

bool writtenInAutoMode(const SmtpSettings &s)
{
    if (!s.autoMode || s.countryIndex < 0 || s.countryIndex >= kGprsCountryCount
        || s.operatorIndex < 0 || s.operatorIndex >= gprsOperatorCount(s.countryIndex))
        return false;
    const GprsPreset preset = gprsPreset(s.countryIndex, s.operatorIndex);
    return s.apn == preset.apn && s.account == preset.account && s.gprsPassword == preset.password;
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

SmtpChoiceLists smtpValueLists(const SmtpFormValues &values, int languageIndex)
{
    if (!values.autoMode())
        return smtpModeLists(kSmtpManualMode, languageIndex);
    return {countryListEntries(OperatorFamily::Gprs, true, languageIndex),
        operatorListEntries(OperatorFamily::Gprs, true, values.country, languageIndex, true)};
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
    SmtpFormValues texts = v;
    for (const SmtpEdit &e : form.edits) {
        if (e.value && e.setting)
            s.*e.setting = *e.value(texts);
    }
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

SmtpFormValues smtpFormValues(const SmtpFormVariant &form, const SmtpSettings &settings)
{
    const SmtpFormValues start;
    SmtpFormValues v;
    if (form.hasStatusList())
        v.smtpStatus = inRange(settings.smtpStatus, 0, 2, start.smtpStatus);
    v.smsRemoteControl = inRange(settings.smsInterval, 0, kSmsRemoteOff, start.smsRemoteControl);
    v.picturesPerDay
        = inRange(settings.picturesPerDay, kPicturesPerDayMinimum, kPicturesPerDayMaximum, 0);
    const bool autoMode = writtenInAutoMode(settings);
    if (autoMode) {
        v.country = settings.countryIndex;
        v.operatorIndex = settings.operatorIndex;
    } else {
        v.mode = kSmtpManualMode;
    }
    for (const SmtpEdit &e : form.edits) {
        if (e.value && e.setting && !(autoMode && e.fromPreset))
            *e.value(v) = settings.*e.setting;
    }
    return v;
}

} // namespace marrowby
