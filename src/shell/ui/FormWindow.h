#pragma once

#include <QDialog>

namespace marrowby {

// The base of every window of the program: the common colours, and Enter and
// Escape as in a dialog (Escape and the close box cancel; Enter runs the window's
// accept command, which a form may override).
class FormWindow : public QDialog {
    Q_OBJECT
public:
    explicit FormWindow(QWidget *parent = nullptr);

protected:
    // Call at the end of building the controls.
    void finishBuilding();
    // Enter or Return anywhere in the window.
    virtual void acceptCommand();
    void keyPressEvent(QKeyEvent *event) override;
};

// A label, frame caption or button found by its control id.
template <typename T> T *control(const QWidget *window, int id)
{
    return window->findChild<T *>(QString::number(id));
}

} // namespace marrowby
