#include "i18n/TextTables.h"

namespace marrowby::i18n {

namespace {

// Out-of-range indices read the English text rather than outside a table.
int clampLanguage(int languageIndex)
{
    return isValidLanguage(languageIndex) ? languageIndex : kEnglishLanguage;
}

// Main window language list, entries 1..14 (entry 0 depends on the system).
constexpr std::array<std::string_view, kLanguageListSize> kLanguageNames = {
    "Chinese",
    "English",
    "Deutsch",
    "Suomi",
    "Italiano",
    "Francais",
    "Magyar",
    "Slovenian",
    "Cesky",
    "Japanese",
    "Lithuanian",
    "Polish",
    "Turkiye",
    "Ukraine",
    "Russian",
};

} // namespace

bool isValidLanguage(int languageIndex)
{
    return languageIndex >= 1 && languageIndex <= kLanguageCount;
}

std::string_view caption(const CaptionTable &table, int languageIndex)
{
    return table.text[static_cast<std::size_t>(clampLanguage(languageIndex) - 1)];
}

std::vector<std::string_view> options(const OptionTable &table, int languageIndex)
{
    const auto &row = table.rows[static_cast<std::size_t>(clampLanguage(languageIndex) - 1)];
    const std::size_t count = table.count < row.size() ? table.count : row.size();
    return {row.begin(), row.begin() + static_cast<std::ptrdiff_t>(count)};
}

std::string_view caption(const CaptionObjectTable &table, int languageIndex)
{
    return table.text[static_cast<std::size_t>(clampLanguage(languageIndex))];
}

std::string_view message(const Message &msg, int languageIndex)
{
    return languageIndex == kChineseLanguage ? msg.chinese : msg.english;
}

std::string_view message(const TranslatedMessage &msg, int languageIndex)
{
    return msg.text[static_cast<std::size_t>(clampLanguage(languageIndex) - 1)];
}

std::string_view languageListEntry(int entry, bool chineseSystem)
{
    if (entry < 0 || entry >= kLanguageListSize) {
        return {};
    }
    if (entry == 0 && chineseSystem) {
        return "中文";
    }
    return kLanguageNames[static_cast<std::size_t>(entry)];
}

} // namespace marrowby::i18n
