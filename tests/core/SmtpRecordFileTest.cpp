#include "TempFolder.h"

#include "operators/OperatorPresets.h"
#include "records/Crc16.h"
#include "records/RecordFraming.h"
#include "records/RecordText.h"
#include "smtp/SmtpRecordFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace marrowby;
using marrowby::test::readFile;
using marrowby::test::TempFolder;
using marrowby::test::writeFile;

namespace {

SmtpSettings sampleSettings()
{
    SmtpSettings s;
    s.autoMode = true;
    s.countryIndex = 10;
    s.operatorIndex = 2;
    s.picturesPerDay = 42;
    s.cameraLanguage = 3;
    s.smtpStatus = 1;
    s.smsInterval = 6;
    s.apn = "internet.example";
    s.account = "user";
    s.gprsPassword = "secret";
    s.smtpServer = "smtp.example.com";
    s.port = "25";
    s.senderEmail = "trail@example.com";
    s.senderPassword = "mailpass";
    s.phoneNumber = "+491701234567";
    s.recipientEmail = "me@example.org";
    return s;
}

std::string textOf(const ConfigRecord &record)
{
    std::string text;
    for (std::size_t i = 0; i < 57 && record[i] != 0; ++i)
        text.push_back(static_cast<char>(record[i]));
    return text;
}

} // namespace

TEST(SmtpSettingsRecord, K600AndK200Layouts)
{
    const SmtpSettings s = sampleSettings(); // status "VGA", SMS interval 6 hours

    ConfigRecord k600;
    const std::uint8_t k600Head[] = {0, 2, 10, 4, 2, 3, 1, 6, 1};
    std::copy(std::begin(k600Head), std::end(k600Head), k600.bytes.begin());
    k600[55] = 1;
    k600.setLineEnd();
    EXPECT_EQ(buildSmtpSettingsRecord(s, SmtpLayout::K600), k600);

    ConfigRecord k200 = k600;
    k200[6] = 1;
    k200[7] = 1;
    k200[8] = 6;
    EXPECT_EQ(buildSmtpSettingsRecord(s, SmtpLayout::K200), k200);

    // Only the K600 layout carries the status.
    SmtpSettings sms = s;
    sms.smtpStatus = 2;
    EXPECT_EQ(buildSmtpSettingsRecord(sms, SmtpLayout::K600)[6], 2);
    EXPECT_EQ(buildSmtpSettingsRecord(sms, SmtpLayout::K200), k200);
}

TEST(SmtpSettingsRecord, FieldCases)
{
    struct Case {
        const char *name;
        void (*edit)(SmtpSettings &);
        std::size_t byte;
        std::uint8_t value;
    };
    const Case cases[] = {
        {"0 pictures, tens", [](SmtpSettings &s) { s.picturesPerDay = 0; }, 3, 0},
        {"0 pictures, units", [](SmtpSettings &s) { s.picturesPerDay = 0; }, 4, 0},
        {"99 pictures, tens", [](SmtpSettings &s) { s.picturesPerDay = 99; }, 3, 9},
        {"99 pictures, units", [](SmtpSettings &s) { s.picturesPerDay = 99; }, 4, 9},
        {"10 pictures, tens", [](SmtpSettings &s) { s.picturesPerDay = 10; }, 3, 1},
        {"10 pictures, units", [](SmtpSettings &s) { s.picturesPerDay = 10; }, 4, 0},
        {"Manual: operator",
            [](SmtpSettings &s) {
                s.autoMode = false;
                s.operatorIndex = 0;
            },
            1, 0},
        {"Manual: country",
            [](SmtpSettings &s) {
                s.autoMode = false;
                s.countryIndex = 7;
            },
            2, 0x80},
        {"Manual: mode flag", [](SmtpSettings &s) { s.autoMode = false; }, 55, 0},
        {"Auto: eleventh country", [](SmtpSettings &s) { s.countryIndex = 10; }, 2, 10},
        {"Auto: last country", [](SmtpSettings &s) { s.countryIndex = 42; }, 2, 42},
        {"Auto: mode flag", [](SmtpSettings &) {}, 55, 1},
        {"SMS interval Off", [](SmtpSettings &s) { s.smsInterval = 25; }, 7, 25},
    };
    for (const Case &c : cases) {
        SmtpSettings s = sampleSettings();
        c.edit(s);
        EXPECT_EQ(buildSmtpSettingsRecord(s, SmtpLayout::K600)[c.byte], c.value) << c.name;
    }
}

TEST(SmtpTextRecords, EachTextInItsRecord)
{
    const SmtpSettings s = sampleSettings();
    const SealedContent records = buildSmtpRecords(s, SmtpLayout::K600);
    const std::pair<std::size_t, std::string> expected[] = {
        {1, s.apn},
        {2, s.account},
        {3, s.gprsPassword},
        {4, s.smtpServer},
        {5, s.port},
        {6, s.senderEmail},
        {7, s.senderPassword},
        {8, s.phoneNumber},
        {9, "trail"},
        {10, s.recipientEmail},
    };
    for (const auto &[index, text] : expected) {
        EXPECT_EQ(textOf(records[index]), text) << "record " << index;
        EXPECT_EQ(records[index][57], text.size()) << "record " << index;
        EXPECT_EQ(records[index][58], 0x0D);
        EXPECT_EQ(records[index][59], 0x0A);
    }
    EXPECT_EQ(records[0], buildSmtpSettingsRecord(s, SmtpLayout::K600));
    EXPECT_EQ(textOf(records[5]), "25") << "the port is stored as text";
}

TEST(SmtpTextRecords, EmptyTextAsStored)
{
    SmtpSettings s = sampleSettings();
    s.account.clear(); // an Auto preset without an account
    const std::vector<std::uint8_t> sealed
        = SealedFile::seal(buildSmtpRecords(s, SmtpLayout::K200), 15);
    const std::size_t base = 2 * kRecordSize;
    for (std::size_t i = 0; i < 50; ++i)
        ASSERT_EQ(sealed[base + i], 0xFF) << i;
    for (std::size_t i = 50; i <= 57; ++i)
        EXPECT_EQ(sealed[base + i], 0) << i;
}

TEST(SmtpUserName, UpToTheFirstAt)
{
    struct Case {
        std::string senderEmail;
        std::string userName;
    };
    const Case cases[] = {
        {"abcde@example.com", "abcde"}, {"first@second@example.com", "first"}, {"@example.com", ""},
        {"no-at-sign.example.com", "no-at-sign.example.com"}, {"", ""},
        {"jörg@example.com", toOemText("jörg")}, // converted to the OEM code page
    };
    for (const Case &c : cases) {
        const ConfigRecord r = senderUserNameRecord(c.senderEmail);
        ConfigRecord expected;
        std::copy(c.userName.begin(), c.userName.end(), expected.bytes.begin());
        expected[57] = static_cast<std::uint8_t>(c.userName.size());
        expected.setLineEnd();
        EXPECT_EQ(r, expected) << c.senderEmail;
    }
}

// What a record holds before scrambling in bytes 50..59 (mode flag, character count, CR LF)
// the sealed file holds unchanged; the trailer adds 15 to the CRC.
TEST(SmtpSealedFile, PlainBytesAndCheckValue)
{
    const SealedContent plain = buildSmtpRecords(sampleSettings(), SmtpLayout::K600);
    const std::vector<std::uint8_t> sealed = SealedFile::seal(plain, TrailerAddend::Smtp);
    ASSERT_EQ(sealed.size(), 720u);
    for (std::size_t r = 0; r < plain.size(); ++r) {
        for (std::size_t i = 0; i < 50; ++i)
            ASSERT_EQ(RecordUnscramble(sealed[r * kRecordSize + i]), plain[r][i]) << r << "/" << i;
        for (std::size_t i = 50; i < kRecordSize; ++i)
            ASSERT_EQ(sealed[r * kRecordSize + i], plain[r][i]) << r << "/" << i;
    }
    const std::vector<std::uint8_t> content(sealed.begin(), sealed.begin() + 660);
    const auto expected = static_cast<std::uint16_t>(crc16Of(content) + 15);
    EXPECT_EQ(sealed[716], expected & 0xFF);
    EXPECT_EQ(sealed[717], expected >> 8);
}

TEST(SmtpPreset, LoadsTheChosenPositionAndOperator)
{
    SmtpSettings s = sampleSettings();
    s.countryIndex = 3;  // United Kingdom
    s.operatorIndex = 1; // O2
    loadGprsPreset(s);
    const GprsPreset o2 = gprsPreset(3, 1);
    ASSERT_FALSE(o2.empty());
    EXPECT_EQ(s.apn, o2.apn);
    EXPECT_EQ(s.account, o2.account);
    EXPECT_EQ(s.gprsPassword, o2.password);
    EXPECT_EQ(s.smtpServer, sampleSettings().smtpServer) << "only the GPRS texts change";

    s.countryIndex = 1; // two operators only
    s.operatorIndex = 3;
    loadGprsPreset(s);
    EXPECT_TRUE(s.apn.empty());
    EXPECT_TRUE(s.account.empty());
    EXPECT_TRUE(s.gprsPassword.empty());
}

TEST(SmtpFile, WritesSmtpDatInBothLayouts)
{
    TempFolder folder;
    writeFile(folder.path() / "mms.dat", "left over");
    const SmtpSettings s = sampleSettings();
    for (const SmtpLayout layout : {SmtpLayout::K600, SmtpLayout::K200}) {
        const WriteResult result = writeSmtpFile(folder.str(), s, layout);
        ASSERT_TRUE(result) << result.reason;
        EXPECT_EQ(readFile(folder.path() / "smtp.dat"),
            SealedFile::seal(buildSmtpRecords(s, layout), 15));
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"smtp.dat"});
    }
}

TEST(SmtpFile, FailuresLeaveTheFolderAsItWas)
{
    const SmtpSettings s = sampleSettings();
    const std::string earlier = "earlier smtp";
    const std::vector<std::uint8_t> earlierBytes(earlier.begin(), earlier.end());

    { // The folder does not exist.
        TempFolder parent;
        EXPECT_FALSE(writeSmtpFile((parent.path() / "missing").string(), s, SmtpLayout::K600));
        EXPECT_TRUE(parent.entries().empty());
    }
    { // smtp.dat is a folder.
        TempFolder folder;
        std::filesystem::create_directory(folder.path() / "smtp.dat");
        EXPECT_FALSE(writeSmtpFile(folder.str(), s, SmtpLayout::K200));
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"smtp.dat"});
    }
    { // The path would not fit the path buffer.
        TempFolder folder;
        const std::filesystem::path deep = folder.path() / std::string(100, 'd');
        std::filesystem::create_directory(deep);
        writeFile(deep / "smtp.dat", earlier);
        EXPECT_FALSE(writeSmtpFile(deep.string(), s, SmtpLayout::K600));
        EXPECT_EQ(readFile(deep / "smtp.dat"), earlierBytes);
        EXPECT_FALSE(std::filesystem::exists(deep / "mms.dat"));
    }
}
