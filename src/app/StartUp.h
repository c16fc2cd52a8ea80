#pragma once

#include "app/AppState.h"
#include "app/PreferenceStore.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace marrowby {

inline constexpr std::uint16_t kChineseLanguageId = 2052;     // Chinese (PRC)
inline constexpr std::uint16_t kGermanLiechtensteinId = 5127; // German (Liechtenstein)

// The UI language a system language starts with: 2052 gives Chinese (1), 5127
// gives Deutsch (3), every other id English (2).
int languageForSystemId(std::uint16_t languageId);

// The Windows language id of a locale name such as "zh_CN" or "de-LI"; 0 when the
// locale is unknown, which maps to English like any other unlisted id.
std::uint16_t languageIdForLocaleName(std::string_view localeName);

// The Company value the program stamps into the store at every start: the maker's
// name padded with zero characters to 260 UTF-16 units.
std::u16string companyValue();

// Runs the start-up rules: the UI language from the system and the store, the
// model and TV mode, defaults written where they are missing, and the Company stamp.
AppState startUp(PreferenceStore &store, std::uint16_t systemLanguageId);

// The model preference as the main window reads it again when it opens: a value
// above 19 is taken as 1, and when nothing can be read `current` is kept.
int readModelPreference(PreferenceStore &store, int current);

// The preference writes of the main window; failures are ignored.
void storeLanguage(PreferenceStore &store, const AppState &state);
void storeModel(PreferenceStore &store, int modelIndex);

} // namespace marrowby
