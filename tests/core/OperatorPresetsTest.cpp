#include "operators/OperatorPresets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

using namespace marrowby;

namespace {

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c > 0x20 && c < 0x7F; });
}

bool isDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Four numbers of one to three digits, each at most 255, separated by dots;
// leading zeros as in "010.010.010.011" are allowed.
bool isDottedDecimalIpv4(std::string_view text)
{
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = text.find('.');
        const std::string_view number = part < 3 ? text.substr(0, dot) : text;
        if (number.empty() || number.size() > 3 || !isDigits(number)
            || std::stoi(std::string(number)) > 255)
            return false;
        if (part < 3) {
            if (dot == std::string_view::npos)
                return false;
            text.remove_prefix(dot + 1);
        }
    }
    return true;
}

} // namespace

// Every operator a list offers has exactly one row, and no row belongs to a slot
// beyond a country's count.
TEST(OperatorPresets, OneRowPerListedOperator)
{
    std::map<std::pair<int, int>, int> mmsRows;
    for (const MmsPresetRow &row : mmsPresetRows())
        ++mmsRows[{row.country, row.op}];
    std::map<std::pair<int, int>, int> expectedMms;
    for (int country = 0; country < kCountryCount; ++country) {
        for (int op = 0; op < mmsOperatorCount(country); ++op)
            expectedMms[{country, op}] = 1;
    }
    EXPECT_EQ(mmsRows, expectedMms);

    std::map<std::pair<int, int>, int> gprsRows;
    for (const GprsPresetRow &row : gprsPresetRows())
        ++gprsRows[{row.position, row.op}];
    std::map<std::pair<int, int>, int> expectedGprs;
    for (int position = 0; position < kGprsCountryCount; ++position) {
        for (int op = 0; op < gprsOperatorCount(position); ++op)
            expectedGprs[{position, op}] = 1;
    }
    EXPECT_EQ(gprsRows, expectedGprs);
}

// What the forms would write: each value fits its edit, is plain ASCII (so it
// converts to the record byte for byte), and a filled preset is usable.
TEST(OperatorPresets, FilledValuesFitTheirFields)
{
    int filledMms = 0;
    for (int country = 0; country < kCountryCount; ++country) {
        for (int op = 0; op < mmsOperatorCount(country); ++op) {
            const MmsPreset p = mmsPreset(country, op);
            SCOPED_TRACE(std::string(mmsOperatorNames(country, 2)[static_cast<std::size_t>(op)]));
            EXPECT_LE(p.url.size(), PresetLimits::Url);
            EXPECT_LE(p.apn.size(), PresetLimits::Apn);
            EXPECT_LE(p.gateway.size(), PresetLimits::Gateway);
            EXPECT_LE(p.port.size(), PresetLimits::Port);
            EXPECT_LE(p.account.size(), PresetLimits::Account);
            EXPECT_LE(p.password.size(), PresetLimits::Password);
            for (const std::string_view text :
                {p.url, p.apn, p.gateway, p.port, p.account, p.password})
                EXPECT_TRUE(isAscii(text)) << text;
            if (p.empty())
                continue;
            ++filledMms;
            EXPECT_FALSE(p.url.empty());
            EXPECT_FALSE(p.apn.empty());
            EXPECT_EQ(p.gateway.empty(), p.port.empty()) << "a gateway comes with its port";
            EXPECT_TRUE(isDigits(p.port)) << p.port;
            EXPECT_TRUE(p.gateway.empty() || p.gateway.find('.') != std::string_view::npos)
                << p.gateway;
        }
    }

    int filledGprs = 0;
    for (int position = 0; position < kGprsCountryCount; ++position) {
        for (int op = 0; op < gprsOperatorCount(position); ++op) {
            const GprsPreset p = gprsPreset(position, op);
            SCOPED_TRACE(std::string(gprsOperatorNames(position)[static_cast<std::size_t>(op)]));
            for (const std::string_view text : {p.apn, p.account, p.password}) {
                EXPECT_LE(text.size(), PresetLimits::GprsText);
                EXPECT_TRUE(isAscii(text)) << text;
            }
            if (!p.empty())
                ++filledGprs;
            else
                EXPECT_TRUE(p.account.empty() && p.password.empty());
        }
    }

    // The numbers docs/operator-presets.md reports.
    EXPECT_EQ(filledMms, 134);
    EXPECT_EQ(filledGprs, 117);
}

// The camera takes its MMS gateway as a dotted-decimal IPv4 number; a host name
// cannot be used. A gateway comes with its port, a number the camera can use.
TEST(OperatorPresets, MmsGatewaysAreIpv4NumbersWithAPort)
{
    for (const std::string_view text : {"10.0.0.172", "010.010.010.011", "255.255.255.255"})
        EXPECT_TRUE(isDottedDecimalIpv4(text)) << text;
    for (const std::string_view text : {"", "proxy.mobile.att.net", "10.0.0", "10.0.0.1.5",
             "10.0.0.256", "10..0.1", "10.0.0.1.", "1000.0.0.1", "10.0.0.x"})
        EXPECT_FALSE(isDottedDecimalIpv4(text)) << text;

    for (const MmsPresetRow &row : mmsPresetRows()) {
        const MmsPreset &p = row.preset;
        SCOPED_TRACE(std::to_string(row.country) + "/" + std::to_string(row.op));
        if (p.gateway.empty()) {
            EXPECT_TRUE(p.port.empty()) << p.port;
            continue;
        }
        EXPECT_TRUE(isDottedDecimalIpv4(p.gateway)) << p.gateway;
        ASSERT_FALSE(p.port.empty());
        EXPECT_TRUE(isDigits(p.port)) << p.port;
        EXPECT_LE(std::stoi(std::string(p.port)), 65535) << p.port;
        EXPECT_GE(std::stoi(std::string(p.port)), 1) << p.port;
    }
}

// Auto mode refuses exactly these operators, whose presets lack a setting the
// camera needs; a change to the tables that adds or fills one shows here.
TEST(OperatorPresets, IncompletePresetsAreExactlyThese)
{
    using S = PresetSetting;
    const std::vector<IncompletePreset> expectedMms = {
        {10, 2, S::Url}, // Spain, Telstra
        {21, 2, S::Url}, // Australia, Mic1
        {30, 2, S::Url}, // Norway, Onecall
        {30, 5, S::Url}, // Norway, Chess
        {31, 2, S::Url}, // South Africa, MTN
        {35, 2, S::Url}, // India, BPL
        {37, 0, S::Url}, // Namibia, MTC
    };
    // Swisscom's empty access point is what the camera's lists give it: no gap.
    const std::vector<IncompletePreset> expectedGprs = {
        {31, 0, S::Apn}, // South Africa, Cell C
        {35, 1, S::Apn}, // India, BPL
        {37, 0, S::Apn}, // Namibia, MTC
    };
    std::vector<IncompletePreset> mms;
    for (const MmsPresetRow &row : mmsPresetRows()) {
        if (const auto incomplete = incompleteMmsPreset(row.country, row.op))
            mms.push_back(*incomplete);
    }
    std::vector<IncompletePreset> gprs;
    for (const GprsPresetRow &row : gprsPresetRows()) {
        if (const auto incomplete = incompleteGprsPreset(row.position, row.op))
            gprs.push_back(*incomplete);
    }
    EXPECT_EQ(mms, expectedMms);
    EXPECT_EQ(gprs, expectedGprs);
    EXPECT_EQ(std::string(mmsOperatorNames(10, 2)[2]), "Telstra");
    EXPECT_EQ(std::string(gprsOperatorNames(31)[0]), "Cell C");
    EXPECT_EQ(std::string(gprsOperatorNames(9)[2]), "Swisscom");
    EXPECT_FALSE(incompleteGprsPreset(9, 2));

    // Outside the tables there is no preset at all.
    EXPECT_EQ(incompleteMmsPreset(0, 2), (IncompletePreset{0, 2, S::Url}));
    EXPECT_EQ(incompleteGprsPreset(43, 0), (IncompletePreset{43, 0, S::Apn}));
}

TEST(OperatorPresets, LookupsStayInsideTheTables)
{
    // China has two operators: slot 2 exists in the table but is never read.
    EXPECT_FALSE(mmsPreset(0, 1).empty());
    EXPECT_EQ(mmsPreset(0, 2), MmsPreset{});
    EXPECT_EQ(gprsPreset(0, 2), GprsPreset{});

    const std::pair<int, int> outside[]
        = {{-1, 0}, {44, 0}, {0, -1}, {0, 10}, {3, 9}, {1000, 1000}};
    for (const auto &[list, op] : outside) {
        EXPECT_EQ(mmsPreset(list, op), MmsPreset{}) << list << "/" << op;
        EXPECT_EQ(gprsPreset(list, op), GprsPreset{}) << list << "/" << op;
    }
    EXPECT_EQ(gprsPreset(43, 0), GprsPreset{});
}

TEST(OperatorPresets, GprsPresetsFollowTheGprsPositions)
{
    // Position 41 of the GPRS list is Israel, the MMS list's country 42.
    EXPECT_EQ(gprsPreset(41, 0).apn, "internet.golantelecom.net.il");
    EXPECT_EQ(mmsPreset(42, 0).apn, "mms.golantelecom.net.il");
    EXPECT_EQ(mmsPreset(41, 0).apn, "wap") << "Cayman Islands, Digicel";
}

// The published lists leave some cells empty on purpose; a preset must not fill
// them from other data, and the counts of filled cells must not grow past theirs.
TEST(OperatorPresets, CellsLeftEmptyByTheOperatorListsStayEmpty)
{
    const std::pair<int, int> withoutGateway[] = {{20, 3}, {38, 0}, {38, 1}, {38, 2}, {38, 3}};
    for (const auto &[country, op] : withoutGateway) {
        const MmsPreset p = mmsPreset(country, op);
        EXPECT_TRUE(p.gateway.empty() && p.port.empty()) << country << "/" << op;
    }

    // Only these four have an account without a password.
    const std::pair<int, int> accountOnly[] = {{3, 5}, {24, 2}, {30, 4}, {40, 0}};
    int mmsAccounts = 0;
    int mmsGateways = 0;
    for (int country = 0; country < kCountryCount; ++country) {
        for (int op = 0; op < mmsOperatorCount(country); ++op) {
            const MmsPreset p = mmsPreset(country, op);
            SCOPED_TRACE(std::to_string(country) + "/" + std::to_string(op));
            EXPECT_TRUE(p.password.empty() || !p.account.empty()) << "password without account";
            const bool mayLackPassword
                = std::find(std::begin(accountOnly), std::end(accountOnly), std::pair{country, op})
                != std::end(accountOnly);
            if (!mayLackPassword)
                EXPECT_EQ(p.account.empty(), p.password.empty());
            else
                EXPECT_TRUE(p.password.empty());
            mmsAccounts += p.password.empty() ? 0 : 1;
            mmsGateways += p.gateway.empty() ? 0 : 1;
        }
    }
    EXPECT_LE(mmsAccounts, 61);
    EXPECT_LE(mmsGateways, 136);

    EXPECT_TRUE(gprsPreset(9, 2).apn.empty()) << "Schweiz, Swisscom";
    int gprsApns = 0;
    int gprsAccounts = 0;
    int gprsAccountsOnly = 0;
    for (int position = 0; position < kGprsCountryCount; ++position) {
        for (int op = 0; op < gprsOperatorCount(position); ++op) {
            const GprsPreset p = gprsPreset(position, op);
            EXPECT_TRUE(p.password.empty() || !p.account.empty()) << position << "/" << op;
            gprsApns += p.apn.empty() ? 0 : 1;
            gprsAccounts += p.password.empty() ? 0 : 1;
            gprsAccountsOnly += !p.account.empty() && p.password.empty() ? 1 : 0;
        }
    }
    EXPECT_LE(gprsApns, 120);
    EXPECT_LE(gprsAccounts, 51);
    EXPECT_LE(gprsAccountsOnly, 5);
}
