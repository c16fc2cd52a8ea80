#pragma once

#include "camera/CameraSettings.h"
#include "dialog/Services.h"
#include "shell/ui/FormFactory.h"

#include <QDialog>
#include <QObject>
#include <QPointer>

#include <memory>

namespace marrowby {

// Runs the windows one after the other: the main window; then the form it asked
// for; after the form's Exit, Escape or close box a fresh main window; and so on.
// Each window is opened only when the previous one has ended, so nothing nests.
// The loop finishes when a main window is closed or a form ends without the way
// back.
class WindowLoop : public QObject {
    Q_OBJECT
public:
    // The forms get `services`; without them, the desktop's services.
    explicit WindowLoop(Services *services = nullptr);
    void start();
    // The window on screen, or nothing after the loop has finished.
    QDialog *currentWindow() const { return m_current; }

signals:
    void finished();

private:
    void openMainWindow();
    void mainWindowEnded();
    void formEnded(int result);
    void show(QDialog *window);

    QPointer<QDialog> m_current;
    std::unique_ptr<Services> m_ownServices;
    Services *m_services;
    // The camera settings and clock the camera forms work on, kept from one
    // form to the next while the program runs.
    CameraState m_cameraState;
};

} // namespace marrowby
