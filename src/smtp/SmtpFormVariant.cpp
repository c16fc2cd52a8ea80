#include "smtp/SmtpFormVariant.h"

#include <array>

namespace marrowby {

namespace {

namespace ms = i18n::mmssmtp;
namespace sm = i18n::smtp;
namespace sh = i18n::shared;

// clang-format off
constexpr std::array k600Edits{
    SmtpEdit{SmtpField::PicturesPerDay, SmtpId::PicturesPerDay, 0,  false, true},
    SmtpEdit{SmtpField::Apn,            SmtpId::Apn,            32},
    SmtpEdit{SmtpField::Account,        SmtpId::Account,        32},
    SmtpEdit{SmtpField::GprsPassword,   SmtpId::GprsPassword,   32},
    SmtpEdit{SmtpField::SmtpServer,     SmtpId::SmtpServer,     40},
    SmtpEdit{SmtpField::Port,           SmtpId::Port,           10},
    SmtpEdit{SmtpField::SenderPassword, SmtpId::SenderPassword, 32, true},
    SmtpEdit{SmtpField::SenderEmail,    SmtpId::SenderEmail,    40},
    SmtpEdit{SmtpField::Email1,         SmtpId::Email1,         40},
    SmtpEdit{SmtpField::Email2,         1013,                   40, false, false, false},
    SmtpEdit{SmtpField::Email3,         1014,                   40, false, false, false},
    SmtpEdit{SmtpField::Email4,         1015,                   40, false, false, false},
    SmtpEdit{SmtpField::Email5,         1016,                   40, false, false, false},
    SmtpEdit{SmtpField::Folder,         SmtpId::Folder,         0},
    SmtpEdit{SmtpField::PhoneNumber,    1117,                   30},
};

constexpr std::array k200Edits{
    SmtpEdit{SmtpField::PicturesPerDay, SmtpId::PicturesPerDay, 0,  false, true},
    SmtpEdit{SmtpField::Apn,            SmtpId::Apn,            32},
    SmtpEdit{SmtpField::Account,        SmtpId::Account,        32},
    SmtpEdit{SmtpField::GprsPassword,   SmtpId::GprsPassword,   32},
    SmtpEdit{SmtpField::SmtpServer,     SmtpId::SmtpServer,     40},
    SmtpEdit{SmtpField::Port,           SmtpId::Port,           10},
    SmtpEdit{SmtpField::SenderPassword, SmtpId::SenderPassword, 32, true},
    SmtpEdit{SmtpField::SenderEmail,    SmtpId::SenderEmail,    32},
    SmtpEdit{SmtpField::Email1,         SmtpId::Email1,         32},
    SmtpEdit{SmtpField::Folder,         SmtpId::Folder,         0},
    SmtpEdit{SmtpField::PhoneNumber,    1113,                   30},
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
    .className = "CMarrowbyK600Smtp",
    .dialogId = 143,
    .layout = SmtpLayout::K600,
    .templateWidth = 292,
    .templateHeight = 399,
    .edits = k600Edits,
    .captions = k600Captions,
    .statusListId = 1114,
    .smsListId = 1115,
    .phoneId = 1117,
    .hiddenRowsHeight = 126,
    .emailLimit = 40,
    .refusesShortPhone = true,
    .email1Missing = &sm::EnterEmail01,
    .email1ErrorAt = &sm::Email01ErrorAt,
    .email1ErrorDot = &sm::Email01ErrorDot,
};

const SmtpFormVariant k200SmtpForm{
    .className = "CMarrowbyK200Smtp",
    .dialogId = 147,
    .layout = SmtpLayout::K200,
    .templateWidth = 286,
    .templateHeight = 357,
    .edits = k200Edits,
    .captions = k200Captions,
    .statusListId = 0,
    .smsListId = 1135,
    .phoneId = 1113,
    .hiddenRowsHeight = 0,
    .emailLimit = 32,
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
