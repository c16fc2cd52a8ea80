#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

namespace marrowby {

// The file operations the record writers are made of. Paths are UTF-8. Every
// operation returns the system's error, or an empty error_code on success.
// Tests install their own implementation to fail any one operation.
class FileOps {
public:
    using Handle = std::intptr_t;

    virtual ~FileOps() = default;

    // Creates `path` as a new, empty regular file open for writing. Fails with
    // std::errc::file_exists when anything at all has that name (a file, a folder,
    // a link, a FIFO): an existing entry is never opened and a link never followed.
    virtual std::error_code createNew(const std::string &path, Handle &handle) = 0;
    // Writes all bytes.
    virtual std::error_code write(Handle handle, const std::uint8_t *bytes, std::size_t count) = 0;
    // Flushes the file's data to the device.
    virtual std::error_code flush(Handle handle) = 0;
    // Closes the handle; it is closed even when an error is reported.
    virtual std::error_code close(Handle handle) = 0;
    // Renames `from` over `to` in one step; an entry at `to` is replaced, never followed.
    virtual std::error_code replace(const std::string &from, const std::string &to) = 0;
    // Removes the entry `path` (a link itself, never what it points to). A missing
    // entry gives std::errc::no_such_file_or_directory.
    virtual std::error_code remove(const std::string &path) = 0;
    // Whether `path` itself (not what a link points to) is a folder.
    virtual std::error_code isFolder(const std::string &path, bool &folder) = 0;
    // Flushes the folder's entries to the device, so that a rename or removal in it
    // survives a pulled card.
    virtual std::error_code flushFolder(const std::string &folder) = 0;
};

// The operating system's file operations.
FileOps &systemFileOps();

// The operations the writers use: the system's, unless a test installed others.
FileOps &fileOps();

#ifdef _WIN32
// A Windows error code (GetLastError) whose message is the system's text in UTF-8.
std::error_code windowsError(unsigned long code);
#endif

// Installs `ops` for the writers while the object lives (tests).
class ScopedFileOps {
public:
    explicit ScopedFileOps(FileOps &ops);
    ~ScopedFileOps();
    ScopedFileOps(const ScopedFileOps &) = delete;
    ScopedFileOps &operator=(const ScopedFileOps &) = delete;

private:
    FileOps *previous_;
};

} // namespace marrowby
