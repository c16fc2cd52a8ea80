#include "dialog/FormWindow.h"

#include "dialog/FormColours.h"
#include "dialog/FormStyle.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace marrowby {

namespace {

template <typename T> T *named(T *widget, int id)
{
    if (id)
        widget->setObjectName(QString::number(id));
    return widget;
}

// The controls the keyboard reaches, in the reading order of the layouts
// below `layout`: a box layout's items in turn, a grid's row by row and, within
// a row, left to right; a frame's controls where the frame stands.
void collectInReadingOrder(QLayout *layout, QList<QWidget *> &out)
{
    QList<int> order;
    for (int i = 0; i < layout->count(); ++i)
        order << i;
    if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        const auto position = [grid](int index) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            return std::pair(row, column);
        };
        std::stable_sort(order.begin(), order.end(),
            [&position](int a, int b) { return position(a) < position(b); });
    } else if (auto *box = qobject_cast<QBoxLayout *>(layout); box
               && (box->direction() == QBoxLayout::RightToLeft
                   || box->direction() == QBoxLayout::BottomToTop)) {
        std::reverse(order.begin(), order.end());
    }
    for (int i : order) {
        QLayoutItem *item = layout->itemAt(i);
        if (QLayout *inner = item->layout()) {
            collectInReadingOrder(inner, out);
        } else if (QWidget *widget = item->widget()) {
            if (widget->focusPolicy() & Qt::TabFocus)
                out << widget;
            else if (widget->layout())
                collectInReadingOrder(widget->layout(), out);
        }
    }
}

// Whether the user can change what a control holds (a list, an edit that
// takes typing), as opposed to a button or a read-only text.
bool takesInput(const QWidget *widget)
{
    if (!widget->isEnabled() || widget->isHidden())
        return false;
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return !edit->isReadOnly();
    return qobject_cast<const QComboBox *>(widget) != nullptr;
}

} // namespace

bool chooseFromMenu(
    QWidget *owner, const QString &text, const QString &objectName, const QPoint &globalPos)
{
    const QPointer<QWidget> guard(owner);
    const QPointer<QMenu> menu(new QMenu(owner));
    QAction *entry = menu->addAction(text);
    entry->setObjectName(objectName);
    const QAction *chosen = menu->exec(globalPos);
    const bool entryChosen = menu && chosen == entry;
    delete menu.data();
    return guard && entryChosen;
}

FormWindow::FormWindow(QWidget *parent)
    : QDialog(parent)
    , m_controlNames(this)
{
    installFormStyle();
    setWindowIcon(QApplication::windowIcon());
}

void FormWindow::finishBuilding()
{
    applyFormColours(this);
    // Sized to the content, and kept so: no grip, no resizing.
    setSizeGripEnabled(false);
    if (layout())
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_built = true;
    m_controlNames.refresh();
    orderTabsByLayout();
}

void FormWindow::orderTabsByLayout()
{
    if (!layout())
        return;
    QList<QWidget *> controls;
    collectInReadingOrder(layout(), controls);
    for (qsizetype i = 1; i < controls.size(); ++i)
        setTabOrder(controls[i - 1], controls[i]);
    // The window opens on the first control that takes input.
    const auto first = std::find_if(controls.cbegin(), controls.cend(), takesInput);
    if (first != controls.cend())
        (*first)->setFocus(Qt::OtherFocusReason);
}

void FormWindow::nameControl(QWidget *control, QList<QLabel *> captions, const QString &suffix)
{
    // Before the window is built the controls are not in their frames yet.
    m_controlNames.add(control, captions, suffix, m_built);
}

void FormWindow::nameControl(QWidget *control, const QString &name)
{
    nameControl(control, QList<QLabel *>{}, name);
}

void FormWindow::captionsChanged()
{
    m_controlNames.refresh();
    // Inner frames first: each passes its new size on to the frame around it,
    // and the window's own layout then fixes the window's size.
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if ((*it)->layout())
            (*it)->layout()->activate();
    }
    if (layout())
        layout()->activate();
}

void FormWindow::showEvent(QShowEvent *event)
{
    m_controlNames.refresh();
    QDialog::showEvent(event);
}

void FormWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_controlNames.refresh();
    QDialog::changeEvent(event);
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
    case Qt::Key_F10:
        if (event->modifiers() == Qt::ShiftModifier) {
            // The context menu, as on Windows: an edit's own (cut, copy,
            // paste), otherwise the window's (the main window's About). Lists
            // and buttons would swallow it without a menu of their own.
            event->accept();
            QWidget *target = qobject_cast<QLineEdit *>(focusWidget()) ? focusWidget() : this;
            const QPoint at = target->rect().center();
            QContextMenuEvent menuEvent(
                QContextMenuEvent::Keyboard, at, target->mapToGlobal(at), Qt::NoModifier);
            QApplication::sendEvent(target, &menuEvent);
            return;
        }
        QDialog::keyPressEvent(event);
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
