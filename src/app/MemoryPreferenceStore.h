#pragma once

#include "app/PreferenceStore.h"

#include <map>
#include <set>
#include <string>

namespace marrowby {

// A preference store held in memory. Used where no persistent store is wanted and
// by the tests, which inject every kind of failure through its switches.
class MemoryPreferenceStore : public PreferenceStore {
public:
    bool keyExists = false;
    bool failOpen = false;                         // the key exists but cannot be opened
    bool failCreate = false;                       // the key cannot be created
    bool failWrites = false;                       // every write is refused
    std::set<std::string, std::less<>> unreadable; // values whose read fails

    std::map<std::string, std::uint32_t, std::less<>> numbers;
    std::map<std::string, std::u16string, std::less<>> texts;
    std::map<std::string, int, std::less<>> writeCount;

    bool open() override;
    bool create() override;
    std::optional<std::uint32_t> readNumber(std::string_view name) override;
    bool writeNumber(std::string_view name, std::uint32_t value) override;
    std::optional<std::u16string> readText(std::string_view name) override;
    bool writeText(std::string_view name, std::u16string_view value) override;
};

} // namespace marrowby
