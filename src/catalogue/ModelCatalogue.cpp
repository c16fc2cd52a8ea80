#include "catalogue/ModelCatalogue.h"

#include <map>

namespace marrowby {

namespace {

using C = MenuLayout;
using M = MmsFormKind;
using S = SmtpFormKind;
using Pir = CameraQuirks::SidePir;
constexpr bool usable = true;
constexpr bool disabled = false;

constexpr CameraQuirks kK300{
    .imageSizes = "12MP 5MP 1.3MP", .videoSizes = "1280x720 640x480 320x240"};
constexpr CameraQuirks kFullHd{.videoSizes = "1920x1080 1280x720 640x480 320x240",
    .imageSizeStart = 1,
    .videoSizeStart = 1,
    .sdCycleShown = true};

// clang-format off
constexpr std::array<ModelEntry, kModelCount> kModels = {{
    // list name                 form title             camera       MMS          SMTP     MMS button SMTP button
    {"Marrowby K200M",          "Marrowby K200",       C::Standard, M::Standard, S::K200, usable,   disabled},
    {"Marrowby K600M",          "Marrowby K600",       C::K600,     M::K600,     S::K200, usable,   disabled},
    {"Marrowby K200MG",         "Marrowby K200",       C::Standard, M::Standard, S::K200, usable,   usable},
    {"Marrowby K600MG",         "Marrowby K600",       C::K600,     M::K600,     S::K600, usable,   usable},
    {"Marrowby K300MG",         "Marrowby K300",       C::Standard, M::Standard, S::K200, usable,   usable, kK300},
    {"Marrowby K400MG",         "Marrowby K400",       C::K400,     M::Standard, S::K200, usable,   usable},
    {"Marrowby K700MG",         "Marrowby K700",       C::K600,     M::K600,     S::K600, usable,   usable},
    {"Marrowby K800MG",         "Marrowby K800",       C::K800,     M::K600,     S::K600, usable,   usable},
    {"Marrowby K410MG",         "Marrowby K410",       C::K400,     M::Standard, S::K200, usable,   usable},
    {"Marrowby K810MG",         "Marrowby K810",       C::K600,     M::K600,     S::K600, usable,   usable,
        {.sidePir = Pir::Off}},
    {"Marrowby K500A",          "Marrowby K500",       C::K500,     M::Standard, S::K200, disabled, disabled,
        {.sidePir = Pir::On}},
    {"Marrowby K500WA",         "Marrowby K500",       C::K500,     M::Standard, S::K200, disabled, disabled,
        {.sidePir = Pir::OffAndLocked}},
    {"Marrowby K500MG",         "Marrowby K500",       C::K500,     M::K600,     S::K600, usable,   usable,
        {.imageSizes = "5MP 12MP 1.3MP 14MP", .imageSizeStart = 3, .sidePir = Pir::On}},
    {"Marrowby K100",           "Marrowby K100",       C::K100,     M::Standard, S::K200, disabled, disabled},
    {"Marrowby K200MG-1080P",   "Marrowby K200 1080P", C::Standard, M::K600,     S::K600, usable,   usable, kFullHd},
    {"Marrowby K300MG-1080P",   "Marrowby K300 1080P", C::Standard, M::K600,     S::K600, usable,   usable, kFullHd},
    {"Marrowby K410MG-1080P",   "Marrowby K410 1080P", C::K500,     M::K600,     S::K600, usable,   usable,
        {.imageSizes = "5MP 12MP 1.3MP", .imageSizeStart = 1, .plainTimerCaption = true}},
    {"Marrowby K600M PLUS",     "Marrowby K600 PLUS",  C::K600,     M::K600,     S::K200, usable,   disabled},
    {"Marrowby K600MG PLUS",    "Marrowby K600 PLUS",  C::K600,     M::K600,     S::K600, usable,   usable},
}};
// clang-format on

// No model chosen: the standard form with two capture modes, opening on its
// second image size.
constexpr ModelEntry kFallback = {"", "Marrowby", C::Standard, M::Standard, S::K200, usable, usable,
    {.imageSizeStart = 1, .photoAndVideoOnly = true}};

// Registered models by index; a std::map keeps their rows in place while
// others come and go.
std::map<int, ModelEntry> &registeredModels()
{
    static std::map<int, ModelEntry> models;
    return models;
}

} // namespace

const ModelEntry &ModelCatalogue::entry(int modelIndex)
{
    if (modelIndex >= 1 && modelIndex <= kModelCount)
        return kModels[static_cast<std::size_t>(modelIndex - 1)];
    const auto registered = registeredModels().find(modelIndex);
    return registered != registeredModels().end() ? registered->second : kFallback;
}

bool ModelCatalogue::has(int modelIndex)
{
    return (modelIndex >= 1 && modelIndex <= kModelCount)
        || registeredModels().contains(modelIndex);
}

ModelRegistration::ModelRegistration(const ModelEntry &entry)
    : m_modelIndex(
        registeredModels().empty() ? kModelCount + 1 : registeredModels().rbegin()->first + 1)
{
    registeredModels().emplace(m_modelIndex, entry);
}

ModelRegistration::~ModelRegistration()
{
    registeredModels().erase(m_modelIndex);
}

const ModelEntry &ModelCatalogue::fallback()
{
    return kFallback;
}

const std::array<ModelEntry, kModelCount> &ModelCatalogue::models()
{
    return kModels;
}

} // namespace marrowby
