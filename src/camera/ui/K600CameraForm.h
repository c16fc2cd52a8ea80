#pragma once

#include "camera/ui/CameraFormEngine.h"

namespace marrowby {

// The camera menu form of the K600 family (K600M, K600MG, K700MG, K810MG and
// the two K600 PLUS models): beep and SD cycling besides the common options,
// and the K600 record layout.
class K600CameraForm : public CameraFormEngine {
    Q_OBJECT
public:
    // On the camera state of its context (the window loop's).
    explicit K600CameraForm(const FormContext &context, QWidget *parent = nullptr);
    K600CameraForm(const FormContext &context, CameraState &state, QWidget *parent = nullptr);

    // The description for a model; exposed for tests.
    static CameraFormDescription description(int modelIndex);
};

} // namespace marrowby
