#pragma once

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
// while that form is not available in this build (the button then does nothing,
// so no other family's form can write the wrong layout).
QDialog *createForm(FormButton button, const FormContext &context);
bool formAvailable(FormButton button, int modelIndex);

} // namespace marrowby
