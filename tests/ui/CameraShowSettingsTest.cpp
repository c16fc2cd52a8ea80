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

class CameraShowSettings : public CameraFormFixture {
protected:
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
