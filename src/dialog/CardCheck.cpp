#include "dialog/CardCheck.h"

#include "cardfiles/CardReport.h"
#include "dialog/UiServices.h"
#include "i18n/CardTexts.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <filesystem>
#include <system_error>
#include <vector>

namespace marrowby {

namespace msg = i18n::inspect;

namespace {

QString fromPath(const std::filesystem::path &path)
{
    return QString::fromStdU16String(path.u16string());
}

// What is wrong with one file, each finding in words; empty when nothing is.
QStringList findingsOf(const inspect::FileInspection &file, int language)
{
    QStringList out;
    auto add = [&](const std::vector<inspect::Finding> &findings, const QString &prefix = {},
                   bool skipNoLayoutFits = false) {
        for (const inspect::Finding &f : findings) {
            if (!(skipNoLayoutFits && f.code == inspect::FindingCode::NoLayoutFits))
                out << prefix + qtText(inspect::findingText(f, language));
        }
    };
    if (file.menu) {
        const inspect::MenuInspection &m = *file.menu;
        // Read in the form's one layout, what it found says more than that no
        // layout fits.
        add(m.findings, {}, m.readings.size() == 1 && !m.readings.front().findings.empty());
        // When no layout fits, what each one tried found; named by its layout
        // when more than one was tried (a form without a model).
        if (!m.factoryMarker && m.fittingLayouts().empty()) {
            const bool named = m.readings.size() > 1;
            for (const inspect::MenuReading &r : m.readings) {
                const QString layout = qtText(inspect::layoutText(r.layout, language));
                add(r.findings, named ? QStringLiteral("[%1] ").arg(layout) : QString());
            }
        }
    }
    if (file.sealed)
        add(file.sealed->findings);
    if (out.isEmpty() && file.status() != 0)
        out << messageText(msg::NoLayoutFits, language);
    return out;
}

} // namespace

CardReport checkCardFolder(const QString &folder, int modelIndex, int language)
{
    const auto say
        = [language](const i18n::TranslatedMessage &m) { return messageText(m, language); };
    const std::filesystem::path path(folder.toStdU16String());

    // The folder the form writes into; a file or nothing of that name is not one.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    switch (status.type()) {
    case std::filesystem::file_type::directory:
        break;
    case std::filesystem::file_type::not_found:
        return {false, say(msg::NoSuchFolder).arg(folder)};
    case std::filesystem::file_type::none:
        return {false, say(msg::Unreadable).arg(folder, QString::fromStdString(error.message()))};
    default:
        return {false, say(msg::NotAFolder).arg(folder)};
    }

    inspect::InspectOptions options;
    options.model = modelIndex;
    const std::vector<inspect::FileInspection> files = inspect::inspectPath(path, options);
    if (files.size() == 1 && !files.front().error.empty() && files.front().path == path) {
        // The folder itself: no card files in it, or it could not be listed.
        const inspect::FileInspection &none = files.front();
        if (none.noCardFiles)
            return {false, say(msg::NoCardFiles).arg(folder)};
        return {
            false, say(msg::Unreadable).arg(folder, qtText(inspect::failureText(none, language)))};
    }

    bool good = true;
    QStringList lines;
    for (const inspect::FileInspection &file : files) {
        const QString name = fromPath(file.path.filename());
        if (!file.error.empty()) {
            good = false;
            lines << say(msg::Unreadable).arg(name, qtText(inspect::failureText(file, language)));
            continue;
        }
        const QStringList findings = findingsOf(file, language);
        if (findings.isEmpty())
            lines << say(msg::FileResult).arg(name, say(msg::NoFindings));
        good = good && findings.isEmpty();
        for (const QString &finding : findings)
            lines << say(msg::FileResult).arg(name, finding);
    }
    const QString heading = say(good ? msg::CardGood : msg::CardFaulty).arg(folder);
    return {good, heading + QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'))};
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
        MessageBoxes::notice(report.text);
    else
        MessageBoxes::failure(report.text);
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
