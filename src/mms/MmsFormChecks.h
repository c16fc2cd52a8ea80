// The checks an MMS form runs when Generate is pressed, as pure functions of
// the form's values. Each returns the first failing check, or nothing when all
// pass.
#pragma once

#include "i18n/TextTables.h"
#include "mms/MmsFormValues.h"
#include "mms/MmsFormVariant.h"
#include "operators/OperatorPresets.h"

#include <optional>
#include <string_view>

namespace marrowby {

enum class MmsCheck {
    // With "SMS" selected.
    S1,
    S2,
    S3,
    S4,
    S5,
    S6,
    // Otherwise, in this order.
    G1,
    G2,
    G3,
    G4,
    G5,
    G5a,
    G6,
    G7,
    G8,
    G9,
    G8a,
    G10,
    G11,
    G12,
    G13,
    G14,
    // Auto mode: the chosen operator's preset has what the camera needs.
    P1,
    // After the preset is chosen.
    R1
};

std::string_view mmsCheckName(MmsCheck check); // "S1", "G5a", ...

struct MmsCheckFailure {
    MmsCheck check;
    const i18n::Message *message; // shown in the notice box; null for P1
    MmsEdit focus;                // the edit the failure is about
    // P1: the operator and the setting its preset lacks. The form names them in
    // the notice (mmsRefusalText) and focuses the operator list, since the
    // setting's edit takes no typing in Auto mode.
    std::optional<IncompletePreset> preset = std::nullopt;

    bool operator==(const MmsCheckFailure &) const = default;
};

// S1 to S6 when "SMS" is selected, otherwise the general checks of the
// variant (G1 to G14, with G5a and G8a on the K410MG-1080P).
std::optional<MmsCheckFailure> mmsEntryCheck(
    const MmsFormVariant &variant, const MmsFormValues &values);

// P1: in Auto mode the chosen operator's preset must hold the MMS centre and
// the access point. Like G10 to G14, for which it stands in Auto mode, it does
// not run with "SMS" selected.
std::optional<MmsCheckFailure> mmsPresetCheck(
    const MmsFormVariant &variant, const MmsFormValues &values);

// R1: an SMS remote-control interval needs phone 1 (not on the K410MG-1080P).
std::optional<MmsCheckFailure> mmsRemoteControlCheck(
    const MmsFormVariant &variant, const MmsFormValues &values);

// All three, in the order Generate runs them: the entry checks, P1, R1.
std::optional<MmsCheckFailure> mmsGenerateCheck(
    const MmsFormVariant &variant, const MmsFormValues &values);

} // namespace marrowby
