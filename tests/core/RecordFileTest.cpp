#include "TempFolder.h"

#include "camera/CameraRecord.h"
#include "records/Crc16.h"
#include "records/RecordFile.h"
#include "records/RecordFraming.h"

#include <gtest/gtest.h>

#include <functional>

using namespace marrowby;
using marrowby::test::readFile;
using marrowby::test::TempFolder;
using marrowby::test::writeFile;

namespace {

SealedContent sampleContent()
{
    SealedContent records;
    for (std::size_t r = 0; r < records.size(); ++r) {
        for (std::size_t i = 0; i < kRecordSize; ++i)
            records[r][i] = static_cast<std::uint8_t>((r * 31 + i * 7) & 0xFF);
        records[r].setLineEnd();
    }
    return records;
}

std::uint16_t trailerValue(const std::vector<std::uint8_t> &sealed)
{
    return static_cast<std::uint16_t>(sealed[716] | (sealed[717] << 8));
}

} // namespace

TEST(RecordFilePath, JoinsWithTheSeparatorAndRefusesOverlongPaths)
{
#ifdef _WIN32
    EXPECT_EQ(recordFilePath("C:\\", "menu.dat"), "C:\\\\menu.dat");
#else
    EXPECT_EQ(recordFilePath("/media/card", "menu.dat"), "/media/card/menu.dat");
#endif
    // 99 characters with the name fit, 100 do not; the count is in UTF-16 units.
    const std::string name = "setup.dat";
    const std::string fits(99 - 1 - name.size(), 'a');
    EXPECT_TRUE(recordFilePath(fits, name).has_value());
    EXPECT_FALSE(recordFilePath(fits + "a", name).has_value());
    std::string cjk;
    for (std::size_t i = 0; i < fits.size(); ++i)
        cjk += "\xE5\x9B\xBE"; // one UTF-16 unit, three UTF-8 bytes
    EXPECT_TRUE(recordFilePath(cjk, name).has_value());
}

TEST(MenuFile, WritesTheSixtyBytesAndReplacesAnEarlierFile)
{
    TempFolder folder;
    writeFile(folder.path() / "menu.dat", "an older, longer file that must be replaced whole");
    ConfigRecord record;
    record[0] = 2;
    MenuFileFraming(record);

    const WriteResult result = writeMenuFile(folder.str(), record);
    ASSERT_TRUE(result) << result.reason;
    EXPECT_EQ(result.path, (folder.path() / "menu.dat").string());
    EXPECT_EQ(readFile(folder.path() / "menu.dat"),
        std::vector<std::uint8_t>(record.bytes.begin(), record.bytes.end()));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"menu.dat"});
}

TEST(SealedFile, LayoutOfTheSealedBytes)
{
    const SealedContent plain = sampleContent();
    const std::vector<std::uint8_t> sealed = SealedFile::seal(plain, TrailerAddend::Smtp);
    ASSERT_EQ(sealed.size(), 720u);

    for (std::size_t r = 0; r < 11; ++r) {
        for (std::size_t i = 0; i < 50; ++i)
            ASSERT_EQ(RecordUnscramble(sealed[r * 60 + i]), plain[r][i]) << r << ":" << i;
        for (std::size_t i = 50; i < 60; ++i)
            ASSERT_EQ(sealed[r * 60 + i], plain[r][i]) << "plain byte " << r << ":" << i;
        EXPECT_EQ(sealed[r * 60 + 58], 0x0D);
        EXPECT_EQ(sealed[r * 60 + 59], 0x0A);
    }
    for (std::size_t i = 660; i < 716; ++i)
        ASSERT_EQ(sealed[i], 0) << i;
    EXPECT_EQ(sealed[718], 0x0D);
    EXPECT_EQ(sealed[719], 0x0A);

    const std::vector<std::uint8_t> content(sealed.begin(), sealed.begin() + 660);
    EXPECT_EQ(trailerValue(sealed), static_cast<std::uint16_t>(crc16Of(content) + 15));
}

TEST(SealedFile, TrailerAddendsAndTheWrapPast65535)
{
    const SealedContent plain = sampleContent();
    const auto smtp = SealedFile::seal(plain, TrailerAddend::Smtp);
    const auto international = SealedFile::seal(plain, TrailerAddend::MmsInternational);
    const auto domestic = SealedFile::seal(plain, TrailerAddend::MmsDomestic);
    EXPECT_EQ(std::vector<std::uint8_t>(smtp.begin(), smtp.begin() + 716),
        std::vector<std::uint8_t>(international.begin(), international.begin() + 716));
    EXPECT_EQ(static_cast<std::uint16_t>(trailerValue(international) - trailerValue(smtp)), 3);
    EXPECT_EQ(static_cast<std::uint16_t>(trailerValue(smtp) - trailerValue(domestic)), 15);

    // Find content whose checksum lies just below 65536, through two bytes outside
    // the scrambled part, and check that the addend wraps.
    SealedContent nearTop = plain;
    bool found = false;
    for (unsigned v = 0; v < 65536 && !found; ++v) {
        nearTop[0][50] = static_cast<std::uint8_t>(v & 0xFF);
        nearTop[0][51] = static_cast<std::uint8_t>(v >> 8);
        found = trailerValue(SealedFile::seal(nearTop, 0)) >= 0xFFF0;
    }
    ASSERT_TRUE(found);
    const std::uint16_t crc = trailerValue(SealedFile::seal(nearTop, 0));
    EXPECT_EQ(trailerValue(SealedFile::seal(nearTop, TrailerAddend::MmsInternational)),
        static_cast<std::uint16_t>(crc + 18 - 65536));
}

TEST(SealedFile, WritesTheSealedBytesAndRemovesAStaleWorkFile)
{
    TempFolder folder;
    writeFile(folder.path() / "mms.dat", "left over from an earlier run");
    const SealedContent plain = sampleContent();

    const WriteResult result
        = SealedFile::write(folder.str(), kSetupFileName, plain, TrailerAddend::MmsDomestic);
    ASSERT_TRUE(result) << result.reason;
    EXPECT_EQ(
        readFile(folder.path() / "setup.dat"), SealedFile::seal(plain, TrailerAddend::MmsDomestic));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"setup.dat"});
}

// Every way a write can fail: it says so, names the file, leaves no work file and
// no temporary file, and an earlier good file stays as it was.
TEST(RecordFileFailures, ReportAndLeaveTheFolderAsItWas)
{
    const SealedContent plain = sampleContent();
    ConfigRecord menu;
    MenuFileFraming(menu);
    const std::string earlier = "earlier good file";

    struct Writer {
        const char *name;
        std::string_view fileName;
        std::function<WriteResult(const std::string &)> write;
    };
    const Writer writers[] = {
        {"menu", kMenuFileName, [&](const std::string &f) { return writeMenuFile(f, menu); }},
        {"setup", kSetupFileName,
            [&](const std::string &f) { return SealedFile::write(f, kSetupFileName, plain, 18); }},
        {"smtp", kSmtpFileName,
            [&](const std::string &f) { return SealedFile::write(f, kSmtpFileName, plain, 15); }},
    };

    for (const Writer &writer : writers) {
        SCOPED_TRACE(writer.name);
        const std::string target(writer.fileName);

        { // The folder does not exist.
            TempFolder parent;
            const WriteResult r = writer.write((parent.path() / "missing").string());
            EXPECT_FALSE(r);
            EXPECT_FALSE(r.reason.empty());
            EXPECT_TRUE(parent.entries().empty());
        }
        { // The target is a folder.
            TempFolder folder;
            std::filesystem::create_directory(folder.path() / target);
            const WriteResult r = writer.write(folder.str());
            EXPECT_FALSE(r);
            EXPECT_NE(r.path.find(target), std::string::npos);
            EXPECT_EQ(folder.entries(), std::vector<std::string>{target});
        }
        { // The path would not fit the path buffer.
            TempFolder folder;
            const std::filesystem::path deep = folder.path() / std::string(100, 'd');
            std::filesystem::create_directory(deep);
            writeFile(deep / target, earlier);
            EXPECT_FALSE(writer.write(deep.string()));
            EXPECT_EQ(
                readFile(deep / target), std::vector<std::uint8_t>(earlier.begin(), earlier.end()));
        }
        { // The temporary file cannot be created: an earlier file survives untouched.
            TempFolder folder;
            writeFile(folder.path() / target, earlier);
            std::filesystem::create_directory(folder.path() / ("~" + target + ".tmp"));
            EXPECT_FALSE(writer.write(folder.str()));
            EXPECT_EQ(readFile(folder.path() / target),
                std::vector<std::uint8_t>(earlier.begin(), earlier.end()));
            EXPECT_FALSE(std::filesystem::exists(folder.path() / "mms.dat"));
        }
#ifndef _WIN32
        { // A read-only folder.
            TempFolder folder;
            writeFile(folder.path() / target, earlier);
            std::filesystem::permissions(folder.path(),
                std::filesystem::perms::owner_write | std::filesystem::perms::group_write
                    | std::filesystem::perms::others_write,
                std::filesystem::perm_options::remove);
            {
                marrowby::test::WithoutRootPrivileges unprivileged;
                const WriteResult r = writer.write(folder.str());
                EXPECT_FALSE(r);
                EXPECT_FALSE(r.reason.empty());
            }
            EXPECT_EQ(folder.entries(), std::vector<std::string>{target});
            EXPECT_EQ(readFile(folder.path() / target),
                std::vector<std::uint8_t>(earlier.begin(), earlier.end()));
        }
#endif
    }
}
