// The text tables' texts as QStrings, in a given language (LanguageIndex
// 1..15), and the folder a form starts with. Nothing here reaches the
// program's state: a form asks with the language of its context.
#pragma once

#include "i18n/TextTables.h"

#include <QString>
#include <QStringList>

#include <string_view>

namespace marrowby {

// A table text as a QString.
QString qtText(std::string_view utf8);

// A table entry's text in a language (LanguageIndex 1..15).
QString captionText(const i18n::CaptionTable &table, int language);
QString captionText(const i18n::CaptionObjectTable &table, int language);
QStringList optionTexts(const i18n::OptionTable &table, int language);
QString messageText(const i18n::Message &message, int language);
QString messageText(const i18n::TranslatedMessage &message, int language);

// The folder a form starts with: "C:\\" on Windows, the user's home folder elsewhere.
QString defaultOutputFolder();

} // namespace marrowby
