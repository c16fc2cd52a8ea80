#include "camera/ui/StandardCameraForm.h"

#include "camera/ui/CameraFormParts.h"
#include "catalogue/ModelCatalogue.h"
#include "dialog/Texts.h"

namespace marrowby {

using namespace camera_form;

namespace {
namespace id {
constexpr int SidePirLabel = 1012, SidePir = 1028;
constexpr int SdCycleLabel = 1051, SdCycle = 1052;
} // namespace id
} // namespace

CameraFormDescription StandardCameraForm::description(int model, int language)
{
    namespace t = i18n::camera;
    const CameraQuirks &quirks = ModelCatalogue::cameraQuirks(model);
    OptionSource modes = &t::CaptureModeOptions;
    if (quirks.photoAndVideoOnly)
        modes = optionTexts(t::CaptureModeOptions, language).mid(0, 2);

    CameraFormDescription d = baseDescription(MenuLayout::Standard, TimerIds::Standard, &t::Timer);
    d.cells = {
        modeCell(modes),
        imageSizeCell(
            sizeList(quirks.imageSizes, "5MP 12MP 1.3MP"), startEntry(quirks.imageSizeStart, 0), 1),
        videoSizeCell(sizeList(quirks.videoSizes, "640x480 320x240"),
            startEntry(quirks.videoSizeStart, 0), 1),
        pictureNoCell(),
        timeStampCell(),
        sensorLevelCell(),
        offOnCell(id::SidePirLabel, &t::SidePir, id::SidePir, MenuField::SidePir, 1, 1),
        videoLengthCell(),
        intervalCell(),
        dateFormatCell(),
        offOnCell(id::SdCycleLabel, &t::SdCycle, id::SdCycle, MenuField::SdCycle),
    };
    d.cells.last().visible = quirks.sdCycleShown;
    d.generatedMessage = &t::MenuFileGenerated;
    d.factoryMessage = &t::FactoryFileGenerated;
    d.factoryRecord = CameraFormDescription::FactoryRecord::ResetForm;
    return d;
}

StandardCameraForm::StandardCameraForm(const FormContext &context, QWidget *parent)
    : StandardCameraForm(context, *context.cameraState, parent)
{ }

StandardCameraForm::StandardCameraForm(
    const FormContext &context, CameraState &state, QWidget *parent)
    : CameraFormEngine(
        description(context.modelIndex, context.languageIndex), context, state, parent)
{
    setObjectName(QStringLiteral("129"));
    build();
}

} // namespace marrowby
