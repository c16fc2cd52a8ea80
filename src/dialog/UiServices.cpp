#include "dialog/UiServices.h"

#include "app/MemoryPreferenceStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include <optional>

namespace marrowby {

namespace {

bool g_recordingBoxes = false;
QList<MessageBoxes::Shown> g_recordedBoxes;
QList<QuestionAnswer> g_nextAnswers;

} // namespace

void MessageBoxes::notice(const QString &text)
{
    show(Kind::Notice, text);
}

void MessageBoxes::framework(const QString &text)
{
    show(Kind::Framework, text);
}

void MessageBoxes::failure(const QString &text)
{
    show(Kind::Failure, text);
}

void MessageBoxes::startRecording()
{
    g_recordingBoxes = true;
    g_recordedBoxes.clear();
    g_nextAnswers.clear();
}

void MessageBoxes::stopRecording()
{
    g_recordingBoxes = false;
    g_recordedBoxes.clear();
    g_nextAnswers.clear();
}

void MessageBoxes::setNextAnswer(bool yes, bool dontAskAgain)
{
    g_nextAnswers.append({yes, dontAskAgain});
}

QuestionAnswer MessageBoxes::ask(const QString &text, const QString &checkBox)
{
    if (g_recordingBoxes) {
        g_recordedBoxes.append({Kind::Question, text, checkBox});
        return g_nextAnswers.isEmpty() ? QuestionAnswer{} : g_nextAnswers.takeFirst();
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("Marrowby"), text,
        QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    if (!checkBox.isEmpty())
        box.setCheckBox(new QCheckBox(checkBox)); // owned by the box
    box.setWindowModality(Qt::ApplicationModal);
    const bool yes = box.exec() == QMessageBox::Yes;
    return {yes, box.checkBox() && box.checkBox()->isChecked()};
}

QList<MessageBoxes::Shown> MessageBoxes::takeRecorded()
{
    return std::exchange(g_recordedBoxes, {});
}

void MessageBoxes::show(Kind kind, const QString &text)
{
    if (g_recordingBoxes) {
        g_recordedBoxes.append({kind, text});
        return;
    }
    // No owner window; modal for the application so that no handler runs while it shows.
    QMessageBox box(kind == Kind::Failure ? QMessageBox::Warning : QMessageBox::Information,
        QStringLiteral("Marrowby"), text, QMessageBox::Ok);
    if (kind == Kind::Notice)
        box.setIconPixmap(QApplication::windowIcon().pixmap(32, 32));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

namespace {

enum class NextFolder {
    None,
    Folder,
    Cancel,
    NoPath
};
NextFolder g_nextKind = NextFolder::None;
QString g_nextFolder;
bool g_lastCancelled = false;
QList<QUrl> g_lastPlaces;
QString g_lastStartFolder;

} // namespace

QString FolderChooser::choose(const QList<QUrl> &places, const QString &startFolder)
{
    g_lastPlaces = places;
    g_lastStartFolder = startFolder;
    const NextFolder kind = std::exchange(g_nextKind, NextFolder::None);
    switch (kind) {
    case NextFolder::Folder:
        g_lastCancelled = false;
        return g_nextFolder;
    case NextFolder::Cancel:
        g_lastCancelled = true;
        return {};
    case NextFolder::NoPath:
        g_lastCancelled = false;
        return {};
    case NextFolder::None:
        break;
    }
    QFileDialog dialog(nullptr, QString(), startFolder.isEmpty() ? QDir::homePath() : startFolder);
    if (!places.isEmpty())
        dialog.setSidebarUrls(places);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted) {
        g_lastCancelled = true;
        return {};
    }
    g_lastCancelled = false;
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : QDir::toNativeSeparators(files.first());
}

void FolderChooser::setNextAnswer(const QString &folder)
{
    g_nextKind = NextFolder::Folder;
    g_nextFolder = folder;
}

void FolderChooser::setNextAnswer(Answer answer)
{
    g_nextKind = answer == Answer::Cancel ? NextFolder::Cancel : NextFolder::NoPath;
}

bool FolderChooser::lastWasCancelled()
{
    return g_lastCancelled;
}

QList<QUrl> FolderChooser::lastPlaces()
{
    return g_lastPlaces;
}

QString FolderChooser::lastStartFolder()
{
    return g_lastStartFolder;
}

namespace {

std::optional<QString> g_nextFile;

} // namespace

QString FileChooser::choose(FilePurpose purpose, const QString &filter, const QString &suggested)
{
    if (g_nextFile)
        return *std::exchange(g_nextFile, std::nullopt);
    QFileDialog dialog(nullptr, QString(), QDir::homePath(), filter);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (purpose == FilePurpose::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("json"));
        dialog.selectFile(suggested);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : QDir::toNativeSeparators(files.first());
}

void FileChooser::setNextAnswer(const QString &file)
{
    g_nextFile = file;
}

void FileChooser::forgetNextAnswer()
{
    g_nextFile.reset();
}

void FolderChooser::forgetNextAnswer()
{
    g_nextKind = NextFolder::None;
    g_nextFolder.clear();
    g_lastCancelled = false;
    g_lastPlaces.clear();
    g_lastStartFolder.clear();
}

namespace {

QDateTime g_fixedTime;

} // namespace

QDateTime Clock::now()
{
    return g_fixedTime.isValid() ? g_fixedTime : QDateTime::currentDateTime();
}

void Clock::setFixedTime(const QDateTime &time)
{
    g_fixedTime = time;
}

namespace {

bool g_recordingBrowser = false;
QList<QUrl> g_openedUrls;

} // namespace

void WebBrowser::open(const QUrl &url)
{
    if (g_recordingBrowser) {
        g_openedUrls.append(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

void WebBrowser::startRecording()
{
    g_recordingBrowser = true;
    g_openedUrls.clear();
}

void WebBrowser::stopRecording()
{
    g_recordingBrowser = false;
    g_openedUrls.clear();
}

QList<QUrl> WebBrowser::takeRecorded()
{
    return std::exchange(g_openedUrls, {});
}

DesktopSeams::DesktopSeams(const QDateTime &fixedTime)
{
    MessageBoxes::startRecording();
    WebBrowser::startRecording();
    FolderChooser::forgetNextAnswer();
    FileChooser::forgetNextAnswer();
    Clock::setFixedTime(fixedTime);
}

DesktopSeams::~DesktopSeams()
{
    MessageBoxes::takeRecorded();
    MessageBoxes::stopRecording();
    WebBrowser::stopRecording();
    FolderChooser::forgetNextAnswer();
    FileChooser::forgetNextAnswer();
    Clock::setFixedTime({});
}

namespace {

PreferenceStore *g_store = nullptr;

} // namespace

PreferenceStore &Preferences::store()
{
    if (!g_store) {
        // Nothing set: preferences live for this run only.
        static MemoryPreferenceStore fallback;
        fallback.keyExists = true;
        return fallback;
    }
    return *g_store;
}

void Preferences::setStore(PreferenceStore *store)
{
    g_store = store;
}

} // namespace marrowby
