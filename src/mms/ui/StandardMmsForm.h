#pragma once

#include "mms/ui/MmsFormEngine.h"

namespace marrowby {

// The MMS settings form of the older camera families (K200M, K200MG, K300MG, K400MG, K410MG and the
// fallback).
class StandardMmsForm : public MmsFormEngine {
    Q_OBJECT
public:
    explicit StandardMmsForm(const FormContext &context, QWidget *parent = nullptr);
};

} // namespace marrowby
