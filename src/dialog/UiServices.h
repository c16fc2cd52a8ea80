#pragma once

#include "app/PreferenceStore.h"
#include "dialog/Services.h"
#include "dialog/Texts.h"
#include "i18n/TextTables.h"
#include "platform/Volumes.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>
#include <string_view>

class QWidget;

namespace marrowby {

// Every message box of the program goes through here, so that tests can record
// the boxes instead of showing them.
class MessageBoxes {
public:
    enum class Kind {
        Notice,    // the notice box: caption "Marrowby", the application icon, one OK button
        Framework, // the dialog layer's data-exchange messages
        Failure,   // a file that could not be written; a card check that found something
        Question,  // a yes/no question (No the default)
    };
    struct Shown {
        Kind kind;
        QString text;
        QString checkBox = {}; // a question's "do not ask again" box, if it had one
    };

    static void notice(const QString &text);
    static void framework(const QString &text);
    static void failure(const QString &text);
    // A yes/no question with No as the default button; with `checkBox` not
    // empty, a "do not ask again" box of that text.
    static QuestionAnswer ask(const QString &text, const QString &checkBox = {});

    // Test seam: while recording, boxes are kept instead of shown.
    static void startRecording();
    static void stopRecording();
    static QList<Shown> takeRecorded();
    // Test seam: the answer to the next question recorded, one per question in
    // the order set; a question without one is answered No.
    static void setNextAnswer(bool yes, bool dontAskAgain = false);

private:
    static void show(Kind kind, const QString &text);
};

// The notice box every form reports success in.
inline void NoticeBox(const QString &text)
{
    MessageBoxes::notice(text);
}

// The folder chooser behind BrowseFolder. Returns the chosen folder, or an empty
// text when the user cancelled or chose an item without a file-system path.
class FolderChooser {
public:
    enum class Answer {
        Cancel,
        NoPath
    };
    // `places` lead the chooser's list of places; it opens in `startFolder`
    // (the home folder when empty).
    static QString choose(const QList<QUrl> &places = {}, const QString &startFolder = {});

    // Test seam: the next choose() returns this folder without showing anything.
    static void setNextAnswer(const QString &folder);
    // Test seam: the next choose() behaves as if cancelled or as if an item
    // without a file-system path was chosen.
    static void setNextAnswer(Answer answer);

    // Whether the last choose() was cancelled (as opposed to yielding no path).
    static bool lastWasCancelled();
    // Test seam: the places and the start folder the last choose() offered.
    static QList<QUrl> lastPlaces();
    static QString lastStartFolder();
    // Test seam: drops an answer set and not yet used.
    static void forgetNextAnswer();
};

// Qt's file dialog for settings documents. Returns the chosen file, or an
// empty text when the user cancelled.
class FileChooser {
public:
    static QString choose(FilePurpose purpose, const QString &filter, const QString &suggested);

    // Test seam: the next choose() returns this file (an empty text: as if
    // cancelled) without showing anything.
    static void setNextAnswer(const QString &file);
    // Test seam: drops an answer set and not yet used.
    static void forgetNextAnswer();
};

// The computer's local time; tests fix it.
class Clock {
public:
    static QDateTime now();
    static void setFixedTime(const QDateTime &time); // an invalid time returns to the real clock
};

// Opens a web page in the user's browser; tests record the request instead.
class WebBrowser {
public:
    static void open(const QUrl &url);
    static void startRecording();
    static void stopRecording();
    static QList<QUrl> takeRecorded();
};

// The test seams of the desktop's services for as long as it lives: message
// boxes and browser requests are recorded, questions answered No unless a test
// says otherwise, no volume is mounted (a VolumeSeam lists some), the clock
// shows `fixedTime` (when valid). Its end restores the desktop's own behaviour
// and drops whatever was recorded or set and not used (a folder or file chooser
// answer included), so no test leaves a seam behind for the next.
class DesktopSeams {
public:
    explicit DesktopSeams(const QDateTime &fixedTime = {});
    ~DesktopSeams();
    DesktopSeams(const DesktopSeams &) = delete;
    DesktopSeams &operator=(const DesktopSeams &) = delete;

private:
    VolumeSeam m_volumes;
};

// The preference store of the running program (set once at start-up).
class Preferences {
public:
    static PreferenceStore &store();
    static void setStore(PreferenceStore *store);
};

} // namespace marrowby
