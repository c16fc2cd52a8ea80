#include "smtp/ui/K600SmtpForm.h"

namespace marrowby {

namespace {

const SmtpFormPlacement k600Placement{
    .modeFrame = 1094,
    .picturesFrame = 1095,
    .countryFrame = 1096,
    .smsRemoteFrame = 0,
    .smsRemoteLabel = 1107,
    .statusLabel = 1113,
    .gprsGroup = 1146,
    .smsGroup = 1147,
};

} // namespace

K600SmtpForm::K600SmtpForm(const FormContext &context, QWidget *parent)
    : SmtpFormEngine(k600SmtpForm, k600Placement, context, parent)
{ }

} // namespace marrowby
