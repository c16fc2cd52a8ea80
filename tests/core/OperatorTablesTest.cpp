#include "operators/OperatorTables.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace marrowby;

namespace {

using Names = std::vector<std::string_view>;

int totalOperators(const auto &lists)
{
    int total = 0;
    for (const OperatorList &list : lists)
        total += list.count;
    return total;
}

} // namespace

TEST(OperatorTables, CountryNamesDifferFromEnglishOnlyWhereTheyShould)
{
    // Country indices at which a language's name differs from the English one;
    // Polish (12), Turkish (13) and Russian (15) have names of their own.
    const std::map<int, std::set<int>> exceptions = {{1, {0, 43}}, {8, {6}}, {14, {42}}};
    for (int language = 1; language <= kNameLanguageCount; ++language) {
        if (language == 12 || language == 13 || language == 15)
            continue;
        std::set<int> differing;
        for (int country = 0; country < kCountryCount; ++country) {
            if (countryName(language, country) != countryName(2, country))
                differing.insert(country);
        }
        const auto it = exceptions.find(language);
        EXPECT_EQ(differing, it == exceptions.end() ? std::set<int>{} : it->second)
            << "language " << language;
    }

    EXPECT_EQ(countryName(1, 0), "中国");
    EXPECT_EQ(countryName(1, 43), "波斯尼亚和黑塞哥维那");
    EXPECT_EQ(countryName(8, 6), "Slovenija");
    EXPECT_EQ(countryName(14, 42), "Ізраїль");
}

TEST(OperatorTables, CountryNamesOfPolishTurkishAndRussian)
{
    const Names polish = countryNames(12);
    ASSERT_EQ(polish.size(), 44u);
    EXPECT_EQ(polish.front(), "Chiny");
    EXPECT_EQ(polish.back(), "Bosnia and Herzegovina") << "kept in English";
    EXPECT_EQ(countryName(13, 0), "çin");
    EXPECT_EQ(countryName(13, 42), "İsrail");
    EXPECT_EQ(countryName(13, 43), "Bosnia and Herzegovina");
    EXPECT_EQ(countryName(15, 22), "Остеррайх");
    EXPECT_EQ(countryName(15, 43), "Босния и Герцеговина");

    // Every language names all 44 countries, each name once.
    for (int language = 1; language <= kNameLanguageCount; ++language) {
        const Names names = countryNames(language);
        EXPECT_EQ(std::set<std::string_view>(names.begin(), names.end()).size(), 44u) << language;
    }
}

TEST(OperatorTables, OtherLabelPerLanguage)
{
    EXPECT_EQ(otherLabel(1), "其他");
    EXPECT_EQ(otherLabel(2), "Other");
    EXPECT_EQ(otherLabel(7), "egyéb");
    EXPECT_EQ(otherLabel(15), "другое");
    for (int language = 1; language <= kNameLanguageCount; ++language)
        EXPECT_FALSE(otherLabel(language).empty()) << language;
}

TEST(OperatorTables, GprsCountryListSkipsTheCaymanIslands)
{
    const std::pair<int, int> positions[]
        = {{0, 0}, {40, 40}, {41, 42}, {42, 43}, {-1, -1}, {43, -1}};
    for (const auto &[position, country] : positions)
        EXPECT_EQ(gprsCountryIndex(position), country) << position;

    const Names gprs = gprsCountryNames(2);
    ASSERT_EQ(gprs.size(), 43u);
    EXPECT_EQ(gprs[41], "Israel");
    EXPECT_EQ(gprs[42], "Bosnia and Herzegovina");
    EXPECT_EQ(countryName(2, 41), "Cayman Islands");
    EXPECT_EQ(gprsCountryName(12, 0), "Chiny");
}

TEST(OperatorTables, OperatorCountsAndTheListsTheFormsShow)
{
    EXPECT_EQ(totalOperators(MmsOperators), 141);
    EXPECT_EQ(totalOperators(GprsOperators), 121);

    EXPECT_EQ(mmsOperatorNames(3, 2).size(), 9u) << "United Kingdom, MMS";
    EXPECT_EQ(gprsOperatorNames(3).size(), 8u) << "United Kingdom, SMTP";
    EXPECT_EQ(mmsOperatorNames(5, 2).back(), "Tele2 ") << "with its trailing blank";
    EXPECT_EQ(gprsOperatorNames(5).back(), "Tele2");
    EXPECT_EQ(mmsOperatorNames(41, 2), Names{"Digicel"});
    EXPECT_EQ(gprsOperatorNames(41), Names{"Golan Telecom"});
    EXPECT_EQ(mmsOperatorNames(12, 2), (Names{"Мегафон", "Билайн", "МТС", "Tele2"}));
    EXPECT_EQ(mmsOperatorCount(30), 6);
    EXPECT_EQ(gprsOperatorCount(30), 4);
}

TEST(OperatorTables, ChinaOperatorsInTheChineseUi)
{
    const Names chinese{"中国移动", "中国联通"};
    const Names english{"China Mobile", "China Unicom"};
    EXPECT_EQ(mmsOperatorNames(0, 1), chinese);
    EXPECT_EQ(mmsOperatorNames(0, 2), english);
    EXPECT_EQ(mmsOperatorNames(1, 1), (Names{"T-Mobile", "AT&T"})) << "only China's operators";
    EXPECT_EQ(gprsOperatorNames(0, 1), chinese);
    EXPECT_EQ(gprsOperatorNames(0, 3), english);
    EXPECT_EQ(gprsOperatorNames(0), english) << "the table names, shown after a country change";
}

TEST(OperatorTables, OutOfRangeLookupsAreEmpty)
{
    const std::pair<int, int> badCountry[] = {{2, -1}, {2, 44}, {0, 0}, {16, 0}, {-5, 3}};
    for (const auto &[language, country] : badCountry)
        EXPECT_TRUE(countryName(language, country).empty()) << language << "/" << country;
    EXPECT_TRUE(countryNames(0).empty());
    EXPECT_TRUE(countryNames(16).empty());
    EXPECT_TRUE(otherLabel(0).empty());
    EXPECT_TRUE(otherLabel(16).empty());
    EXPECT_TRUE(gprsCountryNames(16).empty());
    EXPECT_TRUE(gprsCountryName(2, 43).empty());
    EXPECT_TRUE(gprsCountryName(2, -1).empty());

    for (const int index : {-1, 44, 1000}) {
        EXPECT_TRUE(mmsOperatorNames(index, 2).empty()) << index;
        EXPECT_EQ(mmsOperatorCount(index), 0) << index;
    }
    for (const int position : {-1, 43}) {
        EXPECT_TRUE(gprsOperatorNames(position).empty()) << position;
        EXPECT_TRUE(gprsOperatorNames(position, 1).empty()) << position;
        EXPECT_EQ(gprsOperatorCount(position), 0) << position;
    }
}

TEST(OperatorTables, NameEntriesListEveryNameOnce)
{
    const std::vector<OperatorNameEntry> entries = operatorNameEntries();
    EXPECT_EQ(entries.size(), std::size_t{15 * 44 + 15 + 141 + 121 + 2});

    for (const OperatorNameEntry &e : entries) {
        EXPECT_FALSE(e.text.empty()) << e.table << " " << e.list << "/" << e.entry;
        std::string_view lookedUp;
        if (e.table == "CountryNames")
            lookedUp = countryName(e.language, e.entry);
        else if (e.table == "OtherLabel")
            lookedUp = otherLabel(e.language);
        else if (e.table == "MmsOperators")
            lookedUp = mmsOperatorNames(e.list, 2).at(static_cast<std::size_t>(e.entry));
        else if (e.table == "GprsOperators")
            lookedUp = gprsOperatorNames(e.list).at(static_cast<std::size_t>(e.entry));
        else if (e.table == "ChinaOperatorsInChinese")
            lookedUp = mmsOperatorNames(e.list, e.language).at(static_cast<std::size_t>(e.entry));
        EXPECT_EQ(e.text, lookedUp)
            << e.table << " " << e.language << " " << e.list << "/" << e.entry;
    }
}
