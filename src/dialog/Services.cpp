#include "dialog/Services.h"

#include "dialog/UiServices.h"

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

FolderChoice DesktopServices::chooseFolder()
{
    const QString chosen = FolderChooser::choose();
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

PreferenceStore &DesktopServices::preferences()
{
    return m_preferences ? *m_preferences : Preferences::store();
}

} // namespace marrowby
