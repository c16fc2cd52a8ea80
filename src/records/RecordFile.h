#pragma once

#include "records/ConfigRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marrowby {

inline constexpr std::string_view kMenuFileName = "menu.dat";
inline constexpr std::string_view kSetupFileName = "setup.dat";
inline constexpr std::string_view kSmtpFileName = "smtp.dat";
// The plain work file that sealed files were once produced through. It holds the
// texts unscrambled (passwords included); the writers never create it and remove
// one they find.
inline constexpr std::string_view WorkFile = "mms.dat";

// The path buffer of the writers holds 100 UTF-16 units including the terminator.
inline constexpr std::size_t kMaxPathLength = 99;

// What a writer did. `ok` is true once the file is in place and flushed to the
// device. `path` names the file the caller asked for (never a temporary file);
// on failure `reason` carries the system's explanation.
//
// A sealed write also removes a work file mms.dat that an earlier run or tool left
// in the folder: it holds the settings, passwords included, in plain text. When
// that removal fails, the write still succeeds (`ok`), and `leftPlainFile` names
// the file that is still there and `leftPlainFileReason` says why; a form then
// reports that instead of a bare success.
struct WriteResult {
    bool ok = false;
    std::string path;
    std::string reason;
    std::string leftPlainFile;
    std::string leftPlainFileReason;
    // Nothing was tried: the file's path would be longer than kMaxPathLength.
    bool pathTooLong = false;

    explicit operator bool() const { return ok; }
    // Written, and nothing to warn about.
    bool clean() const { return ok && leftPlainFile.empty(); }
};

// Joins the output folder and a file name the way the platform expects
// ("%s\name" on Windows, folder + "/" + name elsewhere). Returns nothing when the
// path would not fit the path buffer.
std::optional<std::string> recordFilePath(std::string_view folder, std::string_view fileName);

// Writes the bytes as folder/fileName, atomically and durably: they go to a
// temporary file created afresh in the same folder, which is flushed, renamed over
// the target, and then the folder is flushed. On any failure the temporary file is
// removed again and the target holds exactly its earlier bytes or exactly the new
// ones. An entry in the way (a link, a FIFO) is replaced, never opened or followed.
WriteResult writeRecordFile(
    std::string_view folder, std::string_view fileName, const std::vector<std::uint8_t> &bytes);

// What the trailer adds to the CRC of a sealed file.
namespace TrailerAddend {
inline constexpr std::uint16_t Smtp = 15;
inline constexpr std::uint16_t MmsInternational = 18;
inline constexpr std::uint16_t MmsDomestic = 0;
} // namespace TrailerAddend

using SealedContent = std::array<ConfigRecord, 11>;

// The last record of a sealed file: zero except the CRC (low byte first) and CR LF.
ConfigRecord TrailerRecord(std::uint16_t crcPlusAddend);

// setup.dat and smtp.dat: eleven content records with bytes 0..49 scrambled,
// then a trailer holding the CRC of all 660 bytes plus the addend.
class SealedFile {
public:
    // The 720 bytes of a sealed file, computed in memory.
    static std::vector<std::uint8_t> seal(
        const SealedContent &records, std::uint16_t trailerAddend);

    // Seals the content in memory and writes it as folder/fileName like
    // writeRecordFile; the plain records never reach the disk. After the file is in
    // place, a work file mms.dat left in the folder by an earlier run is removed
    // (see WriteResult).
    static WriteResult write(std::string_view folder, std::string_view fileName,
        const SealedContent &records, std::uint16_t trailerAddend);
};

} // namespace marrowby
