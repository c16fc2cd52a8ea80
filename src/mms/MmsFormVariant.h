// The two MMS forms and their model variants as data.
//
// The standard form (StandardMmsForm) serves the older camera families, the K600
// form (K600MmsForm) the newer ones; both share one set of rules, and
// everything in which a form or model differs is a field here.
#pragma once

#include "catalogue/ModelCatalogue.h"
#include "i18n/TextTables.h"
#include "mms/MmsFormValues.h"
#include "mms/MmsSettings.h"

#include <string>

namespace marrowby {

struct MmsFormVariant {
    MmsFormKind kind = MmsFormKind::Standard;
    int dialogId = 130; // 130 standard, 142 K600

    // MMS Status list 1042: "Off", "VGA", ["QVGA",] "SMS".
    const i18n::OptionTable *statusOptions = nullptr;
    int smsPosition = 3;   // position of "SMS" in that list
    int smsSendCode = 3;   // send code written for "SMS"; other positions write themselves
    bool smsRules = false; // "SMS" switches to the SMS checks and locks the other fields
    // With smsRules: choosing Manual while "SMS" stands also makes the six
    // operator texts read-only again.
    bool smsLocksManualOperatorTexts = false;

    // Phone 1: the length the form tests (the edit itself is unlimited), domestic
    // and international; 0 when the edit itself stops at phone1EditLimit.
    int phone1DomesticLimit = 11;
    int phone1InternationalLimit = 32;
    int phone1EditLimit = 0;
    int phone23EditLimit = 32; // phone 2 and phone 3 edits

    // The K410MG-1080P variant: phone 1, phone 2 and the e-mail take a phone
    // number or an e-mail alike (checks G5a and G8a instead of G2 to G5, G8 and
    // G9), the phone-type list is hidden, phone 1 is as wide as the e-mail edit,
    // and labels 1050 and 1051 read "Phone or Email".
    bool phoneOrEmail = false;

    bool remoteControlNeedsPhone1 = true;           // check R1
    const i18n::Message *gatewayDotError = nullptr; // check G14

    // SMS remote-control row: label and list ids (1129/1134; K600 1084/1061).
    int smsRemoteControlLabelId = 1129;
    int smsRemoteControlListId = 1134;
};

// One edit of the MMS forms, the same on both: its control, the static text
// that names it and that text's caption, how many UTF-16 units it takes (its
// check on take-in), and the form value and setup.dat text it stands for.
struct MmsEditRow {
    MmsEdit edit;
    int id;
    // 0 for the access point, beside which the connection-type list stands,
    // and for the folder.
    int labelId;
    const i18n::CaptionTable *caption;
    // The edit's own limit; 0 for none. Phone 1 to phone 3 have the variant's.
    int maxLength;
    // The form's value it shows; null for pictures per day (a number) and the
    // folder (the folder row's own).
    std::string MmsFormValues::*value;
    std::string MmsSettings::*setting;
    // An operator text: Auto mode writes the chosen operator's preset in its place.
    bool fromPreset = false;
};

// The rows, in the order of MmsEdit.
const MmsEditRow &mmsEditRow(MmsEdit edit);
std::span<const MmsEditRow> mmsEditRows();

// The caption of an edit's label on the form: on the phone-or-e-mail variant
// phone 1 and the e-mail read "Phone or Email".
const i18n::CaptionTable *mmsEditCaption(const MmsFormVariant &variant, MmsEdit edit);

// The variant of a form for a model. An index outside 1..19 gets the standard
// form's general rules (no SMS rules, four status entries).
MmsFormVariant mmsFormVariant(MmsFormKind kind, int modelIndex);

// "SMS selected": the status list stands on "SMS" on a model whose SMS entry
// has rules of its own.
bool smsSelected(const MmsFormVariant &variant, int status);

// Byte 0 of the settings record for a status position.
int mmsSendCode(const MmsFormVariant &variant, int status);

// The length limit of an edit itself (typing stops there); 0 for none.
int mmsEditMaxLength(const MmsFormVariant &variant, MmsEdit edit);

// The phone 1 length the form allows; on the K410MG-1080P the edit's own 40.
int mmsPhone1Limit(const MmsFormVariant &variant, bool international);

// Taking in phone 1: the limit to name in the limit message when phone 1 is
// longer than it allows, otherwise 0. The K410MG-1080P never reports one.
int mmsPhone1OverLimit(const MmsFormVariant &variant, const MmsFormValues &values);

} // namespace marrowby
