#include "dialog/FormMenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QWidget>

namespace marrowby {

FormMenu::FormMenu(QWidget *form)
    : QObject(form)
    , m_form(form)
{
    form->installEventFilter(this);
}

QAction *FormMenu::addCommand(
    const QString &objectName, const QString &text, std::function<void()> run)
{
    auto *action = new QAction(text, m_form);
    action->setObjectName(objectName);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    m_form->addAction(action);
    m_commands.append(action);
    return action;
}

void FormMenu::showMenu(const QPoint &globalPos)
{
    // The menu belongs to the form: should the form end while the menu is
    // open, the menu goes with it and nothing here is touched again.
    const QPointer<QMenu> menu(new QMenu(m_form));
    menu->addActions(m_commands);
    menu->exec(globalPos);
    delete menu.data();
}

bool FormMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_form || event->type() != QEvent::ContextMenu)
        return false;
    // Reaches the form from any control that has no menu of its own.
    auto *menuEvent = static_cast<QContextMenuEvent *>(event);
    menuEvent->accept();
    showMenu(menuEvent->globalPos());
    return true;
}

} // namespace marrowby
