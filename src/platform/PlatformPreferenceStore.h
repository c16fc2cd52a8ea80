#pragma once

#include "app/PreferenceStore.h"

#include <memory>

namespace marrowby {

// The production preference store: the registry key under HKEY_LOCAL_MACHINE on
// Windows, an INI file in the user's configuration folder elsewhere.
std::unique_ptr<PreferenceStore> makePlatformPreferenceStore();

} // namespace marrowby
