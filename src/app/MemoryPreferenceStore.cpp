#include "app/MemoryPreferenceStore.h"

namespace marrowby {

bool MemoryPreferenceStore::open()
{
    return keyExists && !failOpen;
}

bool MemoryPreferenceStore::create()
{
    if (failCreate)
        return false;
    keyExists = true;
    return true;
}

std::optional<std::uint32_t> MemoryPreferenceStore::readNumber(std::string_view name)
{
    if (!open() || unreadable.count(name))
        return std::nullopt;
    const auto it = numbers.find(name);
    if (it == numbers.end())
        return std::nullopt;
    return it->second;
}

bool MemoryPreferenceStore::writeNumber(std::string_view name, std::uint32_t value)
{
    if (!open() || failWrites)
        return false;
    numbers[std::string(name)] = value;
    ++writeCount[std::string(name)];
    return true;
}

std::optional<std::u16string> MemoryPreferenceStore::readText(std::string_view name)
{
    if (!open() || unreadable.count(name))
        return std::nullopt;
    const auto it = texts.find(name);
    if (it == texts.end())
        return std::nullopt;
    return it->second;
}

bool MemoryPreferenceStore::writeText(std::string_view name, std::u16string_view value)
{
    if (!open() || failWrites)
        return false;
    texts[std::string(name)] = std::u16string(value);
    ++writeCount[std::string(name)];
    return true;
}

} // namespace marrowby
