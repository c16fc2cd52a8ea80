#include "dialog/CardCheck.h"

#include "cardfiles/CardFolderCheck.h"
#include "dialog/FormWindow.h"
#include "dialog/Services.h"
#include "dialog/Texts.h"
#include "i18n/CardTexts.h"

#include <QContextMenuEvent>
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
    // This object belongs to the form: once the menu is done, it is there only
    // if the form is.
    if (chooseFromMenu(m_form, captionText(msg::CheckCard, m_context.languageIndex),
            QStringLiteral("CheckCard"), globalPos))
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
