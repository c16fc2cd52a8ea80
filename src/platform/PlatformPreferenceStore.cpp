#include "platform/PlatformPreferenceStore.h"

// Guarded by the compiler's own macro, not Qt's: this file includes no Qt header
// on Windows, so the Windows check builds it without Qt.
#ifdef _WIN32
#include "app/RegistryPreferenceStore.h"
#else
#include "platform/SettingsPreferenceStore.h"
#endif

namespace marrowby {

std::unique_ptr<PreferenceStore> makePlatformPreferenceStore()
{
#ifdef _WIN32
    return std::make_unique<RegistryPreferenceStore>();
#else
    return std::make_unique<SettingsPreferenceStore>();
#endif
}

} // namespace marrowby
