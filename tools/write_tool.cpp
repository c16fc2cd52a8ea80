// Writes a settings document's file onto cards:
//     marrowby-write [options] DOCUMENT FOLDER...
// The document's settings go through the same checks and the same writers as
// the program's forms, then into each folder in turn (a card each).
// Exit status: 0 every folder written, 1 the document was refused (or a usage
// error), 2 a folder could not be written.
#include "catalogue/ModelCatalogue.h"
#include "documents/SettingsDocument.h"
#include "i18n/DocumentTexts.h"
#include "i18n/TextTables.h"
#include "records/RecordFile.h"

#include "ToolArguments.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace {

using marrowby::tools::languageFromEnvironment;
using marrowby::tools::wholeNumber;

using namespace marrowby;
namespace texts = i18n::documents;

constexpr std::string_view kUsage
    = "usage: marrowby-write [--model N] [--ask-passwords] [--language N] DOCUMENT FOLDER...\n"
      "  DOCUMENT          a settings document (marrowby-inspect --json, or a form's\n"
      "                    \"Save settings\")\n"
      "  FOLDER            a card folder; the document's file is written into each\n"
      "  --model N         refuse a document for another model (1..19)\n"
      "  --ask-passwords   ask for the passwords on the terminal, without echo\n"
      "  --language N      1 Chinese, 2 English, ... 15 Russian\n"
      "  --version         the program's version\n"
      "exit status: 0 all written, 1 the document refused, 2 a folder not written\n";

int usage(std::string_view problem)
{
    std::cerr << "marrowby-write: " << problem << '\n' << kUsage;
    return 1;
}

std::string fill(std::string_view pattern, std::initializer_list<std::string> args)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1'
            && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < args.size()) {
                out += *(args.begin() + index);
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

// A line from the terminal with its echo off; from a pipe as it comes.
std::string readPassword(const std::string &prompt)
{
    std::cerr << prompt << std::flush;
    std::string line;
#ifdef _WIN32
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    const bool console = GetConsoleMode(in, &mode) != 0;
    if (console)
        SetConsoleMode(in, mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    std::getline(std::cin, line);
    if (console)
        SetConsoleMode(in, mode);
#else
    termios before{};
    const bool terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &before) == 0;
    if (terminal) {
        termios quiet = before;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::getline(std::cin, line);
    if (terminal)
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &before);
#endif
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    std::cerr << '\n';
    return line;
}

// The arguments in UTF-8, as the writers take folders. Windows hands main()
// the ANSI code page's bytes, where a name outside that code page is lost.
std::vector<std::string> utf8Arguments(int argc, char **argv)
{
    std::vector<std::string> out(argv, argv + argc);
#ifdef _WIN32
    int count = 0;
    if (wchar_t **list = CommandLineToArgvW(GetCommandLineW(), &count)) {
        if (count == argc) {
            for (int i = 0; i < count; ++i) {
                const int size
                    = WideCharToMultiByte(CP_UTF8, 0, list[i], -1, nullptr, 0, nullptr, nullptr);
                std::string text(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
                if (size > 1)
                    WideCharToMultiByte(
                        CP_UTF8, 0, list[i], -1, text.data(), size, nullptr, nullptr);
                out[static_cast<std::size_t>(i)] = text;
            }
        }
        LocalFree(list);
    }
#endif
    return out;
}

CameraClock computerClock()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
        local.tm_sec};
}

std::string writeFailure(const WriteResult &result, int language)
{
    if (result.pathTooLong)
        return fill(i18n::message(i18n::files::PathTooLong, language),
            {result.path, std::to_string(kMaxPathLength)});
    return fill(i18n::message(i18n::shared::WriteFailed, language), {result.path, result.reason});
}

} // namespace

int main(int argc, char **argv)
{
#ifdef _WIN32
    // The report is UTF-8; a console shows it as such while the tool runs.
    const UINT previousOutput = GetConsoleOutputCP();
    if (previousOutput != 0)
        SetConsoleOutputCP(CP_UTF8);
    struct RestoreConsole {
        UINT cp;
        ~RestoreConsole()
        {
            if (cp != 0)
                SetConsoleOutputCP(cp);
        }
    } restore{previousOutput};
#endif
    const std::vector<std::string> args = utf8Arguments(argc, argv);
    std::optional<int> model;
    bool askPasswords = false;
    int language = languageFromEnvironment();
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = args[static_cast<std::size_t>(i)];
        if (arg == "--ask-passwords") {
            askPasswords = true;
        } else if (arg == "--model" || arg == "--language") {
            if (i + 1 >= argc)
                return usage(std::string(arg) + " needs a number");
            const auto n = wholeNumber(args[static_cast<std::size_t>(++i)]);
            if (arg == "--model") {
                if (!n || *n < 1 || *n > kModelCount)
                    return usage("--model takes 1.." + std::to_string(kModelCount));
                model = *n;
            } else {
                if (!n || !i18n::isValidLanguage(*n))
                    return usage("--language takes 1.." + std::to_string(i18n::kLanguageCount));
                language = *n;
            }
        } else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--version") {
            std::cout << "marrowby-write " << MARROWBY_VERSION << '\n';
            return 0;
        } else if (arg.starts_with("--")) {
            return usage("unknown option " + std::string(arg));
        } else {
            arguments.emplace_back(arg);
        }
    }
    if (arguments.size() < 2)
        return usage("a DOCUMENT and at least one FOLDER are needed");
    const std::string &documentPath = arguments.front();

    std::ifstream in(std::filesystem::path(std::u8string(documentPath.begin(), documentPath.end())),
        std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in || in.bad()) {
        std::cerr << fill(
            i18n::message(texts::CannotRead, language), {documentPath, std::strerror(errno)})
                  << '\n';
        return 1;
    }

    documents::ReadOptions options;
    options.model = model;
    if (askPasswords) {
        options.askPassword = [language](std::string_view field) {
            return readPassword(
                fill(i18n::message(texts::AskPassword, language), {std::string(field)}));
        };
    }
    const documents::DocumentReading reading = documents::readDocument(text.str(), options);
    const auto refuse = [&](const documents::DocumentError &error) {
        std::cerr << fill(i18n::message(texts::Refused, language),
            {documentPath, documents::errorText(error, language)})
                  << '\n';
        return 1;
    };
    if (reading.error)
        return refuse(*reading.error);
    if (!reading.passwordsLeftOut.empty()) {
        const std::string field = reading.passwordsLeftOut.front();
        return refuse({documents::Problem::PasswordLeftOut, field, {field}, {}});
    }
    const documents::PreparedWrite prepared
        = documents::prepareWrite(*reading.settings, computerClock());
    if (prepared.error)
        return refuse(*prepared.error);

    int status = 0;
    for (auto folder = arguments.begin() + 1; folder != arguments.end(); ++folder) {
        const WriteResult result = documents::writeSettings(*folder, prepared.settings);
        if (result.ok) {
            std::cout << fill(i18n::message(texts::Written, language),
                {*folder, std::filesystem::path(result.path).filename().string()})
                      << '\n';
            if (!result.leftPlainFile.empty())
                std::cout << "  "
                          << fill(i18n::message(i18n::files::PlainFileLeft, language),
                                 {result.path, result.leftPlainFile, result.leftPlainFileReason})
                          << '\n';
        } else {
            std::cout << fill(i18n::message(texts::NotWritten, language),
                {*folder, writeFailure(result, language)})
                      << '\n';
            status = 2;
        }
    }
    return status;
}
