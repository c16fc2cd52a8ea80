#pragma once

#include "camera/ui/CameraFormEngine.h"

namespace marrowby {

// The camera menu form of the K400 family (K400MG, K410MG): no side sensor,
// beep or SD cycling; its record always carries 1 as Side Pir.
class K400CameraForm : public CameraFormEngine {
    Q_OBJECT
public:
    // On the camera state of its context (the window loop's).
    explicit K400CameraForm(const FormContext &context, QWidget *parent = nullptr);
    K400CameraForm(const FormContext &context, CameraState &state, QWidget *parent = nullptr);

    static CameraFormDescription description();
};

} // namespace marrowby
