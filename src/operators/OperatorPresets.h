// Operator presets: the settings Auto mode writes for the chosen operator.
//
// MmsPresets is indexed like MmsOperators (country index, operator index),
// GprsPresets like GprsOperators (GPRS position, operator index). A preset whose
// values could not be obtained holds empty texts; so does every slot beyond a
// country's operator count and every index outside the tables.
#pragma once

#include "operators/OperatorTables.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace marrowby {

// What the MMS forms' six operator fields take in Auto mode.
struct MmsPreset {
    std::string_view url;     // MMS centre
    std::string_view apn;     // access point
    std::string_view gateway; // WAP gateway
    std::string_view port;    // gateway port, decimal digits
    std::string_view account;
    std::string_view password;

    bool empty() const { return url.empty() && apn.empty(); }
    bool operator==(const MmsPreset &) const = default;
};

// What the SMTP forms' three GPRS fields take in Auto mode.
struct GprsPreset {
    std::string_view apn;
    std::string_view account;
    std::string_view password;

    bool empty() const { return apn.empty(); }
    bool operator==(const GprsPreset &) const = default;
};

// The form limits every preset value keeps to.
namespace PresetLimits {
inline constexpr std::size_t Url = 50;
inline constexpr std::size_t Apn = 30;
inline constexpr std::size_t Gateway = 20;
inline constexpr std::size_t Port = 10;
inline constexpr std::size_t Account = 30;
inline constexpr std::size_t Password = 30;
inline constexpr std::size_t GprsText = 32;
} // namespace PresetLimits

// One row of a preset table: the operator it belongs to and its values.
struct MmsPresetRow {
    int country;
    int op;
    MmsPreset preset;
};
struct GprsPresetRow {
    int position;
    int op;
    GprsPreset preset;
};

// Every operator in use has exactly one row, filled or empty.
std::span<const MmsPresetRow> mmsPresetRows();
std::span<const GprsPresetRow> gprsPresetRows();

// MmsPresets[country][operator] and GprsPresets[position][operator].
extern const std::array<std::array<MmsPreset, kMaxOperators>, kCountryCount> MmsPresets;
extern const std::array<std::array<GprsPreset, kMaxOperators>, kGprsCountryCount> GprsPresets;

// Empty outside the tables and for operator slots beyond the country's count.
MmsPreset mmsPreset(int countryIndex, int operatorIndex);
GprsPreset gprsPreset(int position, int operatorIndex);

// A setting the camera needs in order to send, which a preset may lack.
enum class PresetSetting {
    Url, // the MMS centre
    Apn  // the access point
};

// An operator whose preset lacks a setting the camera needs: Auto mode cannot
// write usable settings for it, and the user has to choose Manual mode.
struct IncompletePreset {
    int list; // country index (MMS) or GPRS position
    int op;
    PresetSetting missing; // the first one missing, in the order of the form's fields

    bool operator==(const IncompletePreset &) const = default;
};

// Nothing when the preset Auto mode writes for this operator has what the
// camera needs. An MMS preset needs its MMS centre and its access point. A GPRS
// preset needs its access point, except where the camera's operator lists
// give the operator none (Schweiz "Swisscom"): there an empty one is the
// setting. An index outside the tables has no preset and so lacks the first.
std::optional<IncompletePreset> incompleteMmsPreset(int countryIndex, int operatorIndex);
std::optional<IncompletePreset> incompleteGprsPreset(int position, int operatorIndex);

} // namespace marrowby
