// Where a card file is written, and whether the camera will read it there. A
// camera looks for its files only in the top folder of a FAT or exFAT memory
// card, so a file written into a subfolder, onto a card formatted otherwise or
// onto a read-only card is never seen. The volumes come from the platform; the
// decision is made here.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace marrowby {

// A mounted volume as the system describes it.
struct VolumeInfo {
    std::string rootPath;       // UTF-8: its top folder ("/media/me/CARD", "E:\\")
    std::string fileSystemType; // as the system names it ("vfat", "exfat", "FAT32", "NTFS", ...)
    bool readOnly = false;
    bool removable = false; // a memory card, a card reader or a USB stick
    std::string name;       // its label; may be empty

    bool operator==(const VolumeInfo &) const = default;
};

// Why the camera will not read a file written in a folder.
enum class PlaceProblem {
    NotTopFolder, // a folder inside the card, not its top folder
    FileSystem,   // the card is not formatted FAT12/16/32 or exFAT
    ReadOnly,     // the card is mounted read-only (or its lock switch is on)
};

// Whether a camera reads a volume of this file-system type (any letter case).
// An empty type (the system did not say) counts as readable.
bool isCameraFileSystem(std::string_view type);

// The volume that holds `folder`: the one whose top folder is the longest
// leading part of it. Nothing when no volume holds it.
const VolumeInfo *volumeOfFolder(std::string_view folder, std::span<const VolumeInfo> volumes);

// Whether `folder` is the top folder of `volume`, whatever separators, a
// trailing separator or "." and ".." parts it is written with.
bool isTopFolder(std::string_view folder, const VolumeInfo &volume);

// What keeps the camera from reading a file written in `folder` on `volume`,
// in the order a user would fix it. Only a removable volume is judged: a
// folder on the computer's own disk is where people prepare files to copy
// later, and is never warned about.
std::vector<PlaceProblem> placeProblems(std::string_view folder, const VolumeInfo &volume);

// The removable volumes among `volumes`, in their order.
std::vector<VolumeInfo> removableVolumes(std::span<const VolumeInfo> volumes);

// The preference that stops the warning before writing (1: do not ask again).
inline constexpr std::string_view kSkipPlaceWarningPreference = "SkipCardPlaceWarning";

} // namespace marrowby
