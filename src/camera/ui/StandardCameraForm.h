#pragma once

#include "camera/ui/CameraFormEngine.h"

namespace marrowby {

// The camera menu form of the standard family (K200M, K200MG, K300MG, the two
// 1080P models and the fallback).
class StandardCameraForm : public CameraFormEngine {
    Q_OBJECT
public:
    // On the camera state of its context (the window loop's).
    explicit StandardCameraForm(const FormContext &context, QWidget *parent = nullptr);
    StandardCameraForm(const FormContext &context, CameraState &state, QWidget *parent = nullptr);

    // The description for a model in a language; exposed for tests.
    static CameraFormDescription description(int modelIndex, int languageIndex);
};

} // namespace marrowby
