#include "cardfiles/CardLoad.h"
#include "camera/CameraRecord.h"
#include "mms/MmsRecordFile.h"
#include "records/RecordFile.h"
#include "smtp/SmtpRecordFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>

using namespace marrowby;
using namespace marrowby::inspect;
using namespace marrowby::test;

namespace {

constexpr int kStandardModel = 1; // standard camera layout
constexpr int kK200Model = 3;     // K200 SMTP layout
constexpr int kK600Model = 4;     // K600 camera and SMTP layouts
constexpr int kEnglish = 2;

CameraSettings cameraSettings()
{
    CameraSettings s;
    s.CameraMode = 1;
    s.VideoLength = 29;
    s.Interval = 5;
    s.SenseLevel = 2;
    s.ClockYear = 14; // 2024
    s.ClockMonth = 3;
    s.ClockDay = 9;
    s.ClockHour = 14;
    s.ClockMinute = 5;
    s.ClockSecond = 7;
    return s;
}

MmsSettings mmsSettings()
{
    MmsSettings s;
    s.autoMode = false;
    s.url = "http://mms.example.net";
    s.apn = "mms";
    s.gateway = "10.0.0.172";
    s.port = "9201";
    s.phone1 = "13800138000";
    s.picturesPerDay = 12;
    return s;
}

SmtpSettings smtpSettings()
{
    SmtpSettings s;
    s.autoMode = false;
    s.apn = "internet";
    s.smtpServer = "smtp.example.com";
    s.port = "587";
    s.senderEmail = "camera@example.com";
    s.senderPassword = "secret";
    s.recipientEmail = "me@example.org";
    return s;
}

void writeMenu(const TempFolder &folder, MenuLayout layout)
{
    ASSERT_TRUE(writeMenuFile(
        folder.str(), buildMenuRecord(layout, cameraSettings(), MenuExtras{}, RecordContext{})));
}

void damage(const std::filesystem::path &file, std::size_t byte)
{
    std::vector<std::uint8_t> bytes = readFile(file);
    ASSERT_GT(bytes.size(), byte);
    bytes[byte] ^= 0x5A;
    writeFile(file, std::string(bytes.begin(), bytes.end()));
}

void truncate(const std::filesystem::path &file)
{
    std::vector<std::uint8_t> bytes = readFile(file);
    writeFile(file, std::string(bytes.begin(), bytes.begin() + bytes.size() / 2));
}

} // namespace

// A file the program wrote, for the form's model, loads as the settings it was
// written from, its name in any letter case.
TEST(CardLoad, TheFormsOwnFileLoadsAsItsSettings)
{
    {
        TempFolder folder;
        writeMenu(folder, MenuLayout::Standard);
        std::filesystem::rename(folder.path() / "menu.dat", folder.path() / "MENU.DAT");
        const CardLoad load = loadCardFile(folder.path(), FileKind::Menu, kStandardModel, kEnglish);
        ASSERT_EQ(load.outcome, CardLoad::Outcome::Loaded) << load.reason;
        // The file found (on a file system that ignores letter case, under
        // either spelling of its name).
        std::string found = load.file.filename().string();
        std::transform(found.begin(), found.end(), found.begin(),
            [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_EQ(found, "menu.dat");
        EXPECT_EQ(load.settings.kind, FileKind::Menu);
        EXPECT_EQ(load.settings.model, kStandardModel);
        EXPECT_EQ(load.settings.camera, cameraSettings());
    }
    {
        TempFolder folder;
        ASSERT_TRUE(writeMmsFile(folder.str(), mmsSettings()));
        const CardLoad load
            = loadCardFile(folder.path(), FileKind::Setup, kStandardModel, kEnglish);
        ASSERT_EQ(load.outcome, CardLoad::Outcome::Loaded) << load.reason;
        EXPECT_EQ(load.settings.mms, mmsSettings());
    }
    for (const auto &[model, layout] :
        {std::pair{kK600Model, SmtpLayout::K600}, std::pair{kK200Model, SmtpLayout::K200}}) {
        TempFolder folder;
        ASSERT_TRUE(writeSmtpFile(folder.str(), smtpSettings(), layout));
        const CardLoad load = loadCardFile(folder.path(), FileKind::Smtp, model, kEnglish);
        ASSERT_EQ(load.outcome, CardLoad::Outcome::Loaded) << load.reason;
        EXPECT_EQ(load.settings.smtp, smtpSettings());
    }
}

// Damaged, truncated, another layout's or the factory reset file: refused with
// the card check's words; a folder without the form's file holds nothing.
TEST(CardLoad, WhatCannotBeShownIsRefusedWithTheReason)
{
    struct Case {
        const char *name;
        FileKind kind;
        int model;
        std::function<void(const TempFolder &)> prepare;
        CardLoad::Outcome outcome;
        const char *reason; // a part of the reason
    };
    const auto menu = [](MenuLayout layout) {
        return [layout](const TempFolder &folder) { writeMenu(folder, layout); };
    };
    const auto smtp = [](SmtpLayout layout) {
        return [layout](const TempFolder &folder) {
            ASSERT_TRUE(writeSmtpFile(folder.str(), smtpSettings(), layout));
        };
    };
    const std::vector<Case> cases{
        {"damaged menu.dat", FileKind::Menu, kStandardModel,
            [&](const TempFolder &f) {
                menu(MenuLayout::Standard)(f);
                damage(f.path() / "menu.dat", 3);
            },
            CardLoad::Outcome::Refused, "Bad checksum"},
        {"truncated menu.dat", FileKind::Menu, kStandardModel,
            [&](const TempFolder &f) {
                menu(MenuLayout::Standard)(f);
                truncate(f.path() / "menu.dat");
            },
            CardLoad::Outcome::Refused, "The file has 30 bytes; it should have 60"},
        {"a K600 camera's menu.dat on a standard form", FileKind::Menu, kStandardModel,
            [](const TempFolder &f) {
                CameraSettings k600 = cameraSettings(); // values the standard layout lacks
                k600.SidePir = 1;
                k600.Timer2 = 1;
                k600.SdCycle = 1;
                MenuExtras extras;
                extras.dateFormat = 2;
                ASSERT_TRUE(writeMenuFile(
                    f.str(), buildMenuRecord(MenuLayout::K600, k600, extras, RecordContext{})));
            },
            CardLoad::Outcome::Refused, ""},
        {"the factory reset record", FileKind::Menu, kK600Model,
            [](const TempFolder &f) {
                ASSERT_TRUE(writeMenuFile(f.str(), buildFactoryMarkerRecord()));
            },
            CardLoad::Outcome::Refused, "factory reset record"},
        {"damaged setup.dat", FileKind::Setup, kStandardModel,
            [](const TempFolder &f) {
                ASSERT_TRUE(writeMmsFile(f.str(), mmsSettings()));
                damage(f.path() / "setup.dat", 100);
            },
            CardLoad::Outcome::Refused, ""},
        {"truncated smtp.dat", FileKind::Smtp, kK600Model,
            [&](const TempFolder &f) {
                smtp(SmtpLayout::K600)(f);
                truncate(f.path() / "smtp.dat");
            },
            CardLoad::Outcome::Refused, "The file has 360 bytes; it should have 720"},
        {"the K600 smtp.dat on a K200 form", FileKind::Smtp, kK200Model, smtp(SmtpLayout::K600),
            CardLoad::Outcome::Refused, ""},
        {"an empty folder", FileKind::Menu, kStandardModel, [](const TempFolder &) {},
            CardLoad::Outcome::NoFile, ""},
        {"only another kind's file", FileKind::Menu, kK600Model, smtp(SmtpLayout::K600),
            CardLoad::Outcome::NoFile, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        c.prepare(folder);
        const CardLoad load = loadCardFile(folder.path(), c.kind, c.model, kEnglish);
        EXPECT_EQ(load.outcome, c.outcome) << load.reason;
        if (c.outcome == CardLoad::Outcome::Refused) {
            EXPECT_FALSE(load.reason.empty());
            EXPECT_NE(load.reason.find(c.reason), std::string::npos) << load.reason;
            EXPECT_FALSE(load.file.empty());
        }
    }
    TempFolder folder;
    EXPECT_EQ(loadCardFile(folder.path() / "missing", FileKind::Menu, 1, kEnglish).outcome,
        CardLoad::Outcome::NoFile);
}
