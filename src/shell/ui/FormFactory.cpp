#include "shell/ui/FormFactory.h"

#include "camera/ui/CMarrowbyCameraMenu.h"
#include "shell/ModelCatalogue.h"

namespace marrowby {

bool formAvailable(FormButton button, int modelIndex)
{
    switch (button) {
    case FormButton::Camera:
        return ModelCatalogue::cameraForm(modelIndex) == CameraFormKind::Standard;
    case FormButton::Mms:
    case FormButton::Smtp:
        return false;
    }
    return false;
}

QDialog *createForm(FormButton button, int modelIndex)
{
    if (!formAvailable(button, modelIndex))
        return nullptr;
    switch (button) {
    case FormButton::Camera:
        return new CMarrowbyCameraMenu;
    case FormButton::Mms:
    case FormButton::Smtp:
        break;
    }
    return nullptr;
}

} // namespace marrowby
