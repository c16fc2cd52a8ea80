#pragma once

#include "camera/CameraRecord.h"

#include <array>
#include <string_view>

namespace marrowby {

enum class MmsFormKind {
    Standard,
    K600
};
enum class SmtpFormKind {
    K200,
    K600
};

// How a model's camera form differs from the rest of its family's.
struct CameraQuirks {
    enum class SidePir {
        Family,       // as the family starts it
        Off,          // starts and resets to "Off"
        On,           // starts and resets to "On"
        OffAndLocked, // the model has none: "Off", and the list cannot be used
    };
    std::string_view imageSizes = {}; // Image Size entries, space-separated; empty: the family's
    std::string_view videoSizes = {}; // Video Size entries, likewise
    int imageSizeStart = -1;          // the entry Image Size opens on; -1: the family's
    int videoSizeStart = -1;          // the entry Video Size opens on; -1: the family's
    SidePir sidePir = SidePir::Family;
    bool sdCycleShown = false;      // the standard form's SD Cycle row is shown
    bool photoAndVideoOnly = false; // the capture modes are "Camera" and "Video" only
    bool plainTimerCaption = false; // the first timer is "Timer", not "Timer1"
};

struct ModelEntry {
    std::string_view listName;  // as shown in the model list
    std::string_view formTitle; // the window title of the model's forms
    MenuLayout cameraForm;      // the family of its camera form, named by its menu.dat layout
    MmsFormKind mmsForm;
    SmtpFormKind smtpForm;
    bool mmsUsable;
    bool smtpUsable;
    CameraQuirks camera = {};
};

inline constexpr int kModelCount = 19;

// The nineteen models in list order; ModelIndex i is entry i - 1. Models
// registered while the program runs follow them (index 20 on).
class ModelCatalogue {
public:
    // The row of a ModelIndex; an index no model has gets the fallback row.
    static const ModelEntry &entry(int modelIndex);
    // Whether a model has this index.
    static bool has(int modelIndex);
    static const ModelEntry &fallback();
    // The nineteen models of the model list.
    static const std::array<ModelEntry, kModelCount> &models();

    static std::string_view formTitle(int modelIndex) { return entry(modelIndex).formTitle; }
    static MenuLayout cameraForm(int modelIndex) { return entry(modelIndex).cameraForm; }
    static const CameraQuirks &cameraQuirks(int modelIndex) { return entry(modelIndex).camera; }
    static MmsFormKind mmsForm(int modelIndex) { return entry(modelIndex).mmsForm; }
    static SmtpFormKind smtpForm(int modelIndex) { return entry(modelIndex).smtpForm; }
    static bool mmsUsable(int modelIndex) { return entry(modelIndex).mmsUsable; }
    static bool smtpUsable(int modelIndex) { return entry(modelIndex).smtpUsable; }
};

// A model beyond the nineteen, known for as long as this object lives (a model
// of a family a test makes up). It gets the next free index.
class ModelRegistration {
public:
    explicit ModelRegistration(const ModelEntry &entry);
    ~ModelRegistration();
    ModelRegistration(const ModelRegistration &) = delete;
    ModelRegistration &operator=(const ModelRegistration &) = delete;

    int modelIndex() const { return m_modelIndex; }

private:
    int m_modelIndex;
};

} // namespace marrowby
