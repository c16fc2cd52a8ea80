#pragma once

#include "camera/ui/CameraFormEngine.h"

namespace marrowby {

// The camera menu form of the standard family (K200M, K200MG, K300MG, the two
// 1080P models and the fallback).
class CMarrowbyCameraMenu : public CameraFormEngine {
    Q_OBJECT
public:
    explicit CMarrowbyCameraMenu(QWidget *parent = nullptr);

    // The description for a model; exposed for tests.
    static CameraFormDescription description(int modelIndex);

protected:
    void collect(CameraSettings &settings, MenuExtras &extras) const override;
};

} // namespace marrowby
