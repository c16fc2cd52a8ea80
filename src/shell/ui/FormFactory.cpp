#include "shell/ui/FormFactory.h"

#include "app/AppState.h"
#include "camera/ui/K100CameraForm.h"
#include "camera/ui/K400CameraForm.h"
#include "camera/ui/K500CameraForm.h"
#include "camera/ui/K600CameraForm.h"
#include "camera/ui/K800CameraForm.h"
#include "camera/ui/StandardCameraForm.h"
#include "catalogue/ModelCatalogue.h"
#include "dialog/Services.h"
#include "mms/ui/K600MmsForm.h"
#include "mms/ui/StandardMmsForm.h"
#include "smtp/ui/K200SmtpForm.h"
#include "smtp/ui/K600SmtpForm.h"

#include <map>
#include <utility>

namespace marrowby {

namespace {

template <typename Form> QDialog *makeCameraForm(const FormContext &context)
{
    return new Form(context, context.cameraState ? *context.cameraState : cameraState());
}

template <typename Form> QDialog *makeForm(const FormContext &context)
{
    return new Form(context);
}

// The camera form of each family, named by the menu.dat layout it writes.
constexpr std::pair<MenuLayout, FormMaker> kCameraForms[] = {
    {MenuLayout::Standard, makeCameraForm<StandardCameraForm>},
    {MenuLayout::K100, makeCameraForm<K100CameraForm>},
    {MenuLayout::K400, makeCameraForm<K400CameraForm>},
    {MenuLayout::K500, makeCameraForm<K500CameraForm>},
    {MenuLayout::K600, makeCameraForm<K600CameraForm>},
    {MenuLayout::K800, makeCameraForm<K800CameraForm>},
};
constexpr std::pair<MmsFormKind, FormMaker> kMmsForms[] = {
    {MmsFormKind::Standard, makeForm<StandardMmsForm>},
    {MmsFormKind::K600, makeForm<K600MmsForm>},
};
constexpr std::pair<SmtpFormKind, FormMaker> kSmtpForms[] = {
    {SmtpFormKind::K200, makeForm<K200SmtpForm>},
    {SmtpFormKind::K600, makeForm<K600SmtpForm>},
};

template <typename Kind, std::size_t N>
FormMaker makerOf(const std::pair<Kind, FormMaker> (&makers)[N], Kind kind)
{
    for (const auto &[each, make] : makers) {
        if (each == kind)
            return make;
    }
    return nullptr;
}

std::map<MenuLayout, FormMaker> &registeredCameraForms()
{
    static std::map<MenuLayout, FormMaker> makers;
    return makers;
}

FormMaker cameraFormMaker(MenuLayout layout)
{
    if (const FormMaker make = makerOf(kCameraForms, layout))
        return make;
    const auto registered = registeredCameraForms().find(layout);
    return registered != registeredCameraForms().end() ? registered->second : nullptr;
}

// The maker of the form a button opens for a model, or nothing.
FormMaker formMaker(FormButton button, int modelIndex)
{
    switch (button) {
    case FormButton::Camera:
        return cameraFormMaker(ModelCatalogue::cameraForm(modelIndex));
    case FormButton::Mms:
        return ModelCatalogue::mmsUsable(modelIndex)
            ? makerOf(kMmsForms, ModelCatalogue::mmsForm(modelIndex))
            : nullptr;
    case FormButton::Smtp:
        // Every model has one of the two SMTP forms.
        return makerOf(kSmtpForms, ModelCatalogue::smtpForm(modelIndex));
    }
    return nullptr;
}

} // namespace

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
    return formMaker(button, modelIndex) != nullptr;
}

CameraFormRegistration::CameraFormRegistration(MenuLayout layout, FormMaker make)
    : m_layout(layout)
{
    registeredCameraForms()[layout] = make;
}

CameraFormRegistration::~CameraFormRegistration()
{
    registeredCameraForms().erase(m_layout);
}

QDialog *createForm(FormButton button, const FormContext &context)
{
    const FormMaker make = formMaker(button, context.modelIndex);
    return make ? make(context) : nullptr;
}

} // namespace marrowby
