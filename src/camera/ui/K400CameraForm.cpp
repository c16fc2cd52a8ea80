#include "camera/ui/K400CameraForm.h"

#include "camera/ui/CameraFormParts.h"

namespace marrowby {

using namespace camera_form;

// The K400 has no side sensor: its record carries 1 in that byte, and the
// Side Pir setting stays as another form left it.
CameraFormDescription K400CameraForm::description()
{
    namespace t = i18n::camera;
    CameraFormDescription d = baseDescription(MenuLayout::K400, TimerIds::Standard, &t::Timer);
    // Three rows of two cells, then Interval beside Video Length, then Date Format alone.
    d.cells = {
        modeCell(),
        imageSizeCell(QStringList{"12MP", "5MP", "1.3MP"}),
        videoSizeCell(QStringList{"1280x720", "640x480", "320x240"}),
        pictureNoCell(),
        timeStampCell(),
        sensorLevelCell(),
        intervalCell(),
        videoLengthCell(),
        dateFormatCell(),
    };
    // Default keeps the interval value and the second timer's times.
    keepOnDefault(d, {CameraId::IntervalValue});
    keepOnDefault(d, secondTimerEdits(TimerIds::Standard));
    return d;
}

K400CameraForm::K400CameraForm(const FormContext &context, QWidget *parent)
    : K400CameraForm(context, *context.cameraState, parent)
{ }

K400CameraForm::K400CameraForm(const FormContext &context, CameraState &state, QWidget *parent)
    : CameraFormEngine(description(), context, state, parent)
{
    setObjectName(QStringLiteral("148"));
    build();
}

} // namespace marrowby
