// Settings of every file kind away from the defaults, for round trips through
// settings documents; every form's checks pass them.
#pragma once

#include "cardfiles/FileSettings.h"
#include "mms/MmsRecordFile.h"
#include "smtp/SmtpRecordFile.h"

namespace marrowby::test {

using inspect::FileKind;

// Camera settings away from every default, so a setting read into the wrong
// place shows.
inline FileSettings cameraSample(int model)
{
    FileSettings fs;
    fs.kind = FileKind::Menu;
    fs.model = model;
    fs.context = {3, 1};
    CameraSettings &s = fs.camera;
    s.CameraMode = 1;
    s.ImageSize = 2;
    s.VideoSize = 1;
    s.PictureNo = 2;
    s.VideoLength = 29;
    s.TimeStamp = 1;
    s.Interval = 128 + 45;
    s.SenseLevel = 2;
    s.Timer = 1;
    s.TimeLapse = 1;
    s.TimeLapseHour = 5;
    s.TimeLapseMinute = 6;
    s.TimeLapseSecond = 7;
    s.TimerStartHour = 8;
    s.TimerStartMinute = 9;
    s.TimerStopHour = 18;
    s.TimerStopMinute = 19;
    s.SerialNo = 1;
    s.SerialDigit1 = 3;
    s.SerialDigit2 = 15;
    s.SerialDigit3 = 27;
    s.SerialDigit4 = 35;
    s.Timer2 = 1;
    s.SdCycle = 1;
    s.BeepSound = 0;
    fs.extras.secondTimer = {20, 21, 22, 23};
    fs.extras.dateFormat = 2;
    fs.extras.wirelessPassword = {1, 2, 3, 4};
    fs.extras.wirelessPasswordOn = 1;
    fs.extras.k500SdCycle = 1;
    fs.extras.longitude = {1, 120, 30, 40};
    fs.extras.latitude = {0, 45, 10, 20};
    return fs;
}

inline FileSettings mmsSample(int model, bool autoMode)
{
    FileSettings fs;
    fs.kind = FileKind::Setup;
    fs.model = model;
    MmsSettings &m = fs.mms;
    m.sendCode = m.sendPosition = 1;
    m.picturesPerDay = 20;
    m.smsRemoteControl = 6;
    m.phone1 = "13800138000";
    m.email = "cam@example.net";
    m.autoMode = autoMode;
    if (!autoMode) {
        m.url = "http://mms.example.net";
        m.apn = "mms";
        m.gateway = "10.0.0.1";
        m.port = "8080";
        m.account = "user";
        m.password = "Secret42";
    } else {
        loadMmsPreset(m);
    }
    return fs;
}

inline FileSettings smtpSample(int model, bool autoMode)
{
    FileSettings fs;
    fs.kind = FileKind::Smtp;
    fs.model = model;
    SmtpSettings &s = fs.smtp;
    s.autoMode = autoMode;
    s.picturesPerDay = 5;
    s.smsInterval = 6;
    s.smtpServer = "smtp.example.net";
    s.port = "25";
    s.senderEmail = "trail@example.net";
    s.senderPassword = "SecretSmtp42";
    s.phoneNumber = "+441234567890";
    s.recipientEmail = "me@example.org";
    if (!autoMode) {
        s.apn = "internet";
        s.account = "gprs";
        s.gprsPassword = "Gprs42";
    } else {
        loadGprsPreset(s);
    }
    return fs;
}

} // namespace marrowby::test
