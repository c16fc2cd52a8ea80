// The settings of one card file, whatever its kind: what a form shows and
// writes, what the card reader decodes from a card, and what a settings
// document keeps. Forms fill their controls from it and hand it back, so a
// card's file, a document and a form meet in one shape.
#pragma once

#include "camera/CameraRecord.h"
#include "camera/CameraSettings.h"
#include "cardfiles/CardReader.h"
#include "mms/MmsSettings.h"
#include "records/RecordContext.h"
#include "smtp/SmtpSettings.h"

namespace marrowby {

struct FileSettings {
    inspect::FileKind kind = inspect::FileKind::Menu;
    int model = 0;         // 1..19: the model whose form the settings are for
    RecordContext context; // the camera language and TV mode bytes

    // menu.dat: the settings and the layout's own values; the clock in
    // `camera` is the time the file was made, never taken over by a form.
    CameraSettings camera;
    MenuExtras extras;
    MmsSettings mms;   // setup.dat
    SmtpSettings smtp; // smtp.dat

    bool operator==(const FileSettings &) const = default;
};

} // namespace marrowby
