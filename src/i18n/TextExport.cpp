#include "i18n/TextExport.h"

#include "i18n/TextTables.h"

#include <istream>
#include <ostream>

namespace marrowby::i18n {

namespace {

constexpr std::string_view kHeader = "table\tkey\tlanguage\ttext";

std::string entryKey(std::size_t entry)
{
    return "entry " + std::to_string(entry);
}

void add(std::vector<TextRow> &rows, std::string table, std::string key, std::string language,
    std::string_view text)
{
    rows.push_back({std::move(table), std::move(key), std::move(language), std::string(text)});
}

// Splits on tabs; a trailing '\r' left by a CRLF line end is dropped (a real
// carriage return inside a text is always escaped).
std::vector<std::string_view> splitLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

} // namespace

std::vector<TextRow> collectTextRows()
{
    std::vector<TextRow> rows;

    const std::string languageList = "mainwindow.LanguageList";
    for (int entry = 0; entry < kLanguageListSize; ++entry) {
        add(rows, languageList, entryKey(static_cast<std::size_t>(entry)), "-",
            languageListEntry(entry, false));
    }
    add(rows, languageList, "entry 0 (Chinese system)", "-", languageListEntry(0, true));

    for (const CaptionTable *table : allCaptionTables()) {
        for (int lang = 1; lang <= kLanguageCount; ++lang) {
            add(rows, std::string(table->key), "caption", std::to_string(lang),
                caption(*table, lang));
        }
    }
    for (const CaptionObjectTable *table : allCaptionObjectTables()) {
        for (std::size_t entry = 0; entry < table->text.size(); ++entry) {
            add(rows, std::string(table->key), "caption", std::to_string(entry),
                table->text[entry]);
        }
    }
    for (const OptionTable *table : allOptionTables()) {
        for (int lang = 1; lang <= kLanguageCount; ++lang) {
            const auto entries = options(*table, lang);
            for (std::size_t i = 0; i < entries.size(); ++i) {
                add(rows, std::string(table->key), entryKey(i), std::to_string(lang), entries[i]);
            }
        }
    }
    for (const Message *msg : allMessages()) {
        add(rows, std::string(msg->key), "message", std::to_string(kChineseLanguage), msg->chinese);
        add(rows, std::string(msg->key), "message", std::to_string(kEnglishLanguage), msg->english);
    }
    for (const TranslatedMessage *msg : allTranslatedMessages()) {
        for (int lang = 1; lang <= kLanguageCount; ++lang) {
            add(rows, std::string(msg->key), "message", std::to_string(lang), message(*msg, lang));
        }
    }
    return rows;
}

std::string escapeTsvField(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (const char c : field) {
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

std::optional<std::string> unescapeTsvField(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) {
            return std::nullopt;
        }
        switch (field[i]) {
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

void writeTsv(std::ostream &out, const std::vector<TextRow> &rows)
{
    out << kHeader << '\n';
    for (const TextRow &row : rows) {
        out << escapeTsvField(row.table) << '\t' << escapeTsvField(row.key) << '\t'
            << escapeTsvField(row.language) << '\t' << escapeTsvField(row.text) << '\n';
    }
}

std::optional<std::vector<TextRow>> readTsv(std::istream &in)
{
    std::string line;
    if (!std::getline(in, line)
        || splitLine(line) != std::vector<std::string_view>{"table", "key", "language", "text"}) {
        return std::nullopt;
    }
    std::vector<TextRow> rows;
    while (std::getline(in, line)) {
        const auto fields = splitLine(line);
        if (fields.size() != 4) {
            return std::nullopt;
        }
        auto table = unescapeTsvField(fields[0]);
        auto key = unescapeTsvField(fields[1]);
        auto language = unescapeTsvField(fields[2]);
        auto text = unescapeTsvField(fields[3]);
        if (!table || !key || !language || !text) {
            return std::nullopt;
        }
        rows.push_back(
            {std::move(*table), std::move(*key), std::move(*language), std::move(*text)});
    }
    return rows;
}

} // namespace marrowby::i18n
