#include "dialog/CardCheck.h"

#include "cardfiles/CardFolderCheck.h"
#include "dialog/Services.h"
#include "dialog/Texts.h"
#include "i18n/CardTexts.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <filesystem>

namespace marrowby {

namespace msg = i18n::inspect;

CardReport checkCardFolder(const QString &folder, int modelIndex, int language)
{
    const inspect::CardFolderReport report = inspect::checkCardFolder(
        std::filesystem::path(folder.toStdU16String()), folder.toStdString(), modelIndex, language);
    return {report.good, QString::fromStdString(report.text)};
}

CardCheck::CardCheck(QWidget *form, const FormContext &context, std::function<QString()> folder)
    : QObject(form)
    , m_form(form)
    , m_context(context)
    , m_folder(std::move(folder))
{
    form->installEventFilter(this);
}

void CardCheck::run()
{
    const CardReport report
        = checkCardFolder(m_folder(), m_context.modelIndex, m_context.languageIndex);
    if (report.good)
        m_context.services->notice(report.text);
    else
        m_context.services->failure(report.text);
}

void CardCheck::showMenu(const QPoint &globalPos)
{
    // The menu lives on the heap, owned by the form: should the form go away
    // while the menu is open, it takes the menu along, and nothing here touches
    // either afterwards.
    const QPointer<CardCheck> self(this);
    const QPointer<QMenu> menu(new QMenu(m_form));
    QAction *check = menu->addAction(captionText(msg::CheckCard, m_context.languageIndex));
    check->setObjectName(QStringLiteral("CheckCard"));
    const QAction *chosen = menu->exec(globalPos);
    const bool checkChosen = menu && chosen == check;
    delete menu.data();
    if (self && checkChosen)
        run();
}

bool CardCheck::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_form)
        return false;
    if (event->type() == QEvent::ContextMenu) {
        // Reaches the form from any control that has no menu of its own.
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        menuEvent->accept();
        showMenu(menuEvent->globalPos());
        return true;
    }
    return false;
}

} // namespace marrowby
