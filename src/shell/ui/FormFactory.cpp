#include "shell/ui/FormFactory.h"

#include "camera/ui/CMarrowbyCameraMenu.h"
#include "camera/ui/CMarrowbyK400Menu.h"
#include "camera/ui/CMarrowbyK600Menu.h"
#include "camera/ui/CMarrowbyK800Menu.h"
#include "shell/ModelCatalogue.h"

namespace marrowby {

bool formAvailable(FormButton button, int modelIndex)
{
    switch (button) {
    case FormButton::Camera:
        switch (ModelCatalogue::cameraForm(modelIndex)) {
        case CameraFormKind::Standard:
        case CameraFormKind::K600:
        case CameraFormKind::K400:
        case CameraFormKind::K800:
            return true;
        case CameraFormKind::K500:
        case CameraFormKind::K100:
            return false;
        }
        return false;
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
        case CameraFormKind::K600:
            return new CMarrowbyK600Menu;
        case CameraFormKind::K400:
            return new CMarrowbyK400Menu;
        case CameraFormKind::K800:
            return new CMarrowbyK800Menu;
        case CameraFormKind::Standard:
            return new CMarrowbyCameraMenu;
        case CameraFormKind::K500:
        case CameraFormKind::K100:
            break;
        }
        break;
    case FormButton::Mms:
    case FormButton::Smtp:
        break;
    }
    return nullptr;
}

} // namespace marrowby
