#pragma once

#include "records/ConfigRecord.h"

#include <string_view>

namespace marrowby {

// A text record of setup.dat or smtp.dat, before scrambling: the text in the
// OEM code page with its terminating zero from byte 0 (all zero when it needs
// more than 60 bytes), byte 57 the text's length in UTF-16 code units (low
// 8 bits, set even when the text did not fit), CR LF in bytes 58 and 59.
// Bytes 57..59 are set last, so they overwrite the end of a 57- to 59-byte text.
ConfigRecord textRecord(std::string_view utf8);

} // namespace marrowby
