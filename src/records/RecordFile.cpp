#include "records/RecordFile.h"

#include "records/Crc16.h"
#include "records/RecordFraming.h"
#include "records/RecordText.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace marrowby {

namespace {

namespace fs = std::filesystem;

fs::path toPath(const std::string &utf8)
{
    return fs::path(utf8ToUtf16(utf8));
}

std::string systemReason(int error)
{
    return std::error_code(error, std::generic_category()).message();
}

WriteResult failure(std::string path, std::string reason)
{
    return WriteResult{false, std::move(path), std::move(reason)};
}

// Writes all bytes to a new file at `path`, replacing any file there.
// On failure the partly written file is removed.
WriteResult writeWholeFile(const std::string &path, const std::uint8_t *bytes, std::size_t count)
{
    errno = 0;
#ifdef _WIN32
    std::FILE *file = _wfopen(reinterpret_cast<const wchar_t *>(utf8ToUtf16(path).c_str()), L"wb");
#else
    std::FILE *file = std::fopen(path.c_str(), "wb");
#endif
    if (!file)
        return failure(path, systemReason(errno ? errno : EIO));
    errno = 0;
    const bool written = std::fwrite(bytes, 1, count, file) == count && std::fflush(file) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        const int error = writeError ? writeError : (errno ? errno : EIO);
        std::error_code ignored;
        fs::remove(toPath(path), ignored);
        return failure(path, systemReason(error));
    }
    return WriteResult{true, path, {}};
}

std::optional<std::vector<std::uint8_t>> readWholeFile(
    const std::string &path, std::size_t expected, std::string &reason)
{
    errno = 0;
#ifdef _WIN32
    std::FILE *file = _wfopen(reinterpret_cast<const wchar_t *>(utf8ToUtf16(path).c_str()), L"rb");
#else
    std::FILE *file = std::fopen(path.c_str(), "rb");
#endif
    if (!file) {
        reason = systemReason(errno ? errno : EIO);
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(expected);
    const std::size_t got = std::fread(bytes.data(), 1, expected, file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed || got != expected) {
        reason = failed ? systemReason(EIO) : "the file is shorter than expected";
        return std::nullopt;
    }
    return bytes;
}

bool isDirectory(const std::string &path)
{
    std::error_code ec;
    return fs::is_directory(toPath(path), ec);
}

} // namespace

std::optional<std::string> recordFilePath(std::string_view folder, std::string_view fileName)
{
    std::string path(folder);
#ifdef _WIN32
    path += '\\';
#else
    path += '/';
#endif
    path += fileName;
    if (utf16Length(path) > kMaxPathLength)
        return std::nullopt;
    return path;
}

WriteResult writeRecordFile(
    std::string_view folder, std::string_view fileName, const std::vector<std::uint8_t> &bytes)
{
    if (folder.empty())
        return failure(std::string(fileName), "no folder was given");
    const auto target = recordFilePath(folder, fileName);
    if (!target)
        return failure(std::string(folder), "the path is longer than 99 characters");
    if (isDirectory(*target))
        return failure(*target, systemReason(EISDIR));

    const std::string temporary
        = *recordFilePath(folder, "") + "~" + std::string(fileName) + ".tmp";
    WriteResult result = writeWholeFile(temporary, bytes.data(), bytes.size());
    if (!result)
        return failure(*target, result.reason);

    std::error_code ec;
    fs::rename(toPath(temporary), toPath(*target), ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(toPath(temporary), ignored);
        return failure(*target, ec.message());
    }
    return WriteResult{true, *target, {}};
}

WriteResult writeMenuFile(std::string_view folder, const ConfigRecord &record)
{
    return writeRecordFile(
        folder, kMenuFileName, std::vector<std::uint8_t>(record.bytes.begin(), record.bytes.end()));
}

ConfigRecord TrailerRecord(std::uint16_t crcPlusAddend)
{
    ConfigRecord trailer;
    trailer[56] = static_cast<std::uint8_t>(crcPlusAddend & 0xFF);
    trailer[57] = static_cast<std::uint8_t>(crcPlusAddend >> 8);
    trailer.setLineEnd();
    return trailer;
}

std::vector<std::uint8_t> SealedFile::seal(
    const SealedContent &records, std::uint16_t trailerAddend)
{
    std::vector<std::uint8_t> sealed;
    sealed.reserve(12 * kRecordSize);
    for (const ConfigRecord &record : records) {
        for (std::size_t i = 0; i < kRecordSize; ++i)
            sealed.push_back(i < 50 ? RecordScramble(record[i]) : record[i]);
    }
    CrcAccumulator = 0;
    const std::uint32_t crc = Crc16Update(sealed.data(), sealed.size());
    const auto sum = static_cast<std::uint16_t>((crc + trailerAddend) & 0xFFFF);
    const ConfigRecord trailer = TrailerRecord(sum);
    sealed.insert(sealed.end(), trailer.bytes.begin(), trailer.bytes.end());
    return sealed;
}

WriteResult SealedFile::write(std::string_view folder, std::string_view fileName,
    const SealedContent &records, std::uint16_t trailerAddend)
{
    if (folder.empty())
        return failure(std::string(fileName), "no folder was given");
    const auto target = recordFilePath(folder, fileName);
    const auto work = recordFilePath(folder, WorkFile);
    if (!target || !work)
        return failure(std::string(folder), "the path is longer than 99 characters");
    if (isDirectory(*target))
        return failure(*target, systemReason(EISDIR));
    if (isDirectory(*work))
        return failure(*work, systemReason(EISDIR));

    // The work file holds the plain records; whatever happens below, it goes again.
    struct WorkFileRemover {
        fs::path path;
        ~WorkFileRemover()
        {
            std::error_code ignored;
            fs::remove(path, ignored);
        }
    } remover{toPath(*work)};

    std::vector<std::uint8_t> plain;
    plain.reserve(11 * kRecordSize);
    for (const ConfigRecord &record : records)
        plain.insert(plain.end(), record.bytes.begin(), record.bytes.end());
    if (WriteResult written = writeWholeFile(*work, plain.data(), plain.size()); !written)
        return written;

    std::string reason;
    const auto readBack = readWholeFile(*work, plain.size(), reason);
    if (!readBack)
        return failure(*work, reason);

    SealedContent fromWorkFile;
    for (std::size_t r = 0; r < fromWorkFile.size(); ++r)
        std::copy_n(readBack->begin() + static_cast<std::ptrdiff_t>(r * kRecordSize), kRecordSize,
            fromWorkFile[r].bytes.begin());

    return writeRecordFile(folder, fileName, seal(fromWorkFile, trailerAddend));
}

} // namespace marrowby
