// Reading card files: a file or a card folder, whatever it holds, into what
// the card reader makes of it.
#include "cardfiles/CardReport.h"

#include "catalogue/ModelCatalogue.h"
#include "i18n/CardTexts.h"
#include "records/RecordFile.h"

#include <fstream>

namespace marrowby::inspect {

namespace msg = i18n::inspect;

namespace {

const i18n::TranslatedMessage *failureMessage(ReadFailure failure)
{
    switch (failure) {
    case ReadFailure::System:
        break;
    case ReadFailure::NoSuchFile:
        return &msg::NoSuchFile;
    case ReadFailure::NotAFile:
        return &msg::NotAFile;
    case ReadFailure::CannotOpen:
        return &msg::CannotOpen;
    case ReadFailure::ReadError:
        return &msg::ReadError;
    }
    return nullptr;
}

// Marks `file` as unreadable for one of the inspector's own reasons, in
// English for scripts.
void fail(FileInspection &file, ReadFailure failure)
{
    file.failure = failure;
    file.error = std::string(i18n::message(*failureMessage(failure), i18n::kEnglishLanguage));
}

std::vector<std::uint8_t> readHead(const std::filesystem::path &path, FileInspection &failed)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fail(failed, ReadFailure::CannotOpen);
        return {};
    }
    std::vector<std::uint8_t> bytes(kMaxFileRead);
    in.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        fail(failed, ReadFailure::ReadError);
        return {};
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

FileInspection inspectFile(const std::filesystem::path &path, const InspectOptions &options)
{
    std::error_code ec;
    FileInspection failed;
    failed.path = path;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        fail(failed, ReadFailure::NoSuchFile);
        return failed;
    }
    if (ec) {
        failed.error = ec.message();
        return failed;
    }
    if (!std::filesystem::is_regular_file(status)) {
        fail(failed, ReadFailure::NotAFile);
        return failed;
    }
    std::vector<std::uint8_t> bytes = readHead(path, failed);
    if (!failed.error.empty())
        return failed;

    // The name tells the kind. A file of another name is read as menu.dat when
    // it is small, and otherwise as a sealed file whose trailer says which.
    FileInspection out;
    out.path = path;
    if (const auto named = fileKindFromName(path.filename().string())) {
        out = inspectBytes(path, *named, bytes, options);
    } else if (bytes.size() < 6 * kRecordSize) {
        out = inspectBytes(path, FileKind::Menu, bytes, options);
    } else {
        out.sealed = inspectSealed(
            bytes, std::nullopt, options.model ? smtpLayoutOfModel(*options.model) : std::nullopt);
        out.kind = out.sealed->readAs;
    }
    const std::uintmax_t fullSize = std::filesystem::file_size(path, ec);
    if (!ec && fullSize > bytes.size()) {
        auto &findings = out.menu ? out.menu->findings : out.sealed->findings;
        for (Finding &f : findings) {
            if (f.code == FindingCode::WrongSize)
                f.value = static_cast<long long>(fullSize);
        }
        (out.menu ? out.menu->size : out.sealed->size) = static_cast<std::size_t>(fullSize);
    }
    return out;
}

} // namespace

// ---------------------------------------------------------------------------

int FileInspection::status() const
{
    if (!error.empty())
        return 2;
    if (menu)
        return menu->clean() ? 0 : 1;
    if (sealed)
        return sealed->clean() ? 0 : 1;
    return 2;
}

std::optional<MenuLayout> menuLayoutOfModel(int modelIndex)
{
    if (!ModelCatalogue::has(modelIndex))
        return std::nullopt;
    return ModelCatalogue::cameraForm(modelIndex);
}

std::optional<SmtpLayout> smtpLayoutOfModel(int modelIndex)
{
    if (!ModelCatalogue::has(modelIndex))
        return std::nullopt;
    return ModelCatalogue::smtpForm(modelIndex) == SmtpFormKind::K600 ? SmtpLayout::K600
                                                                      : SmtpLayout::K200;
}

FileInspection inspectBytes(std::filesystem::path path, FileKind kind,
    std::span<const std::uint8_t> bytes, const InspectOptions &options)
{
    FileInspection out;
    out.path = std::move(path);
    out.kind = kind;
    const std::optional<int> model = options.model;
    if (kind == FileKind::Menu)
        out.menu = inspectMenu(bytes, model ? menuLayoutOfModel(*model) : std::nullopt);
    else
        out.sealed = inspectSealed(bytes, kind, model ? smtpLayoutOfModel(*model) : std::nullopt);
    return out;
}

std::vector<FileInspection> inspectPath(
    const std::filesystem::path &path, const InspectOptions &options)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(path, ec))
        return {inspectFile(path, options)};

    // One entry per kind, in file order menu, setup, smtp; a card formatted
    // elsewhere may hold the names in capitals.
    std::optional<std::filesystem::path> found[3];
    for (auto it = std::filesystem::directory_iterator(path, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const auto kind = fileKindFromName(it->path().filename().string());
        if (kind && !found[static_cast<int>(*kind)])
            found[static_cast<int>(*kind)] = it->path();
    }
    std::vector<FileInspection> out;
    for (const auto &file : found) {
        if (file)
            out.push_back(inspectFile(*file, options));
    }
    if (out.empty()) {
        FileInspection none;
        none.path = path;
        none.noCardFiles = !ec;
        none.error = ec ? ec.message() : "no card files";
        out.push_back(std::move(none));
    }
    return out;
}

std::string failureText(const FileInspection &file, int language)
{
    const i18n::TranslatedMessage *words = failureMessage(file.failure);
    return words ? std::string(i18n::message(*words, language)) : file.error;
}

std::optional<FileSettings> fileSettings(
    const FileInspection &file, std::optional<int> model, bool *guessed)
{
    if (file.status() != 0)
        return std::nullopt;
    // The first model (or the one given) whose form fits what was read.
    const auto pick = [&](auto fits) -> std::optional<int> {
        if (model)
            return fits(*model) ? model : std::nullopt;
        for (int m = 1; m <= kModelCount; ++m) {
            if (fits(m))
                return m;
        }
        return std::nullopt;
    };
    FileSettings out;
    out.kind = file.kind;
    std::optional<int> chosen;
    if (file.menu) {
        for (const MenuReading &r : file.menu->readings) {
            chosen = pick([&](int m) { return r.fits() && menuLayoutOfModel(m) == r.layout; });
            if (chosen) {
                out.camera = r.settings;
                out.extras = r.extras;
                out.context = r.context;
                break;
            }
        }
    } else if (file.sealed && file.sealed->readAs == FileKind::Setup) {
        chosen = pick([](int m) { return ModelCatalogue::mmsUsable(m); });
        out.mms = file.sealed->mms;
        out.context = {out.mms.cameraLanguage, out.mms.tvMode};
    } else if (file.sealed) {
        const SealedInspection &s = *file.sealed;
        chosen = pick([&](int m) {
            return ModelCatalogue::smtpUsable(m) && smtpLayoutOfModel(m) == s.smtpLayout;
        });
        out.smtp = s.smtp;
        out.context = {out.smtp.cameraLanguage, 0};
    }
    if (!chosen)
        return std::nullopt;
    out.model = *chosen;
    if (guessed)
        *guessed = !model;
    return out;
}

} // namespace marrowby::inspect
