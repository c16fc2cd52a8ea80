#pragma once

#include <string_view>

// Fixed texts of the program shell, the same in every language.
namespace marrowby::i18n::shelltexts {

inline constexpr std::string_view WindowTitle = "Marrowby"; // main window and notice box caption
inline constexpr std::string_view AboutMenuEntry
    = "CopyRight"; // the About entry of the window menu
inline constexpr std::string_view AboutTitle = "About Setup";
inline constexpr std::string_view RightsLine
    = "Marrowby Setup, Copyright (C) 2012 Marrowby Electronics Co., Ltd";
inline constexpr std::string_view WebLink = "www.marrowby.com";
inline constexpr std::string_view AboutOk = "OK";
// The maker's download page, opened by the main window's link button.
inline constexpr std::string_view DownloadPage = "https://www.marrowby.com/download";
inline constexpr std::string_view VersionFormat = "%s: %d.%d.%d.%d";

} // namespace marrowby::i18n::shelltexts
