// Check card: every form's context-menu command that reads back the card files
// in the form's folder, for the form's model, and reports in the form's
// language whether they are in order.
#pragma once

#include "dialog/FormContext.h"

#include <QObject>
#include <QString>

#include <functional>

class QPoint;
class QWidget;

namespace marrowby {

// What a check of a folder found, in words.
struct CardReport {
    bool good = false; // card files found, and none of them with a finding
    QString text;
};

// Reads menu.dat, setup.dat and smtp.dat in `folder` (menu.dat in the camera
// family of `modelIndex`) and says what is wrong with them, or that all is well,
// or that the folder holds none of them.
CardReport checkCardFolder(const QString &folder, int modelIndex, int language);

// The context menu of a form, with its Check card command. It opens on a
// right click, the Menu key and Shift+F10 (which the window base turns into a
// context menu request) anywhere on the form that has no context menu of its
// own (an edit keeps its editing menu).
class CardCheck : public QObject {
    Q_OBJECT
public:
    // `folder` gives the folder as the form's folder edit shows it now.
    CardCheck(QWidget *form, const FormContext &context, std::function<QString()> folder);

    // Checks the folder and shows the report in a message box.
    void run();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMenu(const QPoint &globalPos);

    QWidget *m_form;
    FormContext m_context;
    std::function<QString()> m_folder;
};

} // namespace marrowby
