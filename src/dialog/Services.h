// What a window may ask of the world outside it: message boxes and questions,
// the folder chooser, the computer's clock, the web browser, the preference
// store, the mounted volumes and the SMTP forms' test e-mail. One object is
// made at start-up and handed to every form through its context; a form
// reaches nothing else. Tests hand in their own.
#pragma once

#include "cardfiles/CardPlace.h"
#include "mail/TestMail.h"

#include <QDateTime>
#include <QString>
#include <QUrl>

#include <vector>

namespace marrowby {

class PreferenceStore;

// The answer of the folder chooser.
struct FolderChoice {
    enum class Kind {
        Folder,    // `folder` holds the chosen folder
        Cancelled, // the user closed the chooser
        NoPath,    // an item without a file-system path was chosen
    };
    Kind kind = Kind::Cancelled;
    QString folder;
};

// The answer to a yes/no question.
struct QuestionAnswer {
    bool yes = false;          // No unless the user said Yes
    bool dontAskAgain = false; // the question's "do not ask again" box was ticked
};

// What the file chooser is asked for.
enum class FilePurpose {
    Save, // a file to write, new or to be replaced
    Open, // an existing file to read
};

class Services {
public:
    virtual ~Services() = default;

    // The notice box every form reports success and its refusals in.
    virtual void notice(const QString &text) = 0;
    // The dialog layer's data-exchange messages.
    virtual void framework(const QString &text) = 0;
    // A file that could not be written; a card check that found something.
    virtual void failure(const QString &text) = 0;

    virtual FolderChoice chooseFolder() = 0;
    // The file chooser for settings documents: `filter` names the files shown
    // ("... (*.json)"), `suggested` the file offered for saving. An empty text
    // when the user cancelled; services without a chooser always answer so.
    virtual QString chooseFile(FilePurpose purpose, const QString &filter, const QString &suggested)
    {
        (void)purpose, (void)filter, (void)suggested;
        return {};
    }
    virtual QDateTime now() const = 0;
    virtual void openUrl(const QUrl &url) = 0;
    virtual PreferenceStore &preferences() = 0;

    // A yes/no question, No the default; with `dontAskAgain` not empty, a check
    // box of that text under it. Without a desktop to ask on: No.
    virtual QuestionAnswer ask(const QString &text, const QString &dontAskAgain = {});
    // The mounted volumes, the removable ones first. Without a desktop: none.
    virtual std::vector<VolumeInfo> volumes();
    // Sends the SMTP forms' test e-mail (blocking). Called on a thread of its
    // own, never the window's: it touches no widget.
    virtual mail::TestMailResult sendTestMail(
        const mail::TestMailRequest &request, const mail::TestMailControl &control)
        = 0;
};

// The program's services: the desktop's message boxes, folder chooser, clock
// and browser (each with its test seam in dialog/UiServices.h), the mounted
// volumes (platform/Volumes.h, with its seam), and the preference store it is
// given (without one, the store the program set up). The folder chooser lists
// the removable volumes first.
class DesktopServices final : public Services {
public:
    explicit DesktopServices(PreferenceStore *preferences = nullptr)
        : m_preferences(preferences)
    { }

    void notice(const QString &text) override;
    void framework(const QString &text) override;
    void failure(const QString &text) override;
    FolderChoice chooseFolder() override;
    QString chooseFile(
        FilePurpose purpose, const QString &filter, const QString &suggested) override;
    QDateTime now() const override;
    void openUrl(const QUrl &url) override;
    PreferenceStore &preferences() override;
    QuestionAnswer ask(const QString &text, const QString &dontAskAgain = {}) override;
    std::vector<VolumeInfo> volumes() override;
    // Through libcurl (with the test seam of dialog/TestMailSeam.h).
    mail::TestMailResult sendTestMail(
        const mail::TestMailRequest &request, const mail::TestMailControl &control) override;

private:
    PreferenceStore *m_preferences;
};

} // namespace marrowby
