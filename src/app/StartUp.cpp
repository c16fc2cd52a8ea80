#include "app/StartUp.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace marrowby {

AppState &appState()
{
    static AppState state;
    return state;
}

int languageForSystemId(std::uint16_t languageId)
{
    if (languageId == kChineseLanguageId)
        return 1;
    if (languageId == kGermanLiechtensteinId)
        return 3;
    return 2;
}

namespace {

// Windows language ids of the locales the program is most likely to meet.
constexpr std::array<std::pair<std::string_view, std::uint16_t>, 58> kLocaleIds = {{
    {"zh_CN", 2052},
    {"zh_TW", 1028},
    {"zh_HK", 3076},
    {"zh_SG", 4100},
    {"zh_MO", 5124},
    {"en_US", 1033},
    {"en_GB", 2057},
    {"en_AU", 3081},
    {"en_CA", 4105},
    {"en_NZ", 5129},
    {"en_IE", 6153},
    {"en_ZA", 7177},
    {"en_IN", 16393},
    {"de_DE", 1031},
    {"de_CH", 2055},
    {"de_AT", 3079},
    {"de_LU", 4103},
    {"de_LI", 5127},
    {"fi_FI", 1035},
    {"it_IT", 1040},
    {"it_CH", 2064},
    {"fr_FR", 1036},
    {"fr_BE", 2060},
    {"fr_CA", 3084},
    {"fr_CH", 4108},
    {"fr_LU", 5132},
    {"hu_HU", 1038},
    {"sl_SI", 1060},
    {"cs_CZ", 1029},
    {"ja_JP", 1041},
    {"lt_LT", 1063},
    {"pl_PL", 1045},
    {"tr_TR", 1055},
    {"uk_UA", 1058},
    {"ru_RU", 1049},
    {"es_ES", 3082},
    {"es_MX", 2058},
    {"pt_PT", 2070},
    {"pt_BR", 1046},
    {"nl_NL", 1043},
    {"nl_BE", 2067},
    {"sv_SE", 1053},
    {"da_DK", 1030},
    {"nb_NO", 1044},
    {"nn_NO", 2068},
    {"el_GR", 1032},
    {"ro_RO", 1048},
    {"sk_SK", 1051},
    {"hr_HR", 1050},
    {"bg_BG", 1026},
    {"et_EE", 1061},
    {"lv_LV", 1062},
    {"ko_KR", 1042},
    {"he_IL", 1037},
    {"ar_EG", 3073},
    {"af_ZA", 1078},
    {"bs_BA", 5146},
    {"sr_RS", 9242},
}};

// Primary language ids for a locale whose territory is not listed.
constexpr std::array<std::pair<std::string_view, std::uint16_t>, 16> kLanguageIds = {{
    {"zh", 2052},
    {"en", 1033},
    {"de", 1031},
    {"fi", 1035},
    {"it", 1040},
    {"fr", 1036},
    {"hu", 1038},
    {"sl", 1060},
    {"cs", 1029},
    {"ja", 1041},
    {"lt", 1063},
    {"pl", 1045},
    {"tr", 1055},
    {"uk", 1058},
    {"ru", 1049},
    {"es", 3082},
}};

constexpr std::size_t kCompanyUnits = 260;

} // namespace

std::uint16_t languageIdForLocaleName(std::string_view localeName)
{
    // Accept "de_LI", "de-LI" and "de_LI.UTF-8@euro".
    std::string name(localeName.substr(0, localeName.find_first_of(".@")));
    std::replace(name.begin(), name.end(), '-', '_');
    // Drop a script part such as "zh_Hans_CN".
    if (const auto first = name.find('_'); first != std::string::npos) {
        const auto second = name.find('_', first + 1);
        if (second != std::string::npos)
            name.erase(first, second - first);
    }
    for (const auto &[locale, id] : kLocaleIds) {
        if (locale == name)
            return id;
    }
    const std::string language = name.substr(0, name.find('_'));
    for (const auto &[lang, id] : kLanguageIds) {
        if (lang == language)
            return id;
    }
    return 0;
}

std::u16string companyValue()
{
    std::u16string value = u"Marrowby Electronics Co., Ltd";
    value.resize(kCompanyUnits, u'\0');
    return value;
}

AppState startUp(PreferenceStore &store, std::uint16_t systemLanguageId)
{
    AppState state;
    state.ChineseSystem = systemLanguageId == kChineseLanguageId;
    const int provisional = languageForSystemId(systemLanguageId);

    int language = provisional;
    if (!store.open()) {
        store.create();
        store.writeNumber(PreferenceName::Language, static_cast<std::uint32_t>(provisional));
    } else if (const auto stored = store.readNumber(PreferenceName::Language)) {
        const int value = static_cast<int>(*stored & 0xFFFF);
        // A stored value outside the fifteen languages has no meaning; the system's
        // language stands in for it.
        language = (value >= 1 && value <= 15) ? value : provisional;
    }
    state.LanguageIndex = language;

    if (!state.ChineseSystem && state.LanguageIndex == 1) {
        state.LanguageIndex = 2;
        state.ChineseCameraLanguage = true;
    }

    if (const auto stored = store.readNumber(PreferenceName::Model)) {
        const int value = static_cast<int>(*stored & 0xFFFF);
        state.ModelIndex = value > 19 ? 1 : value;
    } else {
        state.ModelIndex = 1;
        store.writeNumber(PreferenceName::Model, 1);
    }

    if (const auto stored = store.readNumber(PreferenceName::TvMode)) {
        state.TvMode = static_cast<int>(*stored & 0xFFFF);
    } else {
        state.TvMode = 0;
        store.writeNumber(PreferenceName::TvMode, 0);
    }

    // The value is read into a 260-byte buffer: a missing value or one that does
    // not fit (the program's own is 520 bytes) is written again.
    const auto company = store.readText(PreferenceName::Company);
    if (!company || company->size() * 2 > 260)
        store.writeText(PreferenceName::Company, companyValue());

    return state;
}

int readModelPreference(PreferenceStore &store, int current)
{
    const auto stored = store.readNumber(PreferenceName::Model);
    if (!stored)
        return current;
    const int value = static_cast<int>(*stored & 0xFFFF);
    return value > 19 ? 1 : value;
}

void storeLanguage(PreferenceStore &store, const AppState &state)
{
    store.writeNumber(
        PreferenceName::Language, static_cast<std::uint32_t>(state.storedLanguage() & 0xFFFF));
}

void storeModel(PreferenceStore &store, int modelIndex)
{
    store.writeNumber(PreferenceName::Model, static_cast<std::uint32_t>(modelIndex & 0xFFFF));
}

} // namespace marrowby
