// Reading a form's own file back from a card folder, so a form can show what
// the card holds: the settings when the file reads without findings for the
// form's model, otherwise why it will not be shown, in the user's language.
#pragma once

#include "cardfiles/FileSettings.h"

#include <filesystem>
#include <string>

namespace marrowby::inspect {

struct CardLoad {
    enum class Outcome {
        NoFile,  // the folder does not hold the file (or is no folder)
        Loaded,  // `settings` holds what the file says
        Refused, // the file is damaged, for another layout or unreadable: `reason`
    };
    Outcome outcome = Outcome::NoFile;
    std::filesystem::path file; // the file as found, in its own letter case
    std::string reason;         // UTF-8, one finding a line
    FileSettings settings;
};

// Looks for the `kind` file in `folder` (its name in any letter case) and
// reads it for the form of `model`. `language` words the reason of a refusal.
CardLoad loadCardFile(const std::filesystem::path &folder, FileKind kind, int model, int language);

} // namespace marrowby::inspect
