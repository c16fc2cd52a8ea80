#pragma once

#include "shell/ui/FormFactory.h"

#include <QDialog>
#include <QObject>
#include <QPointer>

namespace marrowby {

// Runs the windows one after the other: the main window; then the form it asked
// for; after the form's Exit, Escape or close box a fresh main window; and so on.
// Each window is opened only when the previous one has ended, so nothing nests.
// The loop finishes when a main window is closed or a form ends without the way
// back (Enter on an SMTP form).
class WindowLoop : public QObject {
    Q_OBJECT
public:
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
};

} // namespace marrowby
