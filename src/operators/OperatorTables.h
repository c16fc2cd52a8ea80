// Country and operator names of the MMS and SMTP forms.
//
// Two families of lists exist side by side and are not interchangeable:
// - MMS: CountryNames (44 countries) and MmsOperators, indexed by country index.
// - GPRS (SMTP forms): GprsCountryList, which is CountryNames without the
//   Cayman Islands (43 positions), and GprsOperators, indexed by that position.
// Both share CountryNames and OtherLabel, the single entry of both lists in
// Manual mode.
//
// The list positions are the numbers stored in setup.dat and smtp.dat, so the
// order of every table is part of those file formats.
//
// LanguageIndex is 1-based (1 Chinese, 2 English, ... 15 Russian). Every lookup
// returns an empty text or an empty list for an index outside its table.
// All texts are UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace marrowby {

inline constexpr int kNameLanguageCount = 15;
inline constexpr int kCountryCount = 44;
inline constexpr int kGprsCountryCount = 43;
inline constexpr int kMaxOperators = 10;

// The Cayman Islands: in the MMS country list only.
inline constexpr int kCountryOnlyInMmsList = 41;

// Operator names of one country: the first `count` names are in use.
struct OperatorList {
    int count = 0;
    std::array<std::string_view, kMaxOperators> names{};
};

// CountryNames[LanguageIndex - 1][country index].
extern const std::array<std::array<std::string_view, kCountryCount>, kNameLanguageCount>
    CountryNames;
// OtherLabel[LanguageIndex - 1].
extern const std::array<std::string_view, kNameLanguageCount> OtherLabel;
// MmsOperators[country index]; the names are the same in every language.
extern const std::array<OperatorList, kCountryCount> MmsOperators;
// GprsCountryList[position] = country index.
extern const std::array<int, kGprsCountryCount> GprsCountryList;
// GprsOperators[GPRS position]; a table of its own, not a subset of MmsOperators.
extern const std::array<OperatorList, kGprsCountryCount> GprsOperators;
// How China's two operators (country index 0) are shown in the Chinese UI.
extern const std::array<std::string_view, 2> ChinaOperatorsInChinese;

// Country names ---------------------------------------------------------------

std::string_view countryName(int languageIndex, int countryIndex);
// The 44 names in index order.
std::vector<std::string_view> countryNames(int languageIndex);
std::string_view otherLabel(int languageIndex);

// MMS operators ---------------------------------------------------------------

int mmsOperatorCount(int countryIndex);
// The names the MMS operator list shows. In the Chinese UI (LanguageIndex 1)
// China's operators appear under their Chinese names.
std::vector<std::string_view> mmsOperatorNames(int countryIndex, int languageIndex);

// GPRS country list and operators --------------------------------------------

// The CountryNames index of a GPRS position, or -1 outside 0..42.
int gprsCountryIndex(int position);
std::string_view gprsCountryName(int languageIndex, int position);
// The 43 names in list order.
std::vector<std::string_view> gprsCountryNames(int languageIndex);

int gprsOperatorCount(int position);
// The names as the table holds them (what a country change fills in).
std::vector<std::string_view> gprsOperatorNames(int position);
// The names an SMTP form shows when it opens: in the Chinese UI China's
// operators appear under their Chinese names.
std::vector<std::string_view> gprsOperatorNames(int position, int languageIndex);

// Every name of every table, for exporters and reviews --------------------------

struct OperatorNameEntry {
    std::string_view table; // "CountryNames", "OtherLabel", "MmsOperators",
                            // "GprsOperators" or "ChinaOperatorsInChinese"
    int language = 0;       // LanguageIndex 1..15; 0 when the same in every language
    int list = -1;          // country index (MmsOperators, ChinaOperatorsInChinese) or
                            // GPRS position (GprsOperators); -1 for the other tables
    int entry = 0;          // position within the list: country index in CountryNames,
                            // operator index in the operator tables, 0 for OtherLabel
    std::string_view text;

    bool operator==(const OperatorNameEntry &) const = default;
};

// In table order, languages ascending, then lists and entries ascending. Only
// operator names in use (below the count) are listed.
std::vector<OperatorNameEntry> operatorNameEntries();

} // namespace marrowby
