#pragma once

#include "camera/ui/CameraFormEngine.h"

namespace marrowby {

// The camera menu form of the K800MG: the K600 options without the side sensor
// (its record always carries 0 as Side Pir), and a Default that keeps beep,
// SD cycling, the interval and the second timer's times.
class K800CameraForm : public CameraFormEngine {
    Q_OBJECT
public:
    // On the camera state of its context (the window loop's).
    explicit K800CameraForm(const FormContext &context, QWidget *parent = nullptr);
    K800CameraForm(const FormContext &context, CameraState &state, QWidget *parent = nullptr);

    static CameraFormDescription description();
};

} // namespace marrowby
