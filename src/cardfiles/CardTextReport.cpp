// The card report in words, in the user's language.
#include "cardfiles/CardReport.h"

#include "i18n/CardTexts.h"
#include "i18n/TextTables.h"

#include <algorithm>

namespace marrowby::inspect {

namespace msg = i18n::inspect;

namespace {

std::string say(const i18n::TranslatedMessage &m, int language)
{
    return std::string(i18n::message(m, language));
}

// ---------------------------------------------------------------------------
// Text

void appendFields(std::string &out, std::span<const FieldValue> fields,
    std::span<const FieldValue> siblings, const ReportOptions &options, std::string_view indent)
{
    for (const FieldValue &v : fields) {
        out += indent;
        out += fieldName(v.field, options.language) + ": " + fieldValueText(v, siblings, options)
            + "\n";
    }
}

void appendFindings(
    std::string &out, const std::vector<Finding> &findings, int language, std::string_view prefix)
{
    for (const Finding &f : findings)
        out += "    " + std::string(prefix) + findingText(f, language) + "\n";
}

// Bytes 0..30 mean the same in every layout, except the Side PIR byte 9.
bool sharedByLayouts(const FieldValue &v)
{
    return v.byte < 31 && v.field != Field::SidePir;
}

} // namespace

std::string textReport(const FileInspection &file, const ReportOptions &options)
{
    const int lang = options.language;
    std::string out = file.path.string();
    if (!file.error.empty()) {
        out += "\n    "
            + (file.noCardFiles ? formatMessage(say(msg::NoCardFiles, lang), {file.path.string()})
                                : formatMessage(say(msg::Unreadable, lang),
                                    {file.path.string(), failureText(file, lang)}))
            + "\n";
        return out;
    }

    if (file.menu) {
        const MenuInspection &m = *file.menu;
        out += ": " + say(msg::MenuFile, lang) + ", "
            + formatMessage(say(msg::Bytes, lang), {std::to_string(m.size)}) + "\n";
        const auto fitting = m.fittingLayouts();
        std::vector<MenuLayout> shown = fitting;
        const bool noneFits = shown.empty();
        if (noneFits) {
            for (const MenuReading &r : m.readings)
                shown.push_back(r.layout);
        }
        std::string names;
        for (const MenuLayout layout : shown)
            names += (names.empty() ? "" : ", ") + layoutText(layout, lang);
        out += "  " + say(noneFits ? msg::LayoutsTried : msg::LayoutsThatFit, lang) + " " + names
            + "\n";
        if (m.factoryMarker)
            out += "  " + say(msg::FactoryMarker, lang) + "\n";

        std::vector<const MenuReading *> readings;
        for (const MenuReading &r : m.readings) {
            if (std::find(shown.begin(), shown.end(), r.layout) != shown.end())
                readings.push_back(&r);
        }
        if (!readings.empty()) {
            std::vector<FieldValue> shared;
            for (const FieldValue &v : readings.front()->fields) {
                if (sharedByLayouts(v))
                    shared.push_back(v);
            }
            appendFields(out, shared, readings.front()->fields, options, "  ");
            for (const MenuReading *r : readings) {
                out += "  [" + layoutText(r->layout, lang) + "]\n";
                std::vector<FieldValue> own;
                for (const FieldValue &v : r->fields) {
                    if (!sharedByLayouts(v))
                        own.push_back(v);
                }
                appendFields(out, own, r->fields, options, "    ");
            }
        }
        const bool any = !m.findings.empty() || noneFits;
        out += "  " + say(any ? msg::Findings : msg::NoFindings, lang) + "\n";
        appendFindings(out, m.findings, lang, "");
        if (noneFits) {
            for (const MenuReading &r : m.readings)
                appendFindings(out, r.findings, lang, "[" + layoutText(r.layout, lang) + "] ");
        }
    }

    if (file.sealed) {
        const SealedInspection &s = *file.sealed;
        const std::string kind = s.trailerKind == SealedKind::Unknown
            ? fileKindText(s.readAs, lang)
            : sealedKindText(s.trailerKind, lang);
        out += ": " + kind + ", " + formatMessage(say(msg::Bytes, lang), {std::to_string(s.size)})
            + "\n";
        if (s.readAs == FileKind::Smtp) {
            std::string names;
            for (const SmtpLayout layout : s.smtpLayouts)
                names += (names.empty() ? "" : ", ") + std::string(layoutName(layout));
            if (!names.empty())
                out += "  " + say(msg::LayoutsThatFit, lang) + " " + names + "\n";
        }
        appendFields(out, s.fields, s.fields, options, "  ");
        out += "  " + say(s.findings.empty() ? msg::NoFindings : msg::Findings, lang) + "\n";
        appendFindings(out, s.findings, lang, "");
    }
    return out;
}

} // namespace marrowby::inspect
