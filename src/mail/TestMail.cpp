#include "mail/TestMail.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <random>
#include <utility>

namespace marrowby::mail {

namespace {

constexpr char kBase64Alphabet[]
    = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string base64(std::string_view bytes)
{
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned n = static_cast<unsigned char>(bytes[i]) << 16
            | static_cast<unsigned char>(bytes[i + 1]) << 8
            | static_cast<unsigned char>(bytes[i + 2]);
        out += kBase64Alphabet[(n >> 18) & 63];
        out += kBase64Alphabet[(n >> 12) & 63];
        out += kBase64Alphabet[(n >> 6) & 63];
        out += kBase64Alphabet[n & 63];
    }
    if (i + 1 == bytes.size()) {
        const unsigned n = static_cast<unsigned char>(bytes[i]) << 16;
        out += kBase64Alphabet[(n >> 18) & 63];
        out += kBase64Alphabet[(n >> 12) & 63];
        out += "==";
    } else if (i + 2 == bytes.size()) {
        const unsigned n = static_cast<unsigned char>(bytes[i]) << 16
            | static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += kBase64Alphabet[(n >> 18) & 63];
        out += kBase64Alphabet[(n >> 12) & 63];
        out += kBase64Alphabet[(n >> 6) & 63];
        out += '=';
    }
    return out;
}

bool isPlainAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
        [](char c) { return static_cast<unsigned char>(c) >= 0x20 && c != 0x7F && c > 0; });
}

// A header text: as it is when it is printable ASCII, else encoded words of
// whole UTF-8 characters, each word short enough for a folded header line.
std::string headerText(std::string_view text)
{
    if (isPlainAscii(text) && text.size() <= 60)
        return std::string(text);
    constexpr std::size_t kChunk = 39; // 52 base64 characters: a word of 64
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = std::min(start + kChunk, text.size());
        // Never split a character: back up to the start of one.
        while (end < text.size() && end > start
            && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
        if (!out.empty())
            out += "\r\n "; // folded onto the next line
        out += "=?UTF-8?B?" + base64(text.substr(start, end - start)) + "?=";
        start = end;
    }
    return out;
}

// The date as RFC 5322 has it, in UTC, whatever the program's locale.
std::string mailDate(std::time_t now)
{
    static const char *const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char *const months[]
        = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &now);
#else
    gmtime_r(&now, &utc);
#endif
    char text[48];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d +0000", days[utc.tm_wday % 7],
        utc.tm_mday, months[utc.tm_mon % 12], utc.tm_year + 1900, utc.tm_hour, utc.tm_min,
        utc.tm_sec);
    return text;
}

std::string domainOf(std::string_view address)
{
    const std::size_t at = address.rfind('@');
    return at == std::string_view::npos ? std::string("localhost")
                                        : std::string(address.substr(at + 1));
}

std::string messageId(std::string_view sender, std::time_t now)
{
    std::random_device random;
    char id[64];
    std::snprintf(id, sizeof id, "%lld.%08x", static_cast<long long>(now), random());
    return "<" + std::string(id) + ".test@" + domainOf(sender) + ">";
}

void ensureCurlReady()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Everything one attempt keeps while libcurl runs it.
struct Attempt {
    const TestMailControl *control = nullptr;
    bool implicitTls = false;
    Step step = Step::Connecting;
    bool encrypted = false;
    bool sawReply = false;
    // The reply being received, and the last complete one.
    std::string partialReply;
    std::string lastReply;
    std::string message;
    std::size_t sent = 0;

    void enter(Step next)
    {
        if (next == step)
            return;
        step = next;
        if (control && control->onStep)
            control->onStep(next);
    }
};

std::string_view trimLineEnd(std::string_view line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != prefix[i])
            return false;
    }
    return true;
}

// A line the server sent: part of a reply, which ends on a line whose code is
// followed by a space.
void serverLine(Attempt &attempt, std::string_view line)
{
    line = trimLineEnd(line);
    if (!attempt.partialReply.empty())
        attempt.partialReply += '\n';
    attempt.partialReply += line;
    if (line.size() >= 4 && line[3] == '-')
        return; // more lines follow
    attempt.lastReply = std::exchange(attempt.partialReply, {});
    if (!attempt.sawReply) {
        attempt.sawReply = true;
        attempt.enter(Step::Greeting); // the greeting, after any TLS from the start
    }
}

// A line we sent. Only its command word is looked at, and nothing of it is
// kept: the login lines carry the password.
void clientLine(Attempt &attempt, std::string_view line)
{
    if (startsWith(line, "STARTTLS"))
        attempt.enter(Step::Encryption);
    else if (startsWith(line, "AUTH"))
        attempt.enter(Step::Login);
    else if (startsWith(line, "MAIL FROM"))
        attempt.enter(Step::Sending);
}

int onDebug(CURL *, curl_infotype type, char *data, size_t size, void *user)
{
    auto &attempt = *static_cast<Attempt *>(user);
    const std::string_view text(data, size);
    switch (type) {
    case CURLINFO_TEXT:
        if (startsWith(text, "CONNECTED TO") && attempt.step == Step::Connecting)
            attempt.enter(attempt.implicitTls ? Step::Encryption : Step::Greeting);
        break;
    case CURLINFO_HEADER_IN:
        serverLine(attempt, text);
        break;
    case CURLINFO_HEADER_OUT:
        clientLine(attempt, text);
        break;
    case CURLINFO_SSL_DATA_IN:
    case CURLINFO_SSL_DATA_OUT:
        attempt.encrypted = true;
        break;
    default:
        break;
    }
    return 0;
}

size_t onRead(char *buffer, size_t size, size_t count, void *user)
{
    auto &attempt = *static_cast<Attempt *>(user);
    const std::size_t n = std::min(size * count, attempt.message.size() - attempt.sent);
    std::memcpy(buffer, attempt.message.data() + attempt.sent, n);
    attempt.sent += n;
    return n;
}

int onProgress(void *user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto &attempt = *static_cast<const Attempt *>(user);
    const bool stop = attempt.control && attempt.control->cancel && attempt.control->cancel->load();
    return stop ? 1 : 0;
}

bool cancelled(const TestMailControl &control)
{
    return control.cancel && control.cancel->load();
}

// A whole number 1..65535, or 0.
long portNumber(std::string_view text)
{
    long port = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (error != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535)
        return 0;
    return port;
}

bool isReplyError(std::string_view reply)
{
    return !reply.empty() && (reply[0] == '4' || reply[0] == '5');
}

Outcome failureOutcome(CURLcode code, long osErrno, const Attempt &attempt)
{
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return Outcome::HostNotFound;
    case CURLE_COULDNT_CONNECT:
        return osErrno == ECONNREFUSED ? Outcome::ConnectionRefused : Outcome::NoConnection;
    case CURLE_OPERATION_TIMEDOUT:
        return Outcome::TimedOut;
    case CURLE_ABORTED_BY_CALLBACK:
        return Outcome::Cancelled;
    case CURLE_URL_MALFORMAT:
        return Outcome::BadAddress;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        return Outcome::CertificateFailed;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_USE_SSL_FAILED:
        return Outcome::EncryptionFailed;
    default:
        break;
    }
    // The server said no to the step in its own words.
    if (isReplyError(attempt.lastReply))
        return Outcome::Refused;
    return Outcome::ConnectionLost;
}

struct CurlEasyDeleter {
    void operator()(CURL *easy) const { curl_easy_cleanup(easy); }
};
struct CurlMultiDeleter {
    void operator()(CURLM *multi) const { curl_multi_cleanup(multi); }
};
struct CurlListDeleter {
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};

} // namespace

std::string senderUserName(std::string_view senderAddress)
{
    return std::string(senderAddress.substr(0, senderAddress.find('@')));
}

std::string composeTestMessage(const TestMailRequest &request, std::time_t now)
{
    std::string body = base64(request.body);
    std::string wrapped;
    for (std::size_t i = 0; i < body.size(); i += 76)
        wrapped += body.substr(i, 76) + "\r\n";

    std::string message;
    message += "Date: " + mailDate(now) + "\r\n";
    message += "From: <" + request.sender + ">\r\n";
    message += "To: <" + request.recipient + ">\r\n";
    message += "Subject: " + headerText(request.subject) + "\r\n";
    message += "Message-ID: " + messageId(request.sender, now) + "\r\n";
    message += "MIME-Version: 1.0\r\n";
    message += "Content-Type: text/plain; charset=UTF-8\r\n";
    message += "Content-Transfer-Encoding: base64\r\n";
    if (!request.language.empty())
        message += "Content-Language: " + request.language + "\r\n";
    message += "\r\n";
    message += wrapped;
    return message;
}

TestMailResult sendTestMail(const TestMailRequest &request, const TestMailControl &control)
{
    ensureCurlReady();
    TestMailResult result;
    result.timeLimit = request.timeLimit;
    const long port = portNumber(request.port);
    if (port == 0 || request.server.empty()
        || request.server.find_first_of("/@?#: \t\r\n") != std::string::npos) {
        result.outcome = Outcome::BadAddress;
        return result;
    }

    Attempt attempt;
    attempt.control = &control;
    attempt.implicitTls = port == 465;
    attempt.message = composeTestMessage(request, std::time(nullptr));

    const std::unique_ptr<CURL, CurlEasyDeleter> easy(curl_easy_init());
    const std::unique_ptr<CURLM, CurlMultiDeleter> multi(curl_multi_init());
    if (!easy || !multi) {
        result.outcome = Outcome::NoConnection;
        result.detail = "libcurl could not start";
        return result;
    }
    CURL *e = easy.get();
    const std::string url = std::string(attempt.implicitTls ? "smtps://" : "smtp://")
        + request.server + ":" + std::to_string(port);
    const std::string from = "<" + request.sender + ">";
    const std::unique_ptr<curl_slist, CurlListDeleter> recipients(
        curl_slist_append(nullptr, ("<" + request.recipient + ">").c_str()));
    const std::unique_ptr<curl_slist, CurlListDeleter> connectTo(request.connectTo.empty()
            ? nullptr
            : curl_slist_append(nullptr,
                (request.server + ":" + std::to_string(port) + ":" + request.connectTo).c_str()));
    char errorText[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(e, CURLOPT_URL, url.c_str());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    if (connectTo)
        curl_easy_setopt(e, CURLOPT_CONNECT_TO, connectTo.get());
    curl_easy_setopt(e, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!request.caFile.empty())
        curl_easy_setopt(e, CURLOPT_CAINFO, request.caFile.c_str());
    curl_easy_setopt(e, CURLOPT_USERNAME, request.userName.c_str());
    curl_easy_setopt(e, CURLOPT_PASSWORD, request.password.c_str());
    curl_easy_setopt(e, CURLOPT_MAIL_FROM, from.c_str());
    curl_easy_setopt(e, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(e, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(e, CURLOPT_READFUNCTION, onRead);
    curl_easy_setopt(e, CURLOPT_READDATA, &attempt);
    curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, static_cast<long>(request.timeLimit.count()));
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.timeLimit.count()));
    curl_easy_setopt(e, CURLOPT_ERRORBUFFER, errorText);
    // The conversation reaches onDebug only, never a terminal or a log.
    curl_easy_setopt(e, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(e, CURLOPT_DEBUGFUNCTION, onDebug);
    curl_easy_setopt(e, CURLOPT_DEBUGDATA, &attempt);
    curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(e, CURLOPT_XFERINFODATA, &attempt);

    if (control.onStep)
        control.onStep(Step::Connecting);
    // Run it in small slices, so a cancel is noticed within tens of
    // milliseconds whatever the server does.
    curl_multi_add_handle(multi.get(), e);
    CURLcode code = CURLE_OK;
    bool finished = false;
    while (!finished) {
        if (cancelled(control)) {
            code = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        int running = 0;
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
            code = CURLE_SEND_ERROR;
            break;
        }
        int queued = 0;
        while (CURLMsg *msg = curl_multi_info_read(multi.get(), &queued)) {
            if (msg->msg == CURLMSG_DONE) {
                code = msg->data.result;
                finished = true;
            }
        }
        if (!finished && running == 0) {
            code = CURLE_SEND_ERROR;
            break;
        }
        if (!finished)
            curl_multi_poll(multi.get(), nullptr, 0, 50, nullptr);
    }
    long osErrno = 0;
    curl_easy_getinfo(e, CURLINFO_OS_ERRNO, &osErrno);
    curl_multi_remove_handle(multi.get(), e);

    result.step = attempt.step;
    result.encrypted = attempt.encrypted;
    if (code == CURLE_OK) {
        result.outcome = Outcome::Delivered;
        return result;
    }
    result.outcome = failureOutcome(code, osErrno, attempt);
    if (result.outcome == Outcome::Refused)
        result.serverReply = attempt.lastReply;
    else if (result.outcome != Outcome::Cancelled)
        result.detail = errorText[0] ? errorText : curl_easy_strerror(code);
    return result;
}

} // namespace marrowby::mail
