#include "cardfiles/CardPlace.h"

#include <gtest/gtest.h>

#include <vector>

using namespace marrowby;

namespace {

using Problems = std::vector<PlaceProblem>;
constexpr PlaceProblem kSub = PlaceProblem::NotTopFolder;
constexpr PlaceProblem kFs = PlaceProblem::FileSystem;
constexpr PlaceProblem kRo = PlaceProblem::ReadOnly;

VolumeInfo card(const char *root, const char *type, bool readOnly = false)
{
    return {root, type, readOnly, true, "CARD"};
}

} // namespace

// Where the camera will not look: only a removable volume's top folder on FAT
// or exFAT that can be written is right; the computer's own disks are never
// judged, whatever their file system.
TEST(CardPlace, WhyTheCameraWillNotLookThere)
{
    struct Case {
        const char *name;
        const char *folder;
        VolumeInfo volume;
        Problems expected;
    };
    const std::vector<Case> cases{
        {"top folder of a FAT card", "/media/me/CARD", card("/media/me/CARD", "vfat"), {}},
        {"with a trailing separator", "/media/me/CARD/", card("/media/me/CARD", "vfat"), {}},
        {"back up from a subfolder", "/media/me/CARD/DCIM/..", card("/media/me/CARD", "vfat"), {}},
        {"exFAT as Windows names it", "/media/me/CARD", card("/media/me/CARD", "exFAT"), {}},
        {"FAT32 in capitals", "/media/me/CARD", card("/media/me/CARD", "FAT32"), {}},
        {"msdos (macOS)", "/Volumes/CARD", card("/Volumes/CARD", "msdos"), {}},
        {"file system not said", "/media/me/CARD", card("/media/me/CARD", ""), {}},
        {"a subfolder", "/media/me/CARD/DCIM", card("/media/me/CARD", "vfat"), {kSub}},
        {"a deeper subfolder", "/media/me/CARD/DCIM/100", card("/media/me/CARD", "exfat"), {kSub}},
        {"NTFS", "/media/me/CARD", card("/media/me/CARD", "ntfs"), {kFs}},
        {"ext4", "/media/me/CARD", card("/media/me/CARD", "ext4"), {kFs}},
        {"FUSE (NTFS-3G or exFAT alike)", "/media/me/CARD", card("/media/me/CARD", "fuseblk"),
            {kFs}},
        {"read-only", "/media/me/CARD", card("/media/me/CARD", "vfat", true), {kRo}},
        {"all at once, in order", "/media/me/CARD/x", card("/media/me/CARD", "NTFS", true),
            {kSub, kFs, kRo}},
        {"the computer's disk", "/home/me/cards", {"/", "ext4", false, false, ""}, {}},
        {"the computer's read-only disk", "/srv/x", {"/", "btrfs", true, false, ""}, {}},
#ifdef _WIN32
        {"drive letter, any case", "e:\\", card("E:\\", "FAT32"), {}},
        {"drive without separator", "E:", card("E:\\", "FAT32"), {}},
        {"drive subfolder with slashes", "E:/DCIM", card("E:\\", "exFAT"), {kSub}},
#endif
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(placeProblems(c.folder, c.volume), c.expected);
    }
}

// A folder belongs to the volume with the longest top folder that holds it,
// whole parts only.
TEST(CardPlace, AFolderBelongsToTheInnermostVolume)
{
    const std::vector<VolumeInfo> volumes{
        {"/", "ext4", false, false, "system"},
        {"/media/me/CARD", "vfat", false, true, "CARD"},
        {"/media/me/CARD2", "exfat", false, true, "CARD2"},
    };
    struct Case {
        const char *folder;
        const char *root; // nullptr: no volume
    };
    const std::vector<Case> cases{
        {"/media/me/CARD", "/media/me/CARD"},
        {"/media/me/CARD/DCIM", "/media/me/CARD"},
        {"/media/me/CARD2/DCIM", "/media/me/CARD2"},
        {"/media/me/CARD20", "/"},
        {"/home/me", "/"},
        {"relative/folder", nullptr},
        {"", nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.folder);
        const VolumeInfo *volume = volumeOfFolder(c.folder, volumes);
        if (!c.root)
            EXPECT_EQ(volume, nullptr);
        else
            EXPECT_TRUE(volume && volume->rootPath == c.root)
                << (volume ? volume->rootPath : "none");
    }
    EXPECT_EQ(volumeOfFolder("/home/me", std::vector<VolumeInfo>{}), nullptr);
    const std::vector<VolumeInfo> cards = removableVolumes(volumes);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].name, "CARD");
    EXPECT_EQ(cards[1].name, "CARD2");
}
