#pragma once

#include "UiTestSupport.h"

#include "../core/TempFolder.h"

#include "camera/CameraRecord.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

namespace marrowby::test {

// A camera form opened for a model, writing into a fresh folder chosen with its
// Select button, as a user would.
class CameraFormFixture : public UiTest {
protected:
    template <typename Form> std::unique_ptr<Form> open(int model)
    {
        setModel(model);
        auto form = std::make_unique<Form>(context());
        FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
        find<QPushButton>(form.get(), 1057)->click();
        return form;
    }

    static void click(const QWidget *form, int id) { find<QPushButton>(form, id)->click(); }

    bool menuWritten() const { return std::filesystem::exists(folder.path() / "menu.dat"); }

    // The menu.dat in the test folder, removed so that the next check sees only
    // what was written after it; 60 zero bytes when there is none.
    std::vector<std::uint8_t> takeMenu() const
    {
        const auto path = folder.path() / "menu.dat";
        std::vector<std::uint8_t> bytes = readFile(path);
        EXPECT_EQ(bytes.size(), 60u) << "menu.dat";
        bytes.resize(60, 0);
        std::filesystem::remove(path);
        return bytes;
    }

    static std::vector<std::uint8_t> bytesOf(const ConfigRecord &record)
    {
        return {record.bytes.begin(), record.bytes.end()};
    }

    // What the core builds from these settings for an English form on TV mode 0.
    static std::vector<std::uint8_t> coreRecord(
        MenuLayout layout, const CameraSettings &settings, const MenuExtras &extras)
    {
        return bytesOf(buildMenuRecord(layout, settings, extras, {2, 0}));
    }

    static QList<MessageBoxes::Shown> boxes() { return MessageBoxes::takeRecorded(); }

    // Shows the form and makes it the active window, so that focus can be checked.
    static void activate(QWidget *form)
    {
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form));
    }

    TempFolder folder;
};

// The settings every camera form collects right after opening, before the
// family's own starting selections: 10 s videos, a 1-minute interval, time
// lapse "Off", and the fixed test clock 2024-03-09 14:05:07.
inline CameraSettings settingsAtOpening()
{
    CameraSettings s;
    s.VideoLength = 9;
    s.Interval = 1;
    s.TimeLapse = 1;
    s.ClockYear = 14;
    s.ClockMonth = 3;
    s.ClockDay = 9;
    s.ClockHour = 14;
    s.ClockMinute = 5;
    s.ClockSecond = 7;
    return s;
}

} // namespace marrowby::test
