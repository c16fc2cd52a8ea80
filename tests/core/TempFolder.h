#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace marrowby::test {

// A fresh folder under the system's temporary folder, removed again at the end.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device device;
        path_ = std::filesystem::temp_directory_path()
            / ("marrowby-test-" + std::to_string(device()) + std::to_string(device()));
        std::filesystem::create_directories(path_);
        std::filesystem::permissions(path_,
            std::filesystem::perms::owner_all | std::filesystem::perms::group_read
                | std::filesystem::perms::group_exec | std::filesystem::perms::others_read
                | std::filesystem::perms::others_exec);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(
            path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }
    std::string str() const { return path_.string(); }

    std::vector<std::string> entries() const { return entriesOf(path_); }

    // The names in a folder, sorted; links, FIFOs and subfolders included.
    static std::vector<std::string> entriesOf(const std::filesystem::path &folder)
    {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline std::vector<std::uint8_t> readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::filesystem::path &path, const std::string &content)
{
    std::ofstream out(path, std::ios::binary);
    out << content;
}

// Root ignores file permissions; a test that needs a read-only folder to be
// read-only runs its body under an unprivileged effective user.
class WithoutRootPrivileges {
public:
    WithoutRootPrivileges()
    {
#ifndef _WIN32
        if (geteuid() == 0)
            dropped_ = seteuid(65534) == 0;
#endif
    }
    ~WithoutRootPrivileges()
    {
#ifndef _WIN32
        if (dropped_ && seteuid(0) != 0)
            std::abort();
#endif
    }

private:
    bool dropped_ = false;
};

} // namespace marrowby::test
