// Texts of the SMTP forms' test e-mail, in every language: the button, the
// progress box, the message itself and the result. Placeholders as each
// comment says; "the reason (English)" is the mail library's own wording.
#pragma once

#include "i18n/TextTables.h"

#include <span>

namespace marrowby::i18n::mail {
extern const CaptionTable SendTestMail;           // the button in the sender block
extern const CaptionTable Cancel;                 // the progress box's button
extern const TranslatedMessage Subject;           // the test e-mail's subject
extern const TranslatedMessage Body;              // the test e-mail's text
extern const TranslatedMessage Connecting;        // progress; %1 the server, %2 the port
extern const TranslatedMessage Greeting;          // progress
extern const TranslatedMessage Encrypting;        // progress
extern const TranslatedMessage LoggingIn;         // progress; %1 the user name
extern const TranslatedMessage Sending;           // progress; %1 the recipient
extern const TranslatedMessage Delivered;         // %1 the recipient
extern const TranslatedMessage Unencrypted;       // after the result when nothing was encrypted
extern const TranslatedMessage NotSent;           // first line of every failure
extern const TranslatedMessage HostNotFound;      // %1 the server
extern const TranslatedMessage ConnectionRefused; // %1 the server, %2 the port
extern const TranslatedMessage NoConnection; // %1 the server, %2 the port, %3 the reason (English)
extern const TranslatedMessage TimedOut;     // %1 the seconds
extern const TranslatedMessage CertificateFailed; // %1 the reason (English)
extern const TranslatedMessage EncryptionFailed;  // %1 the reason (English)
extern const TranslatedMessage BadAddress;        // %1 the server, %2 the port
extern const TranslatedMessage ConnectionLost;    // %1 the reason (English)
extern const TranslatedMessage RefusedConnection; // the server said no before the login
extern const TranslatedMessage RefusedLogin;      // %1 the user name
extern const TranslatedMessage
    RefusedSending; // the server said no to the sender, recipient or message
extern const TranslatedMessage ServerReplied;   // %1 the server's reply as it sent it
extern const TranslatedMessage HintLogin;       // after a refused login
extern const TranslatedMessage HintNetwork;     // after a failed connection
extern const TranslatedMessage HintCertificate; // after a certificate that could not be verified
extern const TranslatedMessage HintSending;     // after a refused sender, recipient or message

// Every caption and message above, for the text registry.
std::span<const CaptionTable *const> allMailCaptions();
std::span<const TranslatedMessage *const> allMailMessages();

} // namespace marrowby::i18n::mail
