#pragma once

#include "records/ConfigRecord.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace marrowby {

// Texts travel through the program as UTF-8. The cameras read record texts in
// an 8-bit OEM code page: the machine's OEM code page on Windows, code page 437
// elsewhere. On Windows the system converts: a character the code page lacks
// becomes a close one where the system knows one (Ł becomes L) and '?' otherwise,
// and a double-byte code page (936) takes two bytes for a Chinese character.
// Elsewhere every character outside code page 437 becomes '?'. Conversion stops
// at an embedded NUL, as it would for a NUL-terminated wide string.
std::string toOemText(std::string_view utf8);

// The other direction, for reading a record back: 8-bit OEM bytes to UTF-8.
// Every byte gives one character (a NUL byte included).
std::string fromOemText(std::string_view oem);

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

// A text record of setup.dat or smtp.dat, before scrambling: the text in the
// OEM code page with its terminating zero from byte 0 (all zero when it needs
// more than 60 bytes), byte 57 the text's length in UTF-16 code units (low
// 8 bits, set even when the text did not fit), CR LF in bytes 58 and 59.
// Bytes 57..59 are set last, so they overwrite the end of a 57- to 59-byte text.
ConfigRecord textRecord(std::string_view utf8);

} // namespace marrowby
