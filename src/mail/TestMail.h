// A test e-mail through the camera's mail server: connect, greet, encrypt
// when the server offers it, log in as the camera will and send one short
// message, so that wrong settings show up at the desk and not in the forest.
// Standard library and libcurl only; nothing here knows of windows or texts
// in the user's language.
#pragma once

#include <atomic>
#include <chrono>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>

namespace marrowby::mail {

// What the camera's mail settings say, and the message to send.
struct TestMailRequest {
    std::string server;    // host name or address, as the form has it
    std::string port;      // as the form has it (text); 465 means TLS from the start
    std::string userName;  // the login name the camera uses
    std::string password;  // never logged, never part of any result
    std::string sender;    // the sender's address (MAIL FROM and From:)
    std::string recipient; // the recipient's address (RCPT TO and To:)
    std::string subject;   // UTF-8
    std::string body;      // UTF-8
    std::string language;  // Content-Language, e.g. "de" or "zh-CN"; empty: none
    // A file of certificates to trust instead of the system's; empty: the
    // system's. The server's certificate is always verified.
    std::string caFile;
    // Where the connection really goes ("host:port"), whatever the server and
    // port say; empty: the server and port. For tests, which cannot listen on 465.
    std::string connectTo;
    // The whole attempt, from looking up the name to the server's last reply.
    std::chrono::milliseconds timeLimit{30000};
};

// What the attempt is doing, in order. A failure names the step it happened in.
enum class Step {
    Connecting, // looking up the name, opening the connection
    Greeting,   // the server's greeting and the reply to our hello
    Encryption, // STARTTLS, or the TLS handshake on port 465
    Login,      // AUTH with the user name and password
    Sending,    // sender, recipient and the message
};

enum class Outcome {
    Delivered,         // the server accepted the message
    Refused,           // the server answered a step with an error reply
    HostNotFound,      // the name does not resolve
    ConnectionRefused, // nothing listens at that port
    NoConnection,      // no connection for another reason (unreachable, ...)
    TimedOut,          // the time limit ran out
    CertificateFailed, // the server's certificate could not be verified
    EncryptionFailed,  // the TLS handshake failed otherwise
    BadAddress,        // the server name or port cannot make an address
    ConnectionLost,    // the connection broke off mid-way
    Cancelled,         // the caller asked to stop
};

struct TestMailResult {
    Outcome outcome = Outcome::Cancelled;
    Step step = Step::Connecting; // where it ended (Sending when delivered)
    // The server's last reply as it sent it, line by line ("\n" between
    // lines, no line ends), e.g. "535 5.7.8 Authentication credentials invalid".
    std::string serverReply;
    // The library's own words about a failure (English), for what the
    // server did not say itself.
    std::string detail;
    // The time limit the attempt had.
    std::chrono::milliseconds timeLimit{0};
    // Whether the conversation was encrypted (STARTTLS or TLS from the start).
    bool encrypted = false;

    bool delivered() const { return outcome == Outcome::Delivered; }
};

// The caller's side of a running attempt: a flag it may set from any thread to
// stop, and a callback told of each new step (on the sending thread).
struct TestMailControl {
    const std::atomic<bool> *cancel = nullptr;
    std::function<void(Step)> onStep;
};

// Sends the test message and reports how far it got. Blocks until done, the
// time limit runs out or `control.cancel` is set (it is looked at every few
// tens of milliseconds). Safe to call from any thread.
TestMailResult sendTestMail(const TestMailRequest &request, const TestMailControl &control = {});

// The login name the camera uses: the sender's address up to its first "@"
// (the whole address when it has none).
std::string senderUserName(std::string_view senderAddress);

// The message as it goes over the wire: headers (the subject as an encoded
// word), a blank line and the body in base64, every line ended by CRLF.
std::string composeTestMessage(const TestMailRequest &request, std::time_t now);

} // namespace marrowby::mail
