// The context menu of a form: the commands that work on the form as a whole
// (Check card and those added after it). Each command is a QAction that
// belongs to the form and carries its objectName, so automation finds it on
// the form whether or not the menu is open. The menu opens on a right click,
// the Menu key and Shift+F10 (which the window base turns into a context menu
// request) anywhere on the form that has no context menu of its own (an edit
// keeps its editing menu).
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QPoint;
class QWidget;

namespace marrowby {

class FormMenu : public QObject {
    Q_OBJECT
public:
    explicit FormMenu(QWidget *form);

    // Adds a command at the end of the menu; `run` runs when it is chosen or
    // the action is triggered.
    QAction *addCommand(const QString &objectName, const QString &text, std::function<void()> run);
    const QList<QAction *> &commands() const { return m_commands; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMenu(const QPoint &globalPos);

    QWidget *m_form;
    QList<QAction *> m_commands;
};

} // namespace marrowby
