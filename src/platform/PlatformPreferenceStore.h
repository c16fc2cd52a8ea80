#pragma once

#include "app/PreferenceStore.h"

#include <memory>

namespace marrowby {

// The production preference store: on Windows the registry key under
// HKEY_LOCAL_MACHINE (HKEY_CURRENT_USER for users who may not write there), an INI
// file in the user's configuration folder elsewhere.
std::unique_ptr<PreferenceStore> makePlatformPreferenceStore();

} // namespace marrowby
