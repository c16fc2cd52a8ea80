#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marrowby {

// The per-machine store of the four preferences: language, model, TvMode and
// Company. Every operation opens the store on its own and may fail; callers treat
// every failure silently and fall back to defaults.
class PreferenceStore {
public:
    virtual ~PreferenceStore() = default;

    // Whether the store exists and can be opened for reading and writing.
    virtual bool open() = 0;
    // Creates the store when it does not exist.
    virtual bool create() = 0;

    // A 4-byte number; nothing when the store cannot be opened or the value is
    // missing or unreadable.
    virtual std::optional<std::uint32_t> readNumber(std::string_view name) = 0;
    virtual bool writeNumber(std::string_view name, std::uint32_t value) = 0;

    // A text value as stored, UTF-16, including any zero padding it was written with.
    virtual std::optional<std::u16string> readText(std::string_view name) = 0;
    virtual bool writeText(std::string_view name, std::u16string_view value) = 0;
};

namespace PreferenceName {
inline constexpr std::string_view Language = "language";
inline constexpr std::string_view Model = "model";
inline constexpr std::string_view TvMode = "TvMode";
inline constexpr std::string_view Company = "Company";
} // namespace PreferenceName

} // namespace marrowby
