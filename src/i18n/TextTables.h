// Text tables of every window: captions, option lists and messages in the
// fifteen user-interface languages, with their lookups.
//
// LanguageIndex is 1-based: 1 Chinese, 2 English, 3 Deutsch, 4 Suomi,
// 5 Italiano, 6 Francais, 7 Magyar, 8 Slovenian, 9 Cesky, 10 Japanese,
// 11 Lithuanian, 12 Polish, 13 Turkiye, 14 Ukraine, 15 Russian.
// Every lookup falls back to English (LanguageIndex 2) for an index outside
// 1..15, so no lookup ever reads outside a table.
//
// All texts are UTF-8. The Qt layer converts them with QString::fromUtf8.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace marrowby::i18n {

inline constexpr int kLanguageCount = 15;
inline constexpr int kChineseLanguage = 1;
inline constexpr int kEnglishLanguage = 2;

// True for 1..15.
bool isValidLanguage(int languageIndex);

// A caption in every language: text[LanguageIndex - 1].
struct CaptionTable {
    std::string_view key;
    std::array<std::string_view, kLanguageCount> text;
};

// The entries of a drop-down list in every language: rows[LanguageIndex - 1]
// holds `count` entries (2..4) in list order; unused slots stay empty.
struct OptionTable {
    std::string_view key;
    std::size_t count;
    std::array<std::array<std::string_view, 4>, kLanguageCount> rows;
};

// A caption held as sixteen texts: text[LanguageIndex]. Entry 0 holds the
// English text and is never shown.
struct CaptionObjectTable {
    std::string_view key;
    std::array<std::string_view, kLanguageCount + 1> text;
};

// A message that exists in Chinese and English only: the forms' check and
// success messages.
struct Message {
    std::string_view key;
    std::string_view chinese;
    std::string_view english;
};

// A message in every language: text[LanguageIndex - 1]. The program's own
// messages are of this kind: the card check's report, the dialog layer's and
// the range check's messages, the file writers' reports.
struct TranslatedMessage {
    std::string_view key;
    std::array<std::string_view, kLanguageCount> text;
};

std::string_view caption(const CaptionTable &table, int languageIndex);
std::vector<std::string_view> options(const OptionTable &table, int languageIndex);
std::string_view caption(const CaptionObjectTable &table, int languageIndex);
// Chinese when languageIndex == 1, English for every other value.
std::string_view message(const Message &msg, int languageIndex);
// The text of the language, like a caption.
std::string_view message(const TranslatedMessage &msg, int languageIndex);

// ---------------------------------------------------------------------------
// Language list of the main window (list 1080). Fifteen entries; entry 0 is
// "中文" on a Chinese system and "Chinese" otherwise, entry i (i >= 1) stands
// for LanguageIndex i + 1. The names are the same in every UI language.
inline constexpr int kLanguageListSize = 15;
// Empty for an entry outside 0..14.
std::string_view languageListEntry(int entry, bool chineseSystem);

// ---------------------------------------------------------------------------
// Main window.
namespace mainwindow {
extern const CaptionTable CameraSetup;    // button 1000
extern const CaptionTable MmsSetup;       // button 1001
extern const CaptionTable SmtpSetup;      // button 1002
extern const CaptionTable LatestUpdates;  // link button 1076
extern const CaptionTable SelectLanguage; // label 1078
extern const CaptionTable CameraModel;    // label 1079
// Prefix of the version label 1077, formatted as "%s: %d.%d.%d.%d". The German
// prefix ends in a space, which stays.
extern const CaptionTable VersionPrefix;
} // namespace mainwindow

// ---------------------------------------------------------------------------
// Buttons of every form (camera, MMS and SMTP forms).
namespace shared {
extern const CaptionTable Select;   // folder button: 1057 (camera, MMS), 1111 (SMTP)
extern const CaptionTable Generate; // generate button: 1 (camera, MMS), 1112 (SMTP)
extern const CaptionTable Exit;     // exit button: 2
// The folder edit's name for screen readers (it has no caption on screen).
extern const CaptionTable Folder;

// "Please enter an integer between %d and %d!" of the numeric range check
// (minimum, maximum); camera forms and the MMS forms' pictures per day.
extern const TranslatedMessage OutOfRange;
// A file could not be written: %1 the path, %2 the system's reason.
extern const TranslatedMessage WriteFailed;
} // namespace shared

// ---------------------------------------------------------------------------
// Captions used by both the MMS forms and the SMTP forms.
namespace mmssmtp {
extern const CaptionTable PictureNoPerDay; // MMS 1059; SMTP 1089
extern const CaptionTable NoteUnlimited;   // MMS 1075; SMTP 1090 ("Note：0=Unlimited")
extern const CaptionTable Country;         // MMS 1043; SMTP 1091
extern const CaptionTable Operator;        // MMS 1044; SMTP 1092
extern const CaptionTable
    SmsRemoteControl;           // MMS 1129 (K600 MMS 1084); K600 SMTP 1107; K200 SMTP 1132
extern const CaptionTable Hour; // 1085, after the SMS remote-control list
// Last entry of the SMS remote-control list (after "0".."24"):
// MMS 1134 (K600 MMS 1061); K600 SMTP 1115; K200 SMTP 1135.
extern const CaptionTable Off;
extern const CaptionTable Account;  // MMS 1052; SMTP 1098 (GPRS row)
extern const CaptionTable Password; // MMS 1053; SMTP 1099 (GPRS row)
extern const CaptionTable PhoneNo;  // MMS 1050; K600 SMTP 1116; K200 SMTP 1114
} // namespace mmssmtp

// ---------------------------------------------------------------------------
// MMS forms only (standard MMS form and K600 MMS form).
namespace mms {
extern const CaptionTable Mms;       // group box 1058
extern const CaptionTable MmsMode;   // label 1039 of the mode list
extern const CaptionTable MmsStatus; // label 1040 of the status list
extern const CaptionTable Url;       // 1047
extern const CaptionTable Gateway;   // 1048
extern const CaptionTable Port;      // 1049
extern const CaptionTable Email;     // 1051
// 1054 and 1055; on the K600 MMS form, ModelIndex 17, also 1050 and 1051.
extern const CaptionTable PhoneOrEmail;
// The connection-type list's name for screen readers (it has no caption on screen).
extern const CaptionTable ConnectionType;

extern const OptionTable ModeOptions; // list 1041: Auto, Manual
// List 1042 on the K600 MMS form and on ModelIndex 5 and 6 of the standard
// MMS form: Off, VGA, SMS.
extern const OptionTable StatusOptionsNoQvga;
// List 1042 on the other models of the standard MMS form: Off, VGA, QVGA, SMS.
extern const OptionTable StatusOptions;
extern const OptionTable PhoneTypeOptions; // list 1060: Domestic, International

extern const Message FileGenerated;       // success of Generate
extern const Message InternationalPhone;  // phone type 1060 set to International
extern const Message PhoneDigitLimit;     // phone 1 over its limit; %d the limit
extern const Message PhoneError01;        // S1, G2 (and the English text of R1)
extern const Message PhoneError02;        // S2, G3
extern const Message PhoneError03;        // S3, G4
extern const Message PhoneDigitsOnly;     // S4, G5
extern const Message RecheckPhone;        // S5, S6
extern const Message PhoneAndEmailError;  // G1
extern const Message RecheckPhoneOrEmail; // G6, G7 (K600 MMS: G5a, G6, G7, G8a)
extern const Message EmailErrorAt;        // G8
extern const Message EmailErrorDot;       // G9
extern const Message UrlError;            // G10
extern const Message ApnError;            // G11
extern const Message GatewayError;        // G12
extern const Message PortError;           // G13
extern const Message GatewayDotError;     // G14 of the standard MMS form
extern const Message GatewayDotErrorK600; // G14 of the K600 MMS form
extern const Message SetPhone1;           // R1
} // namespace mms

// ---------------------------------------------------------------------------
// SMTP forms only (K600 SMTP form and K200 SMTP form).
namespace smtp {
extern const CaptionTable SmtpMode;    // 1086
extern const CaptionTable SmtpStatus;  // 1113 (K600 SMTP form)
extern const CaptionTable GprsSetting; // group box 1146 (K600), 1107 (K200)
extern const CaptionTable Sender;      // group box 1104
extern const CaptionTable Recipients;  // group box 1105
extern const CaptionTable SmtpServer;  // 1100
extern const CaptionTable ServerPort;  // 1101, port of the SMTP server (not the GPRS "Port")
extern const CaptionTable SenderEmail; // 1103
extern const CaptionTable
    SenderPassword;                // 1102, the sender mailbox's password (not the GPRS "Password")
extern const CaptionTable Email01; // 1106
extern const CaptionTable Sms;     // group box 1147 (K600), 1083 (K200)

extern const OptionTable ModeOptions;   // list 1087: Auto, Manual
extern const OptionTable StatusOptions; // list 1114 (K600 SMTP form): Off, VGA, SMS

extern const Message FileGenerated;       // success of Generate
extern const Message EnterGprsApn;        // check 1
extern const Message EnterSmtpServer;     // check 2
extern const Message SetPort;             // check 3
extern const Message EnterEmail;          // check 4; K200 check 8
extern const Message EmailErrorAt;        // check 5; K200 check 9
extern const Message EmailErrorDot;       // check 6; K200 check 10
extern const Message EnterSenderPassword; // check 7
extern const Message EnterEmail01;        // check 8 (K600)
extern const Message Email01ErrorAt;      // check 9 (K600)
extern const Message Email01ErrorDot;     // check 10 (K600)
extern const Message PhoneError;          // checks 11 and 12
} // namespace smtp

// ---------------------------------------------------------------------------
// Camera forms (standard, K600, K500, K400, K800, K100). The comment names
// the forms that use a caption; "all" means all six.
namespace camera {
extern const CaptionTable Mode;        // 1004; all
extern const CaptionTable ImageSize;   // 1005; all
extern const CaptionTable VideoSize;   // 1006; all
extern const CaptionTable PictureNo;   // 1007; all
extern const CaptionTable TimeStamp;   // 1011; all
extern const CaptionTable SensorLevel; // 1010; all
extern const CaptionTable VideoLength; // 1008; all
extern const CaptionTable WirelessPwd; // K100
extern const CaptionTable Interval;    // 1009; all
extern const CaptionTable SetClock;    // 1018; all
extern const CaptionTable Timer;       // 1019; all (K500: ModelIndex 17)
extern const CaptionTable Timer1;      // 1019 on the K500 form (ModelIndex 11, 12, 13); K100
extern const CaptionTable Timer2;      // 1041 or 1047 (second timer); all
extern const CaptionTable SerialNo;    // 1021; all
extern const CaptionTable TimeLapse;   // 1020; all
extern const CaptionTable Start;       // 1059, 1061; all
extern const CaptionTable Stop;        // 1060, 1063; all
extern const CaptionTable Hour;        // timer and time-lapse columns (1118 ...); all
extern const CaptionTable Minute;      // timer and time-lapse columns (1122 ...); all
extern const CaptionTable Second;      // 1144 (video length unit), 1128; all
extern const CaptionTable DateFormat;  // 1043; all
extern const CaptionTable GetTime;     // button 1031; all
extern const CaptionTable BeepSound;   // 1041; K600, K800
extern const CaptionTable Default;     // button 1062; all
extern const CaptionTable Coordinate;  // 1080; K500
extern const CaptionTable Direction;   // 1076 ("Dir."); K500
extern const CaptionTable Degree;      // 1077; K500
extern const CaptionTable Longitude;   // 1054; K500
extern const CaptionTable East;        // list 1055 entry 0 ("E"); K500
extern const CaptionTable West;        // list 1055 entry 1 ("W"); K500
extern const CaptionTable Latitude;    // 1012; K500
extern const CaptionTable South;       // list 1049 entry 0 ("S"); K500
extern const CaptionTable North;       // list 1049 entry 1 ("N"); K500

// Sixteen-entry captions.
extern const CaptionObjectTable SdCycle; // 1051 / 1045 / 1050; standard, K600, K500, K800
extern const CaptionObjectTable SidePir; // 1012 / 1136; standard, K600, K500

// Capture mode list 1013: Camera, Video, Camera+Video; all.
extern const OptionTable CaptureModeOptions;
// Picture-count list 1016: 01 Photo, 02 Photo, 03 Photo; all.
extern const OptionTable PictureCountOptions;
// On/off with "On" first (time stamp 1026, time lapse 1033 ...).
extern const OptionTable OnOffOptions;
// Sensor level list 1027: Normal, High, Low, Off; all.
extern const OptionTable SensorLevelOptions;
// Interval unit list 1029: Second, Minute; all.
extern const OptionTable IntervalUnitOptions;
// K500 form: short "Second" (entry 0) and "Minute" (entry 1) captions, each
// entry used as one caption.
extern const OptionTable K500SecondMinute;
// Off/on with "Off" first (side PIR, SD cycle, timers, serial number, beep ...).
extern const OptionTable OffOnOptions;
// Date format list 1044 (not the K500 form, which uses its own literals).
extern const OptionTable DateFormatOptions;

extern const Message MenuFileGenerated; // Generate: standard, K500, K400, K100
extern const Message
    MenuFileGeneratedShort; // Generate: K600, K800 ("Configuration file is generated")
// Default: standard, K500, K400, K100 (the Chinese text begins with a space).
extern const Message FactoryFileGenerated;
// Default: K600, K800 (no leading space).
extern const Message FactoryFileGeneratedNoSpace;
// Generate with a typed clock (K500, K100) that is not a real date and time;
// %1 the expected form of the text.
extern const TranslatedMessage ClockTextInvalid;
} // namespace camera

// ---------------------------------------------------------------------------
// The dialog layer's own data-exchange messages, shown in the platform's
// standard message box (not the notice box).
namespace framework {
extern const TranslatedMessage EnterInteger;      // a numeric field does not hold a whole number
extern const TranslatedMessage TooManyCharacters; // %1 the limit
extern const TranslatedMessage IntegerBetween;    // SMTP pictures per day; %1 minimum, %2 maximum
} // namespace framework

// ---------------------------------------------------------------------------
// Reports of the file writers beyond success and failure.
namespace files {
// A sealed file was written, but a work file mms.dat found in the folder could
// not be removed: %1 the file written, %2 the work file, %3 the system's reason.
// Shown in place of the form's success message.
extern const TranslatedMessage PlainFileLeft;
// A file's path would be longer than the writers allow: %1 the file's full
// path, %2 the limit in characters.
extern const TranslatedMessage PathTooLong;
} // namespace files

// ---------------------------------------------------------------------------
// Every table, for the exporter and for checks over all tables.
std::span<const CaptionTable *const> allCaptionTables();
std::span<const OptionTable *const> allOptionTables();
std::span<const CaptionObjectTable *const> allCaptionObjectTables();
// The Chinese-and-English messages.
std::span<const Message *const> allMessages();
// The messages in every language, the card inspector's included.
std::span<const TranslatedMessage *const> allTranslatedMessages();

} // namespace marrowby::i18n
