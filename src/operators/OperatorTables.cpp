#include "operators/OperatorTables.h"

// Hand-aligned tables: one row per entry, kept as written.
// clang-format off

namespace marrowby {

// Names as the forms show them. The country names differ from English only in
// Polish, Turkish and Russian, and in single entries of Chinese, Slovenian and
// Ukrainian; the operator names are the same in every language.

constexpr std::array<std::array<std::string_view, kCountryCount>, kNameLanguageCount> CountryNames = {{
    // 1 Chinese
    {{
        "中国", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia",
        "Portugal", "Turkey", "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland",
        "Netherlands", "Italy", "Ireland", "Hungary", "Greece", "France", "Australia",
        "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark", "Finland",
        "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India",
        "Latvia", "Namibia", "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel",
        "波斯尼亚和黑塞哥维那",
    }},
    // 2 English
    {{
        "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia",
        "Portugal", "Turkey", "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland",
        "Netherlands", "Italy", "Ireland", "Hungary", "Greece", "France", "Australia",
        "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark", "Finland",
        "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India",
        "Latvia", "Namibia", "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel",
        "Bosnia and Herzegovina",
    }},
    // 3 Deutsch
    {{
        "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia",
        "Portugal", "Turkey", "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland",
        "Netherlands", "Italy", "Ireland", "Hungary", "Greece", "France", "Australia",
        "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark", "Finland",
        "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India",
        "Latvia", "Namibia", "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel",
        "Bosnia and Herzegovina",
    }},
    // 4 Suomi
    {{
        "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia",
        "Portugal", "Turkey", "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland",
        "Netherlands", "Italy", "Ireland", "Hungary", "Greece", "France", "Australia",
        "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark", "Finland",
        "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India",
        "Latvia", "Namibia", "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel",
        "Bosnia and Herzegovina",
    }},
    // 5 Italiano
    {{
        "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia",
        "Portugal", "Turkey", "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland",
        "Netherlands", "Italy", "Ireland", "Hungary", "Greece", "France", "Australia",
        "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark", "Finland",
        "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India",
        "Latvia", "Namibia", "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel",
        "Bosnia and Herzegovina",
    }},
    // 6 Francais
    {{
        "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia",
        "Portugal", "Turkey", "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland",
        "Netherlands", "Italy", "Ireland", "Hungary", "Greece", "France", "Australia",
        "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark", "Finland",
        "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India",
        "Latvia", "Namibia", "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel",
        "Bosnia and Herzegovina",
    }},
    // 7 Magyar
    {{
        "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia",
        "Portugal", "Turkey", "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland",
        "Netherlands", "Italy", "Ireland", "Hungary", "Greece", "France", "Australia",
        "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark", "Finland",
        "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India",
        "Latvia", "Namibia", "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel",
        "Bosnia and Herzegovina",
    }},
    // 8 Slovenian
    {{
        "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenija",
        "Portugal", "Turkey", "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland",
        "Netherlands", "Italy", "Ireland", "Hungary", "Greece", "France", "Australia",
        "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark", "Finland",
        "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India",
        "Latvia", "Namibia", "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel",
        "Bosnia and Herzegovina",
    }},
    // 9 Cesky
    {{
        "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia",
        "Portugal", "Turkey", "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland",
        "Netherlands", "Italy", "Ireland", "Hungary", "Greece", "France", "Australia",
        "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark", "Finland",
        "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India",
        "Latvia", "Namibia", "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel",
        "Bosnia and Herzegovina",
    }},
    // 10 Japanese
    {{
        "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia",
        "Portugal", "Turkey", "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland",
        "Netherlands", "Italy", "Ireland", "Hungary", "Greece", "France", "Australia",
        "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark", "Finland",
        "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India",
        "Latvia", "Namibia", "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel",
        "Bosnia and Herzegovina",
    }},
    // 11 Lithuanian
    {{
        "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia",
        "Portugal", "Turkey", "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland",
        "Netherlands", "Italy", "Ireland", "Hungary", "Greece", "France", "Australia",
        "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark", "Finland",
        "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India",
        "Latvia", "Namibia", "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel",
        "Bosnia and Herzegovina",
    }},
    // 12 Polish
    {{
        "Chiny", "USA", "Niemcy", "Wlk. Brytania", "Kanada", "Szwecja", "Słowenia", "Portugalia",
        "Turcja", "Szwajcaria", "Hiszpania", "Słowacja", "Rosja", "Rumunia", "Polska", "Holandia",
        "Włochy", "Irlandia", "Węgry", "Grecja", "Francja", "Australia", "Austria", "Brazylia",
        "Bułgaria", "Chorwacja", "Czechy", "Dania", "Finlandia", "Nowa Zelandia", "Norwegia",
        "RPA", "Egipt", "Ukraina", "Litwa", "Indie", "Łotwa", "Namibia", "Estonia", "Belgia",
        "Cypr", "Kajmany", "Izrael", "Bosnia and Herzegovina",
    }},
    // 13 Turkiye
    {{
        "çin", "amerika", "almanya", "ingiltere", "kanada", "isvec", "slovenya", "portekiz",
        "turkiye", "isviçre", "ispanya", "slovakya", "rusya", "romanya", "polonya", "hollanda",
        "italya", "irlanda", "macaristan", "yunanistan", "fransa", "avustralya", "avusturya",
        "brezilya", "bulgaristan", "hırvatistan", "çek cumhuriyeti", "danimarka", "finlandiya",
        "yeni zelanda", "norveç", "güney afrika", "mısır", "ukrayna", "litvanya", "hindistan",
        "letonya", "namibya", "estonya", "belçika", "kıbrıs", "cayman adaları", "İsrail",
        "Bosnia and Herzegovina",
    }},
    // 14 Ukraine
    {{
        "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia",
        "Portugal", "Turkey", "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland",
        "Netherlands", "Italy", "Ireland", "Hungary", "Greece", "France", "Australia",
        "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark", "Finland",
        "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India",
        "Latvia", "Namibia", "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Ізраїль",
        "Bosnia and Herzegovina",
    }},
    // 15 Russian
    {{
        "Китай", "США", "Германия", "Англия", "Канада", "Швеция", "Словения", "Португалия",
        "Турция", "Швейцария", "Испания", "Словакия", "Россия", "Румыния", "Польша", "Нидерланды",
        "Италия", "Ирландия", "Венгрия", "Греция", "Франция", "Австралия", "Остеррайх", "Бразилия",
        "Болгария", "Хорватия", "Чехия", "Дания", "Финляндия", "Новая Зеландия", "Норвегия",
        "Южная Африка", "Египет", "Украина", "Литва", "Индия", "Латвия", "Намибия", "Эстония",
        "Бельгия", "Кипр", "Кайманы", "Израиль", "Босния и Герцеговина",
    }},
}};

constexpr std::array<std::string_view, kNameLanguageCount> OtherLabel = {
    "其他", "Other", "Andere", "Muut", "Altri", "Autres", "egyéb", "Ostalo", "ostatní", "その他",
    "kitas", "Inne", "Diğer", "Інші", "другое",
};

constexpr std::array<OperatorList, kCountryCount> MmsOperators = {{
    {2, {"China Mobile", "China Unicom"}}, // 0 China
    {2, {"T-Mobile", "AT&T"}}, // 1 United States
    {4, {"Vodafone", "T-Mobile", "E-Plus", "O2"}}, // 2 Deutschland
    // 3 United Kingdom
    {9, {"Vodafone", "O2", "O2 Payandgo", "Orange", "3", "Virgin", "Vodafone Prepay", "BT Mobile",
         "ASDA Mobile"}},
    {2, {"Fido", "Rogers"}}, // 4 Canada
    {3, {"Telenor", "Telia", "Tele2 "}}, // 5 Sweden
    {5, {"Mobitel", "Izi Mobil", "Si Mobil", "Bob", "Telemach"}}, // 6 Slovenia
    {3, {"Optimus", "Vodafone", "MEO"}}, // 7 Portugal
    {2, {"Avea", "Turkcell"}}, // 8 Turkey
    {3, {"Orange", "Sunrise", "Swisscom"}}, // 9 Schweiz
    {4, {"Orange", "Vodafone", "Telstra", "Movistar"}}, // 10 Spain
    {3, {"T-Mobile", "Orange", "O2"}}, // 11 Slovakia
    {4, {"Мегафон", "Билайн", "МТС", "Tele2"}}, // 12 Russia
    {3, {"Orange", "Telekom", "Vodafone"}}, // 13 Romania
    {5, {"ERA", "Orange", "Plus", "Heyah", "Play"}}, // 14 Poland
    {2, {"T-Mobile", "Vodafone"}}, // 15 Netherlands
    {4, {"TIM", "Vodafone", "WIND", "TRE"}}, // 16 Italy
    {2, {"Meteor", "Vodafone"}}, // 17 Ireland
    {2, {"T-Mobile", "Vodafone"}}, // 18 Hungary
    {2, {"T-Cosmote", "Vodafone"}}, // 19 Greece
    {4, {"Bouygues", "Orange", "SFR", "Free"}}, // 20 France
    {6, {"Optus", "Telstra", "Mic1", "Vodafone", "Three", "Virgin"}}, // 21 Australia
    {2, {"A1", "T-Mobile"}}, // 22 Oesterreich
    {2, {"Brazil Telecom", "Claro"}}, // 23 Brazil
    {3, {"M-tel", "Vivacom", "Telenor"}}, // 24 Bulgaria
    {2, {"VIPNet", "T-mobile HR"}}, // 25 Croatia
    {4, {"Eurotel", "O2", "T-Mobile", "Vodafone"}}, // 26 Ceska republika
    {3, {"Sonofon", "TDC", "Telia"}}, // 27 Denmark
    {4, {"Alands", "DNA", "Sonera", "Elisa"}}, // 28 Finland
    {1, {"Vodafone"}}, // 29 New Zealand
    {6, {"Teila N", "Telenor", "Onecall", "Tele2", "NetworkNorway", "Chess"}}, // 30 Norway
    {4, {"Cell C", "Virgin", "MTN", "Vodacom"}}, // 31 South Africa
    {2, {"MobilNil", "Vodafone"}}, // 32 Egypt
    {6, {"KiyvStar", "MTS", "LIFE", "Beeline UA", "UMC Ukraine", "Vodafone-MTS"}}, // 33 Ukraine
    {4, {"Omnitel", "Omnitel Ezio", "Tele2 Pildyk", "Bite"}}, // 34 Lithuania
    {5, {"Idea", "CellOne", "BPL", "Airtel", "VodaFone"}}, // 35 India
    {3, {"Okarte", "Zelta zivtina", "BITE Latvia"}}, // 36 Latvia
    {1, {"MTC"}}, // 37 Namibia
    {4, {"EMT", "ELISA", "TELE2", "Telia"}}, // 38 Estonia
    {3, {"Proximus", "Mobistar", "Base"}}, // 39 Belgium
    {1, {"Cyta"}}, // 40 Cyprus
    {1, {"Digicel"}}, // 41 Cayman Islands
    {1, {"Golan Telecom"}}, // 42 Israel
    {3, {"BH TELECOM", "M TEL", "ERONET"}}, // 43 Bosnia and Herzegovina
}};

constexpr std::array<OperatorList, kGprsCountryCount> GprsOperators = {{
    {2, {"China Mobile", "China Unicom"}}, // 0 China
    {2, {"T-Mobile", "AT&T"}}, // 1 United States
    {4, {"Vodafone", "T-Mobile", "E-Plus", "O2"}}, // 2 Deutschland
    // 3 United Kingdom
    {8, {"Vodafone", "O2", "T-Mobile", "Orange", "3", "Virgin", "Tesco Mobile", "ASDA Mobile"}},
    {2, {"Fido", "Rogers"}}, // 4 Canada
    {3, {"Telenor", "Telia", "Tele2"}}, // 5 Sweden
    {5, {"Mobitel", "Simobil", "izimobil", "Bob", "Telemach"}}, // 6 Slovenia
    {3, {"Optimus", "Vodafone", "MEO"}}, // 7 Portugal
    {2, {"Avea", "Turkcell"}}, // 8 Turkey
    {3, {"Orange", "Sunrise", "Swisscom"}}, // 9 Schweiz
    {4, {"Amena", "Vodafone", "Telefonica", "Orange"}}, // 10 Spain
    {3, {"T-Mobile", "Orange", "O2"}}, // 11 Slovakia
    {4, {"Мегафон", "Билайн", "МТС", "Tele2"}}, // 12 Russia
    {1, {"Orange"}}, // 13 Romania
    {2, {"ERA", "Orange"}}, // 14 Poland
    {2, {"T-Mobile", "Vodafone"}}, // 15 Netherlands
    {4, {"TIM", "Vodafone", "WIND", "TRE"}}, // 16 Italy
    {2, {"Meteor", "Vodafone"}}, // 17 Ireland
    {3, {"Pannon (contract)", "Vodafone", "T-Mobile"}}, // 18 Hungary
    {2, {"T-Cosmote", "Vodafone"}}, // 19 Greece
    {2, {"Bouygues", "Orange"}}, // 20 France
    {5, {"Optus", "Telstra", "Vodafone", "Three", "Virgin"}}, // 21 Australia
    {2, {"A1", "T-Mobile"}}, // 22 Oesterreich
    {2, {"Brazil Telecom", "Claro"}}, // 23 Brazil
    {3, {"M-tel", "Vivacom", "Telenor"}}, // 24 Bulgaria
    {1, {"VIPNet"}}, // 25 Croatia
    {4, {"Eurotel", "O2", "T-Mobile", "Vodafone"}}, // 26 Ceska republika
    {2, {"TDC", "Telia"}}, // 27 Denmark
    {4, {"Radiolinja", "DNA", "Sonera", "Elisa"}}, // 28 Finland
    {1, {"Vodafone"}}, // 29 New Zealand
    {4, {"Teila N", "Telenor", "Tele2", "NetworkNorway"}}, // 30 Norway
    {3, {"Cell C", "Vodacom", "MTN"}}, // 31 South Africa
    {2, {"MobilNil", "Vodafone"}}, // 32 Egypt
    {5, {"KiyvStar", "MTS", "LIFE", "Beeline UA", "Vodafone-MTS"}}, // 33 Ukraine
    {2, {"Omnitel", "Bite"}}, // 34 Lithuania
    {4, {"Idea", "BPL", "Airtel", "VodaFone"}}, // 35 India
    {1, {"LMT"}}, // 36 Latvia
    {1, {"MTC"}}, // 37 Namibia
    {4, {"EMT", "ELISA", "TELE2", "Telia"}}, // 38 Estonia
    {3, {"Proximus", "Mobistar", "Base"}}, // 39 Belgium
    {1, {"Cyta"}}, // 40 Cyprus
    {1, {"Golan Telecom"}}, // 41 Israel
    {3, {"BH TELECOM", "M TEL", "ERONET"}}, // 42 Bosnia and Herzegovina
}};

constexpr std::array<std::string_view, 2> ChinaOperatorsInChinese = {"中国移动", "中国联通"};

// Every country but the Cayman Islands, in CountryNames order.
constexpr std::array<int, kGprsCountryCount> GprsCountryList = [] {
    std::array<int, kGprsCountryCount> list{};
    int position = 0;
    for (int country = 0; country < kCountryCount; ++country) {
        if (country != kCountryOnlyInMmsList)
            list[static_cast<std::size_t>(position++)] = country;
    }
    return list;
}();

namespace {

constexpr int kChineseUi = 1; // LanguageIndex of the Chinese texts
constexpr int kChina = 0;     // the same index in CountryNames and GprsCountryList

// A count covers exactly the names that are filled in.
constexpr bool countsMatchNames(const auto &lists)
{
    for (const OperatorList &list : lists) {
        if (list.count < 1 || list.count > kMaxOperators)
            return false;
        for (int i = 0; i < kMaxOperators; ++i) {
            if (list.names[static_cast<std::size_t>(i)].empty() != (i >= list.count))
                return false;
        }
    }
    return true;
}
static_assert(countsMatchNames(MmsOperators));
static_assert(countsMatchNames(GprsOperators));
static_assert(GprsCountryList[40] == 40 && GprsCountryList[41] == 42 && GprsCountryList[42] == 43);

constexpr bool isLanguage(int languageIndex)
{
    return languageIndex >= 1 && languageIndex <= kNameLanguageCount;
}

constexpr bool isCountry(int countryIndex)
{
    return countryIndex >= 0 && countryIndex < kCountryCount;
}

constexpr bool isGprsPosition(int position)
{
    return position >= 0 && position < kGprsCountryCount;
}

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

std::vector<std::string_view> namesInUse(const OperatorList &list)
{
    return {list.names.begin(), list.names.begin() + list.count};
}

std::vector<std::string_view> chinaInChinese()
{
    return {ChinaOperatorsInChinese.begin(), ChinaOperatorsInChinese.end()};
}

} // namespace

std::string_view countryName(int languageIndex, int countryIndex)
{
    if (!isLanguage(languageIndex) || !isCountry(countryIndex))
        return {};
    return CountryNames[at(languageIndex - 1)][at(countryIndex)];
}

std::vector<std::string_view> countryNames(int languageIndex)
{
    if (!isLanguage(languageIndex))
        return {};
    const auto &names = CountryNames[at(languageIndex - 1)];
    return {names.begin(), names.end()};
}

std::string_view otherLabel(int languageIndex)
{
    return isLanguage(languageIndex) ? OtherLabel[at(languageIndex - 1)] : std::string_view{};
}

int mmsOperatorCount(int countryIndex)
{
    return isCountry(countryIndex) ? MmsOperators[at(countryIndex)].count : 0;
}

std::vector<std::string_view> mmsOperatorNames(int countryIndex, int languageIndex)
{
    if (!isCountry(countryIndex))
        return {};
    if (countryIndex == kChina && languageIndex == kChineseUi)
        return chinaInChinese();
    return namesInUse(MmsOperators[at(countryIndex)]);
}

int gprsCountryIndex(int position)
{
    return isGprsPosition(position) ? GprsCountryList[at(position)] : -1;
}

std::string_view gprsCountryName(int languageIndex, int position)
{
    return countryName(languageIndex, gprsCountryIndex(position));
}

std::vector<std::string_view> gprsCountryNames(int languageIndex)
{
    if (!isLanguage(languageIndex))
        return {};
    std::vector<std::string_view> names;
    names.reserve(kGprsCountryCount);
    for (int position = 0; position < kGprsCountryCount; ++position)
        names.push_back(gprsCountryName(languageIndex, position));
    return names;
}

int gprsOperatorCount(int position)
{
    return isGprsPosition(position) ? GprsOperators[at(position)].count : 0;
}

std::vector<std::string_view> gprsOperatorNames(int position)
{
    if (!isGprsPosition(position))
        return {};
    return namesInUse(GprsOperators[at(position)]);
}

std::vector<std::string_view> gprsOperatorNames(int position, int languageIndex)
{
    if (position == kChina && languageIndex == kChineseUi)
        return chinaInChinese();
    return gprsOperatorNames(position);
}

std::vector<OperatorNameEntry> operatorNameEntries()
{
    std::vector<OperatorNameEntry> entries;
    for (int language = 1; language <= kNameLanguageCount; ++language) {
        for (int country = 0; country < kCountryCount; ++country)
            entries.push_back({"CountryNames", language, -1, country, countryName(language, country)});
    }
    for (int language = 1; language <= kNameLanguageCount; ++language)
        entries.push_back({"OtherLabel", language, -1, 0, otherLabel(language)});
    for (int country = 0; country < kCountryCount; ++country) {
        const OperatorList &list = MmsOperators[at(country)];
        for (int op = 0; op < list.count; ++op)
            entries.push_back({"MmsOperators", 0, country, op, list.names[at(op)]});
    }
    for (int position = 0; position < kGprsCountryCount; ++position) {
        const OperatorList &list = GprsOperators[at(position)];
        for (int op = 0; op < list.count; ++op)
            entries.push_back({"GprsOperators", 0, position, op, list.names[at(op)]});
    }
    for (int op = 0; op < static_cast<int>(ChinaOperatorsInChinese.size()); ++op)
        entries.push_back({"ChinaOperatorsInChinese", 1, 0, op, ChinaOperatorsInChinese[at(op)]});
    return entries;
}

} // namespace marrowby
