// Check card: what the card files in a form's folder hold, said in one text in
// the user's language (all well; what is wrong with each file; no card files;
// no such folder). Forms show it in a message box.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace marrowby::inspect {

struct CardFolderReport {
    bool good = false; // card files found, and none of them with a finding
    std::string text;  // UTF-8
};

// Reads menu.dat, setup.dat and smtp.dat in `folder` (menu.dat in the camera
// family of `modelIndex`). `shownFolder` is the folder as the form shows it
// (UTF-8), for the report's words.
CardFolderReport checkCardFolder(const std::filesystem::path &folder, std::string_view shownFolder,
    int modelIndex, int language);

} // namespace marrowby::inspect
