#pragma once

#include "camera/ui/CameraFormEngine.h"

namespace marrowby {

// The camera menu form of the K500 family (K500A, K500WA, K500MG and
// K410MG-1080P): a typed clock, a geographic coordinate and SD-card cycling.
class K500CameraForm : public CameraFormEngine {
    Q_OBJECT
public:
    // On the camera state of its context (the window loop's).
    explicit K500CameraForm(const FormContext &context, QWidget *parent = nullptr);
    K500CameraForm(const FormContext &context, CameraState &state, QWidget *parent = nullptr);

    // The description for a model and UI language; exposed for tests.
    static CameraFormDescription description(int modelIndex, int languageIndex);
};

} // namespace marrowby
