#include "records/FileOps.h"

#ifdef _WIN32
#include "records/RecordText.h"
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace marrowby {

namespace {

#ifdef _WIN32

std::wstring widePath(const std::string &utf8)
{
    const std::u16string utf16 = utf8ToUtf16(utf8);
    return std::wstring(utf16.begin(), utf16.end());
}

// Windows error codes with their texts as UTF-8, in the user's Windows language.
// The library's own system category hands out the ANSI code page's bytes (and a
// trailing line end), which the program would show as garbage.
class WindowsCategory final : public std::error_category {
public:
    const char *name() const noexcept override { return "windows"; }

    std::string message(int code) const override
    {
        wchar_t *buffer = nullptr;
        const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER
                | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
        std::u16string text(reinterpret_cast<const char16_t *>(buffer), buffer ? length : 0);
        LocalFree(buffer);
        // The texts end in a full stop and a line end; the program's messages add
        // their own punctuation.
        while (!text.empty()
            && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u' '
                || text.back() == u'.' || text.back() == u'\u3002'))
            text.pop_back();
        if (text.empty())
            return "Windows error " + std::to_string(code);
        return utf16ToUtf8(text);
    }

    // Compares like the library's system category: ERROR_ACCESS_DENIED equals
    // std::errc::permission_denied, and so on.
    std::error_condition default_error_condition(int code) const noexcept override
    {
        return std::system_category().default_error_condition(code);
    }
};

// The errors the writers tell apart become portable codes; the others keep the
// system's own code and text.
std::error_code lastError()
{
    const DWORD error = GetLastError();
    switch (error) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return std::make_error_code(std::errc::file_exists);
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return std::make_error_code(std::errc::no_such_file_or_directory);
    default:
        return windowsError(error);
    }
}

HANDLE toHandle(FileOps::Handle handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

class SystemFileOps final : public FileOps {
public:
    std::error_code createNew(const std::string &path, Handle &handle) override
    {
        // CREATE_NEW fails on any existing entry, a link included.
        const HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, 0, nullptr,
            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return lastError();
        handle = reinterpret_cast<Handle>(file);
        return {};
    }

    std::error_code write(Handle handle, const std::uint8_t *bytes, std::size_t count) override
    {
        while (count > 0) {
            const DWORD chunk = count > 0x10000 ? 0x10000 : static_cast<DWORD>(count);
            DWORD written = 0;
            if (!WriteFile(toHandle(handle), bytes, chunk, &written, nullptr))
                return lastError();
            if (written == 0)
                return std::make_error_code(std::errc::io_error);
            bytes += written;
            count -= written;
        }
        return {};
    }

    std::error_code flush(Handle handle) override
    {
        return FlushFileBuffers(toHandle(handle)) ? std::error_code() : lastError();
    }

    std::error_code close(Handle handle) override
    {
        return CloseHandle(toHandle(handle)) ? std::error_code() : lastError();
    }

    std::error_code replace(const std::string &from, const std::string &to) override
    {
        // Write-through: the move is on the device when the call returns.
        return MoveFileExW(widePath(from).c_str(), widePath(to).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
            ? std::error_code()
            : lastError();
    }

    std::error_code remove(const std::string &path) override
    {
        return DeleteFileW(widePath(path).c_str()) ? std::error_code() : lastError();
    }

    std::error_code isFolder(const std::string &path, bool &folder) override
    {
        const DWORD attributes = GetFileAttributesW(widePath(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return lastError();
        folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        return {};
    }

    std::error_code flushFolder(const std::string &) override
    {
        // Windows offers no flush of a folder on its own: the write-through move has
        // already put the new entry on the device before it returned.
        return {};
    }
};

#else

std::error_code lastError()
{
    return std::error_code(errno, std::generic_category());
}

std::error_code syncDescriptor(int fd)
{
#ifdef __APPLE__
    // fsync leaves the data in the drive's cache on macOS.
    if (fcntl(fd, F_FULLFSYNC) == 0)
        return {};
#endif
    int result;
    do
        result = ::fsync(fd);
    while (result != 0 && errno == EINTR);
    return result == 0 ? std::error_code() : lastError();
}

class SystemFileOps final : public FileOps {
public:
    std::error_code createNew(const std::string &path, Handle &handle) override
    {
        // O_EXCL never opens an existing entry (O_NOFOLLOW repeats it for links), and
        // O_NONBLOCK keeps even a FIFO appearing there from blocking the open.
        int fd;
        do
            fd = ::open(path.c_str(),
                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        while (fd < 0 && errno == EINTR);
        if (fd < 0)
            return lastError();
        handle = fd;
        return {};
    }

    std::error_code write(Handle handle, const std::uint8_t *bytes, std::size_t count) override
    {
        while (count > 0) {
            const ssize_t written = ::write(static_cast<int>(handle), bytes, count);
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0)
                return lastError();
            if (written == 0)
                return std::make_error_code(std::errc::io_error);
            bytes += written;
            count -= static_cast<std::size_t>(written);
        }
        return {};
    }

    std::error_code flush(Handle handle) override
    {
        return syncDescriptor(static_cast<int>(handle));
    }

    std::error_code close(Handle handle) override
    {
        // After EINTR the descriptor is gone all the same; a late write error is not.
        if (::close(static_cast<int>(handle)) != 0 && errno != EINTR)
            return lastError();
        return {};
    }

    std::error_code replace(const std::string &from, const std::string &to) override
    {
        return ::rename(from.c_str(), to.c_str()) == 0 ? std::error_code() : lastError();
    }

    std::error_code remove(const std::string &path) override
    {
        return ::unlink(path.c_str()) == 0 ? std::error_code() : lastError();
    }

    std::error_code isFolder(const std::string &path, bool &folder) override
    {
        struct stat status { };
        if (::lstat(path.c_str(), &status) != 0)
            return lastError();
        folder = S_ISDIR(status.st_mode);
        return {};
    }

    std::error_code flushFolder(const std::string &folder) override
    {
        int fd;
        do
            fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        while (fd < 0 && errno == EINTR);
        if (fd < 0)
            return lastError();
        std::error_code error = syncDescriptor(fd);
        // Some file systems have nothing to flush for a folder and say so.
        if (error == std::errc::invalid_argument || error == std::errc::not_supported)
            error.clear();
        ::close(fd);
        return error;
    }
};

#endif

FileOps *installedOps = nullptr;

} // namespace

#ifdef _WIN32
std::error_code windowsError(unsigned long code)
{
    static const WindowsCategory category;
    return std::error_code(static_cast<int>(code), category);
}
#endif

FileOps &systemFileOps()
{
    static SystemFileOps ops;
    return ops;
}

FileOps &fileOps()
{
    return installedOps ? *installedOps : systemFileOps();
}

ScopedFileOps::ScopedFileOps(FileOps &ops)
    : previous_(installedOps)
{
    installedOps = &ops;
}

ScopedFileOps::~ScopedFileOps()
{
    installedOps = previous_;
}

} // namespace marrowby
