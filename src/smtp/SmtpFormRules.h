// The rules of the two SMTP forms, free of widgets: the Generate checks, the
// mode, country and pictures-per-day rules, what the country and operator lists
// hold, and how the form's values become smtp.dat.
#pragma once

#include "i18n/TextTables.h"
#include "operators/OperatorPresets.h"
#include "records/RecordFile.h"
#include "smtp/SmtpFormValues.h"
#include "smtp/SmtpFormVariant.h"
#include "smtp/SmtpRecordFile.h"
#include "smtp/SmtpSettings.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marrowby {

// Checks ----------------------------------------------------------------------

// Check 13, Auto mode only: the selected operator's preset has an access
// point (incompleteGprsPreset). It runs before checks 1 to 12.
inline constexpr int kSmtpPresetCheck = 13;

// The first check Generate refuses: its number (1..12 the rows of the form's
// checks, or kSmtpPresetCheck), its message and the field it concerns.
struct SmtpCheckFailure {
    int check = 0;
    const i18n::Message *message = nullptr; // null for the preset check
    SmtpField field = SmtpField::Apn;
    // The preset check: the operator and the setting its preset lacks. The form
    // names them in the notice (smtpRefusalText) and focuses the operator list,
    // since the APN edit takes no typing in Auto mode.
    std::optional<IncompletePreset> preset = std::nullopt;

    bool operator==(const SmtpCheckFailure &) const = default;
};

// Runs the checks on the form's values and returns the first that fails: in
// Auto mode the preset check, then checks 1 to 12 of the form in order (in
// Auto mode the APN, account and GPRS password values play no part: the preset
// supplies them). Lengths count UTF-16 units; the searches for "@" and "."
// cover the whole text. Empty when every check passes.
std::optional<SmtpCheckFailure> firstFailingCheck(
    const SmtpFormVariant &form, const SmtpFormValues &values);

// The notice for a failed check in the language: the check's message, or for
// the preset check the operator, its country, the form's "APN" caption and the
// mode list's "Manual" entry.
std::string smtpRefusalText(
    const SmtpFormVariant &form, const SmtpCheckFailure &failure, int languageIndex);

// Mode ------------------------------------------------------------------------

// A mode change, after the form took its fields in. Returns false, changing
// nothing, when `mode` is the current one. Otherwise it empties the eight texts
// Email 1, sender e-mail, sender password, SMTP server, port, GPRS password,
// account and APN (everything else stays), and selects the first entry of the
// country and operator lists. The form then refills both lists
// (smtpModeLists) and shows all fields.
bool changeSmtpMode(SmtpFormValues &values, int mode);

// Whether the APN, account and GPRS password edits take typing: in Manual mode
// only.
bool gprsTextsEditable(int mode);

// Country and operator lists ------------------------------------------------

struct SmtpChoiceLists {
    std::vector<std::string_view> countries;
    std::vector<std::string_view> operators;
};

// When the form opens (Auto mode): the GPRS country list and the operators of
// its first country. In the Chinese UI China's operators appear under their
// Chinese names.
SmtpChoiceLists smtpStartLists(int languageIndex);

// After a mode change. Auto: the GPRS country list and the table names of the
// first country's operators. Manual: the single "Other" entry in both lists.
SmtpChoiceLists smtpModeLists(int mode, int languageIndex);

// A new country selection. In Auto mode, when the position really changed, it
// takes the position, selects the first operator and returns the operator list
// to show: the table names of that country. Otherwise nothing happens.
std::optional<std::vector<std::string_view>> changeSmtpCountry(
    SmtpFormValues &values, int position);

// A new operator selection; false when it is the current one.
bool changeSmtpOperator(SmtpFormValues &values, int position);

// Pictures per day --------------------------------------------------------------

inline constexpr int kPicturesPerDayMinimum = 0;
inline constexpr int kPicturesPerDayMaximum = 99;

// The dialog layer's message for a number outside 0..99, its place holders
// filled in.
std::string picturesPerDayRangeText(int languageIndex);

// After a take-in: a value above 99 becomes 0.
int correctPicturesPerDay(int value);

// Generate --------------------------------------------------------------------

// What the form hands to the writer. Only Email 1 goes out as the recipient;
// Manual mode writes operator 0 and the typed APN, account and GPRS password;
// Auto mode writes those three from the preset of the selected country and
// operator instead. `cameraLanguage` is the camera language byte of the
// application state.
SmtpSettings collectSmtpSettings(
    const SmtpFormVariant &form, const SmtpFormValues &values, std::uint8_t cameraLanguage);

using SmtpFileWriter
    = std::function<WriteResult(std::string_view folder, const SmtpSettings &, SmtpLayout)>;

struct SmtpGenerateResult {
    std::optional<SmtpCheckFailure> failure; // a check refused: nothing written
    std::optional<WriteResult> write;        // what the writer did, when it ran

    bool written() const { return write && write->ok; }
};

// The whole Generate press: run the checks, then write smtp.dat in the form's
// layout from the values and, in Auto mode, the preset. The preset goes into
// the written settings only, never into the form's values, whatever the
// outcome. The form shows the failure's message, or the success message
// smtp::FileGenerated.
SmtpGenerateResult generateSmtp(const SmtpFormVariant &form, const SmtpFormValues &values,
    std::string_view folder, std::uint8_t cameraLanguage,
    const SmtpFileWriter &writer = writeSmtpFile);

} // namespace marrowby
