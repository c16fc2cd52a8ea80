#pragma once

#include "UiTestSupport.h"

#include "../core/TempFolder.h"

#include "camera/CameraRecord.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace marrowby::test {

// One thing the user does on a camera form: pick a list position or type a text
// into an edit (replacing what it held).
struct Step {
    int id = 0;
    int index = -1; // a list position; -1 for typing
    QString text;
};
inline Step choose(int listId, int index)
{
    return {listId, index, {}};
}
inline Step typing(int editId, const QString &text)
{
    return {editId, -1, text};
}

// A row of a family's edge-case table: what the user does, the messages that
// shows, and how the written record differs from the one written right after
// opening the form.
struct EditCase {
    const char *name;
    QList<Step> steps;
    QStringList messages;
    std::function<void(CameraSettings &, MenuExtras &)> change;
};

// What every family's form holds right after opening at the test clock
// (2024-03-09 14:05:07): video length 10 s, interval 1 minute, time lapse
// off, Date Format "MMDDYY"; the families add their own lists.
inline CameraSettings openingSettings()
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
inline MenuExtras openingExtras()
{
    MenuExtras extras;
    extras.dateFormat = 1;
    return extras;
}

// Settings as a card's menu.dat would hand them to a form.
struct Shown {
    const char *name;
    CameraSettings settings;
    MenuExtras extras;
};

// A camera form opened for a model, writing into a fresh folder chosen with its
// Select button, as a user would; with the checks the camera form tests share.
class CameraFormFixture : public UiTest {
protected:
    // Every value apart from the others, so a control bound to the wrong
    // setting shows in the bytes; the clock is the test clock the form reads.
    static Shown everythingOn()
    {
        Shown shown{"everything on", openingSettings(), openingExtras()};
        CameraSettings &s = shown.settings;
        s.CameraMode = 2;
        s.ImageSize = 2;
        s.VideoSize = 1;
        s.PictureNo = 2;
        s.VideoLength = 29;
        s.TimeStamp = 1;
        s.Interval = 128 + 45; // 45 seconds
        s.SenseLevel = 3;
        s.Timer = 1;
        s.SidePir = 1;
        s.TimeLapse = 0;
        s.TimeLapseHour = 5;
        s.TimeLapseMinute = 6;
        s.TimeLapseSecond = 7;
        s.TimerStartHour = 8;
        s.TimerStartMinute = 9;
        s.TimerStopHour = 18;
        s.TimerStopMinute = 19;
        s.SerialNo = 1;
        s.SerialDigit1 = 3;
        s.SerialDigit2 = 15;
        s.SerialDigit3 = 27;
        s.SerialDigit4 = 35;
        s.Timer2 = 1;
        s.SdCycle = 1;
        s.BeepSound = 0;
        MenuExtras &e = shown.extras;
        e.secondTimer = {20, 21, 22, 23};
        e.dateFormat = 2; // DDMMYY
        e.wirelessPassword = {1, 2, 3, 4};
        e.wirelessPasswordOn = 1;
        e.k500SdCycle = 1;
        e.longitude = {1, 120, 30, 40};
        e.latitude = {0, 45, 10, 20};
        return shown;
    }

    // The other ends: switches off, the interval in minutes, year-first dates,
    // a coordinate at its bound.
    static Shown everythingOff()
    {
        Shown shown{"everything off", openingSettings(), openingExtras()};
        CameraSettings &s = shown.settings;
        s.ImageSize = 1;
        s.VideoLength = 59;
        s.Interval = 60;
        s.TimeLapseMinute = 59;
        s.TimerStopHour = 23;
        s.SerialDigit4 = 9;
        MenuExtras &e = shown.extras;
        e.secondTimer = {0, 59, 23, 0};
        e.dateFormat = 0; // YYMMDD
        e.wirelessPassword = {0, 0, 0, 7};
        e.longitude = {0, 180, 0, 0};
        e.latitude = {1, 90, 0, 0};
        return shown;
    }

    // Opens a family's form for a model, with the test folder chosen.
    template <typename Form> std::unique_ptr<Form> open(int model)
    {
        setModel(model);
        auto form = std::make_unique<Form>(context());
        FolderChooser::setNextAnswer(QString::fromStdString(folder.str()));
        find<QPushButton>(form.get(), 1057)->click();
        // A folder already holding the form's file offers its settings (the
        // question answered No) or says why it cannot: not what these tests look at.
        MessageBoxes::takeRecorded();
        return form;
    }

    static void perform(QWidget *form, const QList<Step> &steps)
    {
        for (const Step &step : steps) {
            if (step.index >= 0)
                pick(find<QComboBox>(form, step.id), step.index);
            else
                type(find<QLineEdit>(form, step.id), step.text);
        }
    }

    static void press(QWidget *form, int buttonId) { find<QPushButton>(form, buttonId)->click(); }

    // The menu.dat in the test folder; 60 zero bytes when there is none, so a
    // missing file fails the byte checks instead of reading past the end.
    std::vector<std::uint8_t> writtenMenu() const
    {
        std::vector<std::uint8_t> bytes = readFile(folder.path() / "menu.dat");
        EXPECT_EQ(bytes.size(), 60u) << "menu.dat";
        bytes.resize(60, 0);
        return bytes;
    }

    bool menuWritten() const { return std::filesystem::exists(folder.path() / "menu.dat"); }

    // The menu.dat in the test folder, removed so that the next check sees only
    // what was written after it; 60 zero bytes when there is none.
    std::vector<std::uint8_t> takeMenu() const
    {
        std::vector<std::uint8_t> bytes = writtenMenu();
        std::filesystem::remove(folder.path() / "menu.dat");
        return bytes;
    }

    static std::vector<std::uint8_t> bytesOf(const ConfigRecord &record)
    {
        return {record.bytes.begin(), record.bytes.end()};
    }

    // The record the core builds for these settings with the test's record
    // context: camera language 2 (English), TV mode 0.
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

    static QStringList boxTexts()
    {
        QStringList texts;
        for (const MessageBoxes::Shown &box : MessageBoxes::takeRecorded())
            texts << box.text;
        return texts;
    }

    // Runs each row on a fresh form: the steps show exactly the row's messages,
    // and Generate writes the core's record of the changed settings.
    template <typename Form>
    void checkTable(int model, MenuLayout layout, const CameraSettings &opening,
        const QList<EditCase> &table, const QString &generated)
    {
        for (const EditCase &row : table) {
            SCOPED_TRACE(row.name);
            auto form = open<Form>(model);
            boxTexts();
            perform(form.get(), row.steps);
            EXPECT_EQ(boxTexts(), row.messages);
            press(form.get(), 1);
            EXPECT_EQ(boxTexts(), QStringList{generated});
            CameraSettings settings = opening;
            MenuExtras extras = openingExtras();
            row.change(settings, extras);
            EXPECT_EQ(writtenMenu(), coreRecord(layout, settings, extras));
        }
    }

    // The edits are taken in in `order`: with an edit emptied, typing into the
    // next one in the order is not taken in (the pass stops at the empty edit).
    // Checking every neighbouring pair pins the whole order.
    template <typename Form>
    void checkTakeInOrder(int model, const QList<int> &order, const QList<Step> &switchOn)
    {
        for (qsizetype i = 0; i + 1 < order.size(); ++i) {
            const int emptied = order[i];
            const int next = order[i + 1];
            SCOPED_TRACE(testing::Message() << emptied << " before " << next);
            auto form = open<Form>(model);
            perform(form.get(), switchOn);
            perform(form.get(), {typing(emptied, ""), typing(next, "5")});
            EXPECT_NE(form->number(next), 5);
            perform(form.get(), {typing(emptied, "7")});
            EXPECT_EQ(form->number(next), 5) << "taken in once the empty edit is filled";
        }
        boxTexts();
    }

    TempFolder folder;
};

inline const QString kRange023 = QStringLiteral("Please enter an integer between 0 and 23!");
inline const QString kRange059 = QStringLiteral("Please enter an integer between 0 and 59!");
inline const QString kRange060 = QStringLiteral("Please enter an integer between 0 and 60!");
inline const QString kRange160 = QStringLiteral("Please enter an integer between 1 and 60!");

} // namespace marrowby::test
