#include "operators/CountryOperatorLists.h"

#include "i18n/TextTables.h"
#include "operators/OperatorTables.h"

#include <array>

namespace marrowby {

std::vector<std::string_view> countryListEntries(
    OperatorFamily family, bool autoMode, int languageIndex)
{
    if (!autoMode)
        return {otherLabel(languageIndex)};
    return family == OperatorFamily::Mms ? countryNames(languageIndex)
                                         : gprsCountryNames(languageIndex);
}

std::vector<std::string_view> operatorListEntries(
    OperatorFamily family, bool autoMode, int country, int languageIndex, bool tableNames)
{
    if (!autoMode)
        return {otherLabel(languageIndex)};
    const int namesLanguage = tableNames ? i18n::kEnglishLanguage : languageIndex;
    return family == OperatorFamily::Mms ? mmsOperatorNames(country, namesLanguage)
                                         : gprsOperatorNames(country, namesLanguage);
}

OperatorChoice choiceAfterModeChange()
{
    return {};
}

bool chooseCountry(OperatorChoice &choice, bool autoMode, int country)
{
    if (!autoMode || country == choice.country)
        return false;
    choice = {country, 0};
    return true;
}

std::vector<std::string_view> smsRemoteControlEntries(int languageIndex)
{
    static constexpr std::array<std::string_view, kSmsRemoteControlOff> hours
        = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15",
            "16", "17", "18", "19", "20", "21", "22", "23", "24"};
    std::vector<std::string_view> entries(hours.begin(), hours.end());
    entries.push_back(i18n::caption(i18n::mmssmtp::Off, languageIndex));
    return entries;
}

} // namespace marrowby
