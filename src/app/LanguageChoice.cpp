#include "app/LanguageChoice.h"

namespace marrowby {

int languageListEntryFor(const AppState &state)
{
    if (state.LanguageIndex == 1)
        return 0;
    if (state.LanguageIndex == 2)
        return state.ChineseCameraLanguage ? 0 : 1;
    return state.LanguageIndex - 1;
}

void chooseLanguageEntry(AppState &state, int entry)
{
    if (entry == 0) {
        state.LanguageIndex = state.ChineseSystem ? 1 : 2;
        state.ChineseCameraLanguage = true;
    } else {
        state.LanguageIndex = entry + 1;
        state.ChineseCameraLanguage = false;
    }
}

} // namespace marrowby
