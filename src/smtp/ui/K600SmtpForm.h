#pragma once

#include "smtp/ui/SmtpFormEngine.h"

namespace marrowby {

// The SMTP form of the K600 family: an SMTP status list, one recipient shown
// (the Email 2 to Email 5 rows are hidden and never written), smtp.dat in the
// K600 layout.
class K600SmtpForm : public SmtpFormEngine {
    Q_OBJECT
public:
    explicit K600SmtpForm(const FormContext &context, QWidget *parent = nullptr);
};

} // namespace marrowby
