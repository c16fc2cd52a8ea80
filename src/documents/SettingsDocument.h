// Settings documents: one card file's settings as a JSON document a user can
// keep, edit and write to many cards. The forms save and open them, the card
// inspector prints them, and marrowby-write writes them.
//
//   {"format": "marrowby-settings", "version": 1, "model": 4,
//    "modelName": "...", "file": "menu.dat", "cameraLanguage": "English",
//    "tvMode": 0, "settings": {"CameraMode": "Camera", ...}}
//
// Every setting by its name: list choices by their value names, numbers as
// numbers, texts as UTF-8. No clock: writing sets the camera clock to the
// computer's time, as Generate does. In Auto mode the document keeps the
// country and the operator; the operator's settings come from its preset when
// the file is written, as on the forms.
#pragma once

#include "camera/CameraSettings.h"
#include "cardfiles/FileSettings.h"
#include "records/RecordFile.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marrowby::documents {

inline constexpr std::string_view kFormat = "marrowby-settings";
inline constexpr int kVersion = 1;

// Why a document is refused.
enum class Problem {
    NotJson,
    NotADocument,
    NewerVersion,
    WrongModel,
    NoSuchForm, // the model does not use the document's file
    WrongFile,  // the document's file is not the one asked for
    MissingField,
    UnknownField,
    NotANumber,
    NotAText,
    OutOfRange,
    UnknownChoice,
    TooLong,
    CheckRefused, // one of the form's checks refused the settings
    PasswordLeftOut,
};

struct DocumentError {
    Problem problem = Problem::NotJson;
    std::string field; // the document's key the problem is about; empty for none
    // The message's placeholders in order (the field among them where it names one).
    std::vector<std::string> args;
    // CheckRefused: the form's own message in a language.
    std::function<std::string(int language)> refusal;
};

// The error in the user's language.
std::string errorText(const DocumentError &error, int language);

struct ReadOptions {
    // A document for another model is refused, naming the model.
    std::optional<int> model = std::nullopt;
    // The file the reader wants (a form's); a document of another is refused.
    std::optional<inspect::FileKind> kind = std::nullopt;
    // When set, asked for every password the document's settings use; its
    // answer replaces the document's value (and is checked like it).
    std::function<std::string(std::string_view field)> askPassword = {};
};

struct DocumentReading {
    std::optional<FileSettings> settings; // when the document was accepted
    std::optional<DocumentError> error;
    // The passwords the document leaves out ("passwordsOmitted"); their
    // settings are empty.
    std::vector<std::string> passwordsLeftOut;
};

// Reads and checks a document: its format, version, model, file, and every
// setting's presence, type, range and length. Nothing else is accepted.
DocumentReading readDocument(std::string_view text, const ReadOptions &options = {});

// The document of settings as a form would write them. Without passwords
// their values are left out and "passwordsOmitted" says so.
std::string documentText(const FileSettings &settings, bool withPasswords = true);

// The keys of the passwords the settings of this file and mode use.
std::vector<std::string> passwordFields(const FileSettings &settings);

struct PreparedWrite {
    std::optional<DocumentError> error; // a check refused: write nothing
    FileSettings settings;              // what to write
};

// The form's checks and its last steps before writing: the MMS and SMTP forms'
// named checks and their operator presets, the camera clock set to `now`.
PreparedWrite prepareWrite(const FileSettings &settings, const CameraClock &now);

// Writes prepared settings into the folder with the forms' writers.
WriteResult writeSettings(std::string_view folder, const FileSettings &prepared);

} // namespace marrowby::documents
