#include "shell/ui/FormFactory.h"

#include "app/AppState.h"
#include "camera/ui/CMarrowbyCameraMenu.h"
#include "shell/ModelCatalogue.h"
#include "smtp/ui/CMarrowbyK200Smtp.h"
#include "smtp/ui/CMarrowbyK600Smtp.h"

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
        return false;
    case FormButton::Smtp:
        return true; // every model has one of the two SMTP forms
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
    case FormButton::Smtp:
        if (ModelCatalogue::smtpForm(context.modelIndex) == SmtpFormKind::K600)
            return new CMarrowbyK600Smtp(context);
        return new CMarrowbyK200Smtp(context);
    case FormButton::Mms:
        break;
    }
    return nullptr;
}

} // namespace marrowby
