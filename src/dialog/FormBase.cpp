#include "dialog/FormBase.h"

#include "cardfiles/CardFolderCheck.h"
#include "dialog/FormMenu.h"
#include "dialog/Services.h"
#include "dialog/Texts.h"
#include "i18n/CardTexts.h"
#include "i18n/DocumentTexts.h"
#include "records/RecordFile.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <filesystem>

namespace marrowby {

namespace {

// A context handed without services gets the desktop's.
FormContext withServices(FormContext context, std::unique_ptr<Services> &own)
{
    if (!context.services) {
        own = std::make_unique<DesktopServices>();
        context.services = own.get();
    }
    return context;
}

} // namespace

FormBase::FormBase(const FormContext &context, QWidget *parent)
    : FormWindow(parent)
    , m_context(withServices(context, m_ownServices))
    , m_exchange(m_context.languageIndex, m_context.services)
    , m_folder(defaultOutputFolder())
{
    m_menu = new FormMenu(this);
    m_menu->addCommand(
        QStringLiteral("CheckCard"), text(i18n::inspect::CheckCard), [this] { checkCard(); });
    addMenuCommand(QStringLiteral("saveSettings"), text(i18n::documents::SaveSettings),
        [this] { saveSettingsDocument(); });
    addMenuCommand(QStringLiteral("openSettings"), text(i18n::documents::OpenSettings),
        [this] { openSettingsDocument(); });
}

QAction *FormBase::addMenuCommand(
    const QString &objectName, const QString &text, std::function<void()> run)
{
    return m_menu->addCommand(objectName, text, std::move(run));
}

void FormBase::checkCard()
{
    // The folder as the folder edit shows it, taken in or not.
    const QString shown = m_folderEdit ? m_folderEdit->text() : m_folder;
    const inspect::CardFolderReport report
        = inspect::checkCardFolder(std::filesystem::path(shown.toStdU16String()),
            shown.toStdString(), m_context.modelIndex, m_context.languageIndex);
    const QString words = QString::fromStdString(report.text);
    if (report.good)
        services().notice(words);
    else
        services().failure(words);
}

std::optional<FileSettings> FormBase::checkedSettings()
{
    if (!takeIn())
        return std::nullopt;
    if (const std::optional<Refusal> refusal = validate()) {
        refuse(*refusal);
        return std::nullopt;
    }
    return collectFileSettings();
}

QString FormBase::text(const i18n::CaptionTable &table) const
{
    return captionText(table, m_context.languageIndex);
}

QString FormBase::text(const i18n::CaptionObjectTable &table) const
{
    return captionText(table, m_context.languageIndex);
}

QString FormBase::text(const i18n::Message &message) const
{
    return messageText(message, m_context.languageIndex);
}

QString FormBase::text(const i18n::TranslatedMessage &message) const
{
    return messageText(message, m_context.languageIndex);
}

QStringList FormBase::texts(const i18n::OptionTable &table) const
{
    return optionTexts(table, m_context.languageIndex);
}

QWidget *FormBase::makeFolderRow(int selectId, int folderId, int maxLength)
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton *select = makeButton(selectId, text(i18n::shared::Select));
    connect(select, &QPushButton::clicked, this, &FormBase::chooseFolder);
    m_folderEdit = makeEdit(folderId, maxLength);
    nameControl(m_folderEdit, text(i18n::shared::Folder));
    m_folderLimit = maxLength;
    layout->addWidget(select);
    layout->addWidget(m_folderEdit, 1);
    return row;
}

void FormBase::addFolderField()
{
    m_exchange.addText(m_folderEdit, &m_folder, m_folderLimit);
}

bool FormBase::takeInFolder()
{
    return m_exchange.takeIn(m_folderEdit);
}

QWidget *FormBase::makeButtonRow(std::initializer_list<QPushButton *> buttons)
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton *button : buttons)
        layout->addWidget(button);
    return row;
}

void FormBase::chooseFolder()
{
    const QPointer<FormBase> self(this);
    const FolderChoice choice = services().chooseFolder();
    if (!self)
        return; // the form went away while the chooser was open
    switch (choice.kind) {
    case FolderChoice::Kind::Folder:
        if (m_folderLimit > 0 && choice.folder.size() > m_folderLimit) {
            // Refused now, so the form stays usable: shown in the edit, such a
            // folder would fail every later take-in and pull the focus back to it.
            services().framework(m_exchange.tooManyCharacters(m_folderLimit));
            return;
        }
        m_folder = choice.folder;
        break;
    case FolderChoice::Kind::NoPath:
        m_folder = defaultOutputFolder(); // an item without a file-system path
        break;
    case FolderChoice::Kind::Cancelled:
        break;
    }
    showAll();
}

void FormBase::generate()
{
    if (!takeIn())
        return;
    if (const std::optional<Refusal> refusal = validate()) {
        refuse(*refusal);
        return;
    }
    writeGenerated();
}

void FormBase::refuse(const Refusal &refusal)
{
    services().notice(refusal.message);
    if (refusal.focus) {
        refusal.focus->setFocus(Qt::OtherFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(refusal.focus))
            edit->selectAll();
    }
}

bool FormBase::reportWrite(const WriteResult &result, const QString &success)
{
    if (result.pathTooLong) {
        // Not a system error: say what the limit is and what to do.
        services().failure(
            text(i18n::files::PathTooLong)
                .arg(QString::fromStdString(result.path), QString::number(kMaxPathLength)));
        return false;
    }
    if (!result) {
        // One pass over the placeholders: a "%2" inside the path stays as it is.
        services().failure(
            text(i18n::shared::WriteFailed)
                .arg(QString::fromStdString(result.path), QString::fromStdString(result.reason)));
        return false;
    }
    if (!result.leftPlainFile.empty()) {
        // Written, but a plain-text work file with the settings stays in the
        // folder: say so instead of a bare success.
        services().failure(text(i18n::files::PlainFileLeft)
                               .arg(QString::fromStdString(result.path),
                                   QString::fromStdString(result.leftPlainFile),
                                   QString::fromStdString(result.leftPlainFileReason)));
        return true;
    }
    services().notice(success);
    return true;
}

} // namespace marrowby
