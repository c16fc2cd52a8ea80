#pragma once

class QDialog;

namespace marrowby {

enum class FormButton {
    Camera,
    Mms,
    Smtp
};

// The form the catalogue names for a model and button, or nothing while that
// form is not available in this build (the button then does nothing, so no
// other family's form can write the wrong layout).
QDialog *createForm(FormButton button, int modelIndex);
bool formAvailable(FormButton button, int modelIndex);

} // namespace marrowby
