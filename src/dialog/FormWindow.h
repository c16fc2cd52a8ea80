#pragma once

#include <QDialog>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace marrowby {

// The base of every window of the program: the common colours, the keys of a
// standard dialog, and the making of controls by their ids.
//
// Keys: Escape and the close box cancel (the common way back on a form). Enter
// or Return on a focused push button presses that button; anywhere else it runs
// the window's accept command, which a form may override. Space presses a
// focused button as usual.
class FormWindow : public QDialog {
    Q_OBJECT
public:
    explicit FormWindow(QWidget *parent = nullptr);

protected:
    // Call at the end of building the controls.
    void finishBuilding();
    // Enter or Return anywhere but on a focused push button.
    virtual void acceptCommand();
    void keyPressEvent(QKeyEvent *event) override;

    // Every control of a window is made here, named by its id (objectName "1002");
    // id 0 makes an unnamed control (the ":" between time edits, plain frames).
    QLabel *makeLabel(int id, const QString &caption);
    QComboBox *makeList(int id, const QStringList &entries);
    // A free-text edit; `maxLength` limits typing (0: the toolkit's default).
    QLineEdit *makeEdit(int id, int maxLength = 0);
    // A digits-only edit showing its text centred.
    QLineEdit *makeNumberEdit(int id);
    // Push buttons never take Enter for themselves: the window's key handling
    // presses a focused button, and `isDefault` marks the accept command's button.
    QPushButton *makeButton(int id, const QString &caption, bool isDefault = false);
    QGroupBox *makeGroup(int id = 0, const QString &title = {});
    QFrame *makeFrame(int id = 0);
};

// A control found by its id.
template <typename T> T *control(const QWidget *window, int id)
{
    return window->findChild<T *>(QString::number(id));
}

} // namespace marrowby
