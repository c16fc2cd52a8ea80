// The volumes mounted on the computer, as the card features need them: where
// each one's top folder is, its file system, whether it is read-only and
// whether it is removable (a memory card, a card reader, a USB stick).
#pragma once

#include "cardfiles/CardPlace.h"

#include <QString>

#include <optional>
#include <vector>

namespace marrowby {

class Volumes {
public:
    // Every mounted volume with a file system, the removable ones first; what a
    // VolumeSeam lists while one lives.
    static std::vector<VolumeInfo> mounted();
    // The computer's own list, whatever a seam says.
    static std::vector<VolumeInfo> listedBySystem();

    // Whether a volume at `rootPath` with `device` (as the system lists it) is
    // removable by the desktop's rules: on Linux a block device mounted under
    // /media, /run/media or /mnt, or one on USB or an SD/MMC slot; a removable
    // drive on Windows; a volume under /Volumes on macOS.
    static bool looksRemovable(const QString &rootPath, const QString &device);
};

// Test seam: while it lives, mounted() lists `volumes` instead of the
// computer's; its end gives back what was listed before.
class VolumeSeam {
public:
    explicit VolumeSeam(std::vector<VolumeInfo> volumes = {});
    ~VolumeSeam();
    VolumeSeam(const VolumeSeam &) = delete;
    VolumeSeam &operator=(const VolumeSeam &) = delete;

private:
    std::optional<std::vector<VolumeInfo>> m_before;
};

} // namespace marrowby
