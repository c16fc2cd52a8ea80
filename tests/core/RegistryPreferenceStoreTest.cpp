// The registry store against the real registry, in scratch keys under
// HKEY_CURRENT_USER that stand in for both roots. Windows only.
#ifdef _WIN32

#include "app/RegistryPreferenceStore.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <sddl.h>

#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace marrowby;

namespace {

const std::wstring kKey = L"App Paths\\Marrowby.exe";

struct RawValue {
    DWORD type = 0;
    std::vector<std::uint8_t> bytes;
};

std::optional<RawValue> rawValue(HKEY root, const std::wstring &path, const wchar_t *name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    RawValue value;
    DWORD size = 0;
    LONG result = RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        value.bytes.resize(size);
        result = RegQueryValueExW(key, name, nullptr, &value.type, value.bytes.data(), &size);
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool keyExists(HKEY root, const std::wstring &path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void setRaw(HKEY root, const std::wstring &path, const wchar_t *name, DWORD type,
    const std::vector<std::uint8_t> &bytes)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyW(root, path.c_str(), &key), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size())),
        ERROR_SUCCESS);
    RegCloseKey(key);
}

void setNumber(HKEY root, const std::wstring &path, const wchar_t *name, DWORD value)
{
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(&value);
    setRaw(root, path, name, REG_DWORD, std::vector<std::uint8_t>(bytes, bytes + sizeof(value)));
}

std::optional<DWORD> number(HKEY root, const std::wstring &path, const wchar_t *name)
{
    const auto value = rawValue(root, path, name);
    if (!value || value->type != REG_DWORD || value->bytes.size() != 4)
        return std::nullopt;
    DWORD result = 0;
    std::memcpy(&result, value->bytes.data(), 4);
    return result;
}

// Gives a key the access list in `sddl` (creating the key first when needed).
void setAccess(HKEY root, const std::wstring &path, const wchar_t *sddl)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyW(root, path.c_str(), &key), ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(RegOpenKeyExW(root, path.c_str(), 0, WRITE_DAC, &key), ERROR_SUCCESS);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
        sddl, SDDL_REVISION_1, &descriptor, nullptr));
    EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
    LocalFree(descriptor);
    RegCloseKey(key);
}

// Everybody may read the key and nobody may change it, as HKEY_LOCAL_MACHINE is
// for a user without administrator rights.
void makeReadOnly(HKEY root, const std::wstring &path)
{
    setAccess(root, path, L"D:P(A;;KR;;;WD)");
}

// Two scratch keys that play HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER, removed
// again at the end.
class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device device;
        m_scratch = L"Software\\Marrowby-test-" + std::to_wstring(device());
        ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, (m_scratch + L"\\machine").c_str(), &machine),
            ERROR_SUCCESS);
        ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, (m_scratch + L"\\user").c_str(), &user),
            ERROR_SUCCESS);
    }
    void TearDown() override
    {
        for (const std::wstring &locked : m_locked)
            setAccess(machine, locked, L"D:P(A;;KA;;;WD)");
        if (machine)
            RegCloseKey(machine);
        if (user)
            RegCloseKey(user);
        RegDeleteTreeW(HKEY_CURRENT_USER, m_scratch.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, m_scratch.c_str());
    }

    void lockMachineKey(const std::wstring &path)
    {
        makeReadOnly(machine, path);
        m_locked.push_back(path);
    }

    RegistryPreferenceStore store() { return RegistryPreferenceStore(machine, user, kKey); }

    HKEY machine = nullptr;
    HKEY user = nullptr;

private:
    std::wstring m_scratch;
    std::vector<std::wstring> m_locked;
};

} // namespace

TEST_F(RegistryStoreTest, StartUpCreatesTheKeyAndTheValuesSurviveARestart)
{
    RegistryPreferenceStore first = store();
    EXPECT_FALSE(first.open());
    const AppState state = startUp(first, 1033);
    EXPECT_EQ(first.root(), machine);
    EXPECT_EQ(state.LanguageIndex, 2);
    EXPECT_EQ(number(machine, kKey, L"language"), 2u);
    EXPECT_EQ(number(machine, kKey, L"model"), 1u);
    EXPECT_EQ(number(machine, kKey, L"TvMode"), 0u);
    const auto company = rawValue(machine, kKey, L"Company");
    ASSERT_TRUE(company);
    EXPECT_EQ(company->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(company->bytes.size(), 520u);
    EXPECT_EQ(first.readText("Company"), companyValue());
    EXPECT_FALSE(keyExists(user, kKey))
        << "the user key is not touched while the machine key works";

    storeModel(first, 17);
    AppState chinese;
    chinese.LanguageIndex = 2;
    chinese.ChineseCameraLanguage = true;
    storeLanguage(first, chinese);
    EXPECT_TRUE(first.writeNumber("TvMode", 0x12345));
    EXPECT_EQ(number(machine, kKey, L"TvMode"), 0x2345u) << "16 bits, extended to 4 bytes";

    RegistryPreferenceStore second = store();
    const AppState again = startUp(second, 1031);
    EXPECT_EQ(again.ModelIndex, 17);
    EXPECT_EQ(again.LanguageIndex, 2);
    EXPECT_TRUE(again.ChineseCameraLanguage);
    EXPECT_EQ(again.TvMode, 0x2345);
}

// An odd-sized Company value is read whole: one that fits the 260 bytes of the
// start-up's read stays, a longer one is rewritten.
TEST_F(RegistryStoreTest, CompanyOfEverySizeIsMeasuredWhole)
{
    struct Case {
        std::size_t bytes;
        bool rewritten;
    };
    for (const Case c : {Case{259, false}, Case{260, false}, Case{261, true}, Case{521, true}}) {
        SCOPED_TRACE(c.bytes);
        setNumber(machine, kKey, L"language", 2);
        setNumber(machine, kKey, L"model", 1);
        setNumber(machine, kKey, L"TvMode", 0);
        // Text and its terminating zero, then one more byte when the size is odd.
        const bool odd = c.bytes % 2 == 1;
        std::vector<std::uint8_t> stored(c.bytes - 2 - (odd ? 1 : 0), 'x');
        stored.insert(stored.end(), {0, 0});
        if (odd)
            stored.push_back('y');
        setRaw(machine, kKey, L"Company", REG_SZ, stored);

        RegistryPreferenceStore s = store();
        const auto text = s.readText("Company");
        EXPECT_TRUE(text);
        if (text) {
            EXPECT_EQ(text->size(), (c.bytes + 1) / 2);
            if (odd) {
                EXPECT_EQ(text->back(), u'y') << "the odd last byte, in a unit of its own";
            }
        }

        startUp(s, 1033);
        const auto after = rawValue(machine, kKey, L"Company");
        ASSERT_TRUE(after);
        EXPECT_EQ(after->bytes.size(), c.rewritten ? 520u : c.bytes);
    }
}

// A user without administrator rights cannot write under HKEY_LOCAL_MACHINE; the
// same key under HKEY_CURRENT_USER keeps that user's preferences instead.
TEST_F(RegistryStoreTest, FallsBackToTheUserKeyWhereTheMachineKeyIsReadOnly)
{
    // Installed by an administrator, with a stored language the user cannot change.
    setNumber(machine, kKey, L"language", 5);
    lockMachineKey(kKey);

    RegistryPreferenceStore first = store();
    EXPECT_EQ(first.root(), user);
    EXPECT_FALSE(first.open()) << "the user key does not exist yet";
    const AppState state = startUp(first, 1033);
    EXPECT_EQ(state.LanguageIndex, 2);
    EXPECT_EQ(number(user, kKey, L"language"), 2u);
    EXPECT_EQ(number(user, kKey, L"model"), 1u);
    ASSERT_TRUE(rawValue(user, kKey, L"Company"));
    storeModel(first, 12);
    AppState german;
    german.LanguageIndex = 3;
    storeLanguage(first, german);

    RegistryPreferenceStore second = store();
    const AppState again = startUp(second, 1033);
    EXPECT_EQ(second.root(), user);
    EXPECT_EQ(again.LanguageIndex, 3);
    EXPECT_EQ(again.ModelIndex, 12);
    EXPECT_EQ(number(machine, kKey, L"language"), 5u);
    EXPECT_FALSE(number(machine, kKey, L"model"));
}

TEST_F(RegistryStoreTest, FallsBackToTheUserKeyWhereTheMachineKeyCannotBeCreated)
{
    lockMachineKey(L"App Paths");
    RegistryPreferenceStore s = store();
    EXPECT_EQ(s.root(), user);
    startUp(s, 2052);
    EXPECT_FALSE(keyExists(machine, kKey));
    EXPECT_EQ(number(user, kKey, L"language"), 1u);
    EXPECT_EQ(s.readNumber("language"), 1u);
}

TEST_F(RegistryStoreTest, KeepsTheMachineKeyWhereverItWorks)
{
    setNumber(user, kKey, L"model", 4); // left by an earlier run without rights
    {                                   // The key exists and can be written.
        setNumber(machine, kKey, L"model", 9);
        RegistryPreferenceStore s = store();
        EXPECT_EQ(s.root(), machine);
        EXPECT_EQ(s.readNumber("model"), 9u);
    }
    { // The key does not exist but may be created.
        ASSERT_EQ(RegDeleteKeyW(machine, kKey.c_str()), ERROR_SUCCESS);
        RegistryPreferenceStore s = store();
        EXPECT_EQ(s.root(), machine);
        EXPECT_FALSE(s.open());
        EXPECT_TRUE(s.create());
        EXPECT_TRUE(keyExists(machine, kKey));
    }
}

#endif
