#include "mms/MmsFormRules.h"

#include "i18n/PresetTexts.h"
#include "mms/MmsRecordFile.h"
#include "operators/OperatorPresets.h"
#include "operators/OperatorTables.h"
#include "records/RecordText.h"

namespace marrowby {

namespace {

using Fields = MmsReaction::Fields;

constexpr int kMinimumPhoneLength = 5;
// The connection-type list's first entry, the only one in Auto mode; the edit
// of the access point has it in place of a caption.
constexpr std::string_view kApnEntry = "APN";
constexpr int kMaxPicturesPerDay = 99;

bool longEnough(const std::string &text)
{
    return utf16Length(text) >= static_cast<std::size_t>(kMinimumPhoneLength);
}

// Phone 2 is open while phone 1 or the e-mail could be sent to: a phone 1 of at
// least five characters, or an e-mail of at least five with an "@" (any on the
// phone-or-e-mail variant).
bool phone1OpensPhone2(const MmsFormValues &values)
{
    return longEnough(values.phone1);
}

bool emailOpensPhone2(const MmsFormVariant &variant, const MmsFormValues &values)
{
    return longEnough(values.email)
        && (variant.phoneOrEmail || values.email.find('@') != std::string::npos);
}

int inRange(int value, int low, int high, int fallback)
{
    return value >= low && value <= high ? value : fallback;
}

bool equalsPreset(const MmsSettings &s)
{
    const MmsPreset preset = mmsPreset(s.countryPosition, s.operatorPosition);
    return s.url == preset.url && s.apn == preset.apn && s.gateway == preset.gateway
        && s.port == preset.port && s.account == preset.account && s.password == preset.password;
}

bool writtenInAutoMode(const MmsSettings &s)
{
    return s.autoMode && s.countryPosition >= 0 && s.countryPosition < kCountryCount
        && s.operatorPosition >= 0 && s.operatorPosition < mmsOperatorCount(s.countryPosition)
        && s.connectionType == 0 && equalsPreset(s);
}

void closePhone2(MmsFormState &state)
{
    state.values.phone2.clear();
    state.values.phone3.clear();
    state.editable.set({MmsEdit::Phone2, MmsEdit::Phone3}, false);
}

} // namespace

MmsFormState startMmsForm()
{
    MmsFormState state;
    state.editable.set({MmsEdit::Phone1, MmsEdit::Email}, true);
    return state;
}

std::vector<std::string_view> mmsCountryEntries(const MmsFormValues &values, int languageIndex)
{
    return countryListEntries(OperatorFamily::Mms, values.autoMode(), languageIndex);
}

std::vector<std::string_view> mmsOperatorEntries(const MmsFormValues &values, int languageIndex)
{
    return operatorListEntries(
        OperatorFamily::Mms, values.autoMode(), values.choice.country, languageIndex);
}

std::vector<std::string_view> mmsConnectionTypeEntries(const MmsFormValues &values)
{
    if (values.autoMode())
        return {kApnEntry};
    return {kApnEntry, "CSD"};
}

std::vector<std::string_view> mmsStatusEntries(const MmsFormVariant &variant, int languageIndex)
{
    if (!variant.statusOptions)
        return {};
    return i18n::options(*variant.statusOptions, languageIndex);
}

MmsReaction changeMmsMode(const MmsFormVariant &variant, MmsFormState &state, int mode)
{
    MmsFormValues &values = state.values;
    if (mode == values.mode || (mode != kMmsAuto && mode != kMmsManual))
        return {};
    values.mode = mode;
    for (std::size_t i = 0; i < kMmsTextCount; ++i)
        values.setText(static_cast<MmsEdit>(i), {});
    values.choice = choiceAfterModeChange();
    values.connectionType = 0;

    const bool sms = smsSelected(variant, values.status);
    MmsEditable &editable = state.editable;
    if (mode == kMmsManual) {
        editable.set(kMmsOperatorTexts, true);
        editable.set({MmsEdit::Phone1, MmsEdit::Email}, true);
        editable.set({MmsEdit::Phone2, MmsEdit::Phone3}, false);
        if (sms && variant.smsLocksManualOperatorTexts)
            editable.set(kMmsOperatorTexts, false);
    } else {
        editable.set(kMmsOperatorTexts, false);
        editable.set({MmsEdit::Phone2, MmsEdit::Phone3}, false);
        editable.set({MmsEdit::Phone1, MmsEdit::Email}, true);
    }
    if (sms)
        editable.set({MmsEdit::Email}, false);
    return {Fields::Show, true, false, nullptr};
}

MmsReaction changeMmsStatus(const MmsFormVariant &variant, MmsFormState &state, int status)
{
    if (status == state.values.status)
        return {};
    state.values.status = status;
    MmsEditable &editable = state.editable;
    if (smsSelected(variant, status)) {
        editable.set(kMmsOperatorTexts, false);
        editable.set({MmsEdit::Email, MmsEdit::Phone2, MmsEdit::Phone3}, false);
        editable.set({MmsEdit::Phone1}, true);
        return {Fields::Show};
    }
    if (!state.values.autoMode()) {
        editable.set(kMmsOperatorTexts, true);
        editable.set({MmsEdit::Phone1, MmsEdit::Email}, true);
        editable.set({MmsEdit::Phone2, MmsEdit::Phone3}, false);
    } else {
        editable.set({MmsEdit::Email}, true);
    }
    return {Fields::TakeIn};
}

MmsReaction changeMmsCountry(MmsFormState &state, int country)
{
    if (!chooseCountry(state.values.choice, state.values.autoMode(), country))
        return {};
    return {Fields::Show, false, true, nullptr};
}

MmsReaction changeMmsOperator(MmsFormState &state, int op)
{
    if (op == state.values.choice.op)
        return {};
    state.values.choice.op = op;
    return {Fields::TakeIn};
}

MmsReaction changeMmsConnectionType(MmsFormState &state, int type)
{
    if (type == state.values.connectionType)
        return {};
    state.values.connectionType = type;
    return {Fields::TakeIn};
}

MmsReaction changeMmsRemoteControl(MmsFormState &state, int position)
{
    if (position == state.values.smsRemoteControl)
        return {};
    state.values.smsRemoteControl = position;
    return {Fields::TakeIn};
}

MmsReaction changeMmsPhoneType(MmsFormState &state, int position)
{
    const bool international = position == 1;
    if (international == state.values.international)
        return {};
    state.values.international = international;
    MmsReaction reaction;
    if (international)
        reaction.notice = &i18n::mms::InternationalPhone;
    return reaction;
}

MmsReaction mmsPhone1Changed(const MmsFormVariant &variant, MmsFormState &state)
{
    MmsFormValues &values = state.values;
    const int limit = mmsPhone1Limit(variant, values.international);
    if (limit > 0 && utf16Length(values.phone1) > static_cast<std::size_t>(limit))
        values.phone1.clear();
    if (phone1OpensPhone2(values))
        state.editable.set({MmsEdit::Phone2}, true);
    else if (!emailOpensPhone2(variant, values))
        closePhone2(state);
    return {Fields::Show};
}

MmsReaction mmsEmailChanged(const MmsFormVariant &variant, MmsFormState &state)
{
    const MmsFormValues &values = state.values;
    if (!longEnough(values.email)) {
        if (!phone1OpensPhone2(values))
            closePhone2(state);
        return {Fields::Show};
    }
    if (emailOpensPhone2(variant, values)) {
        state.editable.set({MmsEdit::Phone2}, true);
        return {Fields::Show};
    }
    return {};
}

MmsReaction mmsPhone2Changed(MmsFormState &state)
{
    if (longEnough(state.values.phone2)) {
        state.editable.set({MmsEdit::Phone3}, true);
    } else {
        state.values.phone3.clear();
        state.editable.set({MmsEdit::Phone3}, false);
    }
    return {Fields::Show};
}

MmsReaction mmsPicturesPerDayChanged(MmsFormState &state)
{
    int &pictures = state.values.picturesPerDay;
    if (pictures >= 0 && pictures <= kMaxPicturesPerDay)
        return {};
    pictures = 0;
    return {Fields::Show};
}

std::string mmsRefusalText(const MmsCheckFailure &failure, int languageIndex)
{
    if (!failure.preset)
        return std::string(failure.message ? i18n::message(*failure.message, languageIndex) : "");
    const IncompletePreset &preset = *failure.preset;
    const std::vector<std::string_view> operators
        = operatorListEntries(OperatorFamily::Mms, true, preset.list, languageIndex);
    const auto op = static_cast<std::size_t>(preset.op);
    const std::string_view setting = preset.missing == PresetSetting::Url
        ? i18n::caption(i18n::mms::Url, languageIndex)
        : kApnEntry;
    return i18n::presets::incompletePresetText(languageIndex,
        op < operators.size() ? operators[op] : std::string_view{},
        countryName(languageIndex, preset.list), setting,
        i18n::options(i18n::mms::ModeOptions, languageIndex)[kMmsManual]);
}

MmsSettings collectMmsSettings(
    const MmsFormVariant &variant, const MmsFormValues &values, RecordContext context)
{
    MmsSettings s;
    s.sendCode = mmsSendCode(variant, values.status);
    s.sendPosition = values.status;
    s.connectionType = values.connectionType;
    s.picturesPerDay = values.picturesPerDay;
    s.cameraLanguage = context.cameraLanguage;
    s.tvMode = context.tvMode;
    s.international = values.international;
    s.autoMode = values.autoMode();
    s.countryPosition = values.choice.country;
    s.operatorPosition = values.choice.op;
    s.smsRemoteControl = values.smsRemoteControl;
    for (const MmsEditRow &row : mmsEditRows()) {
        if (row.setting)
            s.*row.setting = values.*row.value;
    }
    if (s.autoMode)
        loadMmsPreset(s);
    return s;
}

MmsFormValues mmsFormValues(const MmsFormVariant &variant, const MmsSettings &settings)
{
    const MmsFormValues start = startMmsForm().values;
    MmsFormValues v;
    const int statusEntries
        = static_cast<int>(mmsStatusEntries(variant, i18n::kEnglishLanguage).size());
    v.status = inRange(settings.sendPosition, 0, statusEntries - 1, start.status);
    v.international = settings.international;
    v.smsRemoteControl
        = inRange(settings.smsRemoteControl, 0, kSmsRemoteControlOff, start.smsRemoteControl);
    v.picturesPerDay = inRange(settings.picturesPerDay, 0, kMaxPicturesPerDay, 0);
    const bool autoMode = writtenInAutoMode(settings);
    if (autoMode) {
        v.choice = {settings.countryPosition, settings.operatorPosition};
    } else {
        v.mode = kMmsManual;
        v.choice = choiceAfterModeChange();
        v.connectionType = inRange(settings.connectionType, 0, 1, 0);
    }
    for (const MmsEditRow &row : mmsEditRows()) {
        if (row.setting && !(autoMode && row.fromPreset))
            v.*row.value = settings.*row.setting;
    }
    return v;
}

MmsFormState mmsFormState(const MmsFormVariant &variant, const MmsFormValues &values)
{
    MmsFormState state = startMmsForm();
    changeMmsMode(variant, state, values.mode);
    changeMmsStatus(variant, state, values.status);
    state.values = values;
    mmsPhone1Changed(variant, state);
    mmsEmailChanged(variant, state);
    mmsPhone2Changed(state);
    state.values = values;
    return state;
}

MmsGenerate prepareMmsGenerate(
    const MmsFormVariant &variant, const MmsFormValues &values, RecordContext context)
{
    MmsGenerate result;
    result.failure = mmsGenerateCheck(variant, values);
    if (!result.failure)
        result.settings = collectMmsSettings(variant, values, context);
    return result;
}

} // namespace marrowby
