// The way back from a card's setup.dat and smtp.dat to the form's values:
// values written by the form read back as the same values, and what a file
// cannot tell apart lands in Manual mode with the file's own texts.
#include "cardfiles/CardReader.h"
#include "catalogue/ModelCatalogue.h"
#include "mms/MmsFormRules.h"
#include "mms/MmsRecordFile.h"
#include "operators/OperatorPresets.h"
#include "records/RecordFile.h"
#include "smtp/SmtpFormRules.h"
#include "smtp/SmtpRecordFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace marrowby;

namespace {

MmsFormVariant variantOf(int modelIndex)
{
    return mmsFormVariant(ModelCatalogue::mmsForm(modelIndex), modelIndex);
}

// setup.dat as the form writes it for the values, read back by the card reader.
MmsSettings readBackMms(const MmsFormVariant &variant, const MmsFormValues &values)
{
    const MmsSettings written = collectMmsSettings(variant, values, RecordContext{2, 1});
    const auto bytes = SealedFile::seal(buildMmsRecords(written), mmsTrailerAddend(written));
    const inspect::SealedInspection read = inspect::inspectSealed(bytes, inspect::FileKind::Setup);
    EXPECT_TRUE(read.clean());
    return read.mms;
}

SmtpSettings readBackSmtp(const SmtpFormVariant &form, const SmtpFormValues &values)
{
    const SmtpSettings written = collectSmtpSettings(form, values, 2);
    const auto bytes
        = SealedFile::seal(buildSmtpRecords(written, form.layout), TrailerAddend::Smtp);
    const inspect::SealedInspection read
        = inspect::inspectSealed(bytes, inspect::FileKind::Smtp, form.layout);
    EXPECT_TRUE(read.clean());
    return read.smtp;
}

} // namespace

// Whatever the form writes, in either mode, on either form, reads back as the
// values it was written from: in Auto mode with the operator texts left empty.
TEST(MmsWayBack, ValuesReadBackAsWritten)
{
    struct Case {
        const char *name;
        int model;
        std::function<void(MmsFormValues &)> set;
    };
    const std::vector<Case> cases{
        {"auto, China Mobile, phone 1", 1, [](MmsFormValues &v) { v.phone1 = "13800138000"; }},
        {"auto, Deutschland, international, everything", 4,
            [](MmsFormValues &v) {
                v.choice = {2, 1};
                v.status = 2;
                v.international = true;
                v.smsRemoteControl = 6;
                v.picturesPerDay = 42;
                v.phone1 = "+491701234567";
                v.email = "me@example.org";
                v.phone2 = "+491707654321";
                v.phone3 = "other@example.org";
            }},
        {"manual, CSD, typed texts", 1,
            [](MmsFormValues &v) {
                v.mode = kMmsManual;
                v.connectionType = 1;
                v.url = "http://mms.example.net";
                v.apn = "mms";
                v.gateway = "10.0.0.172";
                v.port = "80";
                v.account = "wap";
                v.password = "secret";
                v.phone1 = "13800138000";
            }},
        {"manual, SMS on the standard form", 1,
            [](MmsFormValues &v) {
                v.mode = kMmsManual;
                v.status = 3;
                v.phone1 = "13800138000";
            }},
        {"auto, the phone-or-e-mail variant", 17,
            [](MmsFormValues &v) {
                v.phone1 = "me@example.org";
                v.phone2 = "+8613800138000";
            }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const MmsFormVariant variant = variantOf(c.model);
        MmsFormValues values = startMmsForm().values;
        c.set(values);
        EXPECT_EQ(mmsFormValues(variant, readBackMms(variant, values)), values);
    }
}

// Settings that Auto mode would not write again as they are come back in
// Manual mode with the file's texts, so Generate writes the same texts; the
// mark keeps Manual settings in Manual mode even when their texts are a preset.
TEST(MmsWayBack, WhatAutoModeCannotWriteAgainIsManual)
{
    const MmsFormVariant variant = variantOf(1);
    MmsSettings preset;
    preset.autoMode = true;
    preset.countryPosition = 2;
    preset.operatorPosition = 1;
    loadMmsPreset(preset);
    ASSERT_FALSE(preset.url.empty());
    struct Case {
        const char *name;
        std::function<void(MmsSettings &)> change;
        int mode;
    };
    const std::vector<Case> cases{
        {"the preset", [](MmsSettings &) {}, kMmsAuto},
        {"another URL", [](MmsSettings &s) { s.url = "http://mms.other.net"; }, kMmsManual},
        {"another password", [](MmsSettings &s) { s.password = "x"; }, kMmsManual},
        {"CSD", [](MmsSettings &s) { s.connectionType = 1; }, kMmsManual},
        {"marked Manual", [](MmsSettings &s) { s.autoMode = false; }, kMmsManual},
        {"no such operator", [](MmsSettings &s) { s.operatorPosition = kMaxOperators - 1; },
            kMmsManual},
        {"no such country", [](MmsSettings &s) { s.countryPosition = kCountryCount; }, kMmsManual},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MmsSettings s = preset;
        c.change(s);
        const MmsFormValues v = mmsFormValues(variant, s);
        EXPECT_EQ(v.mode, c.mode);
        if (c.mode == kMmsAuto) {
            for (const MmsEdit text : kMmsOperatorTexts)
                EXPECT_EQ(v.text(text), "") << mmsEditId(text);
        }
        // Generate writes the file's operator texts again, from the preset or
        // from the edits.
        const MmsSettings again = collectMmsSettings(variant, v, RecordContext{});
        EXPECT_EQ(again.url, s.url);
        EXPECT_EQ(again.apn, s.apn);
        EXPECT_EQ(again.gateway, s.gateway);
        EXPECT_EQ(again.port, s.port);
        EXPECT_EQ(again.account, s.account);
        EXPECT_EQ(again.password, s.password);
        if (c.mode == kMmsManual) {
            EXPECT_EQ(v.choice, OperatorChoice{});
            EXPECT_EQ(v.connectionType, s.connectionType);
        }
    }

    // Positions and numbers outside the form's lists get the form's start values.
    MmsSettings odd = preset;
    odd.sendPosition = 4;
    odd.smsRemoteControl = 26;
    odd.picturesPerDay = 100;
    const MmsFormValues v = mmsFormValues(variant, odd);
    const MmsFormValues start = startMmsForm().values;
    EXPECT_EQ(v.status, start.status);
    EXPECT_EQ(v.smsRemoteControl, start.smsRemoteControl);
    EXPECT_EQ(v.picturesPerDay, 0);
}

// Which edits take typing after values are shown at once: as if the mode and
// status were chosen and phone 1, the e-mail and phone 2 typed.
TEST(MmsWayBack, EditableEditsFollowTheRules)
{
    using E = MmsEdit;
    struct Case {
        const char *name;
        std::function<void(MmsFormValues &)> set;
        std::vector<MmsEdit> editable;
    };
    const std::vector<Case> cases{
        {"auto, nothing typed", [](MmsFormValues &) {}, {E::Phone1, E::Email}},
        {"auto, phone 1 and phone 2",
            [](MmsFormValues &v) {
                v.phone1 = "13800138000";
                v.phone2 = "13900139000";
            },
            {E::Phone1, E::Email, E::Phone2, E::Phone3}},
        {"auto, an e-mail opens phone 2", [](MmsFormValues &v) { v.email = "me@example.org"; },
            {E::Phone1, E::Email, E::Phone2}},
        {"manual", [](MmsFormValues &v) { v.mode = kMmsManual; },
            {E::Url, E::Apn, E::Gateway, E::Port, E::Account, E::Password, E::Phone1, E::Email}},
        {"auto, SMS", [](MmsFormValues &v) { v.status = 3; }, {E::Phone1}},
    };
    const MmsFormVariant variant = variantOf(1);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MmsFormValues values = startMmsForm().values;
        c.set(values);
        const MmsFormState state = mmsFormState(variant, values);
        EXPECT_EQ(state.values, values);
        MmsEditable expected;
        expected.set(c.editable, true);
        EXPECT_EQ(state.editable, expected);
    }
}

TEST(SmtpWayBack, ValuesReadBackAsWritten)
{
    struct Case {
        const char *name;
        const SmtpFormVariant *form;
        std::function<void(SmtpFormValues &)> set;
    };
    const auto mailbox = [](SmtpFormValues &v) {
        v.smtpServer = "smtp.example.com";
        v.port = "25";
        v.senderEmail = "camera@example.com";
        v.senderPassword = "secret";
        v.email1 = "me@example.org";
    };
    const auto manual = [&](SmtpFormValues &v) {
        mailbox(v);
        v.mode = kSmtpManualMode;
        v.apn = "internet";
        v.account = "web";
        v.gprsPassword = "web";
        v.phoneNumber = "+4917012345";
        v.smsRemoteControl = 0;
    };
    const auto automatic = [&](SmtpFormValues &v) {
        mailbox(v);
        v.country = 2; // Deutschland
        v.operatorIndex = 1;
        v.picturesPerDay = 7;
    };
    const std::vector<Case> cases{
        {"K600, auto", &k600SmtpForm, automatic},
        {"K600, manual, status SMS", &k600SmtpForm,
            [&](SmtpFormValues &v) {
                manual(v);
                v.smtpStatus = 2;
            }},
        {"K200, auto", &k200SmtpForm, automatic},
        {"K200, manual", &k200SmtpForm, manual},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SmtpFormValues values;
        c.set(values);
        EXPECT_EQ(smtpFormValues(*c.form, readBackSmtp(*c.form, values)), values);
    }
}

TEST(SmtpWayBack, WhatAutoModeCannotWriteAgainIsManual)
{
    SmtpSettings preset;
    preset.countryIndex = 2;
    preset.operatorIndex = 1;
    loadGprsPreset(preset);
    ASSERT_FALSE(preset.account.empty());
    struct Case {
        const char *name;
        std::function<void(SmtpSettings &)> change;
        int mode;
    };
    const std::vector<Case> cases{
        {"the preset", [](SmtpSettings &) {}, kSmtpAutoMode},
        {"another APN", [](SmtpSettings &s) { s.apn = "other"; }, kSmtpManualMode},
        {"another account", [](SmtpSettings &s) { s.account.clear(); }, kSmtpManualMode},
        {"marked Manual", [](SmtpSettings &s) { s.autoMode = false; }, kSmtpManualMode},
        {"no such operator", [](SmtpSettings &s) { s.operatorIndex = kMaxOperators - 1; },
            kSmtpManualMode},
        {"no such country", [](SmtpSettings &s) { s.countryIndex = kGprsCountryCount; },
            kSmtpManualMode},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SmtpSettings s = preset;
        c.change(s);
        const SmtpFormValues v = smtpFormValues(k600SmtpForm, s);
        EXPECT_EQ(v.mode, c.mode);
        const bool autoMode = c.mode == kSmtpAutoMode;
        if (autoMode) {
            EXPECT_EQ(v.apn + v.account + v.gprsPassword, "");
        }
        const SmtpSettings again = collectSmtpSettings(k600SmtpForm, v, 2);
        EXPECT_EQ(again.apn, s.apn);
        EXPECT_EQ(again.account, s.account);
        EXPECT_EQ(again.gprsPassword, s.gprsPassword);
        EXPECT_EQ(v.country, autoMode ? s.countryIndex : 0);
        EXPECT_EQ(v.operatorIndex, autoMode ? s.operatorIndex : 0);
    }

    // The status counts on the K600 form only; values outside their lists get
    // the form's start values.
    SmtpSettings odd = preset;
    odd.smtpStatus = 2;
    EXPECT_EQ(smtpFormValues(k600SmtpForm, odd).smtpStatus, 2);
    EXPECT_EQ(smtpFormValues(k200SmtpForm, odd).smtpStatus, SmtpFormValues{}.smtpStatus);
    odd.smtpStatus = 3;
    odd.smsInterval = 26;
    odd.picturesPerDay = 100;
    const SmtpFormValues v = smtpFormValues(k600SmtpForm, odd);
    EXPECT_EQ(v.smtpStatus, SmtpFormValues{}.smtpStatus);
    EXPECT_EQ(v.smsRemoteControl, kSmsRemoteOff);
    EXPECT_EQ(v.picturesPerDay, 0);
}
