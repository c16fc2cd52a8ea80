#pragma once

#include <cstdint>

namespace marrowby {

// The system's default language as a Windows language id (2052 for Chinese PRC,
// 1031 for German in Germany, ...). Outside Windows it is derived from the system
// locale; 0 when the locale is unknown.
std::uint16_t systemLanguageId();

} // namespace marrowby
