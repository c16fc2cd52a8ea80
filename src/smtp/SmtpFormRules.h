// The rules of the two SMTP forms, free of widgets: the mode, country and
// pictures-per-day rules, what the country and operator lists hold, and how
// the form's values become smtp.dat. The Generate checks are in SmtpFormChecks.h.
#pragma once

#include "i18n/TextTables.h"
#include "operators/OperatorPresets.h"
#include "records/RecordFile.h"
#include "smtp/SmtpFormChecks.h"
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

// The lists for values shown all at once (smtpFormValues): in Auto mode the
// GPRS country list and the chosen country's operators under their table
// names, as after choosing that country; in Manual mode "Other" in both.
SmtpChoiceLists smtpValueLists(const SmtpFormValues &values, int languageIndex);

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

// What the form hands to the writer: each edit's text goes to the smtp.dat
// text its row names (only Email 1 as the recipient). Manual mode writes operator 0 and the typed
// APN, account and GPRS password; Auto mode writes those three from the preset of the selected
// country and operator instead. `cameraLanguage` is the camera language byte of the application
// state.
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

// The way back ----------------------------------------------------------------

// The form's values for settings read from a card's smtp.dat.
//
// In Auto mode the file holds the chosen operator's GPRS preset, never what the
// APN, account and GPRS password edits held (they stay empty in Auto mode). So
// settings marked Auto whose three GPRS texts equal that operator's preset are
// Auto mode with that country and operator, the GPRS texts left out of the
// edits. Everything else is Manual mode with the file's texts in the edits:
// settings marked Manual (the mark tells them apart even when their texts
// equal a preset), and settings marked Auto that Auto mode would not write
// again as they are: texts unlike today's preset, or a country or operator
// outside the lists. The recipient is Email 1; the hidden Email 2 to Email 5
// rows are never in the file and stay empty. The SMTP status counts on a form
// with a status list only. A status, an SMS remote control or a pictures-per-
// day value outside its list or range gets the form's start value.
SmtpFormValues smtpFormValues(const SmtpFormVariant &form, const SmtpSettings &settings);

} // namespace marrowby
