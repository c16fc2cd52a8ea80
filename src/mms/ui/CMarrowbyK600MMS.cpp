#include "mms/ui/CMarrowbyK600MMS.h"

namespace marrowby {

CMarrowbyK600MMS::CMarrowbyK600MMS(const FormContext &context, QWidget *parent)
    : MmsFormEngine(mmsFormVariant(MmsFormKind::K600, context.modelIndex), context, parent)
{ }

} // namespace marrowby
