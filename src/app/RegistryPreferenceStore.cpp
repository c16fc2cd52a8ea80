#include "app/RegistryPreferenceStore.h"

#ifdef _WIN32

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace marrowby {

namespace {

// Read access plus the rights to set values and create sub keys.
constexpr REGSAM kAccess = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

std::wstring wideName(std::string_view name)
{
    return std::wstring(name.begin(), name.end());
}

// An open key that closes itself.
class OpenKey {
public:
    OpenKey(HKEY root, const std::wstring &path, REGSAM access)
        : m_result(
            root ? RegOpenKeyExW(root, path.c_str(), 0, access, &m_key) : ERROR_INVALID_HANDLE)
    { }
    ~OpenKey()
    {
        if (m_result == ERROR_SUCCESS)
            RegCloseKey(m_key);
    }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;

    LONG result() const { return m_result; }
    explicit operator bool() const { return m_result == ERROR_SUCCESS; }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
    LONG m_result;
};

// Whether the key below `root` can be opened for writing or, when it does not
// exist yet, created: the nearest existing key above it must allow adding a sub
// key. Nothing is created here.
bool writableAt(HKEY root, const std::wstring &path)
{
    const OpenKey key(root, path, kAccess);
    if (key)
        return true;
    if (key.result() != ERROR_FILE_NOT_FOUND)
        return false;
    std::wstring ancestor = path;
    for (;;) {
        const auto separator = ancestor.rfind(L'\\');
        ancestor.resize(separator == std::wstring::npos ? 0 : separator);
        const OpenKey above(root, ancestor, KEY_CREATE_SUB_KEY);
        if (above)
            return true;
        if (above.result() != ERROR_FILE_NOT_FOUND || ancestor.empty())
            return false;
    }
}

} // namespace

RegistryPreferenceStore::RegistryPreferenceStore()
    : RegistryPreferenceStore(HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, kRegistryKeyPath)
{ }

RegistryPreferenceStore::RegistryPreferenceStore(
    RegistryRoot machine, RegistryRoot user, std::wstring keyPath)
    : m_machine(machine)
    , m_user(user)
    , m_keyPath(std::move(keyPath))
{ }

RegistryRoot RegistryPreferenceStore::root()
{
    if (!m_root)
        m_root = writableAt(m_machine, m_keyPath) ? m_machine : m_user;
    return m_root;
}

bool RegistryPreferenceStore::open()
{
    return static_cast<bool>(OpenKey(root(), m_keyPath, kAccess));
}

bool RegistryPreferenceStore::create()
{
    HKEY key = nullptr;
    if (RegCreateKeyW(root(), m_keyPath.c_str(), &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::optional<std::uint32_t> RegistryPreferenceStore::readNumber(std::string_view name)
{
    const OpenKey key(root(), m_keyPath, kAccess);
    if (!key)
        return std::nullopt;
    DWORD value = 0;
    DWORD size = sizeof(value);
    DWORD type = 0;
    if (RegQueryValueExW(key.get(), wideName(name).c_str(), nullptr, &type,
            reinterpret_cast<BYTE *>(&value), &size)
        != ERROR_SUCCESS)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

bool RegistryPreferenceStore::writeNumber(std::string_view name, std::uint32_t value)
{
    const OpenKey key(root(), m_keyPath, kAccess);
    if (!key)
        return false;
    const DWORD data = value & 0xFFFF;
    return RegSetValueExW(key.get(), wideName(name).c_str(), 0, REG_DWORD,
               reinterpret_cast<const BYTE *>(&data), sizeof(data))
        == ERROR_SUCCESS;
}

std::optional<std::u16string> RegistryPreferenceStore::readText(std::string_view name)
{
    const OpenKey key(root(), m_keyPath, kAccess);
    if (!key)
        return std::nullopt;
    const std::wstring valueName = wideName(name);
    DWORD size = 0;
    DWORD type = 0;
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size)
        != ERROR_SUCCESS)
        return std::nullopt;
    // An odd byte count keeps its last byte, in a unit of its own, so the caller
    // sees the value's full size.
    std::u16string text((size + 1) / 2, u'\0');
    size = static_cast<DWORD>(text.size() * 2);
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type,
            reinterpret_cast<BYTE *>(text.data()), &size)
        != ERROR_SUCCESS)
        return std::nullopt;
    text.resize((size + 1) / 2);
    return text;
}

bool RegistryPreferenceStore::writeText(std::string_view name, std::u16string_view value)
{
    const OpenKey key(root(), m_keyPath, kAccess);
    if (!key)
        return false;
    return RegSetValueExW(key.get(), wideName(name).c_str(), 0, REG_SZ,
               reinterpret_cast<const BYTE *>(value.data()), static_cast<DWORD>(value.size() * 2))
        == ERROR_SUCCESS;
}

} // namespace marrowby

#endif
