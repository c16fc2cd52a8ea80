// What the command-line tools share: reading their numeric arguments and the
// language of their messages.
#pragma once

#include "i18n/TextTables.h"

#include <cstdlib>
#include <optional>
#include <string_view>

namespace marrowby::tools {

inline std::optional<int> wholeNumber(std::string_view text)
{
    if (text.empty() || text.size() > 3)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Chinese when the environment's locale is Chinese, English otherwise.
inline int languageFromEnvironment()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return std::string_view(value).starts_with("zh") ? i18n::kChineseLanguage
                                                             : i18n::kEnglishLanguage;
    }
    return i18n::kEnglishLanguage;
}

} // namespace marrowby::tools
