// Texts about the operator presets that Auto mode writes, in the fifteen
// user-interface languages.
#pragma once

#include "i18n/TextTables.h"

#include <string>
#include <string_view>

namespace marrowby::i18n::presets {

// Generate refuses an operator whose built-in settings lack one the camera
// needs: %1 the operator, %2 the country, %3 the missing setting as the form's
// caption names it, %4 the mode list's "Manual" entry.
extern const TranslatedMessage IncompletePreset;

// IncompletePreset in the language with its placeholders filled in, in one
// pass: a "%2" inside a name stays as it is.
std::string incompletePresetText(int languageIndex, std::string_view operatorName,
    std::string_view country, std::string_view setting, std::string_view manualMode);

} // namespace marrowby::i18n::presets
