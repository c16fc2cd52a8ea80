// Texts of working with the card: loading a card's settings into a form and
// the warning before writing where the camera will not look.
#pragma once

#include "i18n/TextTables.h"

#include <span>

namespace marrowby::i18n::cardplace {
// The forms' context-menu command that shows the card's settings.
extern const CaptionTable LoadFromCard;
// %1 the file's name, %2 the folder: the question asked when a folder is set.
extern const TranslatedMessage OfferSettings;
// %1 the file, %2 the card check's findings, one a line.
extern const TranslatedMessage FileRefused;
// %1 the file's name, %2 the folder: Load from card found nothing to load.
extern const TranslatedMessage NoFormFile;
// A menu.dat that holds the factory reset record: nothing to show.
extern const TranslatedMessage FactoryRecordOnly;
// %1 the folder, %2 the reasons, one a line: asked before writing.
extern const TranslatedMessage PlaceWarning;
// %1 the card's top folder.
extern const TranslatedMessage NotTopFolder;
// %1 the card's file system as the system names it.
extern const TranslatedMessage FileSystem;
// The card is mounted read-only.
extern const TranslatedMessage ReadOnly;
// The check box under the warning before writing.
extern const TranslatedMessage DontAskAgain;

// Every message above, for the text sheet and checks over all texts.
std::span<const TranslatedMessage *const> allCardPlaceMessages();

} // namespace marrowby::i18n::cardplace
