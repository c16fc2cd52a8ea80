#pragma once

#include "dialog/FormContext.h"

class QDialog;

namespace marrowby {

struct AppState;

enum class FormButton {
    Camera,
    Mms,
    Smtp
};

// What a form is handed: the model, language and record bytes of the program's
// current choices.
FormContext formContext(const AppState &state);

// The form the catalogue names for the context's model and a button, or nothing
// while that form is not available in this build (the button then does nothing,
// so no other family's form can write the wrong layout).
QDialog *createForm(FormButton button, const FormContext &context);
bool formAvailable(FormButton button, int modelIndex);

} // namespace marrowby
