#include "platform/PlatformPreferenceStore.h"

#include "platform/SettingsPreferenceStore.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <string>
#include <vector>
#endif

namespace marrowby {

#ifdef Q_OS_WIN
namespace {

constexpr const wchar_t *kKeyPath
    = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Marrowby.exe";
constexpr REGSAM kAccess = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

std::wstring wideName(std::string_view name)
{
    return std::wstring(name.begin(), name.end());
}

// The registry key of the program, opened afresh for every operation.
class RegistryPreferenceStore : public PreferenceStore {
public:
    bool open() override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, kAccess, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    bool create() override
    {
        HKEY key = nullptr;
        if (RegCreateKeyW(HKEY_LOCAL_MACHINE, kKeyPath, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    std::optional<std::uint32_t> readNumber(std::string_view name) override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, kAccess, &key) != ERROR_SUCCESS)
            return std::nullopt;
        DWORD value = 0;
        DWORD size = sizeof(value);
        DWORD type = 0;
        const LONG result = RegQueryValueExW(
            key, wideName(name).c_str(), nullptr, &type, reinterpret_cast<BYTE *>(&value), &size);
        RegCloseKey(key);
        if (result != ERROR_SUCCESS)
            return std::nullopt;
        return static_cast<std::uint32_t>(value);
    }

    bool writeNumber(std::string_view name, std::uint32_t value) override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, kAccess, &key) != ERROR_SUCCESS)
            return false;
        const DWORD data = value & 0xFFFF;
        const LONG result = RegSetValueExW(key, wideName(name).c_str(), 0, REG_DWORD,
            reinterpret_cast<const BYTE *>(&data), sizeof(data));
        RegCloseKey(key);
        return result == ERROR_SUCCESS;
    }

    std::optional<std::u16string> readText(std::string_view name) override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, kAccess, &key) != ERROR_SUCCESS)
            return std::nullopt;
        DWORD size = 0;
        DWORD type = 0;
        LONG result = RegQueryValueExW(key, wideName(name).c_str(), nullptr, &type, nullptr, &size);
        std::u16string text;
        if (result == ERROR_SUCCESS) {
            text.resize(size / 2);
            result = RegQueryValueExW(key, wideName(name).c_str(), nullptr, &type,
                reinterpret_cast<BYTE *>(text.data()), &size);
        }
        RegCloseKey(key);
        if (result != ERROR_SUCCESS)
            return std::nullopt;
        return text;
    }

    bool writeText(std::string_view name, std::u16string_view value) override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, kAccess, &key) != ERROR_SUCCESS)
            return false;
        const LONG result = RegSetValueExW(key, wideName(name).c_str(), 0, REG_SZ,
            reinterpret_cast<const BYTE *>(value.data()), static_cast<DWORD>(value.size() * 2));
        RegCloseKey(key);
        return result == ERROR_SUCCESS;
    }
};

} // namespace
#endif

std::unique_ptr<PreferenceStore> makePlatformPreferenceStore()
{
#ifdef Q_OS_WIN
    return std::make_unique<RegistryPreferenceStore>();
#else
    return std::make_unique<SettingsPreferenceStore>();
#endif
}

} // namespace marrowby
