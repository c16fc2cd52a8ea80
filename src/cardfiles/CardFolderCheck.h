// Check card: what the card files in a form's folder hold, said in one text in
// the user's language (all well; what is wrong with each file; no card files;
// no such folder). Forms show it in a message box.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace marrowby::inspect {

struct FileInspection;

struct CardFolderReport {
    bool good = false; // card files found, and none of them with a finding
    std::string text;  // UTF-8
};

// Reads menu.dat, setup.dat and smtp.dat in `folder` (menu.dat in the camera
// family of `modelIndex`). `shownFolder` is the folder as the form shows it
// (UTF-8), for the report's words.
// What is wrong with one file read for the form's model, each finding in
// words; empty when nothing is.
std::vector<std::string> fileFindings(const FileInspection &file, int language);

CardFolderReport checkCardFolder(const std::filesystem::path &folder, std::string_view shownFolder,
    int modelIndex, int language);

} // namespace marrowby::inspect
