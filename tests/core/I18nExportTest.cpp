#include "app/TextSheet.h"
#include "i18n/TextExport.h"
#include "i18n/TextTables.h"
#include "operators/OperatorTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <tuple>

using namespace marrowby::i18n;

namespace {

using CellKey = std::tuple<std::string, std::string, std::string>;

std::map<CellKey, std::string> indexRows(const std::vector<TextRow> &rows)
{
    std::map<CellKey, std::string> cells;
    for (const TextRow &r : rows)
        EXPECT_TRUE(cells.emplace(CellKey{r.table, r.key, r.language}, r.text).second)
            << "duplicate " << r.table << " / " << r.key << " / " << r.language;
    return cells;
}

std::string exportAll()
{
    std::ostringstream out;
    writeTsv(out, marrowby::textSheetRows());
    return out.str();
}

} // namespace

TEST(I18nExport, FieldEscapingRoundTrips)
{
    const std::string cases[] = {
        "",
        "plain",
        "Programmversion ",
        " leading",
        "a\tb",
        "line\nbreak",
        "cr\r",
        "back\\slash",
        "\\t is not a tab",
        "\\",
        "Note\uFF1A0=Unlimited",
        "Чувст. PIR ",
        "\t\n\\\r",
    };
    for (const std::string &text : cases) {
        const std::string escaped = escapeTsvField(text);
        EXPECT_EQ(escaped.find_first_of("\t\n\r"), std::string::npos) << escaped;
        EXPECT_EQ(unescapeTsvField(escaped), text) << escaped;
    }
    EXPECT_EQ(escapeTsvField("a\tb\nc\\d"), "a\\tb\\nc\\\\d");

    for (const char *malformed : {"ends in \\", "\\x", "\\"})
        EXPECT_FALSE(unescapeTsvField(malformed).has_value()) << malformed;
}

TEST(I18nExport, SheetReadBackEqualsTheTables)
{
    std::istringstream in(exportAll());
    const auto rows = readTsv(in);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(*rows, marrowby::textSheetRows());

    // Check the read-back sheet against the lookups themselves, so that a
    // table left out of the export is found too.
    const auto cells = indexRows(*rows);
    std::size_t expected = 16; // language list: 15 entries and the Chinese-system entry 0
    for (const CaptionTable *t : allCaptionTables()) {
        for (int lang = 1; lang <= kLanguageCount; ++lang) {
            const auto it = cells.find({std::string(t->key), "caption", std::to_string(lang)});
            ASSERT_NE(it, cells.end()) << t->key << " " << lang;
            EXPECT_EQ(it->second, caption(*t, lang));
            ++expected;
        }
    }
    for (const CaptionObjectTable *t : allCaptionObjectTables()) {
        for (int entry = 0; entry <= kLanguageCount; ++entry) {
            const auto it = cells.find({std::string(t->key), "caption", std::to_string(entry)});
            ASSERT_NE(it, cells.end()) << t->key << " " << entry;
            EXPECT_EQ(it->second, t->text[static_cast<std::size_t>(entry)]);
            ++expected;
        }
    }
    for (const OptionTable *t : allOptionTables()) {
        for (int lang = 1; lang <= kLanguageCount; ++lang) {
            const auto entries = options(*t, lang);
            for (std::size_t e = 0; e < entries.size(); ++e) {
                const auto it = cells.find(
                    {std::string(t->key), "entry " + std::to_string(e), std::to_string(lang)});
                ASSERT_NE(it, cells.end()) << t->key << " " << lang << " " << e;
                EXPECT_EQ(it->second, entries[e]);
                ++expected;
            }
        }
    }
    for (const Message *m : allMessages()) {
        EXPECT_EQ(cells.at({std::string(m->key), "message", "1"}), m->chinese);
        EXPECT_EQ(cells.at({std::string(m->key), "message", "2"}), m->english);
        expected += 2;
    }
    for (const TranslatedMessage *m : allTranslatedMessages()) {
        for (int lang = 1; lang <= kLanguageCount; ++lang) {
            const auto it = cells.find({std::string(m->key), "message", std::to_string(lang)});
            ASSERT_NE(it, cells.end()) << m->key << " " << lang;
            EXPECT_EQ(it->second, message(*m, lang));
            ++expected;
        }
    }
    const auto names = marrowby::operatorNameEntries();
    expected += names.size();
    EXPECT_EQ(cells.at({"operators.CountryNames", "entry 0", "1"}), "中国");
    EXPECT_EQ(cells.at({"operators.MmsOperators", "list 5 entry 2", "-"}), "Tele2 ");
    EXPECT_EQ(cells.at({"operators.OtherLabel", "entry 0", "14"}), "Інші");
    EXPECT_EQ(cells.at({"mainwindow.LanguageList", "entry 0 (Chinese system)", "-"}), "中文");
    EXPECT_EQ(cells.at({"mainwindow.LanguageList", "entry 14", "-"}), "Russian");
    EXPECT_EQ(rows->size(), expected);
}

TEST(I18nExport, SheetKeepsSpacesAndOneLinePerText)
{
    const std::string sheet = exportAll();
    EXPECT_EQ(sheet.rfind("table\tkey\tlanguage\ttext\n", 0), 0u);
    EXPECT_NE(sheet.find("\nmainwindow.VersionPrefix\tcaption\t3\tProgrammversion \n"),
        std::string::npos);
    EXPECT_NE(
        sheet.find("\ncamera.FactoryFileGenerated\tmessage\t1\t 相机菜单出厂设置文件已经生成\n"),
        std::string::npos);
    EXPECT_NE(sheet.find("\ncamera.PictureCountOptions\tentry 0\t8\t1 slika\n"), std::string::npos);
    EXPECT_NE(
        sheet.find("\nframework.EnterInteger\tmessage\t3\tBitte geben Sie eine ganze Zahl ein.\n"),
        std::string::npos);
    // Every line has exactly four fields.
    std::istringstream in(sheet);
    std::string line;
    while (std::getline(in, line))
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 3) << line;
}

TEST(I18nExport, ReaderRejectsMalformedSheets)
{
    const std::string header = "table\tkey\tlanguage\ttext\n";
    const std::string bad[] = {
        "",                                   // no header
        "t\tk\tl\tx\n",                       // wrong header
        header + "t\tk\t1\n",                 // three fields
        header + "t\tk\t1\tx\ty\n",           // five fields
        header + "t\tk\t1\tbad \\q escape\n", // unknown escape
    };
    for (const std::string &sheet : bad) {
        std::istringstream in(sheet);
        EXPECT_FALSE(readTsv(in).has_value()) << sheet;
    }

    // A sheet saved with Windows line ends still reads, and an empty text is kept.
    std::istringstream crlf("table\tkey\tlanguage\ttext\r\nt\tk\t1\t\r\nt\tk\t2\ta\\rb\r\n");
    const auto rows = readTsv(crlf);
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[0].text, "");
    EXPECT_EQ((*rows)[1].text, "a\rb");
}
