#include "smtp/ui/K200SmtpForm.h"

namespace marrowby {

namespace {

const SmtpFormPlacement k200Placement{
    .modeFrame = 1094,
    .picturesFrame = 1095,
    .countryFrame = 1096,
    .smsRemoteFrame = 1131,
    .smsRemoteLabel = 1132,
    .statusLabel = 0,
    .gprsGroup = 1107,
    .smsGroup = 1083,
};

} // namespace

K200SmtpForm::K200SmtpForm(const FormContext &context, QWidget *parent)
    : SmtpFormEngine(k200SmtpForm, k200Placement, context, parent)
{ }

} // namespace marrowby
