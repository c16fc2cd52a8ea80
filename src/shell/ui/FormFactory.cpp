#include "shell/ui/FormFactory.h"

#include "camera/ui/CMarrowbyCameraMenu.h"
#include "camera/ui/CMarrowbyK100Menu.h"
#include "camera/ui/CMarrowbyK500Menu.h"
#include "shell/ModelCatalogue.h"

namespace marrowby {

bool formAvailable(FormButton button, int modelIndex)
{
    switch (button) {
    case FormButton::Camera:
        switch (ModelCatalogue::cameraForm(modelIndex)) {
        case CameraFormKind::Standard:
        case CameraFormKind::K500:
        case CameraFormKind::K100:
            return true;
        default:
            return false;
        }
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
        switch (ModelCatalogue::cameraForm(modelIndex)) {
        case CameraFormKind::K500:
            return new CMarrowbyK500Menu;
        case CameraFormKind::K100:
            return new CMarrowbyK100Menu;
        default:
            return new CMarrowbyCameraMenu;
        }
    case FormButton::Mms:
    case FormButton::Smtp:
        break;
    }
    return nullptr;
}

} // namespace marrowby
