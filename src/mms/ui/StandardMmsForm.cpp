#include "mms/ui/StandardMmsForm.h"

namespace marrowby {

StandardMmsForm::StandardMmsForm(const FormContext &context, QWidget *parent)
    : MmsFormEngine(mmsFormVariant(MmsFormKind::Standard, context.modelIndex), context, parent)
{ }

} // namespace marrowby
