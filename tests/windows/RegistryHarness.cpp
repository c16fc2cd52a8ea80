// Runs the program's start-up and preference writes against the real registry,
// one step per run, so that a script can check what survives a restart:
//
//   registry_harness start LANGID    start-up as on a system with that language id;
//                                    prints "root=machine|user language=N model=N tvmode=N"
//   registry_harness model N         the model list's write
//   registry_harness language N      the language list's write
//   registry_harness lock-machine-key
//                                    makes the key under HKEY_LOCAL_MACHINE read-only
//                                    for everybody, as it is for a user without
//                                    administrator rights (for the throwaway wine
//                                    prefix of scripts/test-windows.sh, not for a
//                                    real machine)
//
// The store comes from the program's own factory, built here without Qt.
#include "app/RegistryPreferenceStore.h"
#include "app/StartUp.h"
#include "platform/PlatformPreferenceStore.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <sddl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace marrowby;

namespace {

int usage()
{
    std::fprintf(stderr,
        "usage: registry_harness start LANGID | model N | language N | "
        "lock-machine-key\n");
    return 2;
}

bool lockMachineKey()
{
    HKEY key = nullptr;
    if (RegCreateKeyW(HKEY_LOCAL_MACHINE, kRegistryKeyPath, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRegistryKeyPath, 0, WRITE_DAC, &key) != ERROR_SUCCESS)
        return false;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    bool locked = ConvertStringSecurityDescriptorToSecurityDescriptorW(
        L"D:P(A;;KR;;;WD)", SDDL_REVISION_1, &descriptor, nullptr);
    if (locked) {
        locked = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
        LocalFree(descriptor);
    }
    RegCloseKey(key);
    return locked;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    if (command == "lock-machine-key")
        return lockMachineKey() ? 0 : 1;
    if (argc != 3)
        return usage();
    const int number = std::atoi(argv[2]);

    const std::unique_ptr<PreferenceStore> store = makePlatformPreferenceStore();
    auto *registry = dynamic_cast<RegistryPreferenceStore *>(store.get());
    if (!registry) {
        std::fprintf(stderr, "the platform store is not the registry store\n");
        return 1;
    }

    if (command == "start") {
        const AppState state = startUp(*registry, static_cast<std::uint16_t>(number));
        std::printf("root=%s language=%d model=%d tvmode=%d\n",
            registry->root() == HKEY_LOCAL_MACHINE ? "machine" : "user", state.storedLanguage(),
            state.ModelIndex, state.TvMode);
    } else if (command == "model") {
        storeModel(*registry, number);
    } else if (command == "language") {
        AppState state;
        state.LanguageIndex = number;
        storeLanguage(*registry, state);
    } else {
        return usage();
    }
    return 0;
}
