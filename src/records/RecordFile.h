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
// The plain work file a sealed file is produced through. It holds the texts
// unscrambled (passwords included), so it never outlives a write.
inline constexpr std::string_view WorkFile = "mms.dat";

// The path buffer of the writers holds 100 UTF-16 units including the terminator.
inline constexpr std::size_t kMaxPathLength = 99;

// What a writer did. On failure `path` names the file concerned and `reason`
// carries the system's explanation.
struct WriteResult {
    bool ok = false;
    std::string path;
    std::string reason;

    explicit operator bool() const { return ok; }
};

// Joins the output folder and a file name the way the platform expects
// ("%s\name" on Windows, folder + "/" + name elsewhere). Returns nothing when the
// path would not fit the path buffer.
std::optional<std::string> recordFilePath(std::string_view folder, std::string_view fileName);

// Writes the bytes as folder/fileName. The bytes go to a temporary file in the same
// folder which then replaces the target, so an earlier file is never left half
// overwritten.
WriteResult writeRecordFile(
    std::string_view folder, std::string_view fileName, const std::vector<std::uint8_t> &bytes);

// Writes a framed menu.dat record.
WriteResult writeMenuFile(std::string_view folder, const ConfigRecord &record);

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

    // Writes the content through the work file mms.dat and seals it as
    // folder/fileName. The work file is removed on every path.
    static WriteResult write(std::string_view folder, std::string_view fileName,
        const SealedContent &records, std::uint16_t trailerAddend);
};

} // namespace marrowby
