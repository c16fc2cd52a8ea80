// The card report as JSON for scripts: each file with its status, what the
// reader found, and the settings document of a file read without findings.
#include "cardfiles/CardReport.h"

#include "documents/DocumentJson.h"

#include <algorithm>

namespace marrowby::inspect {

namespace {

using documents::Json;

Json findingsJson(const std::vector<Finding> &findings, int language)
{
    Json out = Json::array();
    for (const Finding &f : findings) {
        Json j;
        j["code"] = std::string(findingKey(f.code));
        if (f.record >= 0)
            j["record"] = f.record;
        if (f.byte >= 0)
            j["byte"] = f.byte;
        if (f.field)
            j["field"] = std::string(fieldKey(*f.field));
        j["message"] = findingText(f, language);
        out.push_back(std::move(j));
    }
    return out;
}

Json fieldsJson(const std::vector<FieldValue> &fields, const ReportOptions &options)
{
    Json out = Json::object();
    for (const FieldValue &v : fields) {
        Json &value = out[std::string(fieldKey(v.field))];
        if (isPassword(v.field) && !options.showPasswords)
            value = (v.isText && v.text.empty()) ? Json("") : Json(nullptr);
        else if (!v.isText)
            value = v.value;
        else
            value = v.text;
    }
    return out;
}

Json layoutsJson(const std::vector<MenuLayout> &layouts)
{
    Json out = Json::array();
    for (const MenuLayout layout : layouts)
        out.push_back(std::string(layoutName(layout)));
    return out;
}

std::string_view sealedKindKey(SealedKind kind)
{
    switch (kind) {
    case SealedKind::MmsInternational:
        return "MmsInternational";
    case SealedKind::MmsDomestic:
        return "MmsDomestic";
    case SealedKind::Smtp:
        return "Smtp";
    case SealedKind::Unknown:
        break;
    }
    return "Unknown";
}

Json fileJson(const FileInspection &file, const ReportOptions &options)
{
    Json out;
    out["path"] = file.path.string();
    out["file"] = std::string(cardFileName(file.kind));
    out["status"] = file.status();
    if (!file.error.empty()) {
        out["error"] = file.error;
        return out;
    }
    if (file.menu) {
        const MenuInspection &m = *file.menu;
        out["size"] = m.size;
        out["crc"] = {{"stored", m.storedCrc}, {"computed", m.computedCrc}};
        out["factoryMarker"] = m.factoryMarker;
        out["fits"] = layoutsJson(m.fittingLayouts());
        Json layouts = Json::array();
        for (const MenuReading &r : m.readings) {
            Json j;
            j["layout"] = std::string(layoutName(r.layout));
            j["fits"] = r.fits();
            j["fields"] = fieldsJson(r.fields, options);
            j["findings"] = findingsJson(r.findings, options.language);
            layouts.push_back(std::move(j));
        }
        out["layouts"] = std::move(layouts);
        out["findings"] = findingsJson(m.findings, options.language);
    }
    if (file.sealed) {
        const SealedInspection &s = *file.sealed;
        out["size"] = s.size;
        out["trailer"] = {{"kind", std::string(sealedKindKey(s.trailerKind))},
            {"stored", s.storedCheck}, {"crc", s.computedCrc}};
        if (s.readAs == FileKind::Smtp) {
            Json layouts = Json::array();
            for (const SmtpLayout layout : s.smtpLayouts)
                layouts.push_back(std::string(layoutName(layout)));
            out["smtpLayouts"] = std::move(layouts);
        }
        out["fields"] = fieldsJson(s.fields, options);
        out["findings"] = findingsJson(s.findings, options.language);
    }
    bool guessed = false;
    if (const auto settings = fileSettings(file, options.model, &guessed)) {
        if (guessed)
            out["modelGuessed"] = true;
        out["document"] = documents::documentJson(*settings, options.showPasswords);
    }
    return out;
}

} // namespace

std::string jsonReport(const std::vector<FileInspection> &files, const ReportOptions &options)
{
    int status = 0;
    Json list = Json::array();
    for (const FileInspection &file : files) {
        list.push_back(fileJson(file, options));
        status = std::max(status, file.status());
    }
    Json out;
    out["files"] = std::move(list);
    out["status"] = status;
    return documents::jsonText(out) + "\n";
}

} // namespace marrowby::inspect
