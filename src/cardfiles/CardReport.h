// Reading the files of a card folder, and saying what they hold: in words in
// the user's language, and as JSON for scripts. Reading is in CardReading.cpp,
// the names of fields, values and findings in CardNames.cpp, the reports in
// CardTextReport.cpp and CardJsonReport.cpp.
#pragma once

#include "cardfiles/CardReader.h"
#include "cardfiles/FileSettings.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marrowby::inspect {

// Why a file could not be read.
enum class ReadFailure {
    System, // the system's reason, as the system words it
    NoSuchFile,
    NotAFile, // a folder or a device where a file was named
    CannotOpen,
    ReadError,
};

// One file looked at: read and inspected, or the reason it could not be read.
struct FileInspection {
    std::filesystem::path path;
    FileKind kind = FileKind::Menu;
    // Not empty when the file could not be read: the reason in English, or in
    // the system's words (what the JSON report gives scripts).
    std::string error;
    ReadFailure failure = ReadFailure::System; // when `error` is not empty
    // A folder without menu.dat, setup.dat or smtp.dat.
    bool noCardFiles = false;
    std::optional<MenuInspection> menu;
    std::optional<SealedInspection> sealed;

    // 0 nothing to report, 1 findings, 2 unreadable.
    int status() const;
};

// A model from the model list (1..19) fixes the camera and SMTP layouts;
// without one every layout is tried.
struct InspectOptions {
    std::optional<int> model;
};

// Biggest file read whole; a larger one is surely not a card file, and only
// its beginning is looked at.
inline constexpr std::uintmax_t kMaxFileRead = 64 * 1024;

// A file, or a folder whose menu.dat, setup.dat and smtp.dat are read (names
// in any letter case). A folder without any of them gives one unreadable entry.
std::vector<FileInspection> inspectPath(
    const std::filesystem::path &path, const InspectOptions &options);

// Inspects bytes as the given kind of file.
FileInspection inspectBytes(std::filesystem::path path, FileKind kind,
    std::span<const std::uint8_t> bytes, const InspectOptions &options);

std::optional<MenuLayout> menuLayoutOfModel(int modelIndex);
std::optional<SmtpLayout> smtpLayoutOfModel(int modelIndex);

// The settings a file holds, when it was read without findings: for `model`,
// or without one for the first model whose form writes the file as it was
// read (`guessed` then says so). Nothing for an unreadable or damaged file and
// for the factory marker.
std::optional<FileSettings> fileSettings(
    const FileInspection &file, std::optional<int> model, bool *guessed = nullptr);

std::string_view layoutName(MenuLayout layout);
std::string_view layoutName(SmtpLayout layout);
// Identifiers for scripts.
std::string_view fieldKey(Field field);
std::string_view findingKey(FindingCode code);
bool isPassword(Field field);

struct ReportOptions {
    int language = 2; // LanguageIndex
    bool showPasswords = false;
    // The model the files were inspected for (InspectOptions::model).
    std::optional<int> model = std::nullopt;
};

// The name of a field in the user's language.
std::string fieldName(Field field, int language);
// A value in words; `siblings` are the other values of the same record set
// (an operator is named through its country).
std::string fieldValueText(
    const FieldValue &value, std::span<const FieldValue> siblings, const ReportOptions &options);
std::string findingText(const Finding &finding, int language);
// Why a file could not be read, in the user's language where the reason is
// the inspector's own.
std::string failureText(const FileInspection &file, int language);
// A camera layout's name for people: the standard layout's in the user's
// language, the others by their model (layoutName() is for scripts).
std::string layoutText(MenuLayout layout, int language);

// Human-readable report of one file, lines indented by two spaces under a heading.
std::string textReport(const FileInspection &file, const ReportOptions &options);
// One JSON document for all files, with the overall status; each file read
// without findings with its settings document (for the model the files were
// inspected for, or the first that fits).
std::string jsonReport(const std::vector<FileInspection> &files, const ReportOptions &options);

// What a file is, in the user's language: a card file's kind, or what the
// trailer of a sealed file says it is.
std::string fileKindText(FileKind kind, int language);
std::string sealedKindText(SealedKind kind, int language);
// "menu.dat", "setup.dat", "smtp.dat".
std::string_view cardFileName(FileKind kind);

// %1..%9 replaced by the arguments in order.
std::string formatMessage(std::string_view pattern, std::initializer_list<std::string> args);

} // namespace marrowby::inspect
