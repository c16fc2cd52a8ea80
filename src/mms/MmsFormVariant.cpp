#include "mms/MmsFormVariant.h"

#include "records/RecordText.h"

namespace marrowby {

namespace {

// The K410MG-1080P: the K600 form's phone-or-e-mail variant.
constexpr int kPhoneOrEmailModel = 17;

bool isOneOf(int modelIndex, std::initializer_list<int> models)
{
    for (const int model : models) {
        if (model == modelIndex)
            return true;
    }
    return false;
}

MmsFormVariant standardVariant(int modelIndex)
{
    MmsFormVariant v;
    v.kind = MmsFormKind::Standard;
    v.dialogId = 130;
    v.gatewayDotError = &i18n::mms::GatewayDotError;
    // The K300MG and K400MG have no QVGA entry; their "SMS" is the third entry
    // but is still sent as code 3.
    if (isOneOf(modelIndex, {5, 6})) {
        v.statusOptions = &i18n::mms::StatusOptionsNoQvga;
        v.smsPosition = 2;
        v.smsRules = true;
    } else {
        v.statusOptions = &i18n::mms::StatusOptions;
        v.smsPosition = 3;
        v.smsRules = isOneOf(modelIndex, {1, 3});
    }
    v.smsSendCode = 3;
    v.smsLocksManualOperatorTexts = v.smsRules;
    v.phone1DomesticLimit = 11;
    return v;
}

MmsFormVariant k600Variant(int modelIndex)
{
    MmsFormVariant v;
    v.kind = MmsFormKind::K600;
    v.dialogId = 142;
    v.gatewayDotError = &i18n::mms::GatewayDotErrorK600;
    v.statusOptions = &i18n::mms::StatusOptionsNoQvga;
    v.smsPosition = 2;
    v.smsSendCode = 2;
    v.smsRules = isOneOf(modelIndex, {2, 4, 7, 18, 19});
    v.smsLocksManualOperatorTexts = isOneOf(modelIndex, {2, 4, 7});
    v.phone1DomesticLimit = 12;
    v.smsRemoteControlLabelId = 1084;
    v.smsRemoteControlListId = 1061;
    if (modelIndex == kPhoneOrEmailModel) {
        v.phoneOrEmail = true;
        v.phone1DomesticLimit = 0;
        v.phone1InternationalLimit = 0;
        v.phone1EditLimit = 40;
        v.phone23EditLimit = 40;
        v.remoteControlNeedsPhone1 = false;
    }
    return v;
}

using V = MmsFormValues;
using S = MmsSettings;
using E = MmsEdit;
namespace mms = i18n::mms;
namespace ms = i18n::mmssmtp;

// clang-format off
constexpr MmsEditRow kEdits[] = {
    {E::Url,            1002, 1047, &mms::Url,             50, &V::url,      &S::url,      true},
    {E::Apn,            1003, 0,    nullptr,               30, &V::apn,      &S::apn,      true},
    {E::Gateway,        1004, 1048, &mms::Gateway,         20, &V::gateway,  &S::gateway,  true},
    {E::Port,           1005, 1049, &mms::Port,            10, &V::port,     &S::port,     true},
    {E::Phone1,         1006, 1050, &ms::PhoneNo,          0,  &V::phone1,   &S::phone1},
    {E::Email,          1007, 1051, &mms::Email,           40, &V::email,    &S::email},
    {E::Account,        1008, 1052, &ms::Account,          30, &V::account,  &S::account,  true},
    {E::Password,       1009, 1053, &ms::Password,         30, &V::password, &S::password, true},
    {E::Phone2,         1010, 1054, &mms::PhoneOrEmail,    0,  &V::phone2,   &S::phone2},
    {E::Phone3,         1011, 1055, &mms::PhoneOrEmail,    0,  &V::phone3,   &S::phone3},
    {E::Folder,         1012, 0,    nullptr,               80, nullptr,      nullptr},
    {E::PicturesPerDay, 1074, 1059, &ms::PictureNoPerDay,  0,  nullptr,      nullptr},
};
// clang-format on

} // namespace

const MmsEditRow &mmsEditRow(MmsEdit edit)
{
    return kEdits[static_cast<std::size_t>(edit)];
}

std::span<const MmsEditRow> mmsEditRows()
{
    return kEdits;
}

const i18n::CaptionTable *mmsEditCaption(const MmsFormVariant &variant, MmsEdit edit)
{
    if (variant.phoneOrEmail && (edit == MmsEdit::Phone1 || edit == MmsEdit::Email))
        return &i18n::mms::PhoneOrEmail;
    return mmsEditRow(edit).caption;
}

MmsFormVariant mmsFormVariant(MmsFormKind kind, int modelIndex)
{
    return kind == MmsFormKind::K600 ? k600Variant(modelIndex) : standardVariant(modelIndex);
}

bool smsSelected(const MmsFormVariant &variant, int status)
{
    return variant.smsRules && status == variant.smsPosition;
}

int mmsSendCode(const MmsFormVariant &variant, int status)
{
    return status == variant.smsPosition ? variant.smsSendCode : status;
}

int mmsEditMaxLength(const MmsFormVariant &variant, MmsEdit edit)
{
    switch (edit) {
    case MmsEdit::Phone1:
        return variant.phone1EditLimit;
    case MmsEdit::Phone2:
    case MmsEdit::Phone3:
        return variant.phone23EditLimit;
    default:
        return mmsEditRow(edit).maxLength;
    }
}

int mmsPhone1Limit(const MmsFormVariant &variant, bool international)
{
    if (variant.phone1EditLimit > 0)
        return variant.phone1EditLimit;
    return international ? variant.phone1InternationalLimit : variant.phone1DomesticLimit;
}

int mmsPhone1OverLimit(const MmsFormVariant &variant, const MmsFormValues &values)
{
    if (variant.phone1EditLimit > 0)
        return 0;
    const int limit = mmsPhone1Limit(variant, values.international);
    return utf16Length(values.phone1) > static_cast<std::size_t>(limit) ? limit : 0;
}

} // namespace marrowby
