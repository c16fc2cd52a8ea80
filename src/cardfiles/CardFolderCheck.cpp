#include "cardfiles/CardFolderCheck.h"

#include "cardfiles/CardReport.h"
#include "i18n/CardTexts.h"

#include <system_error>
#include <vector>

namespace marrowby::inspect {

namespace msg = i18n::inspect;

namespace {

std::string utf8(const std::filesystem::path &path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

} // namespace

std::vector<std::string> fileFindings(const FileInspection &file, int language)
{
    std::vector<std::string> out;
    auto add = [&](const std::vector<Finding> &findings, const std::string &prefix = {},
                   bool skipNoLayoutFits = false) {
        for (const Finding &f : findings) {
            if (!(skipNoLayoutFits && f.code == FindingCode::NoLayoutFits))
                out.push_back(prefix + findingText(f, language));
        }
    };
    if (file.menu) {
        const MenuInspection &m = *file.menu;
        // Read in the form's one layout, what it found says more than that no
        // layout fits.
        add(m.findings, {}, m.readings.size() == 1 && !m.readings.front().findings.empty());
        // When no layout fits, what each one tried found; named by its layout
        // when more than one was tried (a form without a model).
        if (!m.factoryMarker && m.fittingLayouts().empty()) {
            const bool named = m.readings.size() > 1;
            for (const MenuReading &r : m.readings)
                add(r.findings,
                    named ? "[" + std::string(layoutText(r.layout, language)) + "] "
                          : std::string());
        }
    }
    if (file.sealed)
        add(file.sealed->findings);
    if (out.empty() && file.status() != 0)
        out.emplace_back(i18n::message(msg::NoLayoutFits, language));
    return out;
}

CardFolderReport checkCardFolder(
    const std::filesystem::path &folder, std::string_view shownFolder, int modelIndex, int language)
{
    const auto say
        = [language](const i18n::TranslatedMessage &m) { return i18n::message(m, language); };
    const std::string shown(shownFolder);

    // The folder the form writes into; a file or nothing of that name is not one.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(folder, error);
    switch (status.type()) {
    case std::filesystem::file_type::directory:
        break;
    case std::filesystem::file_type::not_found:
        return {false, formatMessage(say(msg::NoSuchFolder), {shown})};
    case std::filesystem::file_type::none:
        return {false, formatMessage(say(msg::Unreadable), {shown, error.message()})};
    default:
        return {false, formatMessage(say(msg::NotAFolder), {shown})};
    }

    InspectOptions options;
    options.model = modelIndex;
    const std::vector<FileInspection> files = inspectPath(folder, options);
    if (files.size() == 1 && !files.front().error.empty() && files.front().path == folder) {
        // The folder itself: no card files in it, or it could not be listed.
        const FileInspection &none = files.front();
        if (none.noCardFiles)
            return {false, formatMessage(say(msg::NoCardFiles), {shown})};
        return {false, formatMessage(say(msg::Unreadable), {shown, failureText(none, language)})};
    }

    bool good = true;
    std::string lines;
    const auto line = [&lines](const std::string &text) {
        if (!lines.empty())
            lines += '\n';
        lines += text;
    };
    for (const FileInspection &file : files) {
        const std::string name = utf8(file.path.filename());
        if (!file.error.empty()) {
            good = false;
            line(formatMessage(say(msg::Unreadable), {name, failureText(file, language)}));
            continue;
        }
        const std::vector<std::string> findings = fileFindings(file, language);
        if (findings.empty())
            line(formatMessage(say(msg::FileResult), {name, std::string(say(msg::NoFindings))}));
        good = good && findings.empty();
        for (const std::string &finding : findings)
            line(formatMessage(say(msg::FileResult), {name, finding}));
    }
    const std::string heading = formatMessage(say(good ? msg::CardGood : msg::CardFaulty), {shown});
    return {good, heading + "\n\n" + lines};
}

} // namespace marrowby::inspect
