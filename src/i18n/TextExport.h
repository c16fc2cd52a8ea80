// Export of every text table to one tab-separated sheet, and reading it back.
//
// One line per text per language, after a header line:
//     table <TAB> key <TAB> language <TAB> text
// - table:    the table's key, e.g. "camera.ImageSize" or "mms.PortError";
//             "operators.<name>" for the country and operator name tables
// - key:      "caption" for caption tables, "entry N" (0-based) for option
//             tables and untranslated lists, "message" for messages; operator
//             names are "list L entry N" (L the country index, or for
//             GprsOperators the GPRS list position)
// - language: LanguageIndex 1..15; "0" for the never-shown English entry of a
//             sixteen-entry caption; for Chinese-and-English messages "1" is
//             the Chinese text and "2" the English text shown for every other
//             language (a message in every language has 1..15); "-" for lists
//             that are the same in every language
// - text:     the text, with tab, newline, carriage return and backslash
//             written as \t \n \r \\ so that every text round-trips exactly
//             (leading and trailing spaces included).
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marrowby::i18n {

struct TextRow {
    std::string table;
    std::string key;
    std::string language;
    std::string text;

    friend bool operator==(const TextRow &, const TextRow &) = default;
};

// Every text of the text tables in this folder, in table order. The country and
// operator names live with their tables (operators/OperatorTextRows.h); the whole
// sheet is composed in app/TextSheet.h.
std::vector<TextRow> collectTextRows();

std::string escapeTsvField(std::string_view field);
// Empty optional for a malformed field (a lone backslash, an unknown escape).
std::optional<std::string> unescapeTsvField(std::string_view field);

// Writes the header line and one line per row. Open files in binary mode so
// that lines end in a single '\n' on every platform.
void writeTsv(std::ostream &out, const std::vector<TextRow> &rows);

// Reads what writeTsv wrote. Empty optional when the header is missing, a
// line does not have exactly four fields, or a field is malformed.
std::optional<std::vector<TextRow>> readTsv(std::istream &in);

} // namespace marrowby::i18n
