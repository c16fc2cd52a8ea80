// Texts of the card inspector. Field names come from the forms' caption
// tables wherever a form shows the field; the names below are for values no
// form labels, and, like every message, exist in Chinese and English.
#pragma once

#include "i18n/TextTables.h"

#include <span>

namespace marrowby::i18n::inspect {

// Names of values no caption table names.
extern const Message Year;           // part of the clock's name
extern const Message Month;          // part of the clock's name
extern const Message Day;            // part of the clock's name
extern const Message CameraLanguage; // the camera's menu language byte
extern const Message TvMode;         // the TV output byte
extern const Message Copy;           // the second copy of Side PIR in menu.dat
extern const Message SendCode;       // setup.dat byte 0
extern const Message ConnectionType; // setup.dat byte 2 (APN or CSD)
extern const Message PhoneType;      // setup.dat byte 7 (domestic or international)
extern const Message SenderUserName; // smtp.dat record 9

// Values.
extern const Message ListEntry; // a list position shown as such; %1 the position
extern const Message Unlimited; // pictures per day 0
extern const Message Masked;    // a password not shown

// What a file is.
extern const Message MenuFile;
extern const Message SetupFile;
extern const Message SmtpFile;
extern const Message MmsInternational;
extern const Message MmsDomestic;
extern const Message FactoryMarker;

// Report headings.
extern const Message LayoutsThatFit; // followed by the list
extern const Message LayoutsTried;   // when none fits; followed by the list
extern const Message Findings;
extern const Message NoFindings;
extern const Message Bytes; // %1 the size

// Findings; %1.. as each comment says.
extern const Message WrongSize;             // %1 size, %2 expected size
extern const Message MissingLineEnd;        // %1 record
extern const Message BadCrc;                // %1 stored, %2 computed
extern const Message BadTrailer;            // %1 stored, %2 CRC of the content
extern const Message KindMismatch;          // %1 what the trailer says, %2 what the name says
extern const Message InternationalMismatch; // %1 phone type of the settings, %2 of the trailer
extern const Message TrailerNotZero;        // %1 byte, %2 value
extern const Message OutOfRange;            // %1 field, %2 value, %3 low, %4 high
extern const Message UnexpectedByte;        // %1 record, %2 byte, %3 value, %4 expected
extern const Message TextLength;            // %1 field, %2 length byte, %3 characters
extern const Message TextNotTerminated;     // %1 field
extern const Message TextTooLong;           // %1 field, %2 characters, %3 limit
extern const Message ModeMismatch;          // %1 field
extern const Message UserNameMismatch;      // %1 field, %2 the sender e-mail's name
extern const Message NoLayoutFits;
extern const Message MarkerNotForLayout;
extern const Message Unreadable;  // %1 path, %2 reason
extern const Message NoCardFiles; // %1 folder

// The forms' Check card command: its menu entry, and the report it shows.
extern const CaptionTable CheckCard;
extern const Message CardGood;     // %1 folder; followed by the files checked
extern const Message CardFaulty;   // %1 folder; followed by the files and their findings
extern const Message FileResult;   // %1 file name, %2 what was found
extern const Message NoSuchFolder; // %1 folder
extern const Message NotAFolder;   // %1 the path typed as the folder

// Every inspector message, for the text sheet and checks over all texts.
std::span<const Message *const> allInspectMessages();

} // namespace marrowby::i18n::inspect
