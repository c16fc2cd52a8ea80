#include "TempFolder.h"

#include "mms/MmsRecordFile.h"
#include "operators/OperatorPresets.h"
#include "records/RecordFraming.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace marrowby;
using marrowby::test::readFile;
using marrowby::test::TempFolder;
using marrowby::test::writeFile;

namespace {

// Manual settings with every text filled, each one different.
MmsSettings manualSettings()
{
    MmsSettings s;
    s.autoMode = false;
    s.url = "http://mms.example.net/servlets/mms";
    s.apn = "mms.example.net";
    s.gateway = "10.0.0.1";
    s.port = "8080";
    s.phone1 = "+4917012345678";
    return s;
}

std::string textOf(const ConfigRecord &record)
{
    std::string text;
    for (std::size_t i = 0; i < 57 && record[i] != 0; ++i)
        text.push_back(static_cast<char>(record[i]));
    return text;
}

std::uint16_t storedCheckValue(const std::vector<std::uint8_t> &sealed)
{
    return static_cast<std::uint16_t>(sealed[716] | (sealed[717] << 8));
}

} // namespace

TEST(MmsSettingsRecord, LayoutOfAManualRecord)
{
    MmsSettings s = manualSettings();
    s.sendCode = 3;
    s.sendPosition = 2;
    s.connectionType = 1;
    s.picturesPerDay = 37;
    s.cameraLanguage = 12;
    s.tvMode = 1;
    s.international = true;
    s.countryPosition = 5; // not stored in Manual mode
    s.operatorPosition = 2;
    s.smsRemoteControl = 6;

    const ConfigRecord r = buildMmsSettingsRecord(s);
    ConfigRecord expected;
    const std::uint8_t head[] = {3, 3, 1, 3, 7, 12, 1, 1, 0x80, 0, 6};
    std::copy(std::begin(head), std::end(head), expected.bytes.begin());
    expected.setLineEnd();
    EXPECT_EQ(r, expected);
}

TEST(MmsSettingsRecord, FieldCases)
{
    struct Case {
        const char *name;
        void (*edit)(MmsSettings &);
        std::size_t byte;
        std::uint8_t value;
    };
    const Case cases[] = {
        {"0 pictures, tens", [](MmsSettings &s) { s.picturesPerDay = 0; }, 3, 0},
        {"0 pictures, units", [](MmsSettings &s) { s.picturesPerDay = 0; }, 4, 0},
        {"99 pictures, tens", [](MmsSettings &s) { s.picturesPerDay = 99; }, 3, 9},
        {"99 pictures, units", [](MmsSettings &s) { s.picturesPerDay = 99; }, 4, 9},
        {"10 pictures, tens", [](MmsSettings &s) { s.picturesPerDay = 10; }, 3, 1},
        {"10 pictures, units", [](MmsSettings &s) { s.picturesPerDay = 10; }, 4, 0},
        {"SMS control Off", [](MmsSettings &s) { s.smsRemoteControl = 25; }, 10, 25},
        {"SMS control 0 hours", [](MmsSettings &s) { s.smsRemoteControl = 0; }, 10, 0},
        {"first send position", [](MmsSettings &s) { s.sendPosition = 0; }, 1, 1},
        {"domestic", [](MmsSettings &s) { s.international = false; }, 7, 0},
        {"Manual: country",
            [](MmsSettings &s) {
                s.autoMode = false;
                s.countryPosition = 2;
            },
            8, 0x80},
        {"Manual: operator",
            [](MmsSettings &s) {
                s.autoMode = false;
                s.operatorPosition = 1;
            },
            9, 0},
        {"Manual: mode flag", [](MmsSettings &s) { s.autoMode = false; }, 55, 0},
        {"Auto: third country",
            [](MmsSettings &s) {
                s.autoMode = true;
                s.countryPosition = 2;
            },
            8, 2},
        {"Auto: second operator",
            [](MmsSettings &s) {
                s.autoMode = true;
                s.operatorPosition = 1;
            },
            9, 1},
        {"Auto: mode flag", [](MmsSettings &s) { s.autoMode = true; }, 55, 1},
        {"Auto: last country",
            [](MmsSettings &s) {
                s.autoMode = true;
                s.countryPosition = 43;
            },
            8, 43},
    };
    for (const Case &c : cases) {
        MmsSettings s = manualSettings();
        c.edit(s);
        EXPECT_EQ(buildMmsSettingsRecord(s)[c.byte], c.value) << c.name;
    }
}

TEST(MmsTextRecords, EachTextInItsRecord)
{
    MmsSettings s;
    s.url = "url";
    s.apn = "apn";
    s.gateway = "gateway";
    s.port = "port";
    s.phone1 = "phone1";
    s.email = "email";
    s.account = "account";
    s.password = "password";
    s.phone2 = "phone2";
    s.phone3 = "phone3";
    const SealedContent records = buildMmsRecords(s);
    const char *order[] = {"url", "apn", "gateway", "port", "phone1", "email", "account",
        "password", "phone2", "phone3"};
    for (std::size_t i = 0; i < std::size(order); ++i) {
        EXPECT_EQ(textOf(records[i + 1]), order[i]) << "record " << i + 1;
        EXPECT_EQ(records[i + 1][57], std::string_view(order[i]).size()) << "record " << i + 1;
    }
    EXPECT_EQ(records[0], buildMmsSettingsRecord(s));
}

TEST(MmsTextRecords, StoredBytes)
{
    MmsSettings s = manualSettings();
    s.url = std::string(50, 'u');
    s.account.clear();
    s.password = "Müller€"; // two characters outside ASCII, one of them outside code page 437
    const SealedContent plain = buildMmsRecords(s);
    const std::vector<std::uint8_t> sealed = SealedFile::seal(plain, mmsTrailerAddend(s));
    auto stored
        = [&](std::size_t record, std::size_t byte) { return sealed[record * kRecordSize + byte]; };

    // A 50-character URL fills the scrambled bytes; its terminator is byte 50, unscrambled.
    for (std::size_t i = 0; i < 50; ++i)
        ASSERT_EQ(stored(1, i), RecordScramble('u')) << i;
    EXPECT_EQ(stored(1, 50), 0);
    EXPECT_EQ(stored(1, 57), 50);

    // The port is text: four characters and a length of 4.
    EXPECT_EQ(textOf(plain[4]), "8080");
    EXPECT_EQ(stored(4, 57), 4);

    // An empty text: 0xFF in bytes 0..49 and zeros up to byte 57 as stored.
    for (std::size_t i = 0; i < 50; ++i)
        ASSERT_EQ(stored(7, i), 0xFF) << i;
    for (std::size_t i = 50; i <= 57; ++i)
        EXPECT_EQ(stored(7, i), 0) << i;
    EXPECT_EQ(stored(7, 58), 0x0D);
    EXPECT_EQ(stored(7, 59), 0x0A);

    // Byte 57 counts characters as typed, not converted bytes.
    EXPECT_EQ(plain[8][57], 7);
}

TEST(MmsTextRecords, TextsAtTheRecordLimit)
{
    struct Case {
        std::size_t length;
        std::size_t bytesKept; // bytes of the text still in the record
    };
    // Up to 59 bytes the text is written and bytes 57..59 overwrite its end;
    // from 60 bytes on (61 with the terminator) the record keeps its zeros.
    const Case cases[] = {{56, 56}, {57, 57}, {58, 57}, {59, 57}, {60, 0}, {300, 0}};
    for (const Case &c : cases) {
        MmsSettings s;
        s.email = std::string(c.length, 'e');
        const ConfigRecord r = buildMmsRecords(s)[6];
        for (std::size_t i = 0; i < 57; ++i)
            ASSERT_EQ(r[i], i < c.bytesKept ? 'e' : 0) << "length " << c.length << ", byte " << i;
        EXPECT_EQ(r[57], c.length & 0xFF) << "length " << c.length;
        EXPECT_EQ(r[58], 0x0D);
        EXPECT_EQ(r[59], 0x0A);
    }
}

// What a record holds before scrambling in bytes 50..59 (mode flag, character count, CR LF)
// the sealed file holds unchanged; bytes 0..49 come back by unscrambling.
TEST(MmsSealedFile, PlainBytesAndScrambledBytes)
{
    MmsSettings s = manualSettings();
    s.autoMode = true;
    s.email = "someone@example.org";
    const SealedContent plain = buildMmsRecords(s);
    const std::vector<std::uint8_t> sealed = SealedFile::seal(plain, mmsTrailerAddend(s));
    ASSERT_EQ(sealed.size(), 720u);
    for (std::size_t r = 0; r < plain.size(); ++r) {
        for (std::size_t i = 0; i < 50; ++i)
            ASSERT_EQ(RecordUnscramble(sealed[r * kRecordSize + i]), plain[r][i]) << r << "/" << i;
        for (std::size_t i = 50; i < kRecordSize; ++i)
            ASSERT_EQ(sealed[r * kRecordSize + i], plain[r][i]) << r << "/" << i;
    }
}

TEST(MmsSealedFile, CheckValueOfInternationalAndDomesticSettings)
{
    // The last phone number is chosen so that the CRC over the eleven scrambled
    // records is 65530; the international addend 18 then wraps past 65535.
    MmsSettings international = manualSettings();
    international.international = true;
    international.phone3 = "020288";
    const SealedContent internationalRecords = buildMmsRecords(international);
    ASSERT_EQ(storedCheckValue(SealedFile::seal(internationalRecords, 0)), 65530);
    const std::vector<std::uint8_t> sealedInternational
        = SealedFile::seal(internationalRecords, mmsTrailerAddend(international));
    EXPECT_EQ(sealedInternational[716], 0x0C);
    EXPECT_EQ(sealedInternational[717], 0x00);

    MmsSettings domestic = manualSettings();
    domestic.phone3 = "026761";
    const SealedContent domesticRecords = buildMmsRecords(domestic);
    ASSERT_EQ(storedCheckValue(SealedFile::seal(domesticRecords, 0)), 65530);
    const std::vector<std::uint8_t> sealedDomestic
        = SealedFile::seal(domesticRecords, mmsTrailerAddend(domestic));
    EXPECT_EQ(sealedDomestic[716], 0xFA);
    EXPECT_EQ(sealedDomestic[717], 0xFF);
}

TEST(MmsPreset, LoadsTheChosenCountryAndOperator)
{
    MmsSettings s = manualSettings();
    s.autoMode = true;
    s.countryPosition = 3;  // United Kingdom
    s.operatorPosition = 1; // O2
    loadMmsPreset(s);
    const MmsPreset o2 = mmsPreset(3, 1);
    ASSERT_FALSE(o2.empty());
    EXPECT_EQ(s.url, o2.url);
    EXPECT_EQ(s.apn, o2.apn);
    EXPECT_EQ(s.gateway, o2.gateway);
    EXPECT_EQ(s.port, o2.port);
    EXPECT_EQ(s.account, o2.account);
    EXPECT_EQ(s.password, o2.password);
    EXPECT_EQ(s.phone1, manualSettings().phone1) << "only the operator texts change";

    // Country 1 has two operators: operator 3 is no slot of it, so nothing is read.
    s.countryPosition = 1;
    s.operatorPosition = 3;
    loadMmsPreset(s);
    EXPECT_TRUE(s.url.empty());
    EXPECT_TRUE(s.apn.empty());
    EXPECT_TRUE(s.gateway.empty());
    EXPECT_TRUE(s.port.empty());
    EXPECT_TRUE(s.account.empty());
    EXPECT_TRUE(s.password.empty());
}

TEST(MmsFile, WritesSetupDatAndNothingElse)
{
    TempFolder folder;
    MmsSettings s = manualSettings();
    for (const bool international : {false, true}) {
        s.international = international;
        const WriteResult result = writeMmsFile(folder.str(), s);
        ASSERT_TRUE(result) << result.reason;
        EXPECT_EQ(readFile(folder.path() / "setup.dat"),
            SealedFile::seal(buildMmsRecords(s), international ? 18 : 0));
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"setup.dat"});
    }
}

TEST(MmsFile, FailuresLeaveTheFolderAsItWas)
{
    const MmsSettings s = manualSettings();
    const std::string earlier = "earlier setup";
    const std::vector<std::uint8_t> earlierBytes(earlier.begin(), earlier.end());

    { // The folder does not exist.
        TempFolder parent;
        const WriteResult r = writeMmsFile((parent.path() / "missing").string(), s);
        EXPECT_FALSE(r);
        EXPECT_TRUE(parent.entries().empty());
    }
    { // setup.dat is a folder.
        TempFolder folder;
        std::filesystem::create_directory(folder.path() / "setup.dat");
        EXPECT_FALSE(writeMmsFile(folder.str(), s));
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"setup.dat"});
    }
    { // The path would not fit the path buffer.
        TempFolder folder;
        const std::filesystem::path deep = folder.path() / std::string(100, 'd');
        std::filesystem::create_directory(deep);
        writeFile(deep / "setup.dat", earlier);
        EXPECT_FALSE(writeMmsFile(deep.string(), s));
        EXPECT_EQ(readFile(deep / "setup.dat"), earlierBytes);
        EXPECT_FALSE(std::filesystem::exists(deep / "mms.dat"));
    }
}
