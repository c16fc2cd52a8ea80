#include "dialog/FormBase.h"

#include "app/PreferenceStore.h"
#include "cardfiles/CardFolderCheck.h"
#include "cardfiles/CardLoad.h"
#include "cardfiles/CardPlace.h"
#include "dialog/FormMenu.h"
#include "dialog/Services.h"
#include "dialog/Texts.h"
#include "i18n/CardPlaceTexts.h"
#include "i18n/CardTexts.h"
#include "i18n/DocumentTexts.h"
#include "records/RecordFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

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

// The folder a form opens with: the top folder of the one card mounted, else
// the default folder (several cards: the user chooses).
QString openingFolder(Services &services)
{
    const std::vector<VolumeInfo> cards = removableVolumes(services.volumes());
    if (cards.size() == 1)
        return QString::fromStdString(cards.front().rootPath);
    return defaultOutputFolder();
}

std::filesystem::path filePath(const QString &folder)
{
    return std::filesystem::path(folder.toStdU16String());
}

// A folder as the file system knows it (links followed) when it exists, so it
// meets the volumes' top folders; as written otherwise.
QString resolvedFolder(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? folder : QDir::toNativeSeparators(canonical);
}

QString kindFileName(inspect::FileKind kind)
{
    switch (kind) {
    case inspect::FileKind::Menu:
        return QStringLiteral("menu.dat");
    case inspect::FileKind::Setup:
        return QStringLiteral("setup.dat");
    case inspect::FileKind::Smtp:
        return QStringLiteral("smtp.dat");
    }
    return {};
}

QString pathText(const std::filesystem::path &path)
{
    return QDir::toNativeSeparators(QString::fromStdU16String(path.u16string()));
}

} // namespace

FormBase::FormBase(const FormContext &context, QWidget *parent)
    : FormWindow(parent)
    , m_context(withServices(context, m_ownServices))
    , m_exchange(m_context.languageIndex, m_context.services)
    , m_folder(openingFolder(*m_context.services))
{
    m_menu = new FormMenu(this);
    m_menu->addCommand(
        QStringLiteral("CheckCard"), text(i18n::inspect::CheckCard), [this] { checkCard(); });
    m_menu->addCommand(QStringLiteral("loadFromCard"), text(i18n::cardplace::LoadFromCard),
        [this] { loadFromCard(); });
    m_menu->addCommand(QStringLiteral("saveSettings"), text(i18n::documents::SaveSettings),
        [this] { saveSettingsDocument(); });
    m_menu->addCommand(QStringLiteral("openSettings"), text(i18n::documents::OpenSettings),
        [this] { openSettingsDocument(); });
}

void FormBase::showEvent(QShowEvent *event)
{
    FormWindow::showEvent(event);
    if (std::exchange(m_shownOnce, true))
        return;
    // Once the window is on the screen, so the question has its form behind it.
    QTimer::singleShot(0, this, [this] { offerCardSettings(shownFolder()); });
}

QString FormBase::shownFolder() const
{
    return m_folderEdit ? m_folderEdit->text() : m_folder;
}

void FormBase::offerCardSettings(const QString &folder)
{
    if (folder.isEmpty())
        return;
    const QString key = QDir::cleanPath(resolvedFolder(folder));
    if (m_offeredFolders.contains(key))
        return; // asked about this folder before: the user has answered
    m_offeredFolders.insert(key);

    const inspect::CardLoad load = inspect::loadCardFile(
        filePath(folder), fileKind(), m_context.modelIndex, m_context.languageIndex);
    switch (load.outcome) {
    case inspect::CardLoad::Outcome::NoFile:
        return;
    case inspect::CardLoad::Outcome::Refused:
        services().failure(text(i18n::cardplace::FileRefused)
                               .arg(pathText(load.file), QString::fromStdString(load.reason)));
        return;
    case inspect::CardLoad::Outcome::Loaded:
        break;
    }
    const QPointer<FormBase> self(this);
    const QString question
        = text(i18n::cardplace::OfferSettings)
              .arg(pathText(load.file.filename()), QDir::toNativeSeparators(folder));
    const bool yes = services().ask(question).yes;
    if (self && yes)
        showFileSettings(load.settings);
}

void FormBase::loadFromCard()
{
    const QString folder = shownFolder();
    m_offeredFolders.insert(QDir::cleanPath(resolvedFolder(folder)));
    const inspect::CardLoad load = inspect::loadCardFile(
        filePath(folder), fileKind(), m_context.modelIndex, m_context.languageIndex);
    switch (load.outcome) {
    case inspect::CardLoad::Outcome::NoFile:
        services().notice(text(i18n::cardplace::NoFormFile).arg(kindFileName(fileKind()), folder));
        return;
    case inspect::CardLoad::Outcome::Refused:
        services().failure(text(i18n::cardplace::FileRefused)
                               .arg(pathText(load.file), QString::fromStdString(load.reason)));
        return;
    case inspect::CardLoad::Outcome::Loaded:
        showFileSettings(load.settings);
        return;
    }
}

bool FormBase::confirmWritePlace()
{
    PreferenceStore &preferences = services().preferences();
    if (preferences.readNumber(kSkipPlaceWarningPreference).value_or(0) == 1)
        return true;
    const std::string folder = resolvedFolder(m_folder).toStdString();
    const std::vector<VolumeInfo> volumes = services().volumes();
    const VolumeInfo *volume = volumeOfFolder(folder, volumes);
    if (!volume)
        return true; // not on any volume the system lists: the write says what is wrong
    const std::vector<PlaceProblem> problems = placeProblems(folder, *volume);
    if (problems.empty())
        return true;

    QStringList reasons;
    for (PlaceProblem problem : problems) {
        switch (problem) {
        case PlaceProblem::NotTopFolder:
            reasons << text(i18n::cardplace::NotTopFolder)
                           .arg(QString::fromStdString(volume->rootPath));
            break;
        case PlaceProblem::FileSystem:
            reasons << text(i18n::cardplace::FileSystem)
                           .arg(QString::fromStdString(volume->fileSystemType));
            break;
        case PlaceProblem::ReadOnly:
            reasons << text(i18n::cardplace::ReadOnly);
            break;
        }
    }
    const QuestionAnswer answer = services().ask(
        text(i18n::cardplace::PlaceWarning).arg(m_folder, reasons.join(QLatin1Char('\n'))),
        text(i18n::cardplace::DontAskAgain));
    // Only a Yes is remembered: a remembered No would refuse every later write
    // without a word.
    if (answer.yes && answer.dontAskAgain) {
        preferences.create();
        preferences.writeNumber(kSkipPlaceWarningPreference, 1);
    }
    return answer.yes;
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
    // A folder typed in and left may hold the card's file.
    connect(m_folderEdit, &QLineEdit::editingFinished, this,
        [this] { offerCardSettings(m_folderEdit->text()); });
    m_folderLimit = maxLength;
    if (maxLength > 0 && m_folder.size() > maxLength)
        m_folder = defaultOutputFolder(); // a card whose top folder the form cannot hold
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
    if (choice.kind != FolderChoice::Kind::Cancelled)
        offerCardSettings(m_folder);
}

void FormBase::generate()
{
    if (!takeIn())
        return;
    if (const std::optional<Refusal> refusal = validate()) {
        refuse(*refusal);
        return;
    }
    if (!confirmWritePlace())
        return;
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
