#include "shell/ui/FormFactory.h"

#include "app/AppState.h"
#include "camera/ui/CMarrowbyCameraMenu.h"
#include "camera/ui/CMarrowbyK100Menu.h"
#include "camera/ui/CMarrowbyK400Menu.h"
#include "camera/ui/CMarrowbyK500Menu.h"
#include "camera/ui/CMarrowbyK600Menu.h"
#include "camera/ui/CMarrowbyK800Menu.h"
#include "mms/ui/CMarrowbyK600MMS.h"
#include "mms/ui/CMarrowbyMMS.h"
#include "shell/ModelCatalogue.h"
#include "smtp/ui/CMarrowbyK200Smtp.h"
#include "smtp/ui/CMarrowbyK600Smtp.h"

#include <utility>

namespace marrowby {

namespace {

using CameraMaker = QDialog *(*)(const FormContext &);

template <typename Form> QDialog *makeCameraForm(const FormContext &context)
{
    return new Form(context, cameraState());
}

// The camera form of each family, named by the menu.dat layout it writes.
constexpr std::pair<MenuLayout, CameraMaker> kCameraForms[] = {
    {MenuLayout::Standard, makeCameraForm<CMarrowbyCameraMenu>},
    {MenuLayout::K100, makeCameraForm<CMarrowbyK100Menu>},
    {MenuLayout::K400, makeCameraForm<CMarrowbyK400Menu>},
    {MenuLayout::K500, makeCameraForm<CMarrowbyK500Menu>},
    {MenuLayout::K600, makeCameraForm<CMarrowbyK600Menu>},
    {MenuLayout::K800, makeCameraForm<CMarrowbyK800Menu>},
};

CameraMaker cameraMaker(int modelIndex)
{
    const MenuLayout layout = ModelCatalogue::cameraForm(modelIndex);
    for (const auto &[family, make] : kCameraForms) {
        if (family == layout)
            return make;
    }
    return nullptr;
}

} // namespace

FormContext formContext(const AppState &state)
{
    return {state.ModelIndex, state.LanguageIndex, state.cameraLanguageByte(), state.tvModeByte()};
}

bool formAvailable(FormButton button, int modelIndex)
{
    switch (button) {
    case FormButton::Camera:
        return cameraMaker(modelIndex) != nullptr;
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
        return cameraMaker(context.modelIndex)(context);
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
