#include "shell/ui/FormWindow.h"

#include "dialog/FormColours.h"

#include <QApplication>
#include <QKeyEvent>

namespace marrowby {

FormWindow::FormWindow(QWidget *parent)
    : QDialog(parent)
{
    setWindowIcon(QApplication::windowIcon());
}

void FormWindow::finishBuilding()
{
    applyFormColours(this);
}

void FormWindow::acceptCommand()
{
    accept();
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->accept();
        acceptCommand();
        return;
    case Qt::Key_Escape:
        event->accept();
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace marrowby
