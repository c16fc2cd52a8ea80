#include "shell/ModelCatalogue.h"

namespace marrowby {

namespace {

using C = CameraFormKind;
using M = MmsFormKind;
using S = SmtpFormKind;
constexpr bool usable = true;
constexpr bool disabled = false;

constexpr std::array<ModelEntry, kModelCount> kModels = {{
    // list name                 form title              camera  MMS       SMTP     MMS button SMTP
    // button
    {"Marrowby K200M", "Marrowby K200", C::Standard, M::Standard, S::K200, usable, disabled},
    {"Marrowby K600M", "Marrowby K600", C::K600, M::K600, S::K200, usable, disabled},
    {"Marrowby K200MG", "Marrowby K200", C::Standard, M::Standard, S::K200, usable, usable},
    {"Marrowby K600MG", "Marrowby K600", C::K600, M::K600, S::K600, usable, usable},
    {"Marrowby K300MG", "Marrowby K300", C::Standard, M::Standard, S::K200, usable, usable},
    {"Marrowby K400MG", "Marrowby K400", C::K400, M::Standard, S::K200, usable, usable},
    {"Marrowby K700MG", "Marrowby K700", C::K600, M::K600, S::K600, usable, usable},
    {"Marrowby K800MG", "Marrowby K800", C::K800, M::K600, S::K600, usable, usable},
    {"Marrowby K410MG", "Marrowby K410", C::K400, M::Standard, S::K200, usable, usable},
    {"Marrowby K810MG", "Marrowby K810", C::K600, M::K600, S::K600, usable, usable},
    {"Marrowby K500A", "Marrowby K500", C::K500, M::Standard, S::K200, disabled, disabled},
    {"Marrowby K500WA", "Marrowby K500", C::K500, M::Standard, S::K200, disabled, disabled},
    {"Marrowby K500MG", "Marrowby K500", C::K500, M::K600, S::K600, usable, usable},
    {"Marrowby K100", "Marrowby K100", C::K100, M::Standard, S::K200, disabled, disabled},
    {"Marrowby K200MG-1080P", "Marrowby K200 1080P", C::Standard, M::K600, S::K600, usable, usable},
    {"Marrowby K300MG-1080P", "Marrowby K300 1080P", C::Standard, M::K600, S::K600, usable, usable},
    {"Marrowby K410MG-1080P", "Marrowby K410 1080P", C::K500, M::K600, S::K600, usable, usable},
    {"Marrowby K600M PLUS", "Marrowby K600 PLUS", C::K600, M::K600, S::K200, usable, disabled},
    {"Marrowby K600MG PLUS", "Marrowby K600 PLUS", C::K600, M::K600, S::K600, usable, usable},
}};

constexpr ModelEntry kFallback
    = {"", "Marrowby", C::Standard, M::Standard, S::K200, usable, usable};

} // namespace

const ModelEntry &ModelCatalogue::entry(int modelIndex)
{
    if (modelIndex < 1 || modelIndex > kModelCount)
        return kFallback;
    return kModels[static_cast<std::size_t>(modelIndex - 1)];
}

const ModelEntry &ModelCatalogue::fallback()
{
    return kFallback;
}

const std::array<ModelEntry, kModelCount> &ModelCatalogue::models()
{
    return kModels;
}

std::string_view formClassName(CameraFormKind kind)
{
    switch (kind) {
    case C::Standard:
        return "CMarrowbyCameraMenu";
    case C::K600:
        return "CMarrowbyK600Menu";
    case C::K500:
        return "CMarrowbyK500Menu";
    case C::K400:
        return "CMarrowbyK400Menu";
    case C::K800:
        return "CMarrowbyK800Menu";
    case C::K100:
        return "CMarrowbyK100Menu";
    }
    return {};
}

std::string_view formClassName(MmsFormKind kind)
{
    return kind == M::K600 ? "CMarrowbyK600MMS" : "CMarrowbyMMS";
}

std::string_view formClassName(SmtpFormKind kind)
{
    return kind == S::K600 ? "CMarrowbyK600Smtp" : "CMarrowbyK200Smtp";
}

} // namespace marrowby
