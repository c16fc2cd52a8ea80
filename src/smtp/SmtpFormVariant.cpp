#include "smtp/SmtpFormVariant.h"

#include <array>

namespace marrowby {

namespace {

namespace ms = i18n::mmssmtp;
namespace sm = i18n::smtp;
namespace sh = i18n::shared;

template <std::string SmtpFormValues::*Member> std::string *valueOf(SmtpFormValues &v)
{
    return &(v.*Member);
}

template <std::size_t Row> std::string *hiddenEmail(SmtpFormValues &v)
{
    return &v.hiddenEmails[Row];
}

using V = SmtpFormValues;
using S = SmtpSettings;
using F = SmtpField;

// Each form's edits in take-in order. The K200 form differs in its phone
// number's ids, its 32-character addresses and having no Email 2 to Email 5.
// clang-format off
constexpr std::array k600Edits{
    SmtpEdit{F::PicturesPerDay, SmtpId::PicturesPerDay, 1089, 0},
    SmtpEdit{F::Apn,            SmtpId::Apn,            1097, 32, valueOf<&V::apn>,            &S::apn,            true},
    SmtpEdit{F::Account,        SmtpId::Account,        1098, 32, valueOf<&V::account>,        &S::account,        true},
    SmtpEdit{F::GprsPassword,   SmtpId::GprsPassword,   1099, 32, valueOf<&V::gprsPassword>,   &S::gprsPassword,   true},
    SmtpEdit{F::SmtpServer,     SmtpId::SmtpServer,     1100, 40, valueOf<&V::smtpServer>,     &S::smtpServer},
    SmtpEdit{F::Port,           SmtpId::Port,           1101, 10, valueOf<&V::port>,           &S::port},
    SmtpEdit{F::SenderPassword, SmtpId::SenderPassword, 1102, 32, valueOf<&V::senderPassword>, &S::senderPassword, false, true},
    SmtpEdit{F::SenderEmail,    SmtpId::SenderEmail,    1103, 40, valueOf<&V::senderEmail>,    &S::senderEmail},
    SmtpEdit{F::Email1,         SmtpId::Email1,         1106, 40, valueOf<&V::email1>,         &S::recipientEmail},
    SmtpEdit{F::Email2,         1013,                   1108, 40, hiddenEmail<0>,              nullptr,            false, false, false},
    SmtpEdit{F::Email3,         1014,                   1109, 40, hiddenEmail<1>,              nullptr,            false, false, false},
    SmtpEdit{F::Email4,         1015,                   1110, 40, hiddenEmail<2>,              nullptr,            false, false, false},
    SmtpEdit{F::Email5,         1016,                   1118, 40, hiddenEmail<3>,              nullptr,            false, false, false},
    SmtpEdit{F::Folder,         SmtpId::Folder,         0,    0},
    SmtpEdit{F::PhoneNumber,    1117,                   1116, 30, valueOf<&V::phoneNumber>,    &S::phoneNumber},
};

constexpr std::array k200Edits{
    SmtpEdit{F::PicturesPerDay, SmtpId::PicturesPerDay, 1089, 0},
    SmtpEdit{F::Apn,            SmtpId::Apn,            1097, 32, valueOf<&V::apn>,            &S::apn,            true},
    SmtpEdit{F::Account,        SmtpId::Account,        1098, 32, valueOf<&V::account>,        &S::account,        true},
    SmtpEdit{F::GprsPassword,   SmtpId::GprsPassword,   1099, 32, valueOf<&V::gprsPassword>,   &S::gprsPassword,   true},
    SmtpEdit{F::SmtpServer,     SmtpId::SmtpServer,     1100, 40, valueOf<&V::smtpServer>,     &S::smtpServer},
    SmtpEdit{F::Port,           SmtpId::Port,           1101, 10, valueOf<&V::port>,           &S::port},
    SmtpEdit{F::SenderPassword, SmtpId::SenderPassword, 1102, 32, valueOf<&V::senderPassword>, &S::senderPassword, false, true},
    SmtpEdit{F::SenderEmail,    SmtpId::SenderEmail,    1103, 32, valueOf<&V::senderEmail>,    &S::senderEmail},
    SmtpEdit{F::Email1,         SmtpId::Email1,         1106, 32, valueOf<&V::email1>,         &S::recipientEmail},
    SmtpEdit{F::Folder,         SmtpId::Folder,         0,    0},
    SmtpEdit{F::PhoneNumber,    1113,                   1114, 30, valueOf<&V::phoneNumber>,    &S::phoneNumber},
};

// The "APN" caption reads the same in every language; the hidden Email 2 to
// Email 5 labels are never translated because they are never shown.
constexpr std::array k600Captions{
    SmtpCaption{1086, &sm::SmtpMode},
    SmtpCaption{1113, &sm::SmtpStatus},
    SmtpCaption{1089, &ms::PictureNoPerDay},
    SmtpCaption{1090, &ms::NoteUnlimited},
    SmtpCaption{1091, &ms::Country},
    SmtpCaption{1092, &ms::Operator},
    SmtpCaption{1107, &ms::SmsRemoteControl},
    SmtpCaption{1085, &ms::Hour},
    SmtpCaption{1094, nullptr},
    SmtpCaption{1095, nullptr},
    SmtpCaption{1096, nullptr},
    SmtpCaption{1146, &sm::GprsSetting},
    SmtpCaption{1097, nullptr, "APN"},
    SmtpCaption{1098, &ms::Account},
    SmtpCaption{1099, &ms::Password},
    SmtpCaption{1104, &sm::Sender},
    SmtpCaption{1100, &sm::SmtpServer},
    SmtpCaption{1101, &sm::ServerPort},
    SmtpCaption{1103, &sm::SenderEmail},
    SmtpCaption{1102, &sm::SenderPassword},
    SmtpCaption{1105, &sm::Recipients},
    SmtpCaption{1106, &sm::Email01},
    SmtpCaption{1108, nullptr, "Email 2", false},
    SmtpCaption{1109, nullptr, "Email 3", false},
    SmtpCaption{1110, nullptr, "Email 4", false},
    SmtpCaption{1118, nullptr, "Email 5", false},
    SmtpCaption{1147, &sm::Sms},
    SmtpCaption{1116, &ms::PhoneNo},
    SmtpCaption{SmtpId::Select, &sh::Select},
    SmtpCaption{SmtpId::Generate, &sh::Generate},
    SmtpCaption{SmtpId::Exit, &sh::Exit},
};

constexpr std::array k200Captions{
    SmtpCaption{1086, &sm::SmtpMode},
    SmtpCaption{1089, &ms::PictureNoPerDay},
    SmtpCaption{1090, &ms::NoteUnlimited},
    SmtpCaption{1091, &ms::Country},
    SmtpCaption{1092, &ms::Operator},
    SmtpCaption{1131, nullptr},
    SmtpCaption{1132, &ms::SmsRemoteControl},
    SmtpCaption{1085, &ms::Hour},
    SmtpCaption{1094, nullptr},
    SmtpCaption{1095, nullptr},
    SmtpCaption{1096, nullptr},
    SmtpCaption{1107, &sm::GprsSetting},
    SmtpCaption{1097, nullptr, "APN"},
    SmtpCaption{1098, &ms::Account},
    SmtpCaption{1099, &ms::Password},
    SmtpCaption{1104, &sm::Sender},
    SmtpCaption{1100, &sm::SmtpServer},
    SmtpCaption{1101, &sm::ServerPort},
    SmtpCaption{1103, &sm::SenderEmail},
    SmtpCaption{1102, &sm::SenderPassword},
    SmtpCaption{1105, &sm::Recipients},
    SmtpCaption{1106, &sm::Email01},
    SmtpCaption{1083, &sm::Sms},
    SmtpCaption{1114, &ms::PhoneNo},
    SmtpCaption{SmtpId::Select, &sh::Select},
    SmtpCaption{SmtpId::Generate, &sh::Generate},
    SmtpCaption{SmtpId::Exit, &sh::Exit},
};
// clang-format on

} // namespace

const SmtpFormVariant k600SmtpForm{
    .className = "K600SmtpForm",
    .dialogId = 143,
    .layout = SmtpLayout::K600,
    .edits = k600Edits,
    .captions = k600Captions,
    .statusListId = 1114,
    .smsListId = 1115,
    .phoneId = 1117,
    .refusesShortPhone = true,
    .email1Missing = &sm::EnterEmail01,
    .email1ErrorAt = &sm::Email01ErrorAt,
    .email1ErrorDot = &sm::Email01ErrorDot,
};

const SmtpFormVariant k200SmtpForm{
    .className = "K200SmtpForm",
    .dialogId = 147,
    .layout = SmtpLayout::K200,
    .edits = k200Edits,
    .captions = k200Captions,
    .statusListId = 0,
    .smsListId = 1135,
    .phoneId = 1113,
    .refusesShortPhone = false,
    // The K200 form asks for its recipient with the sender's messages.
    .email1Missing = &sm::EnterEmail,
    .email1ErrorAt = &sm::EmailErrorAt,
    .email1ErrorDot = &sm::EmailErrorDot,
};

const SmtpEdit *SmtpFormVariant::edit(SmtpField field) const
{
    for (const SmtpEdit &e : edits) {
        if (e.field == field)
            return &e;
    }
    return nullptr;
}

int SmtpFormVariant::fieldId(SmtpField field) const
{
    const SmtpEdit *e = edit(field);
    return e ? e->id : 0;
}

const SmtpFormVariant &smtpFormVariant(SmtpLayout layout)
{
    return layout == SmtpLayout::K600 ? k600SmtpForm : k200SmtpForm;
}

} // namespace marrowby
