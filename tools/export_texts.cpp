// Writes every text table of the program to one tab-separated sheet for
// translators to review:
//     marrowby-export-texts [FILE]          write to FILE, or to stdout
//     marrowby-export-texts --verify FILE   read FILE back and compare it with
//                                           the built-in tables
// Exit status 0 on success, 1 on a write or read failure or a difference.
#include "app/TextSheet.h"
#include "i18n/TextExport.h"

#include <fstream>
#include <iostream>
#include <string_view>

namespace {

using marrowby::i18n::TextRow;

int usage()
{
    std::cerr << "usage: marrowby-export-texts [FILE]\n"
                 "       marrowby-export-texts --verify FILE\n";
    return 2;
}

int verify(const char *path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "cannot open " << path << '\n';
        return 1;
    }
    const auto read = marrowby::i18n::readTsv(in);
    if (!read) {
        std::cerr << path << ": not a text sheet\n";
        return 1;
    }
    const auto expected = marrowby::textSheetRows();
    if (read->size() != expected.size()) {
        std::cerr << path << ": " << read->size() << " texts, expected " << expected.size() << '\n';
        return 1;
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TextRow &a = (*read)[i];
        const TextRow &b = expected[i];
        if (!(a == b)) {
            std::cerr << path << ": line " << i + 2 << " differs: " << a.table << ' ' << a.key
                      << ' ' << a.language << " \"" << a.text << "\", expected " << b.table << ' '
                      << b.key << ' ' << b.language << " \"" << b.text << "\"\n";
            return 1;
        }
    }
    std::cout << path << ": " << expected.size() << " texts match\n";
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::string_view(argv[1]) == "--verify") {
        return verify(argv[2]);
    }
    if (argc > 2 || (argc == 2 && std::string_view(argv[1]).starts_with("--"))) {
        return usage();
    }

    const auto rows = marrowby::textSheetRows();
    if (argc == 1) {
        marrowby::i18n::writeTsv(std::cout, rows);
        std::cout.flush();
        return std::cout ? 0 : 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    if (!out) {
        std::cerr << "cannot create " << argv[1] << '\n';
        return 1;
    }
    marrowby::i18n::writeTsv(out, rows);
    out.close();
    if (!out) {
        std::cerr << "cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
