// The writers under failing file operations, and with odd entries in the folder:
// whatever happens, the target holds exactly its earlier bytes or exactly the new
// ones, nothing of ours is left behind, and nothing goes unreported.
#include "TempFolder.h"

#include "camera/CameraRecord.h"
#include "i18n/TextTables.h"
#include "mms/MmsRecordFile.h"
#include "records/FileOps.h"
#include "records/RecordFile.h"
#include "records/RecordFraming.h"
#include "records/RecordText.h"
#include "smtp/SmtpRecordFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <map>
#include <set>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace marrowby;
using marrowby::test::readFile;
using marrowby::test::TempFolder;
using marrowby::test::writeFile;

namespace fs = std::filesystem;

namespace {

// The system's operations, logged by entry name; the operation numbered `failAt`
// is not carried out and reports `error` instead (a close still closes).
class FaultyFileOps final : public FileOps {
public:
    FaultyFileOps() = default;
    FaultyFileOps(std::size_t failAt, std::error_code error)
        : failAt_(failAt)
        , error_(error)
    { }

    std::vector<std::string> log;

    std::error_code createNew(const std::string &path, Handle &handle) override
    {
        if (auto e = next("create " + name(path)))
            return e;
        const std::error_code e = real().createNew(path, handle);
        if (!e)
            names_[handle] = name(path);
        return e;
    }
    std::error_code write(Handle handle, const std::uint8_t *bytes, std::size_t count) override
    {
        if (auto e = next("write " + names_[handle]))
            return e;
        return real().write(handle, bytes, count);
    }
    std::error_code flush(Handle handle) override
    {
        if (auto e = next("flush " + names_[handle]))
            return e;
        return real().flush(handle);
    }
    std::error_code close(Handle handle) override
    {
        const std::error_code injected = next("close " + names_[handle]);
        const std::error_code e = real().close(handle);
        return injected ? injected : e;
    }
    std::error_code replace(const std::string &from, const std::string &to) override
    {
        if (auto e = next("replace " + name(from) + " " + name(to)))
            return e;
        return real().replace(from, to);
    }
    std::error_code remove(const std::string &path) override
    {
        if (auto e = next("remove " + name(path)))
            return e;
        return real().remove(path);
    }
    std::error_code isFolder(const std::string &path, bool &folder) override
    {
        if (auto e = next("isFolder " + name(path)))
            return e;
        return real().isFolder(path, folder);
    }
    std::error_code flushFolder(const std::string &folder) override
    {
        if (auto e = next("flushFolder"))
            return e;
        return real().flushFolder(folder);
    }

private:
    static FileOps &real() { return systemFileOps(); }
    static std::string name(const std::string &path) { return fs::path(path).filename().string(); }

    std::error_code next(std::string entry)
    {
        log.push_back(std::move(entry));
        if (log.size() - 1 == failAt_)
            return error_;
        return {};
    }

    std::size_t failAt_ = static_cast<std::size_t>(-1);
    std::error_code error_;
    std::map<Handle, std::string> names_;
};

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const std::string &text)
{
    return Bytes(text.begin(), text.end());
}

// The three files, each through the writer its form calls.
struct Writer {
    const char *name;
    std::string fileName;
    bool sealed;
    std::function<WriteResult(const std::string &)> write;
    Bytes expected;
};

std::vector<Writer> writers()
{
    ConfigRecord menu;
    menu[0] = 2;
    menu[7] = 19;
    MenuFileFraming(menu);

    MmsSettings mms;
    mms.autoMode = false;
    mms.apn = "mms.example.net";
    mms.account = "holiday";
    mms.password = "secret password";
    mms.phone1 = "+4917012345678";
    mms.international = true;

    SmtpSettings smtp;
    smtp.autoMode = false;
    smtp.apn = "internet";
    smtp.smtpServer = "smtp.example.net";
    smtp.port = "25";
    smtp.senderEmail = "camera@example.net";
    smtp.senderPassword = "another secret";
    smtp.recipientEmail = "me@example.net";

    return {
        {"menu", "menu.dat", false,
            [menu](const std::string &folder) { return writeMenuFile(folder, menu); },
            Bytes(menu.bytes.begin(), menu.bytes.end())},
        {"setup", "setup.dat", true,
            [mms](const std::string &folder) { return writeMmsFile(folder, mms); },
            SealedFile::seal(buildMmsRecords(mms), TrailerAddend::MmsInternational)},
        {"smtp", "smtp.dat", true,
            [smtp](const std::string &folder) {
                return writeSmtpFile(folder, smtp, SmtpLayout::K200);
            },
            SealedFile::seal(buildSmtpRecords(smtp, SmtpLayout::K200), TrailerAddend::Smtp)},
    };
}

const std::string kEarlier = "an earlier file of a different length";
const std::string kPlainText = "secret password in plain text";

std::string reasonOf(int error)
{
    return std::error_code(error, std::generic_category()).message();
}

// The errors a card gives: an I/O error (a card pulled), a full card, no right
// to write, a write-protected card; as the system reports them.
std::vector<std::error_code> cardErrors()
{
#ifdef _WIN32
    return {windowsError(ERROR_GEN_FAILURE), windowsError(ERROR_DISK_FULL),
        windowsError(ERROR_ACCESS_DENIED), windowsError(ERROR_WRITE_PROTECT)};
#else
    std::vector<std::error_code> errors;
    for (const int error : {EIO, ENOSPC, EACCES, EROFS})
        errors.emplace_back(error, std::generic_category());
    return errors;
#endif
}

#ifndef _WIN32

// Runs a write that must not block. A writer stuck on a FIFO fails the test; the
// FIFOs are then opened from here until it gets going again, so the test ends.
WriteResult withoutHanging(
    const std::function<WriteResult()> &write, const std::vector<fs::path> &fifos)
{
    std::signal(SIGPIPE, SIG_IGN);
    auto done = std::async(std::launch::async, write);
    using namespace std::chrono_literals;
    if (done.wait_for(5s) == std::future_status::ready)
        return done.get();
    ADD_FAILURE() << "the writer hangs on a FIFO";
    for (int round = 0; done.wait_for(50ms) != std::future_status::ready; ++round) {
        if (round > 400) {
            std::fputs("the writer still hangs; giving up\n", stderr);
            std::abort();
        }
        for (const fs::path &fifo : fifos) {
            const int fd = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
            if (fd < 0)
                continue;
            char buffer[1024];
            while (::read(fd, buffer, sizeof buffer) > 0) { }
            ::close(fd);
        }
    }
    return done.get();
}

#endif

} // namespace

// Every operation of a write fails in turn, with each of the errors a card gives.
TEST(RecordFileFaults, EveryFailedOperationIsReportedAndLeavesOldOrNewBytes)
{
    const std::vector<std::error_code> errors = cardErrors();
    for (const Writer &writer : writers()) {
        for (const bool earlier : {false, true}) {
            SCOPED_TRACE(
                std::string(writer.name) + (earlier ? ", earlier file" : ", empty folder"));
            // With an earlier file, a stale work file from an older tool lies beside it.
            auto prepare = [&](const TempFolder &folder) {
                if (!earlier)
                    return;
                writeFile(folder.path() / writer.fileName, kEarlier);
                if (writer.sealed)
                    writeFile(folder.path() / "mms.dat", kPlainText);
            };

            FaultyFileOps recorder;
            {
                TempFolder folder;
                prepare(folder);
                ScopedFileOps scoped(recorder);
                ASSERT_TRUE(writer.write(folder.str()).clean());
            }
            ASSERT_GE(recorder.log.size(), 6u);

            for (std::size_t step = 0; step < recorder.log.size(); ++step) {
                for (const std::error_code &error : errors) {
                    SCOPED_TRACE(recorder.log[step] + " fails with " + error.message());
                    TempFolder folder;
                    prepare(folder);
                    const fs::path target = folder.path() / writer.fileName;
                    FaultyFileOps faulty(step, error);
                    WriteResult result;
                    {
                        ScopedFileOps scoped(faulty);
                        result = writer.write(folder.str());
                    }
                    EXPECT_FALSE(result.clean()) << "a failed operation went unreported";
                    EXPECT_EQ(result.path, target.string());

                    const std::vector<std::string> entries = folder.entries();
                    const std::set<std::string> allowed
                        = {writer.fileName, earlier && writer.sealed ? "mms.dat" : writer.fileName};
                    for (const std::string &entry : entries)
                        EXPECT_TRUE(allowed.count(entry)) << "left behind: " << entry;

                    const bool hasTarget = fs::exists(target);
                    if (result) {
                        ASSERT_TRUE(hasTarget);
                        EXPECT_EQ(readFile(target), writer.expected);
                        EXPECT_EQ(result.leftPlainFileReason, error.message());
                        EXPECT_EQ(result.leftPlainFile, (folder.path() / "mms.dat").string());
                    } else {
                        EXPECT_EQ(result.reason, error.message());
                        EXPECT_TRUE(hasTarget || !earlier);
                        if (hasTarget) {
                            const Bytes now = readFile(target);
                            EXPECT_TRUE(
                                now == writer.expected || (earlier && now == bytesOf(kEarlier)))
                                << "the target holds neither the old nor the new bytes";
                        }
                    }
                }
            }
        }
    }
}

// Durable before success: the data reaches the device before the rename, and the
// folder entry after it; a stale work file goes before the folder is flushed.
TEST(RecordFileFaults, FlushesTheFileBeforeTheRenameAndTheFolderAfterIt)
{
    for (const Writer &writer : writers()) {
        SCOPED_TRACE(writer.name);
        TempFolder folder;
        writeFile(folder.path() / writer.fileName, kEarlier);
        const std::string temporary = "~" + writer.fileName + ".tmp";
        FaultyFileOps recorder;
        {
            ScopedFileOps scoped(recorder);
            ASSERT_TRUE(writer.write(folder.str()).clean());
        }
        std::vector<std::string> expected
            = {"create " + temporary, "write " + temporary, "flush " + temporary,
                "close " + temporary, "replace " + temporary + " " + writer.fileName};
        if (writer.sealed)
            expected.push_back("remove mms.dat");
        expected.push_back("flushFolder");
        EXPECT_EQ(recorder.log, expected);
        EXPECT_EQ(readFile(folder.path() / writer.fileName), writer.expected);
    }
}

// A work file that cannot be removed holds passwords in plain text: the write
// succeeds, but the result says which file is left and why.
TEST(RecordFileFaults, AStaleWorkFileThatCannotBeRemovedIsReported)
{
    for (const Writer &writer : writers()) {
        if (!writer.sealed)
            continue;
        SCOPED_TRACE(writer.name);
        TempFolder folder;
        writeFile(folder.path() / "mms.dat", kPlainText);
        FaultyFileOps recorder;
        {
            ScopedFileOps scoped(recorder);
            ASSERT_TRUE(writer.write(folder.str()));
        }
        const auto removal = std::find(recorder.log.begin(), recorder.log.end(), "remove mms.dat");
        ASSERT_NE(removal, recorder.log.end());

        TempFolder again;
        writeFile(again.path() / "mms.dat", kPlainText);
        FaultyFileOps faulty(static_cast<std::size_t>(removal - recorder.log.begin()),
            std::make_error_code(std::errc::permission_denied));
        WriteResult result;
        {
            ScopedFileOps scoped(faulty);
            result = writer.write(again.str());
        }
        EXPECT_TRUE(result.ok);
        EXPECT_FALSE(result.clean());
        EXPECT_EQ(result.path, (again.path() / writer.fileName).string());
        EXPECT_EQ(result.leftPlainFile, (again.path() / "mms.dat").string());
        EXPECT_EQ(result.leftPlainFileReason, reasonOf(EACCES));
        EXPECT_EQ(readFile(again.path() / writer.fileName), writer.expected);
        EXPECT_EQ(readFile(again.path() / "mms.dat"), bytesOf(kPlainText));
    }

    // A folder named mms.dat holds no settings: nothing to remove, nothing to report.
    TempFolder folder;
    fs::create_directory(folder.path() / "mms.dat");
    const WriteResult result = writers()[1].write(folder.str());
    EXPECT_TRUE(result.clean()) << result.leftPlainFileReason;

    // The form's message names both files and the reason.
    EXPECT_EQ(i18n::message(i18n::files::PlainFileLeft, 2),
        "%1 has been written, but %2, which holds the settings (passwords included) in plain "
        "text, could not be removed: %3. Please delete it yourself.");
    EXPECT_EQ(i18n::message(i18n::files::PlainFileLeft, 1),
        "文件 %1 已生成，但无法删除以明文保存设置（包括密码）的文件 %2：%3。请手动删除该文件。");
}

// Failures name the file the user asked for, never a temporary or work file, nor
// only the folder.
TEST(RecordFileFaults, FailuresNameTheFileAskedFor)
{
    for (const Writer &writer : writers()) {
        SCOPED_TRACE(writer.name);
        { // The path would not fit the path buffer.
            TempFolder folder;
            const fs::path deep = folder.path() / std::string(100, 'd');
            fs::create_directory(deep);
            const WriteResult r = writer.write(deep.string());
            EXPECT_FALSE(r);
            EXPECT_EQ(r.path, (deep / writer.fileName).string());
            EXPECT_EQ(r.reason, reasonOf(ENAMETOOLONG));
            EXPECT_TRUE(r.pathTooLong);
            EXPECT_TRUE(TempFolder::entriesOf(deep).empty());
        }
        { // The folder does not exist.
            TempFolder parent;
            const fs::path missing = parent.path() / "missing";
            const WriteResult r = writer.write(missing.string());
            EXPECT_FALSE(r);
            EXPECT_EQ(r.path, (missing / writer.fileName).string());
            EXPECT_EQ(r.reason, reasonOf(ENOENT));
            EXPECT_FALSE(r.pathTooLong);
        }
#ifndef _WIN32
        { // A read-only folder.
            TempFolder folder;
            fs::permissions(folder.path(),
                fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                fs::perm_options::remove);
            WriteResult r;
            {
                marrowby::test::WithoutRootPrivileges unprivileged;
                r = writer.write(folder.str());
            }
            EXPECT_FALSE(r);
            EXPECT_EQ(r.path, (folder.path() / writer.fileName).string());
            EXPECT_EQ(r.reason, reasonOf(EACCES));
        }
#endif
    }
}

// A FIFO or a link where the writer puts its files: no hang, nothing written or
// created outside the folder, and the folder ends with the new file alone.
TEST(RecordFileFaults, FifosAndLinksInTheWay)
{
#ifdef _WIN32
    GTEST_SKIP() << "FIFOs and symbolic links are made with POSIX calls; Windows file "
                    "systems on cards have neither";
#else
    enum class Kind {
        Fifo,
        Link,
        DanglingLink
    };
    struct Case {
        const char *what;
        Kind kind;
        std::string where; // "target", "temporary" or "mms.dat"
    };
    const Case cases[] = {
        {"FIFO at the target", Kind::Fifo, "target"},
        {"FIFO at the temporary file", Kind::Fifo, "temporary"},
        {"FIFO at mms.dat", Kind::Fifo, "mms.dat"},
        {"link at the target", Kind::Link, "target"},
        {"link at the temporary file", Kind::Link, "temporary"},
        {"link at mms.dat", Kind::Link, "mms.dat"},
        {"dangling link at the temporary file", Kind::DanglingLink, "temporary"},
        {"dangling link at mms.dat", Kind::DanglingLink, "mms.dat"},
    };
    for (const Writer &writer : writers()) {
        for (const Case &c : cases) {
            if (c.where == "mms.dat" && !writer.sealed)
                continue;
            SCOPED_TRACE(std::string(writer.name) + ": " + c.what);
            TempFolder folder;
            TempFolder outside;
            const fs::path outsideFile = outside.path() / "elsewhere.dat";
            if (c.kind == Kind::Link)
                writeFile(outsideFile, kEarlier);
            const std::string name = c.where == "target" ? writer.fileName
                : c.where == "temporary"                 ? "~" + writer.fileName + ".tmp"
                                                         : "mms.dat";
            const fs::path entry = folder.path() / name;
            if (c.kind == Kind::Fifo)
                ASSERT_EQ(::mkfifo(entry.c_str(), 0600), 0);
            else
                fs::create_symlink(outsideFile, entry);

            const WriteResult result
                = withoutHanging([&] { return writer.write(folder.str()); }, {entry});
            EXPECT_TRUE(result.clean()) << result.reason << result.leftPlainFileReason;
            const fs::path target = folder.path() / writer.fileName;
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(target)));
            EXPECT_EQ(readFile(target), writer.expected);
            EXPECT_EQ(folder.entries(), std::vector<std::string>{writer.fileName});
            if (c.kind == Kind::Link)
                EXPECT_EQ(readFile(outsideFile), bytesOf(kEarlier));
            else
                EXPECT_FALSE(fs::exists(outsideFile));
        }
    }
#endif
}

#ifdef _WIN32

namespace {

// Whether a message box can show `text`: UTF-8 that survives a round trip, on
// one line.
bool showable(const std::string &text)
{
    return !text.empty() && utf16ToUtf8(utf8ToUtf16(text)) == text
        && text.find_first_of("\r\n") == std::string::npos;
}

bool sharingRefused(const std::string &reason)
{
    return reason == windowsError(ERROR_SHARING_VIOLATION).message()
        || reason == windowsError(ERROR_ACCESS_DENIED).message();
}

// Opens `path` as another program holding the file does: sharing nothing.
HANDLE holdOpen(const fs::path &path)
{
    return CreateFileW(
        path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

// A real failure of the Windows calls: another program holds the file open. The
// failure is reported in the system's own words as UTF-8, whatever the Windows
// language; the earlier bytes stay and no temporary file is left.
TEST(WindowsFileErrors, AFileHeldOpenIsReportedInTheSystemsWords)
{
    for (const Writer &writer : writers()) {
        SCOPED_TRACE(writer.name);
        TempFolder folder;
        const fs::path target = folder.path() / writer.fileName;
        writeFile(target, kEarlier);
        const HANDLE held = holdOpen(target);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        const WriteResult result = writer.write(folder.str());
        CloseHandle(held);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.path, target.string());
        EXPECT_TRUE(sharingRefused(result.reason)) << result.reason;
        EXPECT_TRUE(showable(result.reason)) << result.reason;
        EXPECT_EQ(readFile(target), bytesOf(kEarlier));
        EXPECT_EQ(folder.entries(), std::vector<std::string>{writer.fileName});

        if (!writer.sealed)
            continue;
        // A stale mms.dat held open: the new file is written, the old one reported.
        TempFolder stale;
        const fs::path plain = stale.path() / "mms.dat";
        writeFile(plain, kPlainText);
        const HANDLE heldPlain = holdOpen(plain);
        ASSERT_NE(heldPlain, INVALID_HANDLE_VALUE);
        const WriteResult left = writer.write(stale.str());
        CloseHandle(heldPlain);
        EXPECT_TRUE(left.ok) << left.reason;
        EXPECT_EQ(left.leftPlainFile, plain.string());
        EXPECT_TRUE(sharingRefused(left.leftPlainFileReason)) << left.leftPlainFileReason;
        EXPECT_TRUE(showable(left.leftPlainFileReason)) << left.leftPlainFileReason;
        EXPECT_EQ(readFile(stale.path() / writer.fileName), writer.expected);
    }
}

#endif
