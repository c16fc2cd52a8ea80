#pragma once

#include "app/AppState.h"

namespace marrowby {

// The entry of the main window's language list that shows the current choice:
// entry 0 stands for Chinese (shown in Chinese, or sent to the camera only),
// entry i for LanguageIndex i + 1.
int languageListEntryFor(const AppState &state);

// Applies the user's pick of language list entry `entry` (0..14).
void chooseLanguageEntry(AppState &state, int entry);

} // namespace marrowby
