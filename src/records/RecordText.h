#pragma once

#include "records/ConfigRecord.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace marrowby {

// Texts travel through the program as UTF-8. The cameras read record texts in
// an 8-bit OEM code page: the machine's OEM code page on Windows, code page 437
// elsewhere. A character the code page lacks becomes '?'. Conversion stops at an
// embedded NUL, as it would for a NUL-terminated wide string.
std::string toOemText(std::string_view utf8);

// The length of a UTF-8 text in UTF-16 code units, the unit in which the forms
// count characters.
std::size_t utf16Length(std::string_view utf8);

std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);

// Converts a form text to the OEM code page and writes it, NUL-terminated, from
// byte 0 of the record. When the converted text with its NUL needs more than 60
// bytes nothing is written and the record keeps its contents. Returns whether the
// text was written.
bool PutRecordText(std::string_view utf8, ConfigRecord &record);

} // namespace marrowby
