// Send test e-mail on both SMTP forms, against a real mail server on the
// loopback address: what the server receives from the form's fields, what the
// user is told, and that the window keeps working while it waits.
#include "UiTestSupport.h"

#include "SmtpTestServer.h"

#include "dialog/TestMailSeam.h"
#include "i18n/MailTexts.h"
#include "smtp/SmtpFormVariant.h"
#include "smtp/ui/SmtpFormEngine.h"
#include "smtp/ui/TestMailRun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <chrono>
#include <memory>
#include <string>

using namespace marrowby;
using namespace marrowby::test;
using namespace std::chrono_literals;
using Mode = SmtpTestServer::Mode;
using Kind = MessageBoxes::Kind;

namespace {

constexpr int kK600Model = 4;
constexpr int kK200Model = 3;

QString tr(const i18n::TranslatedMessage &message, int language)
{
    return qtText(i18n::message(message, language));
}

class TestMailForm : public UiTest {
protected:
    std::unique_ptr<SmtpFormEngine> open(int model, int language = 2)
    {
        setModel(model);
        appState().LanguageIndex = language;
        std::unique_ptr<QDialog> made(createForm(FormButton::Smtp, context()));
        auto *form = qobject_cast<SmtpFormEngine *>(made.get());
        EXPECT_NE(form, nullptr) << "model " << model;
        if (form)
            made.release();
        return std::unique_ptr<SmtpFormEngine>(form);
    }

    // The sender settings of `server` typed into the form.
    static void fill(SmtpFormEngine *form, const SmtpTestServer &server, const QString &password,
        const QString &port = {})
    {
        type(find<QLineEdit>(form, SmtpId::SmtpServer), "127.0.0.1");
        type(find<QLineEdit>(form, SmtpId::Port),
            port.isEmpty() ? QString::fromStdString(server.portText()) : port);
        type(find<QLineEdit>(form, SmtpId::SenderEmail), "camera@example.org");
        type(find<QLineEdit>(form, SmtpId::SenderPassword), password);
        type(find<QLineEdit>(form, SmtpId::Email1), "owner@example.net");
    }

    static QPushButton *sendButton(const SmtpFormEngine *form)
    {
        auto *button = form->findChild<QPushButton *>(QStringLiteral("sendTestMail"));
        EXPECT_NE(button, nullptr);
        return button;
    }

    // Presses the button and waits for the result, the window's events
    // running all the while.
    static bool pressAndWait(SmtpFormEngine *form)
    {
        QSignalSpy finished(form, &SmtpFormEngine::testMailFinished);
        sendButton(form)->click();
        return form->testMailRun() == nullptr || finished.wait(20000);
    }
};

struct FormCase {
    const char *name;
    int model;
    int language;
    Mode mode;
    const char *password; // typed; the server wants "secret"
    bool tlsPort;         // the form says 465
    Kind box;
    // What the box says, in the form's language, in this order.
    std::vector<const i18n::TranslatedMessage *> says;
    const char *reply; // the server's own words in the box; "" none
};

const std::vector<FormCase> kFormCases = {
    {"K600StartTlsGerman", kK600Model, 3, Mode::StartTls, "secret", false, Kind::Notice,
        {&i18n::mail::Delivered}, ""},
    {"K200ImplicitTlsFrench", kK200Model, 6, Mode::Tls, "secret", true, Kind::Notice,
        {&i18n::mail::Delivered}, ""},
    {"K200WrongPassword", kK200Model, 2, Mode::StartTls, "wrong", false, Kind::Failure,
        {&i18n::mail::NotSent, &i18n::mail::RefusedLogin, &i18n::mail::ServerReplied,
            &i18n::mail::HintLogin},
        "535 5.7.8 Authentication credentials invalid"},
    {"K600NoEncryptionOffered", kK600Model, 14, Mode::Plain, "secret", false, Kind::Failure,
        {&i18n::mail::Delivered, &i18n::mail::Unencrypted}, ""},
};

class TestMailFormCases : public TestMailForm, public ::testing::WithParamInterface<FormCase> { };

// The first line of a message, up to its first placeholder: enough to find it
// in the box whatever was filled in.
QString stem(const i18n::TranslatedMessage *message, int language)
{
    const QString text = tr(*message, language);
    return text.left(text.indexOf(QLatin1Char('%'))).trimmed();
}

TEST_P(TestMailFormCases, ServerGetsTheFormsSettingsAndTheUserItsAnswer)
{
    const FormCase &c = GetParam();
    SmtpTestServer server({.mode = c.mode});
    ASSERT_TRUE(server.running());
    TestMailSeam seam({.caFile = server.certificate(),
        .timeLimit = 10s,
        .connectTo = c.tlsPort ? "127.0.0.1:" + server.portText() : std::string()});
    auto form = open(c.model, c.language);
    ASSERT_TRUE(form);
    fill(form.get(), server, QString::fromUtf8(c.password), c.tlsPort ? "465" : QString());
    ASSERT_TRUE(pressAndWait(form.get()));

    const auto shown = MessageBoxes::takeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, c.box) << shown[0].text.toStdString();
    qsizetype at = 0;
    for (const i18n::TranslatedMessage *message : c.says) {
        const qsizetype found = shown[0].text.indexOf(stem(message, c.language), at);
        EXPECT_GE(found, at) << message->key << " in:\n" << shown[0].text.toStdString();
        at = std::max(at, found);
    }
    if (*c.reply) {
        EXPECT_TRUE(shown[0].text.contains(QString::fromUtf8(c.reply)));
    }
    EXPECT_FALSE(shown[0].text.contains(QString::fromUtf8(c.password)));

    // Logged in as the camera will: the address before "@", the typed password.
    const auto logins = server.events("auth");
    ASSERT_EQ(logins.size(), 1u);
    EXPECT_EQ(logins[0]["user"], "camera");
    EXPECT_EQ(logins[0]["password"], c.password);
    const auto messages = server.events("message");
    if (c.box == Kind::Failure && c.says.front() == &i18n::mail::NotSent) {
        EXPECT_TRUE(messages.empty());
        return;
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0]["sender"], "camera@example.org");
    EXPECT_EQ(messages[0]["to"], "owner@example.net");
    EXPECT_EQ(messages[0]["subject"], i18n::message(i18n::mail::Subject, c.language));
    EXPECT_EQ(messages[0]["body"], i18n::message(i18n::mail::Body, c.language));
    const char *tags[] = {"", "zh-CN", "en", "de", "fi", "it", "fr", "hu", "sl", "cs", "ja", "lt",
        "pl", "tr", "uk", "ru"};
    EXPECT_EQ(messages[0]["language"], tags[c.language]);
    EXPECT_TRUE(find<QLineEdit>(form.get(), SmtpId::Folder)) << "the form is still there";
}

INSTANTIATE_TEST_SUITE_P(Cases, TestMailFormCases, ::testing::ValuesIn(kFormCases),
    [](const ::testing::TestParamInfo<FormCase> &info) { return info.param.name; });

// A form its own checks refuse sends nothing: the same message as Generate,
// and the server never sees a connection.
TEST_F(TestMailForm, TheFormsOwnCheckComesFirst)
{
    SmtpTestServer server({.mode = Mode::Plain});
    ASSERT_TRUE(server.running());
    for (int model : {kK600Model, kK200Model}) {
        auto form = open(model);
        ASSERT_TRUE(form);
        form->show();
        fill(form.get(), server, "secret");
        type(find<QLineEdit>(form.get(), SmtpId::Email1), "owner.example.net"); // no "@"
        find<QPushButton>(form.get(), SmtpId::Generate)->click();
        const auto generateSaid = MessageBoxes::takeRecorded();
        ASSERT_EQ(generateSaid.size(), 1);

        sendButton(form.get())->setFocus();
        ASSERT_TRUE(pressAndWait(form.get()));
        const auto shown = MessageBoxes::takeRecorded();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, generateSaid[0].kind);
        EXPECT_EQ(shown[0].text, generateSaid[0].text);
        EXPECT_EQ(form->focusWidget(), find<QLineEdit>(form.get(), SmtpId::Email1));
        EXPECT_EQ(form->testMailRun(), nullptr);
    }
    QTest::qWait(200);
    EXPECT_TRUE(server.events().empty()) << "nothing went over the network";
}

// Nothing listens at the port, or the server never answers: the user is told
// which, in the language, with the usual causes.
TEST_F(TestMailForm, NetworkFailuresReachTheUser)
{
    SmtpTestServer silent({.mode = Mode::Silent});
    ASSERT_TRUE(silent.running());
    TestMailSeam seam({.caFile = {}, .timeLimit = 800ms, .connectTo = {}});
    const int language = 12; // Polish
    auto form = open(kK200Model, language);
    ASSERT_TRUE(form);

    const QString closed = QString::number(SmtpTestServer::closedPort());
    fill(form.get(), silent, "secret", closed);
    ASSERT_TRUE(pressAndWait(form.get()));
    auto shown = MessageBoxes::takeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Failure);
    EXPECT_TRUE(shown[0].text.contains(
        tr(i18n::mail::ConnectionRefused, language).arg(QStringLiteral("127.0.0.1"), closed)))
        << shown[0].text.toStdString();
    EXPECT_TRUE(shown[0].text.contains(tr(i18n::mail::HintNetwork, language)));

    fill(form.get(), silent, "secret");
    ASSERT_TRUE(pressAndWait(form.get()));
    shown = MessageBoxes::takeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].text.contains(
        tr(i18n::mail::TimedOut, language).replace(QStringLiteral("%1"), QStringLiteral("1"))))
        << shown[0].text.toStdString();
}

// While the server takes its time the window keeps handling events: a timer
// ticks, the progress box shows the step and the button waits its turn. Then
// Cancel ends a wait on a server that never answers at once, and says nothing.
TEST_F(TestMailForm, TheWindowStaysResponsiveAndCancelStopsTheWait)
{
    {
        SmtpTestServer slow({.mode = Mode::Plain, .delaySeconds = 1.5});
        ASSERT_TRUE(slow.running());
        TestMailSeam seam({.caFile = {}, .timeLimit = 10s, .connectTo = {}});
        auto form = open(kK600Model);
        ASSERT_TRUE(form);
        fill(form.get(), slow, "secret");
        form->show();

        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start(20);
        QSignalSpy finished(form.get(), &SmtpFormEngine::testMailFinished);
        QElapsedTimer clock;
        clock.start();
        sendButton(form.get())->click();
        // The press returns at once; the attempt runs beside the window.
        EXPECT_LT(clock.elapsed(), 500);
        ASSERT_NE(form->testMailRun(), nullptr);
        QProgressDialog *progress = form->testMailRun()->progress();
        ASSERT_NE(progress, nullptr);
        EXPECT_TRUE(progress->isVisible());
        EXPECT_FALSE(sendButton(form.get())->isEnabled()) << "one attempt at a time";
        QTRY_COMPARE_WITH_TIMEOUT(progress->findChild<QLabel *>()->text(),
            qtText(i18n::message(i18n::mail::Sending, 2)).replace("%1", "owner@example.net"), 5000);
        ASSERT_TRUE(finished.wait(10000));
        EXPECT_GT(clock.elapsed(), 1400);
        EXPECT_GT(ticks, 30) << "the timer kept ticking during the wait";
        EXPECT_TRUE(sendButton(form.get())->isEnabled());
        EXPECT_EQ(MessageBoxes::takeRecorded().size(), 1);
    }
    {
        SmtpTestServer silent({.mode = Mode::Silent});
        ASSERT_TRUE(silent.running());
        TestMailSeam seam({.caFile = {}, .timeLimit = 20s, .connectTo = {}});
        auto form = open(kK200Model);
        ASSERT_TRUE(form);
        fill(form.get(), silent, "secret");
        form->show();
        QSignalSpy finished(form.get(), &SmtpFormEngine::testMailFinished);
        sendButton(form.get())->click();
        ASSERT_NE(form->testMailRun(), nullptr);
        QProgressDialog *progress = form->testMailRun()->progress();
        QTRY_VERIFY_WITH_TIMEOUT(!silent.events("connect").empty(), 5000);
        QElapsedTimer clock;
        clock.start();
        auto *cancel = progress->findChild<QPushButton *>();
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(cancel->text(), qtText(i18n::caption(i18n::mail::Cancel, 2)));
        cancel->click();
        ASSERT_TRUE(finished.wait(5000));
        EXPECT_LT(clock.elapsed(), 2000);
        EXPECT_TRUE(MessageBoxes::takeRecorded().isEmpty()) << "a cancel needs no box";
    }
}

// Closing the form while an attempt runs cancels it; nothing is left behind.
TEST_F(TestMailForm, ClosingTheFormEndsTheAttempt)
{
    SmtpTestServer silent({.mode = Mode::Silent});
    ASSERT_TRUE(silent.running());
    TestMailSeam seam({.caFile = {}, .timeLimit = 20s, .connectTo = {}});
    auto form = open(kK600Model);
    ASSERT_TRUE(form);
    fill(form.get(), silent, "secret");
    sendButton(form.get())->click();
    QTRY_VERIFY_WITH_TIMEOUT(!silent.events("connect").empty(), 5000);
    QElapsedTimer clock;
    clock.start();
    form.reset();
    EXPECT_LT(clock.elapsed(), 2000);
    QApplication::processEvents();
    EXPECT_TRUE(MessageBoxes::takeRecorded().isEmpty());
}

} // namespace
