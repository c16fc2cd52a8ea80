#include "CameraFormFixture.h"

#include "camera/ui/K100CameraForm.h"
#include "camera/ui/K400CameraForm.h"
#include "camera/ui/K500CameraForm.h"
#include "camera/ui/K600CameraForm.h"
#include "camera/ui/K800CameraForm.h"
#include "camera/ui/StandardCameraForm.h"

using namespace marrowby;
using namespace marrowby::test;

namespace {

// Settings as a card's menu.dat would hand them to a form.
struct Shown {
    const char *name;
    CameraSettings settings;
    MenuExtras extras;
};

class CameraShowSettings : public CameraFormFixture {
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

    // Each row shown on a fresh form: Generate writes what the core writes for
    // the row's settings.
    template <typename Form>
    void checkShown(int model, MenuLayout layout, const std::function<void(Shown &)> &fit = {})
    {
        for (Shown row : {everythingOn(), everythingOff()}) {
            SCOPED_TRACE(row.name);
            if (fit)
                fit(row);
            auto form = open<Form>(model);
            form->showSettings(row.settings, row.extras);
            boxTexts();
            press(form.get(), CameraId::Generate);
            EXPECT_EQ(boxTexts().size(), 1) << "the generated message alone";
            EXPECT_EQ(writtenMenu(), coreRecord(layout, row.settings, row.extras));
        }
    }
};

} // namespace

TEST_F(CameraShowSettings, StandardFormWritesWhatItShows)
{
    checkShown<StandardCameraForm>(15, MenuLayout::Standard, [](Shown &row) {
        row.settings.VideoSize = 3; // the 1080P models' fourth video size
    });
    checkShown<StandardCameraForm>(1, MenuLayout::Standard);
}

TEST_F(CameraShowSettings, K100FormWritesWhatItShows)
{
    checkShown<K100CameraForm>(14, MenuLayout::K100);
}

TEST_F(CameraShowSettings, K400FormWritesWhatItShows)
{
    checkShown<K400CameraForm>(6, MenuLayout::K400);
}

TEST_F(CameraShowSettings, K500FormWritesWhatItShows)
{
    checkShown<K500CameraForm>(13, MenuLayout::K500, [](Shown &row) {
        row.settings.ImageSize = 3; // the K500MG's fourth image size
        row.settings.VideoSize = 3;
    });
}

TEST_F(CameraShowSettings, K600FormWritesWhatItShows)
{
    checkShown<K600CameraForm>(4, MenuLayout::K600);
}

TEST_F(CameraShowSettings, K800FormWritesWhatItShows)
{
    checkShown<K800CameraForm>(8, MenuLayout::K800);
}

// A typed clock is left as typed: only its text follows the Date Format shown.
TEST_F(CameraShowSettings, ATypedClockKeepsItsValue)
{
    auto form = open<K500CameraForm>(13);
    type(find<QLineEdit>(form.get(), CameraId::ClockText), "12/31/2020 23:58:57");
    Shown row = everythingOn(); // Date Format DDMMYY
    form->showSettings(row.settings, row.extras);
    EXPECT_EQ(find<QLineEdit>(form.get(), CameraId::ClockText)->text(), "31/12/2020 23:58:57");
    boxTexts();
    press(form.get(), CameraId::Generate);
    row.settings.ClockYear = 10;
    row.settings.ClockMonth = 12;
    row.settings.ClockDay = 31;
    row.settings.ClockHour = 23;
    row.settings.ClockMinute = 58;
    row.settings.ClockSecond = 57;
    EXPECT_EQ(writtenMenu(), coreRecord(MenuLayout::K500, row.settings, row.extras));
}
