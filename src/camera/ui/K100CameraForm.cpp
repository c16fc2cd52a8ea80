#include "camera/ui/K100CameraForm.h"

#include "camera/ui/CameraFormParts.h"

namespace marrowby {

using namespace camera_form;

namespace {

constexpr int kPasswordLabelId = 1012;
constexpr int kPasswordId = 1028;
constexpr int kPasswordSwitchId = 1049;

} // namespace

CameraFormDescription K100CameraForm::description()
{
    namespace t = i18n::camera;
    const QString defaultPassword = QStringLiteral("7391");

    CameraFormDescription d = baseDescription(MenuLayout::K100, TimerIds::Standard, &t::Timer1);
    Cell password = offOnCell(
        kPasswordLabelId, &t::WirelessPwd, kPasswordSwitchId, MenuField::WirelessPasswordOn);
    password.editId = kPasswordId;
    password.editField = MenuField::WirelessPassword;
    d.cells = {
        modeCell(),
        imageSizeCell(QStringList{"3MP", "5MP", "1.3MP"}, 1, 1),
        videoSizeCell(QStringList{"640x480", "320x240"}),
        pictureNoCell(),
        timeStampCell(),
        sensorLevelCell(),
        videoLengthCell(),
        password,
        intervalCell(),
        dateFormatCell(),
    };
    // Four digits, never taken in: Generate reads the text as the edit shows it.
    d.texts = {{kPasswordId, 4, true, defaultPassword, defaultPassword}};
    // "Off" only locks the password; its text still goes to the camera.
    d.switches.append({kPasswordSwitchId, 0, {kPasswordId}, {}, false});
    d.fixedValues = {{MenuField::SidePir, 0}}; // no side sensor
    d.clockEditable = true;
    d.clockOrder = kDefaultDateFormat; // the Date Format the form starts with
    return d;
}

K100CameraForm::K100CameraForm(const FormContext &context, QWidget *parent)
    : K100CameraForm(context, *context.cameraState, parent)
{ }

K100CameraForm::K100CameraForm(const FormContext &context, CameraState &state, QWidget *parent)
    : CameraFormEngine(description(), context, state, parent)
{
    setObjectName(QStringLiteral("163"));
    build();
}

} // namespace marrowby
