#pragma once

#include <QString>

namespace marrowby {

// Qt's own texts (the buttons of message boxes, the folder chooser, the edits'
// context menus) in the program's UI language, where Qt has a translation for
// it; English otherwise. Switching replaces the previous translation.
class QtTranslations {
public:
    // Loads and installs Qt's translation for a LanguageIndex (1..15). Returns
    // whether one was installed.
    static bool use(int languageIndex);

    // Qt's name for the language of a LanguageIndex ("de", "zh_CN", ...).
    static QString localeName(int languageIndex);
};

} // namespace marrowby
