#include "camera/ui/K600CameraForm.h"

#include "camera/ui/CameraFormParts.h"

namespace marrowby {

using namespace camera_form;

namespace {
namespace id {
constexpr int SidePirLabel = 1012, SidePir = 1028;
constexpr int BeepLabel = 1041, Beep = 1042;
constexpr int SdCycleLabel = 1045, SdCycle = 1046;
} // namespace id
} // namespace

CameraFormDescription K600CameraForm::description(int model)
{
    namespace t = i18n::camera;
    // The K810 leaves its side sensor off unless the user turns it on.
    const int sidePir = sidePirStart(ModelCatalogue::cameraQuirks(model), 1);

    CameraFormDescription d = baseDescription(MenuLayout::K600, TimerIds::K600, &t::Timer);
    d.cells = {
        modeCell(),
        imageSizeCell(QStringList{"12MP", "5MP", "2MP"}),
        videoSizeCell(QStringList{"1440x1080", "1280x720", "640x480"}, 1, 1),
        pictureNoCell(),
        timeStampCell(),
        sensorLevelCell(),
        offOnCell(id::SidePirLabel, &t::SidePir, id::SidePir, MenuField::SidePir, sidePir, sidePir),
        videoLengthCell(),
        intervalCell(),
        dateFormatCell(),
        offOnCell(id::BeepLabel, &t::BeepSound, id::Beep, MenuField::BeepSound, 1, 1),
        offOnCell(id::SdCycleLabel, &t::SdCycle, id::SdCycle, MenuField::SdCycle),
    };
    d.cells.last().keepOnDefault = true; // SD Cycle
    d.generatedMessage = &t::MenuFileGeneratedShort;
    d.factoryMessage = &t::FactoryFileGeneratedNoSpace;
    return d;
}

K600CameraForm::K600CameraForm(const FormContext &context, QWidget *parent)
    : K600CameraForm(context, *context.cameraState, parent)
{ }

K600CameraForm::K600CameraForm(const FormContext &context, CameraState &state, QWidget *parent)
    : CameraFormEngine(description(context.modelIndex), context, state, parent)
{
    setObjectName(QStringLiteral("140"));
    build();
}

} // namespace marrowby
