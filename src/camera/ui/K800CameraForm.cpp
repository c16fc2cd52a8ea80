#include "camera/ui/K800CameraForm.h"

#include "camera/ui/CameraFormParts.h"

namespace marrowby {

using namespace camera_form;

namespace {
namespace id {
constexpr int BeepLabel = 1041, Beep = 1042;
constexpr int SdCycleLabel = 1045, SdCycle = 1046;
} // namespace id
} // namespace

CameraFormDescription K800CameraForm::description()
{
    namespace t = i18n::camera;
    CameraFormDescription d = baseDescription(MenuLayout::K800, TimerIds::K600, &t::Timer);
    Cell sdCycle = offOnCell(id::SdCycleLabel, &t::SdCycle, id::SdCycle, MenuField::SdCycle);
    Cell beep = offOnCell(id::BeepLabel, &t::BeepSound, id::Beep, MenuField::BeepSound, 1);
    sdCycle.keepOnDefault = beep.keepOnDefault = true;
    d.cells = {
        modeCell(),
        imageSizeCell(QStringList{"12MP", "5MP", "2MP"}),
        // Default selects "1440x1080", although the form opens on "1280x720".
        videoSizeCell(QStringList{"1440x1080", "1280x720", "640x480"}, 1, 0),
        pictureNoCell(),
        timeStampCell(),
        sensorLevelCell(),
        sdCycle,
        videoLengthCell(),
        intervalCell(),
        dateFormatCell(),
        beep,
    };
    // Default keeps Beep Sound, SD Cycle, the interval and the second timer's times.
    keepOnDefault(d, {CameraId::IntervalValue});
    keepOnDefault(d, secondTimerEdits(TimerIds::K600));
    d.fixedValues = {{MenuField::SidePir, 0}}; // no side sensor
    d.generatedMessage = &t::MenuFileGeneratedShort;
    d.factoryMessage = &t::FactoryFileGeneratedNoSpace;
    return d;
}

K800CameraForm::K800CameraForm(const FormContext &context, QWidget *parent)
    : K800CameraForm(context, *context.cameraState, parent)
{ }

K800CameraForm::K800CameraForm(const FormContext &context, CameraState &state, QWidget *parent)
    : CameraFormEngine(description(), context, state, parent)
{
    setObjectName(QStringLiteral("157"));
    build();
}

} // namespace marrowby
