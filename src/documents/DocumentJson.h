// Settings documents as JSON values, for reports that hold documents.
#pragma once

#include "cardfiles/FileSettings.h"

#include <nlohmann/json.hpp>

namespace marrowby::documents {

using Json = nlohmann::ordered_json;

// The document of the settings (see documentText).
Json documentJson(const FileSettings &settings, bool withPasswords);

// JSON text as the program writes it: two spaces of indent, UTF-8, a text
// that is not UTF-8 written with replacement characters.
std::string jsonText(const Json &json);

} // namespace marrowby::documents
