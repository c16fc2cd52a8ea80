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
    v.modelIndex = modelIndex;
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
    v.modelIndex = modelIndex;
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

} // namespace

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
    case MmsEdit::Url:
        return 50;
    case MmsEdit::Apn:
    case MmsEdit::Account:
    case MmsEdit::Password:
        return 30;
    case MmsEdit::Gateway:
        return 20;
    case MmsEdit::Port:
        return 10;
    case MmsEdit::Phone1:
        return variant.phone1EditLimit;
    case MmsEdit::Email:
        return 40;
    case MmsEdit::Phone2:
    case MmsEdit::Phone3:
        return variant.phone23EditLimit;
    case MmsEdit::Folder:
        return 80;
    case MmsEdit::PicturesPerDay:
        break;
    }
    return 0;
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
