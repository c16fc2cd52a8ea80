#include "mms/MmsFormChecks.h"

#include "records/RecordText.h"

#include <array>
#include <cstddef>

namespace marrowby {

namespace {

using i18n::Message;
namespace texts = i18n::mms;

std::size_t length(const std::string &text)
{
    return utf16Length(text);
}

bool shortPhone(const std::string &text)
{
    const std::size_t n = length(text);
    return n >= 1 && n <= 4;
}

bool contains(const std::string &text, char c)
{
    return text.find(c) != std::string::npos;
}

// Whether the text, as the camera receives it (8-bit), holds a character
// outside the allowed ones from position `from` on.
bool hasOtherCharacter(const std::string &text, std::size_t from, bool plusAllowed)
{
    const std::string bytes = toOemText(text);
    for (std::size_t i = from; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if ((c < '0' || c > '9') && !(plusAllowed && c == '+'))
            return true;
    }
    return false;
}

// S4, G5: a phone number of digits only; an international number may start
// with anything (its "+").
bool notDigitsOnly(const MmsFormValues &v)
{
    return length(v.phone1) > 4 && hasOtherCharacter(v.phone1, v.international ? 1 : 0, false);
}

// S5, S6: digits and "+".
bool notPhoneNumber(const std::string &text)
{
    return length(text) > 4 && hasOtherCharacter(text, 0, true);
}

// G5a, G6, G7: a phone number of digits and "+", or anything with an "@".
bool neitherPhoneNorEmail(const std::string &text)
{
    return length(text) > 4 && !contains(text, '@') && hasOtherCharacter(text, 0, true);
}

enum class Runs {
    Sms,             // "SMS" selected
    General,         // every general check list
    NotPhoneOrEmail, // general, not on the phone-or-e-mail variant
    PhoneOrEmail     // general, only on the phone-or-e-mail variant
};

struct CheckRow {
    MmsCheck check;
    Runs runs;
    bool (*fails)(const MmsFormValues &);
    const Message *message; // nullptr: the variant's own (G14)
    MmsEdit focus;
};

// clang-format off
constexpr CheckRow kChecks[] = {
    {MmsCheck::S1, Runs::Sms, [](const MmsFormValues &v) { return shortPhone(v.phone1); }, &texts::PhoneError01, MmsEdit::Phone1},
    {MmsCheck::S2, Runs::Sms, [](const MmsFormValues &v) { return shortPhone(v.phone2); }, &texts::PhoneError02, MmsEdit::Phone2},
    {MmsCheck::S3, Runs::Sms, [](const MmsFormValues &v) { return shortPhone(v.phone3); }, &texts::PhoneError03, MmsEdit::Phone3},
    {MmsCheck::S4, Runs::Sms, notDigitsOnly, &texts::PhoneDigitsOnly, MmsEdit::Phone1},
    {MmsCheck::S5, Runs::Sms, [](const MmsFormValues &v) { return notPhoneNumber(v.phone2); }, &texts::RecheckPhone, MmsEdit::Phone2},
    {MmsCheck::S6, Runs::Sms, [](const MmsFormValues &v) { return notPhoneNumber(v.phone3); }, &texts::RecheckPhone, MmsEdit::Phone3},

    {MmsCheck::G1, Runs::General, [](const MmsFormValues &v) { return v.phone1.empty() && v.email.empty(); }, &texts::PhoneAndEmailError, MmsEdit::Phone1},
    {MmsCheck::G2, Runs::NotPhoneOrEmail, [](const MmsFormValues &v) { return shortPhone(v.phone1); }, &texts::PhoneError01, MmsEdit::Phone1},
    {MmsCheck::G3, Runs::NotPhoneOrEmail, [](const MmsFormValues &v) { return shortPhone(v.phone2); }, &texts::PhoneError02, MmsEdit::Phone2},
    {MmsCheck::G4, Runs::NotPhoneOrEmail, [](const MmsFormValues &v) { return shortPhone(v.phone3); }, &texts::PhoneError03, MmsEdit::Phone3},
    {MmsCheck::G5, Runs::NotPhoneOrEmail, notDigitsOnly, &texts::PhoneDigitsOnly, MmsEdit::Phone1},
    {MmsCheck::G5a, Runs::PhoneOrEmail, [](const MmsFormValues &v) { return neitherPhoneNorEmail(v.phone1); }, &texts::RecheckPhoneOrEmail, MmsEdit::Phone1},
    {MmsCheck::G6, Runs::General, [](const MmsFormValues &v) { return neitherPhoneNorEmail(v.phone2); }, &texts::RecheckPhoneOrEmail, MmsEdit::Phone2},
    {MmsCheck::G7, Runs::General, [](const MmsFormValues &v) { return neitherPhoneNorEmail(v.phone3); }, &texts::RecheckPhoneOrEmail, MmsEdit::Phone3},
    {MmsCheck::G8, Runs::NotPhoneOrEmail, [](const MmsFormValues &v) { return !v.email.empty() && !contains(v.email, '@'); }, &texts::EmailErrorAt, MmsEdit::Email},
    {MmsCheck::G9, Runs::NotPhoneOrEmail, [](const MmsFormValues &v) { return !v.email.empty() && !contains(v.email, '.'); }, &texts::EmailErrorDot, MmsEdit::Email},
    {MmsCheck::G8a, Runs::PhoneOrEmail, [](const MmsFormValues &v) { return !v.email.empty() && !contains(v.email, '@') && hasOtherCharacter(v.email, 0, true); }, &texts::RecheckPhoneOrEmail, MmsEdit::Email},
    {MmsCheck::G10, Runs::General, [](const MmsFormValues &v) { return !v.autoMode() && v.url.empty(); }, &texts::UrlError, MmsEdit::Url},
    {MmsCheck::G11, Runs::General, [](const MmsFormValues &v) { return !v.autoMode() && v.apn.empty(); }, &texts::ApnError, MmsEdit::Apn},
    {MmsCheck::G12, Runs::General, [](const MmsFormValues &v) { return !v.autoMode() && v.gateway.empty(); }, &texts::GatewayError, MmsEdit::Gateway},
    {MmsCheck::G13, Runs::General, [](const MmsFormValues &v) { return !v.autoMode() && v.port.empty(); }, &texts::PortError, MmsEdit::Port},
    {MmsCheck::G14, Runs::General, [](const MmsFormValues &v) { return !v.autoMode() && !contains(v.gateway, '.'); }, nullptr, MmsEdit::Gateway},
};
// clang-format on

bool runsOn(Runs runs, const MmsFormVariant &variant, bool sms)
{
    switch (runs) {
    case Runs::Sms:
        return sms;
    case Runs::General:
        return !sms;
    case Runs::NotPhoneOrEmail:
        return !sms && !variant.phoneOrEmail;
    case Runs::PhoneOrEmail:
        return !sms && variant.phoneOrEmail;
    }
    return false;
}

} // namespace

std::string_view mmsCheckName(MmsCheck check)
{
    static constexpr std::array<std::string_view, 24> names
        = {"S1", "S2", "S3", "S4", "S5", "S6", "G1", "G2", "G3", "G4", "G5", "G5a", "G6", "G7",
            "G8", "G9", "G8a", "G10", "G11", "G12", "G13", "G14", "P1", "R1"};
    const auto index = static_cast<std::size_t>(check);
    return index < names.size() ? names[index] : std::string_view{};
}

std::optional<MmsCheckFailure> mmsEntryCheck(
    const MmsFormVariant &variant, const MmsFormValues &values)
{
    const bool sms = smsSelected(variant, values.status);
    for (const CheckRow &row : kChecks) {
        if (runsOn(row.runs, variant, sms) && row.fails(values))
            return MmsCheckFailure{
                row.check, row.message ? row.message : variant.gatewayDotError, row.focus};
    }
    return std::nullopt;
}

std::optional<MmsCheckFailure> mmsPresetCheck(
    const MmsFormVariant &variant, const MmsFormValues &values)
{
    if (!values.autoMode() || smsSelected(variant, values.status))
        return std::nullopt;
    if (auto incomplete = incompleteMmsPreset(values.choice.country, values.choice.op)) {
        const MmsEdit setting
            = incomplete->missing == PresetSetting::Url ? MmsEdit::Url : MmsEdit::Apn;
        return MmsCheckFailure{MmsCheck::P1, nullptr, setting, incomplete};
    }
    return std::nullopt;
}

std::optional<MmsCheckFailure> mmsRemoteControlCheck(
    const MmsFormVariant &variant, const MmsFormValues &values)
{
    if (variant.remoteControlNeedsPhone1 && values.smsRemoteControl != kSmsRemoteControlOff
        && length(values.phone1) < 5)
        return MmsCheckFailure{MmsCheck::R1, &texts::SetPhone1, MmsEdit::Phone1};
    return std::nullopt;
}

std::optional<MmsCheckFailure> mmsGenerateCheck(
    const MmsFormVariant &variant, const MmsFormValues &values)
{
    if (auto failure = mmsEntryCheck(variant, values))
        return failure;
    // P1 checks in Auto mode what G10 to G14, the last entry checks, check in
    // Manual mode, and runs at their point: what the user typed is checked
    // first, in the form's own order. R1 follows, as it comes once the preset
    // is chosen.
    if (auto failure = mmsPresetCheck(variant, values))
        return failure;
    return mmsRemoteControlCheck(variant, values);
}

} // namespace marrowby
