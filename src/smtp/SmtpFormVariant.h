// The two SMTP forms as data: what the K600 SMTP form (K600SmtpForm) and
// the K200 SMTP form (K200SmtpForm) have in common is one engine; what
// differs between them is listed here.
#pragma once

#include "i18n/TextTables.h"
#include "smtp/SmtpFormValues.h"
#include "smtp/SmtpSettings.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace marrowby {

// The edits of an SMTP form. Email2..Email5 exist on the K600 form only, hidden.
enum class SmtpField {
    PicturesPerDay,
    Apn,
    Account,
    GprsPassword,
    SmtpServer,
    Port,
    SenderPassword,
    SenderEmail,
    Email1,
    Email2,
    Email3,
    Email4,
    Email5,
    Folder,
    PhoneNumber,
};

// One edit: its control, the static text that names it, how many UTF-16
// units it takes (its check on take-in; 0: no limit), and the form value and
// smtp.dat text it stands for.
struct SmtpEdit {
    SmtpField field;
    int id;
    int labelId;
    int maxLength;
    // The form's value it shows; null for pictures per day (a number) and the
    // folder (the folder row's own).
    std::string *(*value)(SmtpFormValues &) = nullptr;
    // The text of smtp.dat it is written to; null when it is never written.
    std::string SmtpSettings::*setting = nullptr;
    // A GPRS text: Auto mode writes the chosen operator's preset in its place,
    // and the edit takes no typing there.
    bool fromPreset = false;
    bool masked = false; // the sender password
    bool visible = true; // false for the K600 form's Email 2 to Email 5
};

// The caption of a static text, group box or button. A null table means the
// control shows `fixedText` in every language (empty for a frame without text).
struct SmtpCaption {
    int id;
    const i18n::CaptionTable *table;
    std::string_view fixedText = {};
    bool visible = true;
};

// Ids shared by both forms.
namespace SmtpId {
inline constexpr int Exit = 2;
inline constexpr int PicturesPerDay = 1002;
inline constexpr int Apn = 1003;
inline constexpr int Account = 1004;
inline constexpr int GprsPassword = 1005;
inline constexpr int SmtpServer = 1006;
inline constexpr int Port = 1007;
inline constexpr int SenderPassword = 1008;
inline constexpr int SenderEmail = 1009;
inline constexpr int Email1 = 1012;
inline constexpr int Folder = 1017;
inline constexpr int ModeList = 1087;
inline constexpr int CountryList = 1088;
inline constexpr int OperatorList = 1093;
inline constexpr int Select = 1111;
inline constexpr int Generate = 1112;
} // namespace SmtpId

struct SmtpFormVariant {
    std::string_view className; // "K600SmtpForm", "K200SmtpForm"
    int dialogId;               // 143, 147
    SmtpLayout layout;          // the smtp.dat layout it writes

    // Every edit, in take-in order.
    std::span<const SmtpEdit> edits;
    // Every captioned control, top to bottom.
    std::span<const SmtpCaption> captions;

    int statusListId; // the SMTP status list (Off, VGA, SMS); 0 when the form has none
    int smsListId;    // SMS remote control: "0".."24", then "Off"
    int phoneId;      // the phone number edit

    // Check C11: a phone number of 1 to 4 characters is refused even with SMS
    // remote control "Off".
    bool refusesShortPhone;

    // Checks C8 to C10, on Email 1.
    const i18n::Message *email1Missing;
    const i18n::Message *email1ErrorAt;
    const i18n::Message *email1ErrorDot;

    bool hasStatusList() const { return statusListId != 0; }
    // The edit of a field; null when the form has none.
    const SmtpEdit *edit(SmtpField field) const;
    // The control id of a field's edit; 0 when the form has none.
    int fieldId(SmtpField field) const;
};

extern const SmtpFormVariant k600SmtpForm;
extern const SmtpFormVariant k200SmtpForm;

const SmtpFormVariant &smtpFormVariant(SmtpLayout layout);

} // namespace marrowby
