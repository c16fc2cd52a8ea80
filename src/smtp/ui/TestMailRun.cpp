#include "smtp/ui/TestMailRun.h"

#include "dialog/Services.h"
#include "dialog/Texts.h"
#include "i18n/MailTexts.h"
#include "mail/TestMailWords.h"

#include <QMetaObject>
#include <QProgressDialog>

namespace marrowby {

TestMailRun::TestMailRun(
    QWidget *owner, Services &services, mail::TestMailRequest request, int languageIndex)
    : QObject(owner)
    , m_owner(owner)
    , m_services(services)
    , m_request(std::move(request))
    , m_language(languageIndex)
{ }

TestMailRun::~TestMailRun()
{
    m_cancel = true;
    if (m_thread.joinable())
        m_thread.join();
    delete m_progress;
}

void TestMailRun::start()
{
    m_progress = new QProgressDialog(m_owner);
    m_progress->setObjectName(QStringLiteral("testMailProgress"));
    m_progress->setWindowTitle(captionText(i18n::mail::SendTestMail, m_language));
    m_progress->setCancelButtonText(captionText(i18n::mail::Cancel, m_language));
    m_progress->setRange(0, 0); // no steps to count: a busy bar
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumWidth(420);
    // Cancel, Escape and the close box all end up here; the attempt notices
    // within tens of milliseconds and reports back as cancelled.
    connect(m_progress, &QProgressDialog::canceled, this, [this] { m_cancel = true; });
    showStep(mail::Step::Connecting);
    m_progress->show();

    m_thread = std::thread([this] {
        mail::TestMailControl control;
        control.cancel = &m_cancel;
        control.onStep = [this](mail::Step step) {
            QMetaObject::invokeMethod(
                this, [this, step] { showStep(step); }, Qt::QueuedConnection);
        };
        m_result = m_services.sendTestMail(m_request, control);
        QMetaObject::invokeMethod(this, &TestMailRun::done, Qt::QueuedConnection);
    });
}

void TestMailRun::showStep(mail::Step step)
{
    if (m_progress && !m_cancel)
        m_progress->setLabelText(qtText(mail::stepText(step, m_request, m_language)));
}

void TestMailRun::done()
{
    if (m_thread.joinable())
        m_thread.join();
    delete m_progress;
    const QString text = qtText(mail::resultText(m_result, m_request, m_language));
    // Nothing after a cancel: the user knows. Delivered over an unencrypted
    // line is still worth a warning.
    if (!text.isEmpty()) {
        if (m_result.delivered() && m_result.encrypted)
            m_services.notice(text);
        else
            m_services.failure(text);
    }
    emit finished();
}

} // namespace marrowby
