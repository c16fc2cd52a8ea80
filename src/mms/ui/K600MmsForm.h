#pragma once

#include "mms/ui/MmsFormEngine.h"

namespace marrowby {

// The MMS settings form of the newer camera families (the K600, K700, K800 and K810 families,
// K500MG and the 1080P models), with the phone-or-e-mail variant of the K410MG-1080P.
class K600MmsForm : public MmsFormEngine {
    Q_OBJECT
public:
    explicit K600MmsForm(const FormContext &context, QWidget *parent = nullptr);
};

} // namespace marrowby
