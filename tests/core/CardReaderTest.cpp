#include "cardfiles/CardReader.h"
#include "camera/CameraRecord.h"
#include "cardfiles/CardReport.h"
#include "i18n/CardTexts.h"
#include "mms/MmsRecordFile.h"
#include "operators/OperatorTables.h"
#include "records/Crc16.h"
#include "records/RecordFile.h"
#include "records/RecordFraming.h"
#include "records/RecordText.h"
#include "smtp/SmtpRecordFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace marrowby;
using namespace marrowby::inspect;

namespace {

// ---------------------------------------------------------------------------
// Generated settings, within what the forms let through.

class Generator {
public:
    explicit Generator(unsigned seed)
        : rng_(seed)
    { }

    int in(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool coin() { return in(0, 1) == 1; }

    // Texts the machine's OEM code page can hold: ASCII, and those of a few
    // letters from several code pages (437 and 850, 866, 936) that it keeps.
    std::string text(std::size_t maxLength)
    {
        static const std::vector<std::string> pieces = [] {
            std::vector<std::string> held
                = {"a", "Z", "0", "9", ".", "@", "-", "_", " ", "/", ":", "+"};
            for (const char *letter : {"é", "ü", "Ä", "ñ", "£", "д", "Ж", "ё", "中", "文"}) {
                if (fromOemText(toOemText(letter)) == letter)
                    held.emplace_back(letter);
            }
            return held;
        }();
        std::string out;
        const int length = in(0, static_cast<int>(maxLength));
        for (int i = 0; i < length; ++i)
            out += pieces[static_cast<std::size_t>(in(0, static_cast<int>(pieces.size()) - 1))];
        return out;
    }

    std::string email(std::size_t maxLength)
    {
        std::string local = text((maxLength - 1) / 2);
        local.erase(std::remove(local.begin(), local.end(), '@'), local.end());
        std::string domain = text(maxLength - 1 - utf16Length(local));
        return local + "@" + domain;
    }

    std::mt19937 &engine() { return rng_; }

private:
    std::mt19937 rng_;
};

struct MenuCase {
    CameraSettings settings;
    MenuExtras extras;
    RecordContext context;
};

MenuCase generateMenu(Generator &g)
{
    MenuCase c;
    CameraSettings &s = c.settings;
    s.CameraMode = g.in(0, 2);
    s.ImageSize = g.in(0, 3);
    s.VideoSize = g.in(0, 3);
    s.PictureNo = g.in(0, 2);
    collectVideoLength(s, g.in(1, 60));
    const int unit = g.in(0, 1);
    collectInterval(s, unit == 1 ? g.in(1, 60) : g.in(0, 60), unit);
    s.TimeStamp = g.in(0, 1);
    s.SenseLevel = g.in(0, 3);
    s.Timer = g.in(0, 1);
    s.SidePir = g.in(0, 1);
    s.TimeLapse = g.in(0, 1);
    s.TimeLapseHour = g.in(0, 23);
    s.TimeLapseMinute = g.in(0, 59);
    s.TimeLapseSecond = g.in(0, 59);
    CameraClock clock{
        g.in(2000, 2040), g.in(1, 12), g.in(1, 31), g.in(0, 23), g.in(0, 59), g.in(0, 59)};
    collectClock(clock, s);
    s.TimerStartHour = g.in(0, 23);
    s.TimerStartMinute = g.in(0, 59);
    s.TimerStopHour = g.in(0, 23);
    s.TimerStopMinute = g.in(0, 59);
    s.SerialNo = g.in(0, 1);
    s.SerialDigit1 = g.in(0, 35);
    s.SerialDigit2 = g.in(0, 35);
    s.SerialDigit3 = g.in(0, 35);
    s.SerialDigit4 = g.in(0, 35);
    s.Timer2 = g.in(0, 1);
    s.SdCycle = g.in(0, 1);
    s.BeepSound = g.in(0, 1);

    MenuExtras &e = c.extras;
    e.secondTimer = {g.in(0, 23), g.in(0, 59), g.in(0, 23), g.in(0, 59)};
    e.dateFormat = g.in(0, 2);
    e.wirelessPassword = wirelessPasswordDigits(std::to_string(g.in(0, 9999)));
    e.wirelessPasswordOn = g.in(0, 1);
    e.k500SdCycle = g.in(0, 1);
    e.longitude = {g.in(0, 1), g.in(0, 180), g.in(0, 59), g.in(0, 59)};
    e.latitude = {g.in(0, 1), g.in(0, 90), g.in(0, 59), g.in(0, 59)};

    c.context.cameraLanguage = static_cast<std::uint8_t>(g.in(1, 15));
    c.context.tvMode = static_cast<std::uint8_t>(g.in(0, 255));
    return c;
}

// What a layout keeps of a case: the fields it does not store read back as
// the defaults.
MenuCase storedPart(MenuCase c, MenuLayout layout)
{
    const CameraSettings defaults;
    const MenuExtras noExtras;
    MenuExtras kept;
    kept.secondTimer = c.extras.secondTimer;
    kept.dateFormat = c.extras.dateFormat;
    switch (layout) {
    case MenuLayout::Standard:
        c.settings.BeepSound = defaults.BeepSound;
        break;
    case MenuLayout::K100:
        c.settings.SidePir = defaults.SidePir;
        c.settings.SdCycle = defaults.SdCycle;
        c.settings.BeepSound = defaults.BeepSound;
        kept.wirelessPassword = c.extras.wirelessPassword;
        kept.wirelessPasswordOn = c.extras.wirelessPasswordOn;
        break;
    case MenuLayout::K400:
        c.settings.SidePir = defaults.SidePir;
        c.settings.SdCycle = defaults.SdCycle;
        c.settings.BeepSound = defaults.BeepSound;
        break;
    case MenuLayout::K500:
        c.settings.SdCycle = defaults.SdCycle;
        c.settings.BeepSound = defaults.BeepSound;
        kept.k500SdCycle = c.extras.k500SdCycle;
        kept.longitude = c.extras.longitude;
        kept.latitude = c.extras.latitude;
        break;
    case MenuLayout::K600:
        break;
    case MenuLayout::K800:
        c.settings.SidePir = defaults.SidePir;
        break;
    }
    c.extras = kept;
    return c;
}

std::vector<std::uint8_t> bytesOf(const ConfigRecord &record)
{
    return {record.bytes.begin(), record.bytes.end()};
}

MmsSettings generateMms(Generator &g)
{
    MmsSettings m;
    m.sendCode = g.in(0, 3);
    m.sendPosition = g.in(0, 3);
    m.connectionType = g.in(0, 1);
    m.picturesPerDay = g.in(0, 99);
    m.cameraLanguage = static_cast<std::uint8_t>(g.in(1, 15));
    m.tvMode = static_cast<std::uint8_t>(g.in(0, 255));
    m.international = g.coin();
    m.autoMode = g.coin();
    if (m.autoMode) {
        m.countryPosition = g.in(0, kCountryCount - 1);
        m.operatorPosition = g.in(0, std::max(mmsOperatorCount(m.countryPosition), 1) - 1);
    }
    m.smsRemoteControl = g.in(0, 25);
    m.url = g.text(50);
    m.apn = g.text(30);
    m.gateway = g.text(20);
    m.port = g.text(10);
    m.phone1 = g.text(40);
    m.email = g.text(40);
    m.account = g.text(30);
    m.password = g.text(30);
    m.phone2 = g.text(40);
    m.phone3 = g.text(40);
    return m;
}

SmtpSettings generateSmtp(Generator &g, SmtpLayout layout)
{
    SmtpSettings s;
    s.autoMode = g.coin();
    if (s.autoMode) {
        s.countryIndex = g.in(0, kGprsCountryCount - 1);
        s.operatorIndex = g.in(0, std::max(gprsOperatorCount(s.countryIndex), 1) - 1);
    }
    s.picturesPerDay = g.in(0, 99);
    s.cameraLanguage = static_cast<std::uint8_t>(g.in(1, 15));
    s.smtpStatus = layout == SmtpLayout::K600 ? g.in(0, 2) : SmtpSettings{}.smtpStatus;
    s.smsInterval = g.in(0, 25);
    s.apn = g.text(32);
    s.account = g.text(32);
    s.gprsPassword = g.text(32);
    s.smtpServer = g.text(40);
    s.port = g.text(10);
    s.senderEmail = g.email(layout == SmtpLayout::K600 ? 40 : 32);
    s.senderPassword = g.text(32);
    s.phoneNumber = g.text(30);
    s.recipientEmail = g.email(layout == SmtpLayout::K600 ? 40 : 32);
    return s;
}

// Seals content records behind a trailer that is right for them, so that a
// change inside a record shows only what it changes in the record.
std::vector<std::uint8_t> seal(const SealedContent &records, std::uint16_t addend)
{
    return SealedFile::seal(records, addend);
}

bool hasFinding(const std::vector<Finding> &findings, FindingCode code)
{
    return std::any_of(
        findings.begin(), findings.end(), [code](const Finding &f) { return f.code == code; });
}

bool hasFinding(const std::vector<Finding> &findings, FindingCode code, Field field)
{
    return std::any_of(findings.begin(), findings.end(),
        [&](const Finding &f) { return f.code == code && f.field == field; });
}

std::string codes(const std::vector<Finding> &findings)
{
    std::string out;
    for (const Finding &f : findings)
        out += std::string(findingKey(f.code)) + " ";
    return out;
}

} // namespace

// ---------------------------------------------------------------------------
// Round trips: what the writers make of settings reads back as those settings.

TEST(CardInspector, MenuRecordsOfEveryLayoutReadBackAsTheirSettings)
{
    Generator g(1);
    for (int round = 0; round < 300; ++round) {
        const MenuCase c = generateMenu(g);
        for (const MenuLayout layout : menuLayouts()) {
            SCOPED_TRACE(std::string(layoutName(layout)) + " round " + std::to_string(round));
            const auto bytes = bytesOf(buildMenuRecord(layout, c.settings, c.extras, c.context));

            const MenuInspection one = inspectMenu(bytes, layout);
            ASSERT_TRUE(one.clean()) << codes(one.findings) << codes(one.readings[0].findings);
            ASSERT_EQ(one.readings.size(), 1u);
            const MenuCase expected = storedPart(c, layout);
            EXPECT_EQ(one.readings[0].settings, expected.settings);
            EXPECT_EQ(one.readings[0].extras, expected.extras);
            EXPECT_EQ(one.readings[0].context.cameraLanguage, c.context.cameraLanguage);
            EXPECT_EQ(one.readings[0].context.tvMode, c.context.tvMode);

            // Without a family, the writing layout is among those that fit.
            const auto fitting = inspectMenu(bytes).fittingLayouts();
            EXPECT_NE(std::find(fitting.begin(), fitting.end(), layout), fitting.end());
        }
    }
}

TEST(CardInspector, FactoryFilesReadBackAsFactoryFiles)
{
    const auto marker = bytesOf(buildFactoryMarkerRecord());
    const MenuInspection any = inspectMenu(marker);
    EXPECT_TRUE(any.clean());
    EXPECT_TRUE(any.factoryMarker);
    EXPECT_EQ(any.fittingLayouts(),
        (std::vector<MenuLayout>{MenuLayout::K100, MenuLayout::K400, MenuLayout::K500,
            MenuLayout::K600, MenuLayout::K800}));
    EXPECT_TRUE(inspectMenu(marker, MenuLayout::K600).clean());
    // The standard family writes its reset form instead, never the marker.
    EXPECT_TRUE(hasFinding(
        inspectMenu(marker, MenuLayout::Standard).findings, FindingCode::MarkerNotForLayout));

    CameraClock clock{2021, 3, 4, 5, 6, 7};
    const MenuInspection standard
        = inspectMenu(bytesOf(buildStandardFactoryRecord(clock, {})), MenuLayout::Standard);
    ASSERT_TRUE(standard.clean()) << codes(standard.readings[0].findings);
    EXPECT_EQ(standard.readings[0].settings.ClockYear, 11);
    EXPECT_EQ(standard.readings[0].extras.dateFormat, 1);
}

TEST(CardInspector, SetupFilesReadBackAsTheirSettings)
{
    Generator g(2);
    for (int round = 0; round < 400; ++round) {
        const MmsSettings m = generateMms(g);
        SCOPED_TRACE("round " + std::to_string(round));
        const auto bytes = seal(buildMmsRecords(m), mmsTrailerAddend(m));
        for (const auto expected :
            {std::optional<FileKind>(FileKind::Setup), std::optional<FileKind>()}) {
            const SealedInspection s = inspectSealed(bytes, expected);
            ASSERT_TRUE(s.clean()) << codes(s.findings);
            EXPECT_EQ(s.readAs, FileKind::Setup);
            EXPECT_EQ(s.trailerKind,
                m.international ? SealedKind::MmsInternational : SealedKind::MmsDomestic);
            MmsSettings stored = m;
            if (!m.autoMode) {
                stored.countryPosition = 0;
                stored.operatorPosition = 0;
            }
            EXPECT_EQ(s.mms, stored);
        }
    }
}

TEST(CardInspector, SmtpFilesOfBothLayoutsReadBackAsTheirSettings)
{
    Generator g(3);
    for (int round = 0; round < 400; ++round) {
        for (const SmtpLayout layout : {SmtpLayout::K600, SmtpLayout::K200}) {
            SCOPED_TRACE(std::string(layoutName(layout)) + " round " + std::to_string(round));
            const SmtpSettings settings = generateSmtp(g, layout);
            const auto bytes = seal(buildSmtpRecords(settings, layout), TrailerAddend::Smtp);

            SmtpSettings stored = settings;
            if (!settings.autoMode)
                stored.countryIndex = 0;
            const SealedInspection given = inspectSealed(bytes, FileKind::Smtp, layout);
            ASSERT_TRUE(given.clean()) << codes(given.findings);
            EXPECT_EQ(given.smtp, stored);

            const SealedInspection any = inspectSealed(bytes);
            EXPECT_EQ(any.readAs, FileKind::Smtp);
            EXPECT_EQ(any.trailerKind, SealedKind::Smtp);
            EXPECT_NE(std::find(any.smtpLayouts.begin(), any.smtpLayouts.end(), layout),
                any.smtpLayouts.end());
        }
    }
}

// ---------------------------------------------------------------------------
// Damage: every change to a written file is reported.

TEST(CardInspector, EveryFlippedBitOfAMenuFileIsReported)
{
    Generator g(4);
    for (const MenuLayout layout : menuLayouts()) {
        const MenuCase c = generateMenu(g);
        const auto good = bytesOf(buildMenuRecord(layout, c.settings, c.extras, c.context));
        for (std::size_t bit = 0; bit < good.size() * 8; ++bit) {
            auto bad = good;
            bad[bit / 8] ^= static_cast<std::uint8_t>(1u << (bit % 8));
            EXPECT_FALSE(inspectMenu(bad, layout).clean())
                << layoutName(layout) << " byte " << bit / 8 << " bit " << bit % 8;
        }
    }
}

TEST(CardInspector, EveryFlippedBitOfASealedFileIsReported)
{
    Generator g(5);
    MmsSettings international = generateMms(g);
    international.international = true;
    MmsSettings domestic = generateMms(g);
    domestic.international = false;
    const struct {
        FileKind kind;
        std::vector<std::uint8_t> bytes;
    } files[] = {
        {FileKind::Setup, seal(buildMmsRecords(international), mmsTrailerAddend(international))},
        {FileKind::Setup, seal(buildMmsRecords(domestic), mmsTrailerAddend(domestic))},
        {FileKind::Smtp,
            seal(buildSmtpRecords(generateSmtp(g, SmtpLayout::K200), SmtpLayout::K200),
                TrailerAddend::Smtp)},
    };
    for (const auto &file : files) {
        ASSERT_TRUE(inspectSealed(file.bytes, file.kind).clean());
        for (std::size_t bit = 0; bit < file.bytes.size() * 8; ++bit) {
            auto bad = file.bytes;
            bad[bit / 8] ^= static_cast<std::uint8_t>(1u << (bit % 8));
            EXPECT_FALSE(inspectSealed(bad, file.kind).clean())
                << "byte " << bit / 8 << " bit " << bit % 8;
        }
    }
}

TEST(CardInspector, WrongSizesAreReportedAndReadAsFarAsTheyGo)
{
    Generator g(6);
    const MenuCase c = generateMenu(g);
    const auto menu = bytesOf(buildMenuRecord(MenuLayout::K600, c.settings, c.extras, c.context));
    const MmsSettings m = generateMms(g);
    const auto setup = seal(buildMmsRecords(m), mmsTrailerAddend(m));

    for (std::size_t size = 0; size <= 800; ++size) {
        auto bytes = setup;
        bytes.resize(size, 0x0A);
        const SealedInspection s = inspectSealed(bytes, FileKind::Setup);
        EXPECT_EQ(hasFinding(s.findings, FindingCode::WrongSize), size != 720) << size;
        EXPECT_EQ(s.size, size);

        auto shortMenu = menu;
        shortMenu.resize(std::min<std::size_t>(size, 120), 0);
        EXPECT_EQ(hasFinding(inspectMenu(shortMenu).findings, FindingCode::WrongSize),
            shortMenu.size() != 60);
    }
    // A file cut inside its last text record still shows the texts before it.
    auto cut = setup;
    cut.resize(600);
    EXPECT_EQ(inspectSealed(cut, FileKind::Setup).mms.url, m.url);
}

TEST(CardInspector, TheTrailerAddendTellsTheFileKinds)
{
    MmsSettings international;
    international.international = true;
    const auto records = buildMmsRecords(international);

    // The same content under every addend: only the international one is right.
    for (int addend = 0; addend < 64; ++addend) {
        const auto bytes = seal(records, static_cast<std::uint16_t>(addend));
        const SealedInspection s = inspectSealed(bytes, FileKind::Setup);
        SCOPED_TRACE(addend);
        EXPECT_EQ(s.clean(), addend == TrailerAddend::MmsInternational) << codes(s.findings);
        switch (addend) {
        case TrailerAddend::MmsDomestic:
            EXPECT_TRUE(hasFinding(s.findings, FindingCode::InternationalMismatch));
            break;
        case TrailerAddend::Smtp:
            EXPECT_TRUE(hasFinding(s.findings, FindingCode::KindMismatch));
            break;
        case TrailerAddend::MmsInternational:
            break;
        default:
            EXPECT_TRUE(hasFinding(s.findings, FindingCode::BadTrailer));
        }
    }
}

TEST(CardInspector, ValuesOutsideTheirRangesBehindAValidChecksum)
{
    // menu.dat: a month of 13, framed anew so that only the value is wrong.
    Generator g(7);
    const MenuCase c = generateMenu(g);
    ConfigRecord record = buildMenuRecord(MenuLayout::Standard, c.settings, c.extras, c.context);
    record[15] = 13;
    MenuFileFraming(record);
    const MenuInspection menu = inspectMenu(bytesOf(record), MenuLayout::Standard);
    EXPECT_TRUE(hasFinding(menu.readings[0].findings, FindingCode::OutOfRange, Field::ClockMonth));
    EXPECT_TRUE(hasFinding(menu.findings, FindingCode::NoLayoutFits));

    // The K400 record always holds 1 as Side PIR, the K800 record 0.
    ConfigRecord k400 = buildMenuRecord(MenuLayout::K400, c.settings, c.extras, c.context);
    k400[9] = 0;
    MenuFileFraming(k400);
    EXPECT_FALSE(inspectMenu(bytesOf(k400), MenuLayout::K400).clean());

    // setup.dat: a country past the list, an SMS interval past "Off".
    MmsSettings m;
    m.autoMode = true;
    SealedContent records = buildMmsRecords(m);
    records[0][8] = kCountryCount;
    records[0][10] = 26;
    const SealedInspection s = inspectSealed(seal(records, 0), FileKind::Setup);
    EXPECT_TRUE(hasFinding(s.findings, FindingCode::OutOfRange, Field::MmsCountry));
    EXPECT_TRUE(hasFinding(s.findings, FindingCode::OutOfRange, Field::SmsRemoteControl));

    // smtp.dat: a record 0 neither layout wrote.
    SealedContent smtp = buildSmtpRecords(SmtpSettings{}, SmtpLayout::K200);
    smtp[0][6] = 2;
    const SealedInspection t = inspectSealed(seal(smtp, TrailerAddend::Smtp), FileKind::Smtp);
    EXPECT_TRUE(t.smtpLayouts.empty());
    EXPECT_TRUE(hasFinding(t.findings, FindingCode::NoLayoutFits));
}

TEST(CardInspector, TextRecordsWhoseLengthByteDisagreesWithTheText)
{
    MmsSettings m;
    m.autoMode = false;
    m.apn = "internet";
    // A URL too long for its record: the writer leaves the record empty but
    // still stores the length, so the camera would get no URL at all.
    m.url = std::string(70, 'u');
    SealedContent records = buildMmsRecords(m);
    records[2][57] = 9; // the APN's length byte, one more than its text
    const SealedInspection s = inspectSealed(seal(records, 0), FileKind::Setup);
    EXPECT_TRUE(hasFinding(s.findings, FindingCode::TextLength, Field::Url));
    EXPECT_TRUE(hasFinding(s.findings, FindingCode::TextLength, Field::Apn));

    // A text without its terminating zero.
    records = buildMmsRecords(MmsSettings{});
    for (std::size_t i = 0; i < 57; ++i)
        records[3][i] = 'g';
    EXPECT_TRUE(hasFinding(inspectSealed(seal(records, 0), FileKind::Setup).findings,
        FindingCode::TextNotTerminated, Field::Gateway));

    // The sender user name must follow the sender e-mail.
    SmtpSettings smtp;
    smtp.senderEmail = "camera@example.net";
    SealedContent smtpRecords = buildSmtpRecords(smtp, SmtpLayout::K600);
    smtpRecords[9] = senderUserNameRecord("other@example.net");
    EXPECT_TRUE(
        hasFinding(inspectSealed(seal(smtpRecords, TrailerAddend::Smtp), FileKind::Smtp).findings,
            FindingCode::UserNameMismatch));
}

TEST(CardInspector, RandomBytesGiveFindingsNeverACrash)
{
    Generator g(8);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 1000; ++round) {
        const std::size_t size = round % 3 == 0 ? 60 : round % 3 == 1 ? 720 : g.in(0, 900);
        std::vector<std::uint8_t> bytes(size);
        for (auto &b : bytes)
            b = static_cast<std::uint8_t>(byte(g.engine()));
        EXPECT_FALSE(inspectMenu(bytes).clean());
        EXPECT_FALSE(inspectSealed(bytes).clean());
        const auto file = inspectBytes("x", FileKind::Smtp, bytes, {.model = g.in(1, 19)});
        EXPECT_EQ(file.status(), 1);
        // Every finding and value can be put into words and JSON.
        EXPECT_FALSE(textReport(file, {.language = g.in(1, 15)}).empty());
        EXPECT_FALSE(jsonReport({file}, {}).empty());
    }
}

// ---------------------------------------------------------------------------
// Words

TEST(CardInspectorWords, FieldNamesComeFromTheCaptionTablesInTheUsersLanguage)
{
    EXPECT_EQ(fieldName(Field::CameraMode, 3), "Modus");
    EXPECT_EQ(fieldName(Field::CameraMode, 1), "模式");
    EXPECT_EQ(fieldName(Field::Timer2StartHour, 2), "Timer2 Start Hour");
    // No caption names the TV mode byte: the inspector's own name.
    EXPECT_EQ(fieldName(Field::TvMode, 3), "TV-Norm");
    EXPECT_EQ(fieldName(Field::TvMode, 1), "电视制式");
    EXPECT_EQ(fieldName(Field::ClockYear, 15), "Время Год");

    FieldValue interval{.field = Field::Interval, .value = 128 + 30};
    EXPECT_EQ(fieldValueText(interval, {}, {.language = 2}), "30 Second");
    interval.value = 30;
    EXPECT_EQ(fieldValueText(interval, {}, {.language = 2}), "30 Minute");
    const FieldValue sms{.field = Field::SmsRemoteControl, .value = 25};
    EXPECT_EQ(fieldValueText(sms, {}, {.language = 3}), "Aus");
}

TEST(CardInspectorWords, EveryFieldAndFindingHasWordsAndAUniqueKey)
{
    std::vector<std::string_view> keys;
    for (int f = 0; f <= static_cast<int>(Field::Email01); ++f) {
        const Field field = static_cast<Field>(f);
        keys.push_back(fieldKey(field));
        for (int language = 1; language <= 15; ++language)
            EXPECT_FALSE(fieldName(field, language).empty()) << f;
    }
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());

    // Every placeholder filled, in every language.
    for (int c = 0; c <= static_cast<int>(FindingCode::MarkerNotForLayout); ++c) {
        const Finding finding{.code = static_cast<FindingCode>(c), .field = Field::Url};
        EXPECT_NE(findingKey(finding.code), "?");
        EXPECT_NE(findingText(finding, 1), findingText(finding, 2)) << c;
        for (int language = 1; language <= 15; ++language) {
            const std::string text = findingText(finding, language);
            EXPECT_FALSE(text.empty()) << c << " language " << language;
            EXPECT_EQ(text.find('%'), std::string::npos) << text;
        }
    }
}

TEST(CardInspectorWords, PasswordsAreHiddenUnlessAsked)
{
    SmtpSettings s;
    s.senderEmail = "cam@example.net";
    s.senderPassword = "hunter2secret";
    s.gprsPassword = "gprs-secret";
    const auto bytes = seal(buildSmtpRecords(s, SmtpLayout::K600), TrailerAddend::Smtp);
    const FileInspection file = inspectBytes("smtp.dat", FileKind::Smtp, bytes, {});
    for (const std::string &report : {textReport(file, {}), jsonReport({file}, {})}) {
        EXPECT_EQ(report.find("secret"), std::string::npos) << report;
    }
    for (const std::string &report :
        {textReport(file, {.showPasswords = true}), jsonReport({file}, {.showPasswords = true})}) {
        EXPECT_NE(report.find("hunter2secret"), std::string::npos);
        EXPECT_NE(report.find("gprs-secret"), std::string::npos);
    }
}

TEST(CardInspectorWords, TheK100WirelessPasswordIsHiddenToo)
{
    MenuExtras extras;
    extras.wirelessPassword = {9, 8, 7, 6};
    const auto bytes = bytesOf(buildMenuRecord(MenuLayout::K100, {}, extras, {}));
    const FileInspection file = inspectBytes("menu.dat", FileKind::Menu, bytes, {.model = 14});
    EXPECT_NE(jsonReport({file}, {}).find("\"WirelessPwd1\": null"), std::string::npos);
    EXPECT_NE(
        jsonReport({file}, {.showPasswords = true}).find("\"WirelessPwd1\": 9"), std::string::npos);
    EXPECT_EQ(textReport(file, {}).find(": 9\n"), std::string::npos);
}

TEST(CardInspectorWords, OemTextsReadBackAsWritten)
{
    for (int b = 1; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(toOemText(fromOemText(byte)), byte) << b;
    }
}

// The report is in the user's language throughout: headings, findings, the
// layouts' names and the inspector's own reasons for a file it cannot read.
TEST(CardInspectorWords, TheReportIsInTheUsersLanguage)
{
    std::vector<std::uint8_t> bytes = bytesOf(buildMenuRecord(MenuLayout::Standard, {}, {}, {}));
    bytes[57] ^= 0x01; // the checksum's high byte
    const FileInspection menu = inspectBytes("menu.dat", FileKind::Menu, bytes, {});
    const std::vector<FileInspection> missing = inspectPath("no-such-folder/menu.dat", {});
    ASSERT_EQ(missing.size(), 1u);

    struct Case {
        int language;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {3,
            {"menu.dat: Kameramenü-Einstellungsdatei, 60 Byte\n",
                "\n  Geprüfte Kameraformate: Standard, K100, ",
                "\n  Gefundene Probleme:\n    Falsche Prüfsumme: In der Datei steht 0x",
                "\n    [Standard] Intervall: Der Wert 0 liegt außerhalb von 1 bis 188\n",
                "\n    no-such-folder/menu.dat kann nicht gelesen werden: Datei nicht "
                "vorhanden\n"}},
        {15,
            {"menu.dat: Файл меню камеры, 60 байт\n",
                "\n  Проверенные форматы: Стандартный, K100, ",
                "\n  Обнаруженные проблемы:\n    Неверная контрольная сумма: в файле 0x",
                "\n    [Стандартный] Интервал: значение 0 вне диапазона от 1 до 188\n",
                "\n    Не удаётся прочитать no-such-folder/menu.dat: файл не существует\n"}},
    };
    for (const Case &c : cases) {
        const std::string report = textReport(menu, {.language = c.language}) + "\n"
            + textReport(missing[0], {.language = c.language});
        for (const std::string &line : c.lines)
            EXPECT_NE(report.find(line), std::string::npos) << line << "\nin:\n" << report;
        for (const char *english : {"bytes", "Layouts", "Findings", "checksum", "no such file"})
            EXPECT_EQ(report.find(english), std::string::npos) << english;
    }
    // Scripts read the reason in English whatever the language.
    EXPECT_NE(jsonReport(missing, {.language = 3}).find("\"error\": \"no such file\""),
        std::string::npos);
}
