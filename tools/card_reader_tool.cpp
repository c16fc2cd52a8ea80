// Reads the camera files on a card and explains them:
//     marrowby-inspect [options] PATH...
// PATH is a file or a card folder (where menu.dat, setup.dat and smtp.dat are
// read). The tool only reads; it never writes to the card.
// Exit status: 0 all files good, 1 findings, 2 a file or folder unreadable
// (or a usage error).
#include "cardfiles/CardReport.h"
#include "catalogue/ModelCatalogue.h"
#include "i18n/TextTables.h"

#include "ToolArguments.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
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
#endif

namespace {

using marrowby::tools::languageFromEnvironment;
using marrowby::tools::wholeNumber;

using namespace marrowby;

int usage(std::string_view problem = {})
{
    if (!problem.empty())
        std::cerr << "marrowby-inspect: " << problem << '\n';
    std::cerr << "usage: marrowby-inspect [--model N] [--language N] [--json] [--show-passwords] "
                 "PATH...\n"
                 "  PATH              a file, or a card folder holding menu.dat, setup.dat, "
                 "smtp.dat\n"
                 "  --model N         camera model, 1.."
              << kModelCount
              << " as in the program's model list\n"
                 "                    (without it every layout is tried)\n"
                 "  --language N      1 Chinese, 2 English, ... 15 Russian\n"
                 "  --json            one JSON document for scripts\n"
                 "  --show-passwords  show passwords instead of hiding them\n"
                 "exit status: 0 all good, 1 findings, 2 unreadable\n";
    return 2;
}

#ifdef _WIN32

// The arguments as the user typed them. Windows hands main() the ANSI code
// page's bytes, where a folder name outside that code page is already lost.
std::vector<std::wstring> wideArguments()
{
    std::vector<std::wstring> arguments;
    int count = 0;
    if (wchar_t **list = CommandLineToArgvW(GetCommandLineW(), &count)) {
        arguments.assign(list, list + count);
        LocalFree(list);
    }
    return arguments;
}

// The reports are UTF-8; a console shows them as such while the tool runs.
class Utf8Console {
public:
    Utf8Console()
        : previous_(GetConsoleOutputCP())
    {
        if (previous_ != 0)
            SetConsoleOutputCP(CP_UTF8);
    }
    ~Utf8Console()
    {
        if (previous_ != 0)
            SetConsoleOutputCP(previous_);
    }
    Utf8Console(const Utf8Console &) = delete;
    Utf8Console &operator=(const Utf8Console &) = delete;

private:
    UINT previous_;
};

#endif

} // namespace

int main(int argc, char **argv)
{
#ifdef _WIN32
    const std::vector<std::wstring> wide = wideArguments();
    const Utf8Console console;
#endif
    // The path argument at `i`, as the file system names it.
    auto pathArgument = [&](int i) {
#ifdef _WIN32
        if (wide.size() == static_cast<std::size_t>(argc))
            return std::filesystem::path(wide[static_cast<std::size_t>(i)]);
#endif
        return std::filesystem::path(argv[i]);
    };

    inspect::InspectOptions options;
    inspect::ReportOptions report;
    report.language = languageFromEnvironment();
    bool json = false;
    std::vector<std::filesystem::path> paths;

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--json") {
            json = true;
        } else if (arg == "--show-passwords") {
            report.showPasswords = true;
        } else if (arg == "--model" || arg == "--language") {
            if (i + 1 >= argc)
                return usage(std::string(arg) + " needs a number");
            const auto n = wholeNumber(argv[++i]);
            if (arg == "--model") {
                if (!n || *n < 1 || *n > kModelCount)
                    return usage("--model takes 1.." + std::to_string(kModelCount));
                options.model = *n;
                report.model = *n;
            } else {
                if (!n || !i18n::isValidLanguage(*n))
                    return usage("--language takes 1.." + std::to_string(i18n::kLanguageCount));
                report.language = *n;
            }
        } else if (arg == "--help" || arg == "-h") {
            usage();
            return 0;
        } else if (arg.starts_with("--")) {
            return usage("unknown option " + std::string(arg));
        } else {
            paths.push_back(pathArgument(i));
        }
    }
    if (paths.empty())
        return usage("no PATH given");

    std::vector<inspect::FileInspection> files;
    for (const std::filesystem::path &path : paths) {
        for (auto &file : inspect::inspectPath(path, options))
            files.push_back(std::move(file));
    }

    int status = 0;
    for (const auto &file : files)
        status = std::max(status, file.status());

    if (json) {
        std::cout << inspect::jsonReport(files, report);
    } else {
        for (std::size_t i = 0; i < files.size(); ++i)
            std::cout << (i ? "\n" : "") << inspect::textReport(files[i], report);
    }
    return status;
}
