#include "mms/ui/K600MmsForm.h"

namespace marrowby {

K600MmsForm::K600MmsForm(const FormContext &context, QWidget *parent)
    : MmsFormEngine(mmsFormVariant(MmsFormKind::K600, context.modelIndex), context, parent)
{ }

} // namespace marrowby
