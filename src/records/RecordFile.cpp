#include "records/RecordFile.h"

#include "records/Crc16.h"
#include "records/FileOps.h"
#include "records/RecordFraming.h"
#include "records/RecordText.h"

#include <system_error>

namespace marrowby {

namespace {

std::string joinPath(std::string_view folder, std::string_view fileName)
{
    std::string path(folder);
#ifdef _WIN32
    path += '\\';
#else
    path += '/';
#endif
    path += fileName;
    return path;
}

WriteResult failure(std::string path, const std::error_code &error)
{
    WriteResult result;
    result.path = std::move(path);
    result.reason = error.message();
    return result;
}

// Creates the temporary file. One left by an interrupted run is not trusted: it
// is removed, whatever it is, and the file created anew.
std::error_code createTemporary(FileOps &ops, const std::string &path, FileOps::Handle &handle)
{
    std::error_code error = ops.createNew(path, handle);
    if (error != std::errc::file_exists)
        return error;
    if (const std::error_code removed = ops.remove(path))
        return removed;
    return ops.createNew(path, handle);
}

// Writes folder/fileName (see writeRecordFile). When `plainFile` is given, that
// file is removed once the target is in place, before the folder is flushed.
WriteResult putInPlace(std::string_view folder, std::string_view fileName,
    const std::vector<std::uint8_t> &bytes, std::string_view plainFile = {})
{
    if (folder.empty())
        return failure(
            std::string(fileName), std::make_error_code(std::errc::no_such_file_or_directory));
    const std::string target = joinPath(folder, fileName);
    if (!recordFilePath(folder, fileName)) {
        WriteResult tooLong = failure(target, std::make_error_code(std::errc::filename_too_long));
        tooLong.pathTooLong = true;
        return tooLong;
    }

    FileOps &ops = fileOps();
    const std::string temporary = joinPath(folder, "~" + std::string(fileName) + ".tmp");
    FileOps::Handle handle{};
    if (const std::error_code error = createTemporary(ops, temporary, handle))
        return failure(target, error);

    std::error_code error = ops.write(handle, bytes.data(), bytes.size());
    if (!error)
        error = ops.flush(handle);
    const std::error_code closed = ops.close(handle);
    if (!error)
        error = closed;
    if (!error)
        error = ops.replace(temporary, target);
    if (error) {
        ops.remove(temporary);
        return failure(target, error);
    }

    WriteResult result;
    result.ok = true;
    result.path = target;
    if (!plainFile.empty()) {
        const std::string stale = joinPath(folder, plainFile);
        if (const std::error_code removed = ops.remove(stale);
            removed && removed != std::errc::no_such_file_or_directory) {
            // A folder of that name holds no settings and is none of our business.
            bool folderEntry = false;
            if (ops.isFolder(stale, folderEntry) || !folderEntry) {
                result.leftPlainFile = stale;
                result.leftPlainFileReason = removed.message();
            }
        }
    }

    if (const std::error_code flushed = ops.flushFolder(std::string(folder))) {
        result.ok = false;
        result.reason = flushed.message();
    }
    return result;
}

} // namespace

std::optional<std::string> recordFilePath(std::string_view folder, std::string_view fileName)
{
    std::string path = joinPath(folder, fileName);
    if (utf16Length(path) > kMaxPathLength)
        return std::nullopt;
    return path;
}

WriteResult writeRecordFile(
    std::string_view folder, std::string_view fileName, const std::vector<std::uint8_t> &bytes)
{
    return putInPlace(folder, fileName, bytes);
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
    return putInPlace(folder, fileName, seal(records, trailerAddend), WorkFile);
}

} // namespace marrowby
