// Texts of settings documents: the forms' Save and Open commands, why a
// document is refused, and the command-line writer's report, in every
// language. A field is named by its key in the document, as the user sees it
// there.
#pragma once

#include "i18n/TextTables.h"

#include <span>

namespace marrowby::i18n::documents {

// The forms' context-menu commands.
extern const CaptionTable SaveSettings;
extern const CaptionTable OpenSettings;

// A document refused; %1.. as each comment says.
extern const TranslatedMessage NotJson;         // %1 line, %2 column
extern const TranslatedMessage NotADocument;    // no "format": "marrowby-settings"
extern const TranslatedMessage NewerVersion;    // %1 the document's version, %2 the newest read
extern const TranslatedMessage WrongModel;      // %1 the document's model, %2 the expected one
extern const TranslatedMessage NoSuchForm;      // %1 model, %2 file name
extern const TranslatedMessage WrongFile;       // %1 the document's file, %2 the form's file
extern const TranslatedMessage MissingField;    // %1 field
extern const TranslatedMessage UnknownField;    // %1 field
extern const TranslatedMessage NotANumber;      // %1 field
extern const TranslatedMessage NotAText;        // %1 field
extern const TranslatedMessage OutOfRange;      // %1 field, %2 value, %3 lowest, %4 highest
extern const TranslatedMessage UnknownChoice;   // %1 field, %2 value, %3 the choices
extern const TranslatedMessage TooLong;         // %1 field, %2 limit
extern const TranslatedMessage CheckRefused;    // %1 field, %2 the form's message
extern const TranslatedMessage PasswordLeftOut; // %1 field

// The forms.
extern const TranslatedMessage Saved;           // %1 path
extern const TranslatedMessage PasswordsToType; // %1 the fields; after Open
extern const TranslatedMessage CannotRead;      // %1 path, %2 reason
extern const TranslatedMessage CannotSave;      // %1 path, %2 reason
extern const TranslatedMessage FileFilter;      // the file chooser's filter

// The command-line writer.
extern const TranslatedMessage Written;     // %1 folder, %2 file name
extern const TranslatedMessage NotWritten;  // %1 folder, %2 reason
extern const TranslatedMessage AskPassword; // %1 field; the prompt
extern const TranslatedMessage Refused;     // %1 document, %2 why

std::span<const TranslatedMessage *const> allDocumentMessages();
std::span<const CaptionTable *const> allDocumentCaptions();

} // namespace marrowby::i18n::documents
