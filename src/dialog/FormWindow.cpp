#include "dialog/FormWindow.h"

#include "dialog/FormColours.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace marrowby {

namespace {

template <typename T> T *named(T *widget, int id)
{
    if (id)
        widget->setObjectName(QString::number(id));
    return widget;
}

} // namespace

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
        if (auto *button = qobject_cast<QPushButton *>(focusWidget());
            button && button->isEnabled())
            button->click();
        else
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

QLabel *FormWindow::makeLabel(int id, const QString &caption)
{
    return named(new QLabel(caption, this), id);
}

QComboBox *FormWindow::makeList(int id, const QStringList &entries)
{
    auto *list = named(new QComboBox(this), id);
    list->addItems(entries);
    return list;
}

QLineEdit *FormWindow::makeEdit(int id, int maxLength)
{
    auto *edit = named(new QLineEdit(this), id);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

QLineEdit *FormWindow::makeNumberEdit(int id)
{
    auto *edit = makeEdit(id);
    edit->setAlignment(Qt::AlignCenter);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

QPushButton *FormWindow::makeButton(int id, const QString &caption, bool isDefault)
{
    auto *button = named(new QPushButton(caption, this), id);
    button->setAutoDefault(false);
    button->setDefault(isDefault);
    return button;
}

QGroupBox *FormWindow::makeGroup(int id, const QString &title)
{
    return named(new QGroupBox(title, this), id);
}

QFrame *FormWindow::makeFrame(int id)
{
    return named(new QFrame(this), id);
}

} // namespace marrowby
