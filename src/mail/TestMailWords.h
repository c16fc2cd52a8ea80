// The test e-mail's progress and result in the user's language.
#pragma once

#include "mail/TestMail.h"

#include <string>

namespace marrowby::mail {

// What the progress box says during a step.
std::string stepText(Step step, const TestMailRequest &request, int languageIndex);

// The result as the message box shows it: delivered, or what failed with the
// server's own reply or the network's error and a hint at the usual causes;
// and, when the password went unencrypted, a note that says so. Empty for a
// cancelled attempt (the user knows). The password never appears in it.
std::string resultText(
    const TestMailResult &result, const TestMailRequest &request, int languageIndex);

// The message to send, in the language: subject, body and language tag.
void fillTestMessage(TestMailRequest &request, int languageIndex);

} // namespace marrowby::mail
