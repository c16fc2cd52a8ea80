#include "shell/ui/FormFactory.h"

#include "app/AppState.h"
#include "camera/ui/CMarrowbyCameraMenu.h"
#include "mms/ui/CMarrowbyK600MMS.h"
#include "mms/ui/CMarrowbyMMS.h"
#include "shell/ModelCatalogue.h"

namespace marrowby {

FormContext formContext(const AppState &state)
{
    return {state.ModelIndex, state.LanguageIndex, state.cameraLanguageByte(), state.tvModeByte()};
}

bool formAvailable(FormButton button, int modelIndex)
{
    switch (button) {
    case FormButton::Camera:
        return ModelCatalogue::cameraForm(modelIndex) == CameraFormKind::Standard;
    case FormButton::Mms:
        return ModelCatalogue::mmsUsable(modelIndex);
    case FormButton::Smtp:
        return false;
    }
    return false;
}

QDialog *createForm(FormButton button, const FormContext &context)
{
    if (!formAvailable(button, context.modelIndex))
        return nullptr;
    switch (button) {
    case FormButton::Camera:
        return new CMarrowbyCameraMenu(context, cameraState());
    case FormButton::Mms:
        if (ModelCatalogue::mmsForm(context.modelIndex) == MmsFormKind::K600)
            return new CMarrowbyK600MMS(context);
        return new CMarrowbyMMS(context);
    case FormButton::Smtp:
        break;
    }
    return nullptr;
}

} // namespace marrowby
