// The country and operator choice the MMS and SMTP forms share, and their SMS
// remote-control list.
//
// In Auto mode the country list holds every country of the family's table and
// the operator list the operators of the chosen country; in Manual mode each
// list holds the single OtherLabel entry. The chosen positions index the preset
// tables and are what the files store.
#pragma once

#include <string_view>
#include <vector>

namespace marrowby {

// Which tables a form uses: the MMS forms CountryNames and MmsOperators
// (44 countries), the SMTP forms GprsCountryList and GprsOperators (43).
enum class OperatorFamily {
    Mms,
    Gprs
};

// The positions chosen in the two lists.
struct OperatorChoice {
    int country = 0; // country index (Mms) or GprsCountryList position (Gprs)
    int op = 0;      // operator position within that country

    bool operator==(const OperatorChoice &) const = default;
};

// The entries of the country list.
std::vector<std::string_view> countryListEntries(
    OperatorFamily family, bool autoMode, int languageIndex);

// The entries of the operator list for a country. In the Chinese UI China's two
// operators appear under their Chinese names, unless tableNames asks for the
// names as the table holds them (the SMTP forms show those after the first
// country change and after a mode change; the MMS forms never do).
std::vector<std::string_view> operatorListEntries(
    OperatorFamily family, bool autoMode, int country, int languageIndex, bool tableNames = false);

// After a mode change: the first country with its first operator.
OperatorChoice choiceAfterModeChange();

// A new selection in the country list. Only in Auto mode, and only when the
// country really changes, does the choice move to that country's first
// operator; the result tells whether the operator list must be filled again.
bool chooseCountry(OperatorChoice &choice, bool autoMode, int country);

// The SMS remote-control list: "0" to "24" hours, then "Off" in the UI
// language (26 entries). Its last position means "Off".
inline constexpr int kSmsRemoteControlOff = 25;
std::vector<std::string_view> smsRemoteControlEntries(int languageIndex);

} // namespace marrowby
