// What an MMS form does with its values when a list or an edit changes, and
// how Generate turns them into MmsSettings: the rules without the widgets.
//
// A form keeps an MmsFormState. On each event it first takes its edits into
// the values where the rule says so, calls the rule, then makes its edits
// read-only or editable as state.editable says, refills the lists when asked,
// shows the notice if any, and finally takes in or shows all fields as the
// reaction says.
#pragma once

#include "camera/CameraRecord.h"
#include "i18n/TextTables.h"
#include "mms/MmsFormChecks.h"
#include "mms/MmsFormValues.h"
#include "mms/MmsFormVariant.h"
#include "mms/MmsSettings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marrowby {

struct MmsFormState {
    MmsFormValues values;
    MmsEditable editable;
};

// What the form does after a rule has run.
struct MmsReaction {
    enum class Fields {
        Keep,   // neither take in nor show
        TakeIn, // take in all fields
        Show    // show all fields
    };
    Fields fields = Fields::Keep;
    bool refillLists = false;              // country, operator and connection-type lists
    bool refillOperators = false;          // the operator list alone
    const i18n::Message *notice = nullptr; // a message for the notice box

    bool operator==(const MmsReaction &) const = default;
};

// The state when the form opens: "Auto", "VGA", China and its first operator,
// "APN", "Domestic", SMS remote control "Off"; only phone 1 and the e-mail
// editable.
MmsFormState startMmsForm();

// List contents for the current values.
std::vector<std::string_view> mmsCountryEntries(const MmsFormValues &values, int languageIndex);
std::vector<std::string_view> mmsOperatorEntries(const MmsFormValues &values, int languageIndex);
// "APN" in Auto mode; "APN", "CSD" in Manual mode.
std::vector<std::string_view> mmsConnectionTypeEntries(const MmsFormValues &values);
std::vector<std::string_view> mmsStatusEntries(const MmsFormVariant &variant, int languageIndex);

// List changes. Each does nothing (and returns Keep) when the position is the
// one already selected, so re-picking an entry never empties a text.

// MMS Mode 1041: empties the ten texts, refills the lists for the mode and
// sets which edits are editable.
MmsReaction changeMmsMode(const MmsFormVariant &variant, MmsFormState &state, int mode);
// MMS Status 1042.
MmsReaction changeMmsStatus(const MmsFormVariant &variant, MmsFormState &state, int status);
// Country 1045: in Auto mode the new country's operators, the first chosen.
MmsReaction changeMmsCountry(MmsFormState &state, int country);
// Operator 1046, connection type 1056, SMS remote control 1134/1061.
MmsReaction changeMmsOperator(MmsFormState &state, int op);
MmsReaction changeMmsConnectionType(MmsFormState &state, int type);
MmsReaction changeMmsRemoteControl(MmsFormState &state, int position);
// Phone type 1060: 0 "Domestic", 1 "International" (which tells the user the
// number will not show in the camera's menu). Phone 1 is not checked again.
MmsReaction changeMmsPhoneType(MmsFormState &state, int position);

// Edit changes, each called after the form has taken in all fields.

// Phone 1: emptied when longer than its limit; it unlocks phone 2.
MmsReaction mmsPhone1Changed(const MmsFormVariant &variant, MmsFormState &state);
// E-mail: unlocks phone 2 when it looks like an address.
MmsReaction mmsEmailChanged(const MmsFormVariant &variant, MmsFormState &state);
// Phone 2: unlocks phone 3.
MmsReaction mmsPhone2Changed(MmsFormState &state);
// Pictures per day: a value outside 0..99 becomes 0.
MmsReaction mmsPicturesPerDayChanged(MmsFormState &state);

// Generate: the checks, then the settings for the writer. In Auto mode the six
// operator texts come from the preset of the chosen country and operator; the
// form's values are never changed, so the preset reaches the file and never
// the edits.
struct MmsGenerate {
    std::optional<MmsCheckFailure> failure; // set: show it, write nothing
    MmsSettings settings;                   // what to write when no check failed
};
MmsGenerate prepareMmsGenerate(
    const MmsFormVariant &variant, const MmsFormValues &values, RecordContext context);

// The notice for a failed check in the language: the check's message, or for
// P1 the operator, its country and the missing setting as the form names them
// (the "URL" caption, the connection-type list's "APN"), and the mode list's
// "Manual" entry.
std::string mmsRefusalText(const MmsCheckFailure &failure, int languageIndex);

// The settings of the values as they stand, without checks.
MmsSettings collectMmsSettings(
    const MmsFormVariant &variant, const MmsFormValues &values, RecordContext context);

// The way back: the form's values for settings read from a card's setup.dat.
//
// In Auto mode the file holds the chosen operator's preset texts, never what
// the edits held (those stay empty in Auto mode). So settings marked Auto whose
// six operator texts equal that operator's preset are Auto mode with that
// country and operator, the operator texts left out of the edits. Everything
// else is Manual mode with the file's texts in the edits: settings marked
// Manual (the mark tells them apart even when their texts equal a preset), and
// settings marked Auto that Auto mode would not write again as they are: texts
// unlike today's preset (another program version, or the file changed by
// hand), a country or operator outside the lists, or "CSD", which Auto mode
// does not offer. The send code follows from the status position and is not
// read; a status, an SMS remote control or a pictures-per-day value outside
// its list or range gets the form's start value.
MmsFormValues mmsFormValues(const MmsFormVariant &variant, const MmsSettings &settings);

// The form's state for values shown all at once: which edits take typing is
// what the rules make of choosing the mode and the status, then typing phone 1,
// the e-mail and phone 2; the values stay as they are.
MmsFormState mmsFormState(const MmsFormVariant &variant, const MmsFormValues &values);

} // namespace marrowby
