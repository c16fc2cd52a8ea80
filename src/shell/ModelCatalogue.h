#pragma once

#include <array>
#include <string_view>

namespace marrowby {

enum class CameraFormKind {
    Standard,
    K600,
    K500,
    K400,
    K800,
    K100
};
enum class MmsFormKind {
    Standard,
    K600
};
enum class SmtpFormKind {
    K200,
    K600
};

struct ModelEntry {
    std::string_view listName;  // as shown in the model list
    std::string_view formTitle; // the window title of the model's forms
    CameraFormKind cameraForm;
    MmsFormKind mmsForm;
    SmtpFormKind smtpForm;
    bool mmsUsable;
    bool smtpUsable;
};

inline constexpr int kModelCount = 19;

// The nineteen models in list order; ModelIndex i is entry i - 1.
class ModelCatalogue {
public:
    // The row of a ModelIndex; anything outside 1..19 gets the fallback row.
    static const ModelEntry &entry(int modelIndex);
    static const ModelEntry &fallback();
    static const std::array<ModelEntry, kModelCount> &models();

    static std::string_view formTitle(int modelIndex) { return entry(modelIndex).formTitle; }
    static CameraFormKind cameraForm(int modelIndex) { return entry(modelIndex).cameraForm; }
    static MmsFormKind mmsForm(int modelIndex) { return entry(modelIndex).mmsForm; }
    static SmtpFormKind smtpForm(int modelIndex) { return entry(modelIndex).smtpForm; }
    static bool mmsUsable(int modelIndex) { return entry(modelIndex).mmsUsable; }
    static bool smtpUsable(int modelIndex) { return entry(modelIndex).smtpUsable; }
};

// The class names of the forms, for logs and tests.
std::string_view formClassName(CameraFormKind kind);
std::string_view formClassName(MmsFormKind kind);
std::string_view formClassName(SmtpFormKind kind);

} // namespace marrowby
