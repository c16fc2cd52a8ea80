#pragma once

#include "camera/ui/CameraFormEngine.h"

namespace marrowby {

// The camera menu form of the K100: a typed clock and a four-digit wireless
// password with its on/off switch; no side sensor, SD cycling or beep.
class K100CameraForm : public CameraFormEngine {
    Q_OBJECT
public:
    // On the camera state of its context (the window loop's).
    explicit K100CameraForm(const FormContext &context, QWidget *parent = nullptr);
    K100CameraForm(const FormContext &context, CameraState &state, QWidget *parent = nullptr);

    // The form's description; exposed for tests.
    static CameraFormDescription description();
};

} // namespace marrowby
