// Reads back the files the program writes for a camera and says what they
// hold and what is wrong with them. Nothing here throws or trusts the bytes:
// any input, of any length, gives settings and a list of findings.
#pragma once

#include "camera/CameraRecord.h"
#include "camera/CameraSettings.h"
#include "mms/MmsSettings.h"
#include "smtp/SmtpSettings.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace marrowby::inspect {

enum class FileKind {
    Menu,  // menu.dat
    Setup, // setup.dat (MMS)
    Smtp   // smtp.dat
};

// What the trailer of a sealed file says the file is, by the addend it carries.
enum class SealedKind {
    MmsInternational,
    MmsDomestic,
    Smtp,
    Unknown
};

// Every value a record can carry, across all three files.
enum class Field {
    // menu.dat
    CameraMode,
    ImageSize,
    VideoSize,
    PictureNo,
    VideoLength,
    TimeStamp,
    Interval,
    SenseLevel,
    Timer,
    SidePir,
    TimeLapse,
    TimeLapseHour,
    TimeLapseMinute,
    TimeLapseSecond,
    ClockYear,
    ClockMonth,
    ClockDay,
    ClockHour,
    ClockMinute,
    ClockSecond,
    TimerStartHour,
    TimerStartMinute,
    TimerStopHour,
    TimerStopMinute,
    SerialNo,
    SerialDigit1,
    SerialDigit2,
    SerialDigit3,
    SerialDigit4,
    CameraLanguage, // also setup.dat and smtp.dat
    TvMode,         // also setup.dat
    Timer2,
    Timer2StartHour,
    Timer2StartMinute,
    Timer2StopHour,
    Timer2StopMinute,
    SdCycle,
    BeepSound,
    WirelessPwd1,
    WirelessPwd2,
    WirelessPwd3,
    WirelessPwd4,
    WirelessPwdOn,
    LongitudeDirection,
    LongitudeDegrees,
    LongitudeMinutes,
    LongitudeSeconds,
    LatitudeDirection,
    LatitudeDegrees,
    LatitudeMinutes,
    LatitudeSeconds,
    DateFormat,
    SidePirCopy,
    // setup.dat
    SendCode,
    SendPosition,
    ConnectionType,
    PicturesPerDay, // also smtp.dat
    PhoneType,
    MmsMode,
    MmsCountry,
    MmsOperator,
    SmsRemoteControl,
    Url,
    Apn, // also smtp.dat
    Gateway,
    MmsPort,
    Phone1,
    Email,
    MmsAccount,
    MmsPassword,
    Phone2,
    Phone3,
    // smtp.dat
    SmtpMode,
    GprsCountry,
    GprsOperator,
    SmtpStatus,
    SmsInterval,
    GprsAccount,
    GprsPassword,
    SmtpServer,
    ServerPort,
    SenderEmail,
    SenderPassword,
    SmsPhone,
    SenderUserName,
    Email01,
};

// One value as read from a record: numbers in `value`, texts (UTF-8) in `text`.
struct FieldValue {
    Field field;
    int record = 0;
    int byte = 0; // first byte of the value within its record
    int value = 0;
    bool isText = false;
    std::string text = {};
};

enum class FindingCode {
    WrongSize,             // value: size; expected: the size of the file kind
    MissingLineEnd,        // bytes 58, 59 of `record` are not CR LF
    BadCrc,                // menu.dat: value stored, expected computed
    BadTrailer,            // value stored; expected the CRC of the content records
    KindMismatch,          // value: SealedKind of the trailer; expected: the file's FileKind
    InternationalMismatch, // value: byte 7 of the settings record; expected: the trailer's
    TrailerNotZero,        // byte of the trailer record that should be 0; value what it is
    OutOfRange,            // field, value, low..high
    UnexpectedByte,        // record, byte: value instead of expected
    TextLength,            // field: length byte `value`, the text has `expected` characters
    TextNotTerminated,     // field: no zero byte ends the text
    TextTooLong,           // field: `value` characters, the forms allow `high`
    ModeMismatch,          // field: the mode flag (byte 55) disagrees with the country byte
    UserNameMismatch,      // the sender user name is not the sender e-mail up to its "@"
    NoLayoutFits,          // no camera or SMTP layout reads this record without findings
    MarkerNotForLayout,    // the factory marker, for a family that never writes it
};

struct Finding {
    FindingCode code;
    int record = -1;
    int byte = -1;
    std::optional<Field> field = std::nullopt;
    long long value = 0;
    long long expected = 0;
    long long low = 0;
    long long high = 0;

    bool operator==(const Finding &) const = default;
};

// ---------------------------------------------------------------------------
// menu.dat

inline constexpr std::size_t kMenuFileSize = 60;

// The record read in one family's layout.
struct MenuReading {
    MenuLayout layout = MenuLayout::Standard;
    CameraSettings settings;
    MenuExtras extras;
    RecordContext context;
    std::vector<FieldValue> fields;
    std::vector<Finding> findings; // empty when the layout fits

    bool fits() const { return findings.empty(); }
};

struct MenuInspection {
    std::size_t size = 0;
    std::uint16_t storedCrc = 0;
    std::uint16_t computedCrc = 0;
    // The fixed factory record of the K100, K400, K500, K600 and K800 families.
    bool factoryMarker = false;
    std::vector<Finding> findings;     // framing: size, CRC, line end
    std::vector<MenuReading> readings; // one per layout tried (none for the marker)

    std::vector<MenuLayout> fittingLayouts() const;
    // No framing finding, and the record fits a layout (or is the marker).
    bool clean() const;
};

// Reads menu.dat in the given layout, or in every layout when none is given.
MenuInspection inspectMenu(
    std::span<const std::uint8_t> bytes, std::optional<MenuLayout> layout = std::nullopt);

// The layout of every camera family, in the order they are tried.
std::vector<MenuLayout> menuLayouts();

// The families that write the factory marker as their factory file.
bool writesFactoryMarker(MenuLayout layout);

// ---------------------------------------------------------------------------
// setup.dat and smtp.dat

inline constexpr std::size_t kSealedFileSize = 720;

struct SealedInspection {
    std::size_t size = 0;
    FileKind readAs = FileKind::Setup; // the content read as MMS or as SMTP settings
    SealedKind trailerKind = SealedKind::Unknown;
    std::uint16_t storedCheck = 0;
    std::uint16_t computedCrc = 0;
    std::vector<Finding> findings;
    std::vector<FieldValue> fields;

    MmsSettings mms;   // when readAs is Setup
    SmtpSettings smtp; // when readAs is Smtp
    // The SMTP layouts the settings record fits; the first one (K600 when none
    // fits) is the one `smtp` was read with.
    std::vector<SmtpLayout> smtpLayouts;
    SmtpLayout smtpLayout = SmtpLayout::K600;

    bool clean() const { return findings.empty(); }
};

// Reads a sealed file. `expected` is what the file's name says it is; without
// it the trailer decides (MMS when the trailer is not recognised). `layout`
// fixes the SMTP layout; without it every layout that fits is tried.
SealedInspection inspectSealed(std::span<const std::uint8_t> bytes,
    std::optional<FileKind> expected = std::nullopt,
    std::optional<SmtpLayout> layout = std::nullopt);

// The file kind its name stands for ("menu.dat", "SETUP.DAT", ...), if any.
std::optional<FileKind> fileKindFromName(std::string_view fileName);

} // namespace marrowby::inspect
