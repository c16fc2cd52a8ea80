#pragma once

#include "dialog/ControlNames.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPoint;
class QPushButton;

namespace marrowby {

// The base of every window of the program: the common colours, the keys of a
// standard dialog, and the making of controls by their ids.
//
// Keys: Escape and the close box cancel (the common way back on a form). Enter
// or Return on a focused push button presses that button; anywhere else it runs
// the window's accept command, which a form may override. Space presses a
// focused button as usual.
//
// Tab goes through the controls in reading order: top to bottom, left to right,
// a frame's controls where the frame stands. A window opens with the focus on
// its first list or editable edit.
//
// Shift+F10, like the Menu key, opens the context menu of the focused control
// or, when it has none, of the window.
//
// A window is sized to its content and cannot be resized; it follows its
// content when captions change (the main window after a language change).
//
// Screen readers: every control gets a name in the window's language (see
// ControlNames); a form names a control by its captions with nameControl().
class FormWindow : public QDialog {
    Q_OBJECT
public:
    explicit FormWindow(QWidget *parent = nullptr);

    // Call after changing captions: the controls' names follow the captions'
    // texts and the window takes the size of its content at once. (Names are
    // also set again when the window is shown or its language changes.)
    void captionsChanged();

protected:
    // Call at the end of building the controls.
    void finishBuilding();
    // Enter or Return anywhere but on a focused push button.
    virtual void acceptCommand();
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

    // Names `control` for screen readers by its captions, in reading order:
    // one label becomes the control's buddy; several (a group caption, a row
    // caption, a column head) are joined with spaces, `suffix` appended, into a
    // hidden label tied to the control that follows the captions' texts.
    void nameControl(QWidget *control, QList<QLabel *> captions, const QString &suffix = {});
    // Names a control that has no caption on screen by a text of its own.
    void nameControl(QWidget *control, const QString &name);

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

private:
    // Tab follows the reading order of the layouts, top to bottom and left to
    // right; the focus starts on the first control that takes input.
    void orderTabsByLayout();

    ControlNames m_controlNames;
    bool m_built = false;
};

// Shows a context menu of one entry (`text`, found by automation as
// `objectName`) at `globalPos`, owned by `owner`. The menu lives on the heap:
// should the owner go away while it is open, the owner takes it along and
// nothing here touches either afterwards. True when the entry was chosen and
// the owner is still there.
bool chooseFromMenu(
    QWidget *owner, const QString &text, const QString &objectName, const QPoint &globalPos);

// A control found by its id.
template <typename T> T *control(const QWidget *window, int id)
{
    return window->findChild<T *>(QString::number(id));
}

} // namespace marrowby
