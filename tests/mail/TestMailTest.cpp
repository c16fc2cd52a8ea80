// The test e-mail against a real mail server on the loopback address: what
// the server receives, and what the sender reports when a step fails.
#include "mail/TestMail.h"

#include "SmtpTestServer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

using namespace marrowby::mail;
using marrowby::test::SmtpTestServer;
using Mode = SmtpTestServer::Mode;
using namespace std::chrono_literals;

namespace {

const char *const kSubject = "Testnachricht vom Einstellungsprogramm Ihrer Kamera – grün";
const char *const kBody = "Dies ist ein Test: die Kamera sendet ihre Bilder über diesen Server. ✓";

// The request as the SMTP form makes it, against `server`.
TestMailRequest requestFor(const SmtpTestServer &server, const std::string &password)
{
    TestMailRequest request;
    request.server = "127.0.0.1";
    request.port = server.portText();
    request.userName = "camera";
    request.password = password;
    request.sender = "camera@example.org";
    request.recipient = "owner@example.net";
    request.subject = kSubject;
    request.body = kBody;
    request.language = "de";
    request.caFile = server.certificate();
    request.timeLimit = 10s;
    return request;
}

struct Case {
    const char *name;
    Mode mode;
    const char *password; // typed into the form; the server expects "secret", or as below
    const char *serverPassword;
    bool tlsPort; // the form says 465; the connection goes to the server's port
    Outcome outcome;
    Step step;         // where it ended
    const char *reply; // the server's reply the user sees; "" none
    bool encrypted;
};

const Case kCases[] = {
    {"GoodLogin", Mode::Plain, "secret", "secret", false, Outcome::Delivered, Step::Sending, "",
        false},
    {"WrongPassword", Mode::Plain, "wrong", "secret", false, Outcome::Refused, Step::Login,
        "535 5.7.8 Authentication credentials invalid", false},
    {"StartTls", Mode::StartTls, "secret", "secret", false, Outcome::Delivered, Step::Sending, "",
        true},
    {"WrongPasswordAfterStartTls", Mode::StartTls, "Secret", "secret", false, Outcome::Refused,
        Step::Login, "535 5.7.8 Authentication credentials invalid", true},
    {"ImplicitTls", Mode::Tls, "secret", "secret", true, Outcome::Delivered, Step::Sending, "",
        true},
    {"NonAsciiPassword", Mode::StartTls, "pässwörd€ключ", "pässwörd€ключ", false,
        Outcome::Delivered, Step::Sending, "", true},
};

class TestMailAgainstServer : public ::testing::TestWithParam<Case> { };

TEST_P(TestMailAgainstServer, ServerSeesWhatTheFormSays)
{
    const Case &c = GetParam();
    SmtpTestServer server({.mode = c.mode, .password = c.serverPassword});
    ASSERT_TRUE(server.running());

    TestMailRequest request = requestFor(server, c.password);
    if (c.tlsPort) {
        request.port = "465";
        request.connectTo = "127.0.0.1:" + server.portText();
    }
    std::vector<Step> steps;
    const TestMailResult result
        = sendTestMail(request, {.cancel = nullptr, .onStep = [&](Step s) { steps.push_back(s); }});

    EXPECT_EQ(result.outcome, c.outcome) << result.detail << " / " << result.serverReply;
    EXPECT_EQ(result.step, c.step);
    EXPECT_EQ(result.serverReply, c.reply);
    EXPECT_EQ(result.encrypted, c.encrypted);
    // The password reaches the server and nothing else.
    EXPECT_EQ(result.serverReply.find(c.password), std::string::npos);
    EXPECT_EQ(result.detail.find(c.password), std::string::npos);

    // One login, with exactly the form's user name and password.
    const auto logins = server.events("auth");
    ASSERT_EQ(logins.size(), 1u);
    EXPECT_EQ(logins[0]["user"], "camera");
    EXPECT_EQ(logins[0]["password"], c.password);

    const auto messages = server.events("message");
    if (c.outcome != Outcome::Delivered) {
        EXPECT_TRUE(messages.empty());
        return;
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0]["sender"], "camera@example.org");
    EXPECT_EQ(messages[0]["to"], "owner@example.net");
    EXPECT_EQ(messages[0]["subject"], kSubject);
    EXPECT_EQ(messages[0]["body"], kBody);
    EXPECT_EQ(messages[0]["language"], "de");
    EXPECT_EQ(messages[0]["charset"], "utf-8");

    // Each step told once, in order; no encryption step where none was used.
    std::vector<Step> expected = {Step::Connecting};
    if (c.tlsPort)
        expected.push_back(Step::Encryption);
    expected.push_back(Step::Greeting);
    if (c.mode == Mode::StartTls)
        expected.push_back(Step::Encryption);
    expected.insert(expected.end(), {Step::Login, Step::Sending});
    EXPECT_EQ(steps, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TestMailAgainstServer, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<Case> &info) { return info.param.name; });

// Failures before any login: no server there, a server that never answers,
// a certificate nobody vouches for.
TEST(TestMail, ReportsTheNetworksOwnFailures)
{
    {
        SCOPED_TRACE("nothing listens");
        TestMailRequest request;
        request.server = "127.0.0.1";
        request.port = std::to_string(SmtpTestServer::closedPort());
        request.password = "secret";
        const TestMailResult result = sendTestMail(request);
        EXPECT_EQ(result.outcome, Outcome::ConnectionRefused) << result.detail;
        EXPECT_EQ(result.step, Step::Connecting);
        EXPECT_FALSE(result.detail.empty());
    }
    {
        SCOPED_TRACE("a server that never answers: the time limit");
        SmtpTestServer silent({.mode = Mode::Silent});
        ASSERT_TRUE(silent.running());
        TestMailRequest request = requestFor(silent, "secret");
        request.timeLimit = 700ms;
        const auto start = std::chrono::steady_clock::now();
        const TestMailResult result = sendTestMail(request);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(result.outcome, Outcome::TimedOut) << result.detail;
        EXPECT_EQ(result.step, Step::Greeting);
        EXPECT_GE(took, 600ms);
        EXPECT_LT(took, 5s);
        EXPECT_EQ(silent.events("connect").size(), 1u);
    }
    {
        SCOPED_TRACE("a certificate the sender was not told to trust");
        SmtpTestServer server({.mode = Mode::StartTls});
        ASSERT_TRUE(server.running());
        TestMailRequest request = requestFor(server, "secret");
        request.caFile.clear(); // the system's certificates only
        const TestMailResult result = sendTestMail(request);
        EXPECT_EQ(result.outcome, Outcome::CertificateFailed) << result.detail;
        EXPECT_EQ(result.step, Step::Encryption);
        EXPECT_TRUE(server.events("auth").empty()) << "no password over an unverified connection";
    }
    {
        SCOPED_TRACE("a port that is no port");
        TestMailRequest request;
        request.server = "127.0.0.1";
        for (const char *port : {"0", "65536", "25a", ""}) {
            request.port = port;
            EXPECT_EQ(sendTestMail(request).outcome, Outcome::BadAddress) << port;
        }
    }
}

// A cancel while the server keeps silent ends the attempt at once, long
// before the time limit.
TEST(TestMail, CancelEndsTheWait)
{
    SmtpTestServer silent({.mode = Mode::Silent});
    ASSERT_TRUE(silent.running());
    TestMailRequest request = requestFor(silent, "secret");
    request.timeLimit = 20s;
    std::atomic<bool> cancel = false;
    std::thread canceller([&] {
        std::this_thread::sleep_for(300ms);
        cancel = true;
    });
    const auto start = std::chrono::steady_clock::now();
    const TestMailResult result = sendTestMail(request, {.cancel = &cancel, .onStep = {}});
    const auto took = std::chrono::steady_clock::now() - start;
    canceller.join();
    EXPECT_EQ(result.outcome, Outcome::Cancelled);
    EXPECT_LT(took, 2s);
}

TEST(TestMail, UserNameIsTheAddressBeforeTheAt)
{
    EXPECT_EQ(senderUserName("camera@example.org"), "camera");
    EXPECT_EQ(senderUserName("first.last@mail.example.org"), "first.last");
    EXPECT_EQ(senderUserName("a@b@c"), "a");
    EXPECT_EQ(senderUserName("noat"), "noat");
    EXPECT_EQ(senderUserName("jörg@example.de"), "jörg");
}

// Long and non-ASCII subjects become encoded words that never split a
// character; lines stay short and end in CRLF.
TEST(TestMail, MessageIsProperMime)
{
    TestMailRequest request;
    request.sender = "a@example.org";
    request.recipient = "b@example.org";
    request.subject = "測試郵件：相機設置工具的測試。相機將通過此服務器發送圖片。";
    request.body = std::string(300, 'x');
    const std::string message = composeTestMessage(request, 0);
    EXPECT_NE(message.find("Date: Thu, 01 Jan 1970 00:00:00 +0000\r\n"), std::string::npos);
    EXPECT_NE(message.find("Subject: =?UTF-8?B?"), std::string::npos);
    std::size_t start = 0;
    while (start < message.size()) {
        const std::size_t end = message.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "every line ends in CRLF";
        EXPECT_LE(end - start, 78u) << message.substr(start, end - start);
        EXPECT_EQ(message.substr(start, end - start).find('\n'), std::string::npos);
        start = end + 2;
    }
}

} // namespace
