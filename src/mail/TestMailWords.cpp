#include "mail/TestMailWords.h"

#include "i18n/MailTexts.h"

#include <initializer_list>
#include <string_view>

namespace marrowby::mail {

namespace {

namespace texts = i18n::mail;

// The language tags of the LanguageIndex order.
const char *const kLanguageTags[]
    = {"zh-CN", "en", "de", "fi", "it", "fr", "hu", "sl", "cs", "ja", "lt", "pl", "tr", "uk", "ru"};

// The text with %1, %2, %3 replaced in one pass, so that a "%2" inside a
// value stays as it is.
std::string fill(std::string_view text, std::initializer_list<std::string_view> values)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1'
            && text[i + 1] < '1' + static_cast<int>(values.size())) {
            out += values.begin()[text[i + 1] - '1'];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string say(const i18n::TranslatedMessage &message, int language,
    std::initializer_list<std::string_view> values = {})
{
    return fill(i18n::message(message, language), values);
}

// The failure itself, in one sentence.
std::string problemText(const TestMailResult &result, const TestMailRequest &request, int language)
{
    const std::string_view server = request.server;
    const std::string_view port = request.port;
    switch (result.outcome) {
    case Outcome::HostNotFound:
        return say(texts::HostNotFound, language, {server});
    case Outcome::ConnectionRefused:
        return say(texts::ConnectionRefused, language, {server, port});
    case Outcome::NoConnection:
        return say(texts::NoConnection, language, {server, port, result.detail});
    case Outcome::TimedOut: {
        const std::string seconds = std::to_string((result.timeLimit.count() + 999) / 1000);
        return say(texts::TimedOut, language, {seconds});
    }
    case Outcome::CertificateFailed:
        return say(texts::CertificateFailed, language, {result.detail});
    case Outcome::EncryptionFailed:
        return say(texts::EncryptionFailed, language, {result.detail});
    case Outcome::BadAddress:
        return say(texts::BadAddress, language, {server, port});
    case Outcome::ConnectionLost:
        return say(texts::ConnectionLost, language, {result.detail});
    case Outcome::Refused:
        switch (result.step) {
        case Step::Login:
            return say(texts::RefusedLogin, language, {request.userName});
        case Step::Sending:
            return say(texts::RefusedSending, language);
        default:
            return say(texts::RefusedConnection, language);
        }
    case Outcome::Delivered:
    case Outcome::Cancelled:
        break;
    }
    return {};
}

const i18n::TranslatedMessage *hintFor(const TestMailResult &result)
{
    switch (result.outcome) {
    case Outcome::HostNotFound:
    case Outcome::ConnectionRefused:
    case Outcome::NoConnection:
    case Outcome::TimedOut:
    case Outcome::BadAddress:
    case Outcome::ConnectionLost:
    case Outcome::EncryptionFailed:
        return &texts::HintNetwork;
    case Outcome::CertificateFailed:
        return &texts::HintCertificate;
    case Outcome::Refused:
        if (result.step == Step::Login)
            return &texts::HintLogin;
        return result.step == Step::Sending ? &texts::HintSending : &texts::HintNetwork;
    case Outcome::Delivered:
    case Outcome::Cancelled:
        break;
    }
    return nullptr;
}

} // namespace

std::string stepText(Step step, const TestMailRequest &request, int language)
{
    switch (step) {
    case Step::Connecting:
        return say(texts::Connecting, language, {request.server, request.port});
    case Step::Greeting:
        return say(texts::Greeting, language);
    case Step::Encryption:
        return say(texts::Encrypting, language);
    case Step::Login:
        return say(texts::LoggingIn, language, {request.userName});
    case Step::Sending:
        return say(texts::Sending, language, {request.recipient});
    }
    return {};
}

std::string resultText(const TestMailResult &result, const TestMailRequest &request, int language)
{
    if (result.outcome == Outcome::Cancelled)
        return {};
    std::string text;
    if (result.delivered()) {
        text = say(texts::Delivered, language, {request.recipient});
    } else {
        text = say(texts::NotSent, language) + "\n\n" + problemText(result, request, language);
        if (!result.serverReply.empty())
            text += "\n" + say(texts::ServerReplied, language, {result.serverReply});
    }
    // The password has gone over the line once the login was under way.
    const bool passwordSent = result.step == Step::Login || result.step == Step::Sending;
    if (passwordSent && !result.encrypted)
        text += "\n\n" + say(texts::Unencrypted, language);
    if (const i18n::TranslatedMessage *hint = hintFor(result))
        text += "\n\n" + say(*hint, language);
    return text;
}

void fillTestMessage(TestMailRequest &request, int language)
{
    request.subject = say(texts::Subject, language);
    request.body = say(texts::Body, language);
    const bool valid = language >= 1 && language <= i18n::kLanguageCount;
    request.language = kLanguageTags[valid ? language - 1 : i18n::kEnglishLanguage - 1];
}

} // namespace marrowby::mail
