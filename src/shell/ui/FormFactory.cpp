#include "shell/ui/FormFactory.h"

#include "app/AppState.h"
#include "camera/ui/CMarrowbyCameraMenu.h"
#include "camera/ui/CMarrowbyK100Menu.h"
#include "camera/ui/CMarrowbyK400Menu.h"
#include "camera/ui/CMarrowbyK500Menu.h"
#include "camera/ui/CMarrowbyK600Menu.h"
#include "camera/ui/CMarrowbyK800Menu.h"
#include "dialog/Services.h"
#include "mms/ui/CMarrowbyK600MMS.h"
#include "mms/ui/CMarrowbyMMS.h"
#include "shell/ModelCatalogue.h"
#include "smtp/ui/CMarrowbyK200Smtp.h"
#include "smtp/ui/CMarrowbyK600Smtp.h"

namespace marrowby {

FormContext formContext(const AppState &state, Services &services, CameraState &camera)
{
    return {state.ModelIndex, state.LanguageIndex, state.cameraLanguageByte(), state.tvModeByte(),
        &services, &camera};
}

FormContext formContext(const AppState &state)
{
    // The preference store is looked up when asked for: tests set their own.
    static DesktopServices desktop;
    return formContext(state, desktop, cameraState());
}

bool formAvailable(FormButton button, int modelIndex)
{
    switch (button) {
    case FormButton::Camera:
        switch (ModelCatalogue::cameraForm(modelIndex)) {
        case CameraFormKind::Standard:
        case CameraFormKind::K600:
        case CameraFormKind::K500:
        case CameraFormKind::K400:
        case CameraFormKind::K800:
        case CameraFormKind::K100:
            return true;
        }
        return false;
    case FormButton::Mms:
        return ModelCatalogue::mmsUsable(modelIndex);
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
        switch (ModelCatalogue::cameraForm(context.modelIndex)) {
        case CameraFormKind::Standard:
            return new CMarrowbyCameraMenu(context, cameraState());
        case CameraFormKind::K600:
            return new CMarrowbyK600Menu(context, cameraState());
        case CameraFormKind::K500:
            return new CMarrowbyK500Menu(context, cameraState());
        case CameraFormKind::K400:
            return new CMarrowbyK400Menu(context, cameraState());
        case CameraFormKind::K800:
            return new CMarrowbyK800Menu(context, cameraState());
        case CameraFormKind::K100:
            return new CMarrowbyK100Menu(context, cameraState());
        }
        break;
    case FormButton::Mms:
        if (ModelCatalogue::mmsForm(context.modelIndex) == MmsFormKind::K600)
            return new CMarrowbyK600MMS(context);
        return new CMarrowbyMMS(context);
    case FormButton::Smtp:
        if (ModelCatalogue::smtpForm(context.modelIndex) == SmtpFormKind::K600)
            return new CMarrowbyK600Smtp(context);
        return new CMarrowbyK200Smtp(context);
    }
    return nullptr;
}

} // namespace marrowby
