// The checks an SMTP form runs when Generate is pressed, as pure functions of
// the form's values: one named row each, run in order; the first failing row
// gives the message and the edit to focus.
#pragma once

#include "i18n/TextTables.h"
#include "operators/OperatorPresets.h"
#include "smtp/SmtpFormValues.h"
#include "smtp/SmtpFormVariant.h"

#include <optional>
#include <string>
#include <string_view>

namespace marrowby {

enum class SmtpCheck {
    // Auto mode: the chosen operator's preset has an access point. It runs
    // first of all.
    P1,
    // Then, in this order: the GPRS access point (Manual mode only),
    C1,
    // the sender: SMTP server, port, e-mail (length, "@", "."), password,
    C2,
    C3,
    C4,
    C5,
    C6,
    C7,
    // the recipient Email 1 (length, "@", "."),
    C8,
    C9,
    C10,
    // the phone number: too short on the K600 form even with SMS remote
    // control "Off", and too short for an SMS remote-control interval.
    C11,
    C12
};

std::string_view smtpCheckName(SmtpCheck check); // "P1", "C1", ... "C12"

// The first check Generate refuses: its name, its message and the field it
// concerns.
struct SmtpCheckFailure {
    SmtpCheck check = SmtpCheck::C1;
    const i18n::Message *message = nullptr; // null for P1
    SmtpField field = SmtpField::Apn;
    // P1: the operator and the setting its preset lacks. The form names them
    // in the notice (smtpRefusalText) and focuses the operator list, since the
    // APN edit takes no typing in Auto mode.
    std::optional<IncompletePreset> preset = std::nullopt;

    bool operator==(const SmtpCheckFailure &) const = default;
};

// Runs the checks on the form's values and returns the first that fails (in
// Auto mode the APN, account and GPRS password values play no part: the preset
// supplies them). Lengths count UTF-16 units; the searches for "@" and "."
// cover the whole text. Empty when every check passes.
std::optional<SmtpCheckFailure> firstFailingCheck(
    const SmtpFormVariant &form, const SmtpFormValues &values);

// The notice for a failed check in the language: the check's message, or for
// P1 the operator, its country, the form's "APN" caption and the mode list's
// "Manual" entry.
std::string smtpRefusalText(
    const SmtpFormVariant &form, const SmtpCheckFailure &failure, int languageIndex);

} // namespace marrowby
