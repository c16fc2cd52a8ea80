#pragma once

// The preference store of the Windows build. It uses the Win32 registry calls
// only, so the Windows check builds and tests it without Qt.
#ifdef _WIN32

#include "app/PreferenceStore.h"

#include <string>

// The handle type of the registry, as <windows.h> declares it.
struct HKEY__;

namespace marrowby {

using RegistryRoot = HKEY__ *;

// The program's registry key, opened afresh for every operation.
//
// The key belongs under HKEY_LOCAL_MACHINE, where only administrators may write.
// For everybody else the preferences would silently never persist, so when the
// key cannot be opened for writing there (and, when it does not exist yet, could
// not be created there), the same key under HKEY_CURRENT_USER serves every read
// and write of the run. Which root serves is decided once, at the first operation.
class RegistryPreferenceStore : public PreferenceStore {
public:
    // HKEY_LOCAL_MACHINE, falling back to HKEY_CURRENT_USER, and the program's key.
    RegistryPreferenceStore();
    // Any two roots and key path below them; the tests use scratch keys.
    RegistryPreferenceStore(RegistryRoot machine, RegistryRoot user, std::wstring keyPath);

    // The root that serves this run, decided on first use.
    RegistryRoot root();

    bool open() override;
    bool create() override;
    std::optional<std::uint32_t> readNumber(std::string_view name) override;
    bool writeNumber(std::string_view name, std::uint32_t value) override;
    std::optional<std::u16string> readText(std::string_view name) override;
    bool writeText(std::string_view name, std::u16string_view value) override;

private:
    RegistryRoot m_machine;
    RegistryRoot m_user;
    std::wstring m_keyPath;
    RegistryRoot m_root = nullptr;
};

// The program's key below the root, as the program has always used it.
inline constexpr const wchar_t *kRegistryKeyPath
    = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Marrowby.exe";

} // namespace marrowby

#endif
