#pragma once

#include "camera/ui/CameraFormEngine.h"

namespace marrowby {

// The camera menu form of the K400 family (K400MG, K410MG): no side sensor,
// beep or SD cycling; its record always carries 1 as Side Pir.
class CMarrowbyK400Menu : public CameraFormEngine {
    Q_OBJECT
public:
    explicit CMarrowbyK400Menu(
        const FormContext &context, CameraState &state = cameraState(), QWidget *parent = nullptr);

    static CameraFormDescription description();
};

} // namespace marrowby
