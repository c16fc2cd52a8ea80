#include "TempFolder.h"

#include "camera/CameraRecord.h"
#include "mms/MmsRecordFile.h"
#include "records/RecordFile.h"
#include "records/RecordFraming.h"
#include "smtp/SmtpRecordFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using namespace marrowby;
using marrowby::test::readFile;
using marrowby::test::TempFolder;

namespace {

namespace fs = std::filesystem;

fs::path pathFromUtf8(const std::string &utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const fs::path &path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::vector<std::string> namesIn(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(utf8Of(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

// The card's folder may have any name. A Windows build that opened files through
// the ANSI functions would miss every folder below whose name its code page cannot
// spell; the tests use short names so that the paths stay within the 99 characters
// of the path buffer even under a long temporary folder.
TEST(OutputFolderNames, EveryFileLandsInFoldersWithNonAsciiNames)
{
    const char *const names[] = {
        "SD M\xC3\xA4rz",                            // Latin with an umlaut and a space
        "\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0",  // Cyrillic
        "\xE5\x86\x99\xE7\x9C\x9F",                  // Chinese
        "\xC5\x81\xC3\xB3\x64\xC5\xBA \xE2\x82\xAC", // Polish letters, the euro sign
    };

    ConfigRecord menu;
    menu[0] = 2;
    menu[10] = 0xE9;
    MenuFileFraming(menu);
    MmsSettings mms;
    mms.autoMode = false;
    mms.apn = "mms.example.net";
    mms.phone1 = "+4917012345678";
    SmtpSettings smtp;
    smtp.smtpServer = "smtp.example.com";
    smtp.senderEmail = "trail@example.com";

    for (const char *name : names) {
        SCOPED_TRACE(name);
        TempFolder parent;
        const fs::path folder = parent.path() / pathFromUtf8(name);
        ASSERT_TRUE(fs::create_directory(folder));
        const std::string folderText = utf8Of(folder);

        const WriteResult menuResult = writeMenuFile(folderText, menu);
        ASSERT_TRUE(menuResult) << menuResult.reason;
        EXPECT_EQ(menuResult.path, recordFilePath(folderText, kMenuFileName));
        EXPECT_EQ(readFile(folder / "menu.dat"),
            std::vector<std::uint8_t>(menu.bytes.begin(), menu.bytes.end()));

        const WriteResult mmsResult = writeMmsFile(folderText, mms);
        ASSERT_TRUE(mmsResult) << mmsResult.reason;
        EXPECT_EQ(readFile(folder / "setup.dat"),
            SealedFile::seal(buildMmsRecords(mms), mmsTrailerAddend(mms)));

        const WriteResult smtpResult = writeSmtpFile(folderText, smtp, SmtpLayout::K600);
        ASSERT_TRUE(smtpResult) << smtpResult.reason;
        EXPECT_EQ(readFile(folder / "smtp.dat"),
            SealedFile::seal(buildSmtpRecords(smtp, SmtpLayout::K600), TrailerAddend::Smtp));

        // Nothing went anywhere else, under a mangled name for instance.
        EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"menu.dat", "setup.dat", "smtp.dat"}));
        EXPECT_EQ(namesIn(parent.path()), std::vector<std::string>{name});
    }
}
