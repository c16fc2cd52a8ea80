#include "cardfiles/CardLoad.h"

#include "cardfiles/CardFolderCheck.h"
#include "cardfiles/CardReport.h"
#include "i18n/CardPlaceTexts.h"
#include "i18n/CardTexts.h"

#include <system_error>

namespace marrowby::inspect {

namespace {

std::string joined(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

// The camera language and TV mode bytes a sealed file carries.
RecordContext sealedContext(const SealedInspection &sealed)
{
    RecordContext context;
    for (const FieldValue &value : sealed.fields) {
        if (value.field == Field::CameraLanguage)
            context.cameraLanguage = static_cast<std::uint8_t>(value.value);
        else if (value.field == Field::TvMode)
            context.tvMode = static_cast<std::uint8_t>(value.value);
    }
    return context;
}

} // namespace

CardLoad loadCardFile(const std::filesystem::path &folder, FileKind kind, int model, int language)
{
    CardLoad load;
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return load;

    InspectOptions options;
    options.model = model;
    for (const FileInspection &file : inspectPath(folder, options)) {
        if (file.path == folder || file.kind != kind)
            continue; // no card files at all, or another kind's file
        load.file = file.path;
        load.outcome = CardLoad::Outcome::Refused;
        if (!file.error.empty()) {
            load.reason = failureText(file, language);
            return load;
        }
        if (file.menu && file.menu->factoryMarker) {
            // The record that resets a camera: no settings a form could show.
            load.reason = i18n::message(i18n::cardplace::FactoryRecordOnly, language);
            return load;
        }
        const std::vector<std::string> findings = fileFindings(file, language);
        if (!findings.empty()) {
            load.reason = joined(findings);
            return load;
        }
        FileSettings &settings = load.settings;
        settings.kind = kind;
        settings.model = model;
        if (file.menu && file.menu->readings.size() == 1) {
            const MenuReading &reading = file.menu->readings.front();
            settings.camera = reading.settings;
            settings.extras = reading.extras;
            settings.context = reading.context;
        } else if (file.sealed && file.sealed->readAs == kind) {
            settings.mms = file.sealed->mms;
            settings.smtp = file.sealed->smtp;
            settings.context = sealedContext(*file.sealed);
        } else {
            // Read in more than one layout: the form has no model to read it for.
            load.reason = i18n::message(i18n::inspect::NoLayoutFits, language);
            return load;
        }
        load.outcome = CardLoad::Outcome::Loaded;
        return load;
    }
    return load;
}

} // namespace marrowby::inspect
