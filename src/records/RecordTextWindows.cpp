// The OEM conversion on Windows goes through the system so that the bytes match
// the machine's own OEM code page. Without flags the conversion uses the code
// page's best-fit table: a character the code page lacks becomes a close one
// (Ł becomes L, ź becomes z) and only a character without one the default '?'.
#ifdef _WIN32
#include "records/RecordText.h"

#include <windows.h>

namespace marrowby {

std::string toOemText(std::string_view utf8)
{
    std::u16string wide = utf8ToUtf16(utf8);
    if (const auto nul = wide.find(u'\0'); nul != std::u16string::npos)
        wide.resize(nul);
    if (wide.empty())
        return {};
    const auto *source = reinterpret_cast<const wchar_t *>(wide.c_str());
    const int length = static_cast<int>(wide.size());
    // A machine set to "Unicode UTF-8 for worldwide language support" has UTF-8 as
    // its OEM code page, and the conversion then refuses any default character:
    // with "?" every text would come out empty. UTF-8 spells every character.
    const UINT codePage = GetOEMCP();
    const char *fallback = codePage == CP_UTF8 || codePage == CP_UTF7 ? nullptr : "?";
    const int needed
        = WideCharToMultiByte(codePage, 0, source, length, nullptr, 0, fallback, nullptr);
    if (needed <= 0)
        return std::string(wide.size(), '?');
    std::string out(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(codePage, 0, source, length, out.data(), needed, fallback, nullptr);
    return out;
}

std::string fromOemText(std::string_view oem)
{
    if (oem.empty())
        return {};
    const int length = static_cast<int>(oem.size());
    const int needed = MultiByteToWideChar(CP_OEMCP, 0, oem.data(), length, nullptr, 0);
    if (needed <= 0)
        return std::string(oem.size(), '?');
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_OEMCP, 0, oem.data(), length, wide.data(), needed);
    return utf16ToUtf8(
        std::u16string_view(reinterpret_cast<const char16_t *>(wide.data()), wide.size()));
}

} // namespace marrowby
#endif
