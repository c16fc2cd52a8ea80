#include "dialog/Services.h"

#include "dialog/UiServices.h"
#include "platform/Volumes.h"

#include <QDir>

namespace marrowby {

void DesktopServices::notice(const QString &text)
{
    MessageBoxes::notice(text);
}

void DesktopServices::framework(const QString &text)
{
    MessageBoxes::framework(text);
}

void DesktopServices::failure(const QString &text)
{
    MessageBoxes::failure(text);
}

QuestionAnswer Services::ask(const QString &, const QString &)
{
    return {};
}

std::vector<VolumeInfo> Services::volumes()
{
    return {};
}

FolderChoice DesktopServices::chooseFolder()
{
    // The cards first, then the user's home and the computer's top folder; a
    // single card is where the chooser opens.
    QList<QUrl> places;
    QString start;
    for (const VolumeInfo &card : removableVolumes(volumes())) {
        const QString root = QString::fromStdString(card.rootPath);
        places << QUrl::fromLocalFile(QDir::fromNativeSeparators(root));
        start = places.size() == 1 ? root : QString();
    }
    for (const QString &folder : {QDir::homePath(), QDir::rootPath()}) {
        const QUrl url = QUrl::fromLocalFile(folder);
        if (!places.contains(url))
            places << url;
    }
    const QString chosen = FolderChooser::choose(places, start);
    if (!chosen.isEmpty())
        return {FolderChoice::Kind::Folder, chosen};
    return {FolderChooser::lastWasCancelled() ? FolderChoice::Kind::Cancelled
                                              : FolderChoice::Kind::NoPath,
        {}};
}

QString DesktopServices::chooseFile(
    FilePurpose purpose, const QString &filter, const QString &suggested)
{
    return FileChooser::choose(purpose, filter, suggested);
}

QDateTime DesktopServices::now() const
{
    return Clock::now();
}

void DesktopServices::openUrl(const QUrl &url)
{
    WebBrowser::open(url);
}

QuestionAnswer DesktopServices::ask(const QString &text, const QString &dontAskAgain)
{
    return MessageBoxes::ask(text, dontAskAgain);
}

std::vector<VolumeInfo> DesktopServices::volumes()
{
    return Volumes::mounted();
}

PreferenceStore &DesktopServices::preferences()
{
    return m_preferences ? *m_preferences : Preferences::store();
}

} // namespace marrowby
