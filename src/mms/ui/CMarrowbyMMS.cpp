#include "mms/ui/CMarrowbyMMS.h"

namespace marrowby {

CMarrowbyMMS::CMarrowbyMMS(const FormContext &context, QWidget *parent)
    : MmsFormEngine(mmsFormVariant(MmsFormKind::Standard, context.modelIndex), context, parent)
{ }

} // namespace marrowby
