#pragma once

#include "camera/CameraRecord.h"
#include "dialog/FormContext.h"

class QDialog;

namespace marrowby {

struct AppState;
struct CameraState;
class Services;

enum class FormButton {
    Camera,
    Mms,
    Smtp
};

// What a form is handed: the model, language and record bytes of the program's
// current choices, the program's services and the camera state it works on.
FormContext formContext(const AppState &state, Services &services, CameraState &camera);
// The same with the desktop's services and the camera state of the process
// (benchmarks and tests that make forms without a window loop).
FormContext formContext(const AppState &state);

// The form the catalogue names for the context's model and a button, or nothing
// when the model has no such form (its MMS button is disabled); the makers are
// one table per form kind, keyed by what the catalogue names.
QDialog *createForm(FormButton button, const FormContext &context);
bool formAvailable(FormButton button, int modelIndex);

using FormMaker = QDialog *(*)(const FormContext &);

// The camera form of a family beyond the program's own (see
// CameraFamilyRegistration), known for as long as this object lives.
class CameraFormRegistration {
public:
    CameraFormRegistration(MenuLayout layout, FormMaker make);
    ~CameraFormRegistration();
    CameraFormRegistration(const CameraFormRegistration &) = delete;
    CameraFormRegistration &operator=(const CameraFormRegistration &) = delete;

private:
    MenuLayout m_layout;
};

} // namespace marrowby
