#pragma once

#include "smtp/ui/SmtpFormEngine.h"

namespace marrowby {

// The SMTP form of every model outside the K600 family: no SMTP status, a single
// recipient, 32-character e-mail addresses, smtp.dat in the K200 layout.
class K200SmtpForm : public SmtpFormEngine {
    Q_OBJECT
public:
    explicit K200SmtpForm(const FormContext &context, QWidget *parent = nullptr);
};

} // namespace marrowby
