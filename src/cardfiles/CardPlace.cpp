#include "cardfiles/CardPlace.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace marrowby {

namespace {

#ifdef _WIN32
constexpr bool kCaseBlindPaths = true;
#else
constexpr bool kCaseBlindPaths = false;
#endif

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return lower(x) == lower(y);
    });
}

// A path as its parts, "." dropped and ".." taken back; the first part is the
// root ("/" or "C:" or "" for a relative path). Backslashes separate on Windows.
std::vector<std::string> pathParts(std::string_view path)
{
    std::string text(path);
    if (kCaseBlindPaths)
        std::replace(text.begin(), text.end(), '\\', '/');
    std::vector<std::string> parts;
    std::size_t start = 0;
    if (!text.empty() && text.front() == '/') {
        parts.emplace_back("/");
        start = 1;
    } else {
        parts.emplace_back();
    }
    while (start <= text.size()) {
        std::size_t end = text.find('/', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string part = text.substr(start, end - start);
        if (part == ".." && parts.size() > 1)
            parts.pop_back();
        else if (!part.empty() && part != "." && part != "..")
            parts.push_back(part);
        start = end + 1;
    }
    // "C:" is the root of a drive, not a folder in it.
    if (kCaseBlindPaths && parts.front().empty() && parts.size() > 1 && parts[1].size() == 2
        && parts[1][1] == ':') {
        parts.erase(parts.begin());
    }
    return parts;
}

bool samePart(const std::string &a, const std::string &b)
{
    return kCaseBlindPaths ? sameLetters(a, b) : a == b;
}

// How many parts of `folder` the root `root` covers; 0 when it does not hold it.
std::size_t coveredParts(
    const std::vector<std::string> &folder, const std::vector<std::string> &root)
{
    if (root.size() > folder.size())
        return 0;
    for (std::size_t i = 0; i < root.size(); ++i) {
        if (!samePart(folder[i], root[i]))
            return 0;
    }
    return root.size();
}

} // namespace

bool isCameraFileSystem(std::string_view type)
{
    static constexpr std::array<std::string_view, 7> kReadable{
        "fat", "fat12", "fat16", "fat32", "vfat", "msdos", "exfat"};
    if (type.empty())
        return true;
    return std::any_of(kReadable.begin(), kReadable.end(),
        [type](std::string_view known) { return sameLetters(type, known); });
}

const VolumeInfo *volumeOfFolder(std::string_view folder, std::span<const VolumeInfo> volumes)
{
    const std::vector<std::string> parts = pathParts(folder);
    const VolumeInfo *best = nullptr;
    std::size_t bestCovered = 0;
    for (const VolumeInfo &volume : volumes) {
        if (volume.rootPath.empty())
            continue;
        const std::size_t covered = coveredParts(parts, pathParts(volume.rootPath));
        if (covered > bestCovered) {
            best = &volume;
            bestCovered = covered;
        }
    }
    return best;
}

bool isTopFolder(std::string_view folder, const VolumeInfo &volume)
{
    const std::vector<std::string> parts = pathParts(folder);
    const std::vector<std::string> root = pathParts(volume.rootPath);
    return parts.size() == root.size() && coveredParts(parts, root) == root.size();
}

std::vector<PlaceProblem> placeProblems(std::string_view folder, const VolumeInfo &volume)
{
    std::vector<PlaceProblem> problems;
    if (!volume.removable)
        return problems;
    if (!isTopFolder(folder, volume))
        problems.push_back(PlaceProblem::NotTopFolder);
    if (!isCameraFileSystem(volume.fileSystemType))
        problems.push_back(PlaceProblem::FileSystem);
    if (volume.readOnly)
        problems.push_back(PlaceProblem::ReadOnly);
    return problems;
}

std::vector<VolumeInfo> removableVolumes(std::span<const VolumeInfo> volumes)
{
    std::vector<VolumeInfo> cards;
    std::copy_if(volumes.begin(), volumes.end(), std::back_inserter(cards),
        [](const VolumeInfo &volume) { return volume.removable; });
    return cards;
}

} // namespace marrowby
