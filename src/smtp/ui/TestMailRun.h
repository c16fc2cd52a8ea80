#pragma once

#include "mail/TestMail.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>

#include <atomic>
#include <thread>

class QWidget;

namespace marrowby {

class Services;

// One test e-mail under way. start() sends it through the services on a thread
// of its own and shows its steps in a progress box over `owner`, with Cancel;
// the window stays responsive all the while. At the end the progress box goes,
// the result is shown through the services in the language (nothing after a
// cancel) and finished() is emitted. Deleting it earlier cancels the attempt
// and waits for its thread.
class TestMailRun : public QObject {
    Q_OBJECT
public:
    TestMailRun(
        QWidget *owner, Services &services, mail::TestMailRequest request, int languageIndex);
    ~TestMailRun() override;

    void start();
    // The progress box while the attempt runs; null before and after.
    QProgressDialog *progress() const { return m_progress; }
    const mail::TestMailResult &result() const { return m_result; }

signals:
    void finished();

private:
    void showStep(mail::Step step);
    void done();

    QWidget *m_owner;
    Services &m_services;
    const mail::TestMailRequest m_request;
    const int m_language;
    QPointer<QProgressDialog> m_progress;
    std::atomic<bool> m_cancel = false;
    // Written by the thread before it reports done(), read after.
    mail::TestMailResult m_result;
    std::thread m_thread;
};

} // namespace marrowby
