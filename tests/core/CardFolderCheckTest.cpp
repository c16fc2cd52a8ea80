#include "cardfiles/CardFolderCheck.h"
#include "camera/CameraRecord.h"
#include "records/RecordFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace marrowby;
using namespace marrowby::test;

// The card check's words, without any window: each kind of folder in the
// user's language, the folder named as the form shows it.
TEST(CardFolderCheck, SaysWhatTheFolderHolds)
{
    TempFolder folder;
    const std::string shown = folder.str();
    const auto check
        = [&](int language) { return inspect::checkCardFolder(folder.path(), shown, 1, language); };

    inspect::CardFolderReport report = check(2);
    EXPECT_FALSE(report.good);
    EXPECT_EQ(report.text, "The folder " + shown + " holds no menu.dat, setup.dat or smtp.dat");

    CameraClock clock{2024, 3, 9, 14, 5, 7};
    ASSERT_TRUE(writeMenuFile(folder.str(), buildStandardFactoryRecord(clock, {})));
    report = check(2);
    EXPECT_TRUE(report.good) << report.text;
    EXPECT_NE(report.text.find("menu.dat: "), std::string::npos) << report.text;

    // A damaged byte: the finding names the file; in German the words are German.
    std::vector<std::uint8_t> bytes = readFile(folder.path() / "menu.dat");
    bytes[5] = 9;
    writeFile(folder.path() / "menu.dat", std::string(bytes.begin(), bytes.end()));
    report = check(3);
    EXPECT_FALSE(report.good);
    EXPECT_NE(report.text.find("menu.dat: "), std::string::npos) << report.text;
    EXPECT_EQ(report.text.find("Bad checksum"), std::string::npos) << report.text;

    const std::filesystem::path missing = folder.path() / "missing";
    report = inspect::checkCardFolder(missing, missing.string(), 1, 2);
    EXPECT_FALSE(report.good);
    EXPECT_EQ(report.text, "There is no folder " + missing.string());
}
